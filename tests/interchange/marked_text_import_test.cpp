// Marked-text import: what lands where, clashes, stops, failures and the
// refusals of files that are not marked text.
#include "interchange/import_file.h"
#include "interchange/interchange_fixture.h"
#include "interchange/marked_text_export.h"
#include "interchange/marked_text_format.h"
#include "interchange/marked_text_import.h"

namespace mivrel::testing {
namespace {

EntrySpec EntryOf(const std::string& name, const std::string& content = "内容") {
  EntrySpec e;
  e.name = name;
  e.brief = "简介";
  e.content = content;
  e.icon = 3;
  e.priority = 7;
  e.keyword = 1;
  return e;
}

std::string File(const std::vector<std::string>& blocks) {
  std::vector<std::string> lines{MarkedTextHeader()};
  lines.insert(lines.end(), blocks.begin(), blocks.end());
  return JoinLines(lines);
}

class ImportTest : public ::testing::Test {
 protected:
  void SetUp() override { OpenMemoryLibrary(db_); }

  ImportReport Import(const std::string& text, long long target) {
    const MarkedTextStart start = CheckMarkedText(text);
    EXPECT_EQ(start.check, MarkedTextCheck::Ok);
    return ImportMarkedText(db_, text, start.body, target, mode_, job_);
  }
  long long AddCategory(const std::string& name, long long parent = 0) {
    Statement st(db_, "INSERT INTO class ([类别名],[父类别],[图标],[优先]) VALUES(?,?,1,1)");
    st.BindText(1, GbToUtf8(name));
    st.BindInt(2, parent);
    EXPECT_EQ(st.Step(), kSqliteDone);
    return db_.LastInsertId();
  }
  std::vector<std::string> Entries(long long category) {
    return Rows(db_, "Select [名字],[注解] From fun where [类别]=" + std::to_string(category) +
                         " ORDER BY id");
  }

