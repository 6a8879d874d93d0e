// A file written in pieces that replaces its target only once it is complete.
// The bytes go into a temporary file in the target's folder (so the final
// rename stays on one file system); Commit flushes it and renames it over the
// target.  A writer destroyed without a successful Commit removes the temporary
// file and leaves the target as it was: a stopped job, a full disk or an error
// never leaves half a file behind.
//
// One thread at a time; no exceptions.
#pragma once

#include <cstdio>
#include <string>
#include <string_view>

namespace mivrel {

class ReplacingFile {
 public:
  // Opens the temporary file beside `gb_target` (GB18030 path).  Check Ok().
  explicit ReplacingFile(std::string gb_target);
  ~ReplacingFile();
  ReplacingFile(const ReplacingFile&) = delete;
  ReplacingFile& operator=(const ReplacingFile&) = delete;

  // False once opening or any write has failed; later writes are ignored.
  bool Ok() const { return m_file != nullptr && !m_failed; }
  void Append(std::string_view bytes);
  // Flushes, closes and renames over the target.  False when anything failed
  // (the target is then untouched).
  [[nodiscard]] bool Commit();

 private:
  void Abandon();

  std::string m_target;
  std::string m_temporary;
  std::FILE* m_file = nullptr;
  bool m_failed = false;
};

}  // namespace mivrel
