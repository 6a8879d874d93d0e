// The hostile and broken files of the shared corpus (mkmarked.py
// --adversarial): each gives the result its description asks for.
#include <cstdlib>
#include <memory>

#include "base/text.h"
#include "interchange/import_file.h"
#include "interchange/interchange_fixture.h"
#include "interchange/marked_text_import.h"
#include "render/image_files.h"

namespace mivrel::testing {
namespace {

using Lines = std::vector<std::string>;

class AdversarialTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    corpus_ = std::make_unique<TempFolder>();
    const std::string command = "python3 '" + SharedTools() + "/mkmarked.py' --adversarial '" +
                                NativePath(corpus_->Path()) + "' > /dev/null";
    made_ = std::system(command.c_str()) == 0;
  }
  static void TearDownTestSuite() { corpus_.reset(); }

  void SetUp() override {
    if (!made_) GTEST_SKIP() << "mkmarked.py could not write the corpus";
    OpenMemoryLibrary(db_);
    ASSERT_EQ(db_.Run("INSERT INTO class VALUES(1,'目标',0,3,50);"
                      "INSERT INTO class VALUES(2,'其它',0,4,60);"
                      "INSERT INTO fun VALUES(1,1,-1,-1,'已有资料','b','c',1,1,1,'');"
                      "INSERT INTO fun VALUES(2,2,-1,-1,'别处资料','b','c',1,1,1,'');"
                      "INSERT INTO img VALUES(1,'old.png',1,x'00');"),
              kSqliteOk);
  }

  // Imports the corpus file into category 1; the refusal text, if any, in refusal_.
  ImportReport Import(const std::string& name) {
    const PreparedImport prepared = PrepareImport(corpus_->Path() + name);
    refusal_ = prepared.refusal;
    if (!refusal_.empty()) return ImportReport{};
    return RunImport(db_, prepared, kTarget, mode_, PageScope::ThisPage, job_);
  }
  std::string Image(const std::string& name) { return ReadFile(corpus_->Path() + "images/" + name); }
  Lines Names(long long category) {
    return Rows(db_, "Select [名字] From fun where [类别]=" + std::to_string(category) + " ORDER BY id");
  }
  Lines NewNames() { return Rows(db_, "Select [名字] From fun where id>2 ORDER BY id"); }
  long long CategoryId(const std::string& name) {
    return Count(db_, "Select id From class where [类别名]='" + QuoteSql(name) + "'");
  }
  void ExpectOthersUnchanged() {
    EXPECT_EQ(Rows(db_, "Select * From class where id=2"), Lines{"2|其它|0|4|60"});
    EXPECT_EQ(Rows(db_, "Select [名字] From fun where id<=2"), (Lines{"已有资料", "别处资料"}));
    EXPECT_EQ(Count(db_, "Select count(*) From img where id=1"), 1);
  }

  static constexpr long long kTarget = 1;
  static std::unique_ptr<TempFolder> corpus_;
  static bool made_;
  Database db_;
  ClashMode mode_ = ClashMode::Ask;
  RecordingJob job_;
  std::string refusal_;
};

std::unique_ptr<TempFolder> AdversarialTest::corpus_;
bool AdversarialTest::made_ = false;

TEST_F(AdversarialTest, EmptyFileAndMisplacedHeaderAreRefusedAsNotMarkedText) {
  for (const char* name : {"empty_file.xml", "xml_after_closing_mark.xml"}) {
    Import(name);
    EXPECT_EQ(refusal_, NotMarkedTextMessage(corpus_->Path() + name));
  }
  EXPECT_TRUE(NewNames().empty());
}

TEST_F(AdversarialTest, HeaderOnlySucceedsWithNothingAndJunkBeforeTheHeaderIsIgnored) {
  EXPECT_EQ(ImportNotice(Import("header_only.xml")), "执行成功");
  EXPECT_TRUE(NewNames().empty());
  EXPECT_EQ(Import("text_before_header.xml").outcome, ImportOutcome::Completed);
  EXPECT_EQ(NewNames(), Lines{"页头前有文字"});
}

TEST_F(AdversarialTest, MissingClosingTagsSkipOnlyTheUnclosedParts) {
  EXPECT_EQ(Import("missing_closing_tags.xml").outcome, ImportOutcome::Completed);
  EXPECT_EQ(Rows(db_, "Select [名字],[简介],[图标] From fun where [类别]=1 and id>2 ORDER BY id"),
            (Lines{"完整的资料一|简介|2", "缺少简介结束标记||3", "缺少图标结束标记|简介|2"}));
  const long long open_category = CategoryId("没有结束标记的分类");
  EXPECT_EQ(Names(open_category), Lines{"分类里的资料"});
  ExpectOthersUnchanged();
}

