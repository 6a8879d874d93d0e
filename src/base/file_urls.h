// The file:// addresses the program writes, all in one place.  Each serves
// one reader and escapes what that reader would otherwise misread:
//
// * FolderFileAddress: image sources inside generated pages (GB18030 page
//   text).  ":" becomes "|", "\\" becomes "/" and a leading "/" is not
//   doubled, so "/tmp/tk1/" gives "file:///tmp/tk1/" and "C:\\T\\" gives
//   "file:///C|/T/"; "%", "#", "?" and double quotes are percent-encoded.
//   Scanned by GB18030 character, so a second byte is never rewritten.
// * FolderFileUrl: the base address pages are written with, which the web
//   view compares and resolves as UTF-8: every byte outside the unreserved
//   set (letters, digits, "-_.~/") is percent-encoded.
// * FileUrl: an external help page: "file://" + the absolute folder, whose
//   "%", "#" and "?" are escaped, + the book's own local path, which may
//   carry an "#anchor" and is taken as it is.
//
// Paths are GB18030 and folders end with a separator.  Pure; any thread.
#pragma once

#include <string>

namespace mivrel {

std::string FolderFileAddress(const std::string& gb_folder);
std::string FolderFileUrl(const std::string& gb_folder);
std::string FileUrl(const std::string& gb_folder, const std::string& gb_local);

}  // namespace mivrel
