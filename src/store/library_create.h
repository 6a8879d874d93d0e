// Making a new library folder: the database with the three tables, empty or
// holding given content (the starter library).
//
// An existing library in the folder is never touched.  The database is built
// under a temporary name inside the folder and takes its real name only when
// it is complete, so a failure leaves no half-built library behind.  Returns
// codes and texts; the caller reports.  Any thread (it opens its own
// connection), one creation per folder at a time.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mivrel {

// The rows of a new library: statements that insert them, and the bytes of
// the image files that its [img] rows name (their [数据] is NULL in the
// statements).  An image file that no row names, or a row without a file, is
// a fault of the content and fails the creation rather than leaving a broken
// picture.  Empty statements: a library without rows.
struct LibraryContent {
  struct Image {
    std::string file_name;  // as [img].[文件名] names it, GB18030
    std::string_view bytes;
  };
  std::string_view statements;  // GB18030, run through Database::Run
  std::vector<Image> images;
};

enum class CreateResult {
  Created,
  NotAFolder,        // the path names something that is not a folder
  CannotMakeFolder,  // the folder is missing and cannot be made
  AlreadyExists,     // detail: the library file that is there (left as it is)
  BuildFailed,       // detail: why (SQLite's text, or the content's fault)
  CannotMoveIntoPlace,
};

struct CreateOutcome {
  CreateResult result = CreateResult::Created;
  std::string detail;  // GB18030; see CreateResult
};

// REQUIRES: `folder` ends with a separator (GB18030).
CreateOutcome CreateLibrary(const std::string& folder, const LibraryContent& content);

}  // namespace mivrel
