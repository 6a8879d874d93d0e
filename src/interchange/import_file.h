// The import command's decisions that need no screen: which kind of file was
// chosen, whether it can be imported at all, which question to ask, and the
// job that runs the import.
//
// Kinds by extension (any letter case): ".hhc" a help book's table of
// contents, ".htm" and ".html" a web page, anything else a marked-text file,
// which must hold "<?xml" before a "?>" and must not be UTF-8.
//
// Thread rules: PrepareImport reads the file on the calling (user-interface)
// thread; RunImport runs on the thread that owns the connection (the worker).
#pragma once

#include <string>

#include "interchange/import_report.h"
#include "interchange/marked_text_import.h"

namespace mivrel {

class Database;
class JobContext;

enum class ImportKind { MarkedText, HelpBook, WebPage };
enum class PageScope { ThisPage, WholeFolder };

ImportKind ImportKindOf(const std::string& gb_path);

struct PreparedImport {
  ImportKind kind = ImportKind::MarkedText;
  std::string path;
  std::string refusal;        // non-empty: shown (stop icon), nothing imported
  bool nothing_to_do = false; // a table of contents without a list: ends silently
  std::string text;           // MarkedText, HelpBook: the file's bytes
  size_t body = 0;            // MarkedText: where the blocks begin
};

// Reads and checks the chosen file.  Refusals: "文件不存在，无法导入",
// "文件格式不正确，无法导入" or the UTF-8 refusal, each + CR LF + path.
PreparedImport PrepareImport(const std::string& gb_path);

// A web page imported into a category asks whether to import its whole
// folder; into the top level (target 0) it is imported alone.
bool AsksFolderQuestion(long long target);
std::string FolderQuestion(const std::string& gb_page_path);

// The progress window's caption: "导入到:" + target name, "导入电子书" or
// "导入HTM文件".
std::string ImportCaption(ImportKind kind, const std::string& gb_target_name);

// The home page's name shown as the target: "全部内容" becomes "根目录".
std::string TargetDisplayName(const std::string& gb_category_name);

// Runs the prepared import below `target`.  `clash` is the marked-text clash
// mode, kept across clashes; `scope` applies to web pages.
[[nodiscard]] ImportReport RunImport(Database& db, const PreparedImport& prepared,
                                     long long target, ClashMode& clash, PageScope scope,
                                     JobContext& job);

}  // namespace mivrel