TEST_F(AdversarialTest, TagsInsideValuesFollowTheFormatsRule) {
  Import("value_contains_closing_tag.xml");
  EXPECT_EQ(Rows(db_, "Select [名字],[注解] From fun where id>2 ORDER BY id"),
            (Lines{"注解里有结束标记|前半段",
                   "注解里有开始标记|内容里有 <tkxml-是分类> 和 <tkxml-名字>假名字</tkxml-名字>",
                   "之后的资料|内容"}));
  db_.Run("DELETE FROM fun WHERE id>2");
  Import("content_contains_entry_close_tag.xml");
  EXPECT_EQ(Rows(db_, "Select [名字],[注解] From fun where id>2 ORDER BY id"),
            (Lines{"注解里有资料结束标记|", "注入的资料|x", "真正的下一条|内容"}));
}

TEST_F(AdversarialTest, ImageBytesAreStoredExactlyUpToTheirClosingTag) {
  const ImportReport near = Import("image_data_near_closing_tag.xml");
  EXPECT_EQ(near.counts.entries, 2);
  EXPECT_EQ(Rows(db_, "Select [文件名] From img where id>1 ORDER BY id"),
            (Lines{"near.png", "bracket.png", "stored.png"}));
  for (int i = 1; i <= 3; ++i) {
    Statement st(db_, "Select [数据] From img where id=" + std::to_string(i + 1));
    ASSERT_EQ(st.Step(), kSqliteRow);
    EXPECT_EQ(st.ColumnBytes(0), Image("image_data_near_closing_tag_" + std::to_string(i) + ".png"));
  }
  const ImportReport exact = Import("image_data_with_exact_closing_tag.xml");
  EXPECT_EQ(exact.counts.entries, 2);
  const std::string full = Image("image_data_with_exact_closing_tag_1.png");
  Statement cut(db_, "Select [数据] From img where [文件名]='full.png'");
  ASSERT_EQ(cut.Step(), kSqliteRow);
  EXPECT_EQ(cut.ColumnBytes(0), full.substr(0, full.find("</tkxml-图片>")));
  Statement ok(db_, "Select [数据] From img where [文件名]='ok.png'");
  ASSERT_EQ(ok.Step(), kSqliteRow);
  EXPECT_EQ(ok.ColumnBytes(0), Image("image_data_with_exact_closing_tag_2.png"));
}

TEST_F(AdversarialTest, HostileImageNamesAreStoredAsFoundAndNeverWrittenOutsideTheFolder) {
  Import("image_name_path_traversal.xml");
  EXPECT_EQ(Count(db_, "Select count(*) From img where id>1"), 11);
  TempFolder shown;
  const std::string folder = shown.Path() + "页/";
  ASSERT_TRUE(MakeDirectories(folder));
  for (const std::string& id : Rows(db_, "Select id From fun where id>2"))
    WriteEntryImages(db_, std::stoll(id), folder);
  EXPECT_EQ(ListFolder(shown.Path(), false), Lines{"页"});

  db_.Run("DELETE FROM img WHERE id>1");
  Import("image_name_gbk_trail_bytes.xml");
  const Lines names = Rows(db_, "Select [文件名] From img where id>1 ORDER BY id");
  ASSERT_EQ(names.size(), 2u);
  EXPECT_TRUE(EndsWith(names[1], ".png"));
  EXPECT_EQ(names[1].substr(0, 2), "图");
  EXPECT_EQ(names[1].size(), 8u) << "the name with a backslash trail byte is stored whole";
}

TEST_F(AdversarialTest, NoSqlFromTheFileEverRuns) {
  Import("category_icon_sql_injection.xml");
  EXPECT_EQ(Rows(db_, "Select [图标] From class where [类别名]='注入图标'"), Lines{"0"});
  Import("category_priority_sql_injection.xml");
  EXPECT_EQ(Rows(db_, "Select [优先] From class where [类别名]='注入优先'"), Lines{"100"});
  Import("target_icon_sql_injection.xml");
  EXPECT_EQ(Rows(db_, "Select [图标] From class where id=1"), Lines{"1"});
  Import("category_name_apostrophes.xml");
  EXPECT_EQ(CategoryId("O'Brien's ''tools'' '); DROP TABLE class; --") > 0, true);
  EXPECT_EQ(Count(db_, "Select count(*) From fun where [名字]='It''s Tom''s ''x'''"), 2);
  EXPECT_EQ(Count(db_, "Select count(*) From fun where [名字]='pwned'"), 0);
  EXPECT_EQ(Count(db_, "Select count(*) From class"), 5);
  ExpectOthersUnchanged();
}

TEST_F(AdversarialTest, OddNumbersAreReadAsTheirLeadingNumberAndClamped) {
  Import("category_icon_not_a_number.xml");
  EXPECT_EQ(Rows(db_, "Select [图标] From class where [类别名]='图标不是数字'"), Lines{"0"});
  EXPECT_EQ(NewNames(), (Lines{"之前的资料", "之后的资料"}));
  db_.Run("DELETE FROM fun WHERE id>2");
  Import("entry_numbers_odd.xml");
  EXPECT_EQ(Rows(db_, "Select [名字],[图标],[优先],[关键词] From fun where id>2 ORDER BY id"),
            (Lines{"图标带SQL|1|100|0", "负数优先|2|0|0", "超大关键词|2|100|4", "图标是字母|0|100|0",
                   "小数优先|2|2|0", "超出范围|15|255|4"}));
  EXPECT_EQ(Count(db_, "Select count(*) From img"), 1);
}

