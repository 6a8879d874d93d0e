// Marked-text export: one entry, or the whole content of one category (its
// subcategory blocks, each before the entry blocks of its own category, then
// its own entry blocks), written byte for byte in the interchange format.
//
// Values are written as the library holds them: names, briefs, contents and
// image names converted from UTF-8 to GB18030, numbers as the decimal text of
// their column, the web-page name and the image bytes unchanged.  Only the
// main category decides where an entry is exported; an entry that names a
// category as its second or third category is not part of it.
//
// The file is streamed into a temporary file beside the target and renamed
// over it only when complete, so neither a stop nor a failed write leaves a
// partial file, and memory stays small whatever the size of the category.
// The job's range is the number of categories and entries to write (counted
// first); the stop flag is read before every category and entry.
//
// Thread rules: runs on whichever thread owns the database connection at the
// time (the worker during a category export).  Tells the user nothing; the
// caller shows ExportMessage.
#pragma once

#include <string>

namespace mivrel {

class Database;
class JobContext;

enum class ExportOutcome {
  Written,      // the file holds the complete export
  NotFound,     // no such entry: nothing written
  WriteFailed,  // the file could not be written: the target is unchanged
  Stopped,      // the user stopped the job: nothing written
};

[[nodiscard]] ExportOutcome ExportEntry(Database& db, long long entry_id,
                                        const std::string& gb_path, JobContext& job);
[[nodiscard]] ExportOutcome ExportCategory(Database& db, long long category_id,
                                           const std::string& gb_path, JobContext& job);

// "保存到文件完成" / "写文件出错！！" + CR LF + path; empty when the user is told
// nothing (not found, stopped).
std::string ExportMessage(ExportOutcome outcome, const std::string& gb_path);

}  // namespace mivrel
