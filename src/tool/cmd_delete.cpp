// mivrel-tool delete: the program's deletion without questions.
//
//   delete entry ID | category ID [--permanent]
//
// Without --permanent the setting 使用回收站 decides, as in the program: on,
// the item moves into the recycle bin (made when missing), unless it is in
// the bin already, which removes it for good; off, it is removed for good.
// Prints the success text on standard output (UTF-8); a failure is printed
// on standard error with exit code 1.
#include <optional>
#include <string>

#include "base/text.h"
#include "ports/quiet_job.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "store/database.h"
#include "store/deletion.h"
#include "store/library_files.h"
#include "store/records.h"
#include "tool/commands.h"

namespace mivrel {
namespace {

constexpr const char* kDeleteUsage = "usage: delete entry ID | category ID [--permanent]";
constexpr const char* kHomePageRefusal = "亲，主页是不可以删除的哦！";

struct DeleteRequest {
  DeletedKind kind = DeletedKind::Entry;
  int id = 0;
  bool permanent = false;
};

bool ParseRequest(const std::vector<std::string>& args, DeleteRequest& request) {
  std::vector<std::string> words;
  for (const std::string& arg : args) {
    if (arg == "--permanent")
      request.permanent = true;
    else
      words.push_back(arg);
  }
  if (words.size() != 2 || !ParseId(words[1], request.id)) return false;
  if (words[0] == "entry") {
    request.kind = DeletedKind::Entry;
    return true;
  }
  if (words[0] == "category") {
    request.kind = DeletedKind::Category;
    return true;
  }
  return false;
}

bool Exists(Database& db, const DeleteRequest& request) {
  return request.kind == DeletedKind::Entry ? ReadEntryById(db, request.id).has_value()
                                            : ReadCategory(db, request.id).has_value();
}

int Succeeded(const std::string& gb_text) {
  std::string shown = gb_text;
  ReplaceAll(shown, "\r\n", "\n");
  WriteStdout(GbToUtf8(shown) + "\n");
  return 0;
}

int Failed(const std::string& gb_message) {
  std::string shown = gb_message;
  ReplaceAll(shown, "\r\n", " ");
  PrintError("delete: " + shown);
  return 1;
}

}  // namespace

int RunDeleteCommand(const ToolContext& context) {
  DeleteRequest request;
  if (!ParseRequest(context.args, request)) {
    PrintError(kDeleteUsage);
    return 2;
  }
  if (request.kind == DeletedKind::Category && request.id == 0) return Failed(kHomePageRefusal);
  StderrUi ui;
  Database db;
  if (!OpenToolLibrary(context, db, ui)) return 1;
  if (!Exists(db, request))
    return Failed(std::string(request.kind == DeletedKind::Entry ? "no entry " : "no category ") +
                  std::to_string(request.id));

  const Settings settings =
      LoadSettings(IniFile(context.library_folder + kSettingsFileName), ScreenSize());
  int bin = FindRecycleBinId(db);
  const bool permanent = request.permanent || !settings.use_recycle_bin ||
                         IsInsideRecycleBin(db, request.kind, request.id, bin);
  StoreFailure failure;
  if (!permanent) {
    bin = EnsureRecycleBin(db, bin, failure);
    if (bin == 0) return Failed(failure.Message());
    if (MoveToRecycleBin(db, request.kind, request.id, bin) != kSqliteOk)
      return Failed(FailedStatement(db).Message());
    return Succeeded(kEntryDeletedText);
  }

  QuietJob job;
  if (request.kind == DeletedKind::Entry) {
    if (!DeleteEntryForGood(db, request.id, job, failure)) return Failed(failure.Message());
    return Succeeded(kEntryDeletedText);
  }
  DeletionCounts counts;
  if (!DeleteCategoryForGood(db, request.id, job, counts, failure)) return Failed(failure.Message());
  return Succeeded(CategoryDeletedText(counts));
}

}  // namespace mivrel