TEST_F(AdversarialTest, DuplicateNamesAskOnceAndTheAnswerHolds) {
  job_.answers = {MessageAnswer::No};
  Import("duplicate_entry_names.xml");
  EXPECT_EQ(job_.questions.size(), 1u);
  EXPECT_EQ(Rows(db_, "Select [注解] From fun where [类别]=1 and [名字]='同名资料'"), Lines{"第一份"});
  EXPECT_EQ(Names(CategoryId("同名分类")), Lines{"同名资料"});
}

TEST_F(AdversarialTest, LineEndsDoNotMatter) {
  const std::pair<const char*, const char*> cases[] = {
      {"lf_line_endings.xml", "第一行\n第二行\n第三行"}, {"single_line.xml", "第一行第二行第三行"}};
  for (const auto& [name, content] : cases) {
    db_.Run("DELETE FROM fun WHERE id>2");
    const ImportReport report = Import(name);
    EXPECT_EQ(report.counts.entries, 2) << name;
    EXPECT_EQ(report.counts.categories, 1) << name;
    EXPECT_EQ(Rows(db_, "Select [注解] From fun where [名字]='换行测试一'"), Lines{content});
  }
}

TEST_F(AdversarialTest, Utf8FileIsRefusedWithAClearMessage) {
  Import("utf8_encoded.xml");
  EXPECT_EQ(refusal_, Utf8FileMessage(corpus_->Path() + "utf8_encoded.xml"));
  EXPECT_TRUE(NewNames().empty());
}

TEST_F(AdversarialTest, StrayClosingCategoryTagEndsTheTopLevel) {
  Import("stray_closing_category_tag.xml");
  EXPECT_EQ(NewNames(), Lines{"标记之前"});
}

TEST_F(AdversarialTest, BadBytesAndNulBytesLoseNothingAfterThem) {
  Import("invalid_gbk_bytes.xml");
  const Lines names = NewNames();
  ASSERT_EQ(names.size(), 2u);
  EXPECT_TRUE(StartsWith(names[0], "坏") && EndsWith(names[0], "字节"));
  EXPECT_EQ(names[1], "坏字节之后");
  Statement raw(db_, "Select [名字]||[简介]||[注解] From fun where id=3");
  ASSERT_EQ(raw.Step(), kSqliteRow);
  EXPECT_TRUE(IsValidUtf8(raw.ColumnBytes(0)));

  db_.Run("DELETE FROM fun WHERE id>2");
  const ImportReport nul = Import("names_with_nul_bytes.xml");
  EXPECT_EQ(nul.outcome, ImportOutcome::Completed);
  EXPECT_EQ(NewNames(), (Lines{"名字", "NUL之后的资料"}));
  EXPECT_EQ(Count(db_, "Select count(*) From img where id>1"), 1);
  EXPECT_GT(CategoryId("分类"), 0);
}

TEST_F(AdversarialTest, TruncatedFilesKeepTheWholeEntriesOnly) {
  for (const char* name :
       {"truncated_in_entry_block.xml", "truncated_in_image_data.xml", "truncated_in_tag.xml"}) {
    db_.Run("DELETE FROM fun WHERE id>2");
    EXPECT_EQ(Import(name).outcome, ImportOutcome::Completed) << name;
    EXPECT_EQ(NewNames().size(), 1u) << name;
  }
  EXPECT_EQ(Count(db_, "Select count(*) From img"), 1);
}

TEST_F(AdversarialTest, TenThousandNestedCategoriesImportWithoutRecursion) {
  const ImportReport report = Import("deep_nesting_10000.xml");
  EXPECT_EQ(report.outcome, ImportOutcome::Completed);
  EXPECT_EQ(report.counts.categories, 10000);
  const long long deepest = CategoryId("第10000层");
  EXPECT_EQ(Names(deepest), Lines{"最深处的资料"});
  long long id = deepest;
  int depth = 0;
  while (id != kTarget && depth <= 10000) {
    id = Count(db_, "Select [父类别] From class where id=" + std::to_string(id));
    ++depth;
  }
  EXPECT_EQ(depth, 10000);
}

TEST_F(AdversarialTest, TwentyMegabytesImportInOneGoWithProgress) {
  const ImportReport report = Import("big_20mb_20000_entries.xml");
  EXPECT_EQ(report.outcome, ImportOutcome::Completed);
  EXPECT_EQ(report.counts.categories, 20);
  EXPECT_EQ(report.counts.entries, 20000);
  EXPECT_EQ(report.counts.images, 400);
  EXPECT_GT(job_.position_reports, 20000);
  EXPECT_GT(job_.position, job_.range * 99 / 100);
}

}  // namespace
}  // namespace mivrel::testing
