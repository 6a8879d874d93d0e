#include "shell/interchange_commands.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "base/files.h"
#include "interchange/import_file.h"
#include "ports/memory_file_dialogs.h"
#include "support/job_doubles.h"
#include "tree_fixture.h"

namespace mivrel::testing {
namespace {

class InterchangeCommandsTest : public TreeFixture {
 protected:
  InterchangeCommandsTest()
      : command(lib.Db(), ui, dialogs, session.history(), tree, session.opener(), jobs.runner,
                [this] { ++backup_checks; }) {}

  // Selects the item, which shows its page and makes it the current one (and
  // fills a category's item, whose label then carries its counts).
  void Show(const std::string& label) { view.SelectItem(Item(label)); }
  std::string OnlyMessage() {
    EXPECT_EQ(ui.messages.size(), 1u);
    return ui.messages.empty() ? std::string() : ui.messages.back().text;
  }

  MemoryFileDialogs dialogs;
  JobHarness jobs;
  int backup_checks = 0;
  InterchangeCommands command;
};

TEST_F(InterchangeCommandsTest, ExportOfACategoryWritesTheFileAndSaysSo) {
  const int tools = lib.AddCategory("工具");
  lib.AddCategory("内部", tools);
  lib.AddEntry("Sleep", tools, "pauses");
  Load();
  Show("工具");
  const std::string path = temp.Path() + "tools.xml";

  command.ExportCurrentPage();  // cancelled: nothing happens
  EXPECT_TRUE(ui.messages.empty());
  std::string bytes;
  EXPECT_FALSE(ReadWholeFile(path, bytes));

  dialogs.answers = {path};
  command.ExportCurrentPage();
  ASSERT_EQ(dialogs.requests.size(), 2u);
  // The page's title is the label of its tree item.
  EXPECT_EQ(dialogs.requests[1].title, "导出分类:工具(2)");
  EXPECT_EQ(dialogs.requests[1].filter, "带标记的文本格式文件 (*.xml)|*.xml");
  EXPECT_EQ(dialogs.requests[1].proposed_name, "工具(2)");
  EXPECT_EQ(OnlyMessage(), "保存到文件完成\r\n" + path);
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Information);
  EXPECT_EQ(jobs.views.record.captions.front(), "导出整个分类的所有资料");
  ASSERT_TRUE(ReadWholeFile(path, bytes));
  EXPECT_NE(bytes.find("内部"), std::string::npos);
  EXPECT_NE(bytes.find("pauses"), std::string::npos);

  ui.messages.clear();
  Show("Sleep");
  const std::string unwritable = temp.Path() + "missing/sleep.xml";
  dialogs.answers = {unwritable};
  command.ExportCurrentPage();
  EXPECT_EQ(dialogs.requests.back().title, "导出:Sleep");
  EXPECT_EQ(OnlyMessage(), "写文件出错！！\r\n" + unwritable);
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Stop);
}

TEST_F(InterchangeCommandsTest, ImportBelowTheCurrentPageReloadsTheTreeAndShowsTheTarget) {
  const int tools = lib.AddCategory("工具");
  lib.AddCategory("内部", tools);
  lib.AddEntry("Sleep", tools, "pauses");
  const int target = lib.AddCategory("目标");
  lib.AddEntry("Here", target);
  Load();
  Show("工具");
  const std::string path = temp.Path() + "tools.xml";
  dialogs.answers = {path};
  command.ExportCurrentPage();
  ui.messages.clear();

  // From an entry page the target is the entry's category.
  Show("目标");
  Show("Here");
  dialogs.answers = {path};
  command.ImportIntoCurrentPage();
  EXPECT_EQ(dialogs.requests.back().title, "导入到:目标");
  EXPECT_EQ(dialogs.requests.back().filter.rfind("导入到:目标,所支持的文件", 0), 0u);
  EXPECT_EQ(backup_checks, 1);
  EXPECT_EQ(OnlyMessage(), "执行成功");
  EXPECT_EQ(Number("Select count(*) From [fun] where [名字]='Sleep' and [类别]=" +
                   std::to_string(target)),
            1);
  TreeItem target_item = view.FirstChild(kNoTreeItem);
  while (target_item != kNoTreeItem && view.Label(target_item).rfind("目标", 0) != 0)
    target_item = view.NextSibling(target_item);
  ASSERT_NE(target_item, kNoTreeItem);
  const std::vector<std::string> labels = Labels(target_item);
  EXPECT_NE(std::find(labels.begin(), labels.end(), "内部"), labels.end());
  EXPECT_NE(std::find(labels.begin(), labels.end(), "Sleep"), labels.end());
  const HistoryRecord* shown = session.history().CurrentPage();
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(shown->kind, PageKind::Category);
  EXPECT_EQ(shown->id, target);
}

