// Marked-text import: reads a file in the interchange format and adds its
// categories, entries and images below a target category, in one transaction.
//
// Reading rules.  After the header, the text is scanned tag by tag (from "<" to
// the next ">"); tags are compared exactly.  "<tkxml-是分类>" creates a
// category below the current one (with a placeholder name until the file names
// it) and makes it current; "</tkxml-是分类>" returns to the enclosing one (at
// the top level it ends the import).  A category name, icon or priority element
// changes the current category, the target itself when it stands outside any
// block.  "<tkxml-是资料>" up to the next "</tkxml-是资料>" is one entry of the
// current category; an entry or element without its closing tag is skipped.
// Nesting of any depth is read without recursion.
//
// Values are taken as found, never as SQL: texts are cut at a NUL byte and
// converted to UTF-8 (bytes that are not GB18030 become U+FFFD); numbers are
// read as their leading decimal number (0 when there is none).  An entry's icon
// defaults to 2, its priority to 100 and its keyword kind to 0 when empty; all
// three are clamped.  A category's icon and priority are stored as read (the
// tree draws an icon it does not know as the first one; the recycle bin's is 34).
//
// Clashes: an entry whose name already names an entry of the same category.
// In ClashMode::Ask the job's Ask puts the three-way question; the answer
// becomes the mode for the rest of the import (and the caller's next look).
//
// Thread rules: runs on the thread that owns the connection (the worker).
// Stop flag and progress are read and written once per tag.
#pragma once

#include <string>
#include <string_view>

#include "interchange/import_report.h"

namespace mivrel {

class Database;
class JobContext;

enum class ClashMode {
  Ask,      // ask at the next clash
  Replace,  // overwrite every clashing entry ("是"); its old images stay
  Skip,     // keep the existing entry, drop the imported one ("否")
  Stop,     // end the import at once ("取消")
};

enum class MarkedTextCheck {
  Ok,            // a header was found; the body starts after it
  NotMarkedText, // no "<?xml" before a "?>"
  Utf8Encoded,   // a UTF-8 file: its tags could never match
};

struct MarkedTextStart {
  MarkedTextCheck check = MarkedTextCheck::NotMarkedText;
  size_t body = 0;  // Ok: the position just after the header's "?>"
};

// Looks for the header ("<?xml", then the first "?>" after it) and refuses
// UTF-8 files: those that start with a UTF-8 byte-order mark, are valid UTF-8
// with non-ASCII bytes while invalid as GB18030, or hold the UTF-8 form of an
// entry or category tag and no GB18030 one.
MarkedTextStart CheckMarkedText(std::string_view bytes);

// The refusal texts, each + CR LF + path.
std::string NotMarkedTextMessage(const std::string& gb_path);  // "文件格式不正确，无法导入"
std::string Utf8FileMessage(const std::string& gb_path);

// The clash question's text for an entry name.
std::string ClashQuestion(const std::string& gb_name);

// Imports the body (from `start`) below `target` in one transaction
// ("BEGIN TRANSACTION" ... "END TRANSACTION": what was written before a stop or
// an error is committed).  The job's range is the text's length.
[[nodiscard]] ImportReport ImportMarkedText(Database& db, std::string_view text, size_t start,
                                            long long target, ClashMode& mode, JobContext& job);

}  // namespace mivrel
