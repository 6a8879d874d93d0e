// Reading a help-book table of contents (".hhc"), tag by tag: the rules the
// directory tree's external books and the help-book import share.
//
// The file is taken as bytes; tags are matched on an upper-cased copy (ASCII
// letters) and values cut from the text as read, at the same positions.
// Reading starts after the first "<UL>" (none: nothing to read).  A tag runs
// from "<" to the next ">"; an unfinished tag ends the reading.  Recognised,
// exactly as written after upper-casing: "<UL>", "</UL>",
// "<PARAM NAME=\"NAME\" VALUE=\"" + value + "\">" and
// "<PARAM NAME=\"LOCAL\" VALUE=\"" + value + "\">" (the value is the tag text
// between the prefix and its last two bytes).  Every other tag is passed over.
// What the lists mean (books, categories, nesting limits) is the caller's.
//
// Holds a view of the text: the text must outlive the reader.  One thread.
#pragma once

#include <string>
#include <string_view>

namespace mivrel {

// Names longer than this are cut (at a character boundary) by every reader of
// the file: a page takes its list's current name, so an uncut name would be
// copied once per page and a small file could fill the memory or the library.
constexpr size_t kMaxContentsNameBytes = 1000;

enum class ContentsTag { ListOpen, ListClose, Name, Local };

struct ContentsEvent {
  ContentsTag tag = ContentsTag::ListOpen;
  std::string_view value;  // Name, Local: as read
};

class ContentsReader {
 public:
  explicit ContentsReader(std::string_view text);

  // False when the text holds no "<UL>".
  bool HasList() const { return m_started; }
  // The next recognised tag; false at the end.
  bool Next(ContentsEvent& event);
  // Bytes read so far (for progress).
  size_t Position() const { return m_pos; }

 private:
  std::string_view m_text;
  std::string m_upper;
  size_t m_pos = 0;
  bool m_started = false;
};

}  // namespace mivrel
