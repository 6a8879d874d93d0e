// The text rules of the entry editor's content area: what the text box and
// the web view are given, what is read back from them, and the length label.
// Pure functions over GB18030 bytes; any thread.
#pragma once

#include <string>
#include <string_view>

namespace mivrel {

struct PageTemplate;

// The content box's text limit.
constexpr size_t kContentLimit = 9999999;

// Removes leading and trailing ASCII blanks (" ") only.
std::string TrimBlanks(std::string_view text);

// Multi-line text boxes give and take "\n" line ends; the library keeps the
// CR LF its texts were written with.  Stored -> box turns every CR LF into
// "\n"; box -> stored turns every line end (a lone "\n" or CR LF) into CR LF.
std::string BoxTextFromStored(std::string_view stored);
std::string StoredTextFromBox(std::string_view box);

// The view switch from text to web: the text, trimmed of blanks, is taken as
// HTML when it holds a "<"; otherwise "&", "<", ">" become entities, every
// two blanks "&nbsp;&nbsp;", and every line end (CR LF or "\n") "<br>"
// followed by the same line end.
std::string TextToWebHtml(std::string_view text);

// The document the web view edits: the page head up to and including
// "<body>" and the character after it, then `html`, then the page tail.
std::string WebDocument(const PageTemplate& page_template, std::string_view html);

// What the web view's body holds, as saved: everything up to and including a
// first "<body>" and everything from a first "</body>" on are dropped (each
// only when present).
std::string BodyFromInnerHtml(std::string_view inner_html);

// "文本长度：" + length + "，最大长度：" + limit, both with one leading blank;
// the length counts the bytes the text is stored with (CR LF line ends).
std::string LengthLabel(std::string_view box_text);

}  // namespace mivrel