// A file of many megabytes is read and checked on the worker under its own
// progress window, then imported under another.
TEST_F(InterchangeCommandsTest, ALargeFileIsReadUnderTheProgressWindow) {
  lib.AddCategory("目标");
  Load();
  Show("目标");
  const std::string path = temp.Path() + "large.xml";
  const std::string content(9u << 20, 'x');
  ASSERT_TRUE(WriteWholeFile(path, "<?xml version=\"1.1\" ?>\r\n<tkxml-是资料>\r\n<tkxml-名字>Big</tkxml-名字>"
                                   "\r\n<tkxml-注解>" + content + "</tkxml-注解>\r\n</tkxml-是资料>"));
  dialogs.answers = {path};
  command.ImportIntoCurrentPage();
  EXPECT_EQ(OnlyMessage(), "执行成功");
  EXPECT_EQ(jobs.views.record.opened, 2);
  EXPECT_EQ(jobs.views.record.captions, (std::vector<std::string>{"导入到:目标(0)", "导入到:目标(0)"}));
  EXPECT_EQ(Number("Select length([注解]) From [fun] where [名字]='Big'"), static_cast<long long>(content.size()));
}

TEST_F(InterchangeCommandsTest, TheHomePageIsTheRootAndABadFileIsRefused) {
  lib.AddEntry("a", 0);
  Load();
  session.history().Record(PageKind::Category, 0, "全部内容");
  const std::string path = temp.Path() + "plain.xml";
  ASSERT_TRUE(WriteWholeFile(path, "no header here"));
  dialogs.answers = {path};
  command.ImportIntoCurrentPage();
  EXPECT_EQ(dialogs.requests.back().title, "导入到:根目录");
  EXPECT_EQ(OnlyMessage(), "文件格式不正确，无法导入\r\n" + path);
  EXPECT_EQ(ui.messages[0].icon, MessageIcon::Stop);
  EXPECT_EQ(backup_checks, 0);
  EXPECT_EQ(jobs.views.record.opened, 0);

  // An entry at the top level imports into the top level too.
  Show("a");
  command.ImportIntoCurrentPage();  // cancelled
  EXPECT_EQ(dialogs.requests.back().title, "导入到:根目录");
  EXPECT_EQ(ui.messages.size(), 1u);
}

TEST_F(InterchangeCommandsTest, AWebPageBelowACategoryAsksForItsFolder) {
  const int target = lib.AddCategory("网页");
  Load();
  Show("网页");
  const std::string folder = temp.Path() + "pages/";
  ASSERT_TRUE(MakeDirectories(folder));
  ASSERT_TRUE(WriteWholeFile(folder + "a.htm", "<html><title>A</title><body>one</body></html>"));
  ASSERT_TRUE(WriteWholeFile(folder + "b.html", "<html><title>B</title><body>two</body></html>"));
  const auto entries = [&] {
    return Number("Select count(*) From [fun] where [类别]=" + std::to_string(target));
  };

  ui.answers = {MessageAnswer::Cancel};
  dialogs.answers = {folder + "a.htm"};
  command.ImportIntoCurrentPage();
  EXPECT_EQ(OnlyMessage(), FolderQuestion(folder + "a.htm"));
  EXPECT_EQ(entries(), 0);
  EXPECT_EQ(backup_checks, 0);

  ui.messages.clear();
  ui.answers = {MessageAnswer::Yes};
  dialogs.answers = {folder + "a.htm"};
  command.ImportIntoCurrentPage();
  ASSERT_EQ(ui.messages.size(), 2u);
  EXPECT_EQ(ui.messages[1].text, "执行成功");
  EXPECT_EQ(entries(), 2);
  EXPECT_EQ(backup_checks, 1);
}

}  // namespace
}  // namespace mivrel::testing