  Database db_;
  ClashMode mode_ = ClashMode::Ask;
  RecordingJob job_;
};

TEST_F(ImportTest, HeaderOnlyImportsNothingAndCompletes) {
  const ImportReport report = Import(MarkedTextHeader(), 0);
  EXPECT_EQ(report.outcome, ImportOutcome::Completed);
  EXPECT_EQ(ImportNotice(report), "执行成功");
  EXPECT_EQ(Count(db_, "Select count(*) From fun"), 0);
  EXPECT_EQ(Count(db_, "Select count(*) From class"), 0);
}

TEST_F(ImportTest, ACategoryExportIsRecreatedBelowTheTargetAndExportsToTheSameBytes) {
  TestLibrary source;
  const int top = source.AddCategory("顶层");
  const int sub = source.AddCategory("子类", top, 4, 9);
  EntrySpec e = EntryOf("子类资料");
  e.category = sub;
  e.page_name = "3_a.htm";
  const int id = source.AddEntry(e);
  source.AddImage(id, "图.png", std::string("]\r\n\0x", 5));
  e.category = top;
  e.name = "顶层资料";
  source.AddEntry(e);
  TempFolder folder;
  const std::string first = folder.Path() + "一.xml";
  ASSERT_EQ(ExportCategory(source.Db(), top, first, job_), ExportOutcome::Written);

  const long long target = AddCategory("目标");
  const ImportReport report = Import(ReadFile(first), target);
  EXPECT_EQ(report.outcome, ImportOutcome::Completed);
  EXPECT_EQ(report.counts.categories, 1);
  EXPECT_EQ(report.counts.entries, 2);
  EXPECT_EQ(report.counts.images, 1);
  EXPECT_EQ(Rows(db_, "Select [类别名],[图标],[优先] From class where [父类别]=" + std::to_string(target)),
            std::vector<std::string>{"子类|4|9"});
  const std::string second = folder.Path() + "二.xml";
  ASSERT_EQ(ExportCategory(db_, target, second, job_), ExportOutcome::Written);
  EXPECT_EQ(ReadFile(second), ReadFile(first));
}

TEST_F(ImportTest, TheSameFileTwiceClashesOnlyDirectlyBelowTheTarget) {
  const std::string text =
      File({MarkedEntry(EntryOf("直接", "新")), MarkedCategory("分类", 1, 2), MarkedEntry(EntryOf("分类里")),
            "</tkxml-是分类>"});
  const long long target = AddCategory("目标");
  ASSERT_EQ(Import(text, target).outcome, ImportOutcome::Completed);
  EXPECT_TRUE(job_.questions.empty());
  db_.Run("UPDATE fun SET [注解]='旧'");

  mode_ = ClashMode::Ask;
  job_.answers = {MessageAnswer::No};
  ImportReport report = Import(text, target);
  EXPECT_EQ(job_.questions, std::vector<std::string>{ClashQuestion("直接")});
  EXPECT_EQ(mode_, ClashMode::Skip);
  EXPECT_EQ(report.counts.entries, 1);  // the one inside the new category
  EXPECT_EQ(Entries(target), std::vector<std::string>{"直接|旧"});
  EXPECT_EQ(Count(db_, "Select count(*) From class where [类别名]='分类'"), 2);

  mode_ = ClashMode::Ask;
  job_.answers = {MessageAnswer::Yes};
  report = Import(text, target);
  EXPECT_EQ(report.counts.replaced, 1);
  EXPECT_EQ(Entries(target), std::vector<std::string>{"直接|新"});
  EXPECT_EQ(Count(db_, "Select count(*) From fun where [名字]='分类里'"), 3);
}

TEST_F(ImportTest, AnEntryOfTheSameNameInAnotherCategoryIsNoClash) {
  const long long other = AddCategory("别处");
  ASSERT_EQ(Import(File({MarkedEntry(EntryOf("同名"))}), other).outcome, ImportOutcome::Completed);
  ASSERT_EQ(Import(File({MarkedEntry(EntryOf("同名"))}), 0).outcome, ImportOutcome::Completed);
  EXPECT_TRUE(job_.questions.empty());
  EXPECT_EQ(Count(db_, "Select count(*) From fun where [名字]='同名'"), 2);
}

TEST_F(ImportTest, CancelInTheClashQuestionStopsAtOnceKeepingWhatWasWritten) {
  ASSERT_EQ(Import(File({MarkedEntry(EntryOf("甲"))}), 0).outcome, ImportOutcome::Completed);
  job_.answers = {MessageAnswer::Cancel};
  const ImportReport report =
      Import(File({MarkedEntry(EntryOf("乙")), MarkedEntry(EntryOf("甲")), MarkedEntry(EntryOf("丙"))}), 0);
  EXPECT_EQ(report.outcome, ImportOutcome::Stopped);
  EXPECT_EQ(ImportNotice(report), "已停止\r\n" + DescribeCounts(report.counts));
  EXPECT_EQ(Rows(db_, "Select [名字] From fun ORDER BY id"), (std::vector<std::string>{"甲", "乙"}));
}

TEST_F(ImportTest, StopButtonEndsAtTheNextTagAndWhatWasWrittenStays) {
  std::vector<std::string> blocks;
  for (int i = 0; i < 50; ++i) blocks.push_back(MarkedEntry(EntryOf("资料" + std::to_string(i))));
  const std::string text = File(blocks);
  job_.stop_at = static_cast<std::int64_t>(text.size() / 2);
  const ImportReport report = Import(text, 0);
  EXPECT_EQ(report.outcome, ImportOutcome::Stopped);
  EXPECT_EQ(job_.range, static_cast<std::int64_t>(text.size()));
  EXPECT_GT(report.counts.entries, 10);
  EXPECT_LT(report.counts.entries, 40);
  EXPECT_EQ(Count(db_, "Select count(*) From fun"), report.counts.entries);
}

TEST_F(ImportTest, ElementsOutsideAnyBlockChangeTheTargetItself) {
  const long long target = AddCategory("目标");
  const std::string text = File({"<tkxml-类别名>新名字</tkxml-类别名>", "<tkxml-图标>6</tkxml-图标>",
                                 "<tkxml-优先>42</tkxml-优先>"});
  ASSERT_EQ(Import(text, target).outcome, ImportOutcome::Completed);
  EXPECT_EQ(Rows(db_, "Select [类别名],[图标],[优先] From class"), std::vector<std::string>{"新名字|6|42"});
}

TEST_F(ImportTest, MissingNumbersTakeTheirDefaultsAndAMissingKindIsNone) {
  const std::string block = JoinLines({"<tkxml-是资料>", "<tkxml-名字>缺数字</tkxml-名字>",
                                       "<tkxml-关键词></tkxml-关键词>", "</tkxml-是资料>"});
  ASSERT_EQ(Import(File({block}), 0).outcome, ImportOutcome::Completed);
  EXPECT_EQ(Rows(db_, "Select [图标],[优先],[关键词],[类别2],[类别3] From fun"),
            std::vector<std::string>{"2|100|0|-1|-1"});
}

TEST_F(ImportTest, AFailedEntryWriteEndsTheImportWithTheErrorAloneKeepingEarlierEntries) {
  ASSERT_EQ(db_.Run("CREATE TRIGGER refuse BEFORE INSERT ON fun WHEN NEW.[名字]='坏' "
                    "BEGIN SELECT RAISE(ABORT,'不收'); END"),
            kSqliteOk);
  const ImportReport report =
      Import(File({MarkedEntry(EntryOf("好")), MarkedEntry(EntryOf("坏")), MarkedEntry(EntryOf("后"))}), 0);
  EXPECT_EQ(report.outcome, ImportOutcome::Failed);
  EXPECT_EQ(ImportNotice(report), "执行失败，原因见下面信息：\r\n不收");
  EXPECT_EQ(Rows(db_, "Select [名字] From fun"), std::vector<std::string>{"好"});
}

TEST_F(ImportTest, EveryTruncationImportsOnlyWholeEntriesAndNeverCrashes) {
  const std::string text =
      File({MarkedEntry(EntryOf("第一条", "一二三")), MarkedCategory("分类", 1, 2),
            MarkedEntry(EntryOf("第二条", "四五六"), {"<tkxml-图片>[p.png]\x89PNG]\r\n</tkxml-图片>"}),
            "</tkxml-是分类>"});
  for (size_t length = 0; length <= text.size(); ++length) {
    Database db;
    OpenMemoryLibrary(db);
    const std::string prefix = text.substr(0, length);
    const MarkedTextStart start = CheckMarkedText(prefix);
    if (start.check != MarkedTextCheck::Ok) continue;
    RecordingJob job;
    ClashMode mode = ClashMode::Ask;
    (void)ImportMarkedText(db, prefix, start.body, 0, mode, job);
    for (const std::string& row : Rows(db, "Select [名字],[注解] From fun"))
      EXPECT_TRUE(row == "第一条|一二三" || row == "第二条|四五六") << length << ": " << row;
    for (const std::string& row : Rows(db, "Select length([数据]) From img"))
      EXPECT_EQ(row, "7") << length;
  }
}

TEST_F(ImportTest, FilesThatAreNotMarkedTextAreRefusedWithTheirReason) {
  EXPECT_EQ(CheckMarkedText("").check, MarkedTextCheck::NotMarkedText);
  EXPECT_EQ(CheckMarkedText("?> <?xml").check, MarkedTextCheck::NotMarkedText);
  EXPECT_EQ(CheckMarkedText("\xEF\xBB\xBF<?xml ?>").check, MarkedTextCheck::Utf8Encoded);
  EXPECT_EQ(CheckMarkedText(u8"<?xml ?><tkxml-是资料><tkxml-名字>x</tkxml-名字></tkxml-是资料>").check,
            MarkedTextCheck::Utf8Encoded);
  const MarkedTextStart ok = CheckMarkedText("前言<?xml 1 ?><tkxml-是资料>");
  EXPECT_EQ(ok.check, MarkedTextCheck::Ok);
  EXPECT_EQ(ok.body, std::string("前言<?xml 1 ?>").size());

  TempFolder folder;
  const std::string missing = folder.Path() + "无.xml";
  EXPECT_EQ(PrepareImport(missing).refusal, "文件不存在，无法导入\r\n" + missing);
  const std::string html = WriteFile(folder.Path() + "页.txt", "<html></html>");
  EXPECT_EQ(PrepareImport(html).refusal, NotMarkedTextMessage(html));
}

}  // namespace
}  // namespace mivrel::testing
