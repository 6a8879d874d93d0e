// A settings file read and written key by key, with the semantics of the
// Windows private-profile functions: section and key names match without regard
// to the case of single-byte ASCII letters (never of a double-byte character's
// trail byte), blanks, tabs and stray CRs around "=" and around values are ignored,
// comment lines (";") and every other line are kept when a key is written,
// values are cut to 511 bytes.  The file is GB18030 text with CR LF lines; it
// is never parsed into a model and rewritten as a whole.
//
// Failures are not reported: a failed read gives the default, a failed write
// returns false and leaves the file as it was.
#pragma once

#include <string>

namespace mivrel {

class IniFile {
 public:
  explicit IniFile(std::string gb_path) : path_(std::move(gb_path)) {}

  // The key's value (at most 511 bytes), or `fallback` when the file, the
  // section or the key is absent.  A key present with an empty value gives "".
  std::string Read(const std::string& section, const std::string& key,
                   const std::string& fallback) const;
  // Sets the key, adding the section and/or the key when missing.
  bool Write(const std::string& section, const std::string& key, const std::string& value) const;

  const std::string& Path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace mivrel
