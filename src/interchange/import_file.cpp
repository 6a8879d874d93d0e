#include "interchange/import_file.h"

#include "base/files.h"
#include "base/text.h"
#include "interchange/contents_reader.h"
#include "interchange/web_import.h"

namespace mivrel {

ImportKind ImportKindOf(const std::string& gb_path) {
  const std::string lower = LowerAscii(gb_path);
  if (EndsWith(lower, ".hhc")) return ImportKind::HelpBook;
  if (EndsWith(lower, ".htm") || EndsWith(lower, ".html")) return ImportKind::WebPage;
  return ImportKind::MarkedText;
}

PreparedImport PrepareImport(const std::string& gb_path) {
  PreparedImport prepared;
  prepared.path = gb_path;
  prepared.kind = ImportKindOf(gb_path);
  if (!IsRegularFile(gb_path)) {
    prepared.refusal = "文件不存在，无法导入\r\n" + gb_path;
    return prepared;
  }
  if (prepared.kind == ImportKind::WebPage) return prepared;
  if (!ReadWholeFile(gb_path, prepared.text)) {
    prepared.refusal = "文件不存在，无法导入\r\n" + gb_path;
    return prepared;
  }
  if (prepared.kind == ImportKind::HelpBook) {
    prepared.nothing_to_do = !ContentsReader(prepared.text).HasList();
    return prepared;
  }
  const MarkedTextStart start = CheckMarkedText(prepared.text);
  if (start.check == MarkedTextCheck::Utf8Encoded) {
    prepared.refusal = Utf8FileMessage(gb_path);
  } else if (start.check == MarkedTextCheck::NotMarkedText) {
    prepared.refusal = NotMarkedTextMessage(gb_path);
  }
  prepared.body = start.body;
  return prepared;
}

bool AsksFolderQuestion(long long target) { return target != 0; }

std::string FolderQuestion(const std::string& gb_page_path) {
  return "如果同文件夹里有其它网页在，是否导入所有的网页文件？\r\n" + FolderOf(gb_page_path);
}

std::string ImportCaption(ImportKind kind, const std::string& gb_target_name) {
  switch (kind) {
    case ImportKind::HelpBook:
      return "导入电子书";
    case ImportKind::WebPage:
      return "导入HTM文件";
    case ImportKind::MarkedText:
      break;
  }
  return "导入到:" + gb_target_name;
}

std::string TargetDisplayName(const std::string& gb_category_name) {
  return gb_category_name == "全部内容" ? std::string("根目录") : gb_category_name;
}

ImportReport RunImport(Database& db, const PreparedImport& prepared, long long target,
                       ClashMode& clash, PageScope scope, JobContext& job) {
  switch (prepared.kind) {
    case ImportKind::HelpBook:
      return ImportHelpBook(db, prepared.text, FolderOf(prepared.path), target, job);
    case ImportKind::WebPage:
      if (scope == PageScope::WholeFolder)
        return ImportPageFolder(db, FolderOf(prepared.path), target, job);
      return ImportSinglePage(db, prepared.path, target, job);
    case ImportKind::MarkedText:
      break;
  }
  return ImportMarkedText(db, prepared.text, prepared.body, target, clash, job);
}

}  // namespace mivrel
