// Writing an entry's images (table `img`) into the page temp folder so that its
// page can show them.  Stored file names come from imported files and are not
// trusted: whatever a name holds, no file is ever written outside the folder.
// User-interface thread only (uses the database connection).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace mivrel {

class Database;

// The plain file name an image is written under, or an empty text when the
// image is skipped.  Anything up to the last "/", "\\" or ":" (a folder or
// drive prefix) is dropped, control bytes (NUL included) become "_", and an
// empty result, "." and ".." are skipped.  The name is scanned by GB18030
// character, so a second byte 0x5C (as in 乗) is never taken for a separator.
std::string PlainImageFileName(std::string_view gb_stored_name);

struct WrittenImage {
  std::string stored_name;  // 文件名 as stored (GB18030)
  std::string file_name;    // the name written into the folder
};

// Writes every image of the entry into `gb_folder` (which ends with a
// separator), replacing files of the same name.  Failing queries and writes
// are ignored; skipped names write nothing.  An empty folder writes nothing
// (never into the working directory).  Returns the images written.
std::vector<WrittenImage> WriteEntryImages(Database& db, long long entry_id,
                                           const std::string& gb_folder);

}  // namespace mivrel
