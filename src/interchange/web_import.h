// Help-book and web-page import: a help book's table of contents becomes a
// tree of categories below the target (one category per nested list, named by
// the item that was current when the list began), each page an entry in web
// format; a single page, or every page of its folder, becomes entries of the
// target.
//
// Every page of one import gets the web-page name "<target id>_" + its file
// name, lower-cased, and every link to another page is rewritten to the same
// form (page_transform.h), so links between the pages of one import reach
// their entries.  Images are read from the page's folder + the source as
// written and stored under their file name (empty data when unreadable).
// An empty or unreadable page is skipped; a failed entry write ends the
// import with the database's error.  A LOCAL value with an anchor
// ("page.html#sec") reads the file without it.
//
// Each import runs in one transaction, committed however it ends.  Nesting of
// any depth is read without recursion.  Progress: the help book over its
// bytes, the folder over its pages; the stop flag is read per tag and per page.
//
// Thread rules: the thread that owns the connection (the worker for a book or
// a folder).  Tells the user nothing; the caller shows ImportNotice.
#pragma once

#include <string>

#include "interchange/import_report.h"

namespace mivrel {

class Database;
class JobContext;

// `contents` is the .hhc file's text; `gb_book_folder` ends with a separator.
[[nodiscard]] ImportReport ImportHelpBook(Database& db, const std::string& contents,
                                          const std::string& gb_book_folder, long long target,
                                          JobContext& job);

// Only the page at `gb_page_path`.
[[nodiscard]] ImportReport ImportSinglePage(Database& db, const std::string& gb_page_path,
                                            long long target, JobContext& job);

// Every ".htm" and ".html" file of the folder (any letter case), in name order.
[[nodiscard]] ImportReport ImportPageFolder(Database& db, const std::string& gb_folder,
                                            long long target, JobContext& job);

// The folder part of a path, ending with a separator ("" when there is none).
std::string FolderOf(const std::string& gb_path);

// "<id>_": the web-page name prefix of the pages imported into `target`.
std::string PagePrefix(long long target);

}  // namespace mivrel
