// Runs the built mivrel-tool's `init` and checks the folders it makes: an empty
// library, the starter library, and that an existing library is never touched.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "base/files.h"
#include "base/text.h"
#include "store/database.h"
#include "store/library_files.h"
#include "store/result_grid.h"
#include "store/schema.h"
#include "support/test_library.h"

namespace mivrel::testing {
namespace {

std::string ShellQuoted(const std::string& gb_text) {
  std::string quoted = "'";
  for (char c : GbToUtf8(gb_text)) quoted += (c == '\'') ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

struct InitRun {
  int exit_code = -1;
  std::string err;  // GB18030
};

InitRun RunInit(const std::vector<std::string>& args, const std::string& scratch) {
  std::string command = ShellQuoted(MIVREL_TOOL_BINARY) + " init";
  for (const std::string& arg : args) command += " " + ShellQuoted(arg);
  command += " 2>" + ShellQuoted(scratch + "init.err");
  InitRun run;
  const int status = std::system(command.c_str());
  run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  ReadWholeFile(scratch + "init.err", run.err);
  run.err = Utf8ToGb(run.err);
  return run;
}

int CountRows(Database& db, const std::string& table) {
  ResultGrid grid;
  return db.Query("Select COUNT(*) From [" + table + "]", grid) == 1 ? static_cast<int>(grid.Number(1, 0))
                                                                     : -1;
}

std::vector<std::string> SortedFolder(const std::string& folder) {
  std::vector<std::string> names = ListFolder(folder, false);
  std::sort(names.begin(), names.end());
  return names;
}

class InitCommandTest : public ::testing::Test {
 protected:
  std::string Target() const { return scratch.Path() + "新资料库/子目录/"; }
  std::string DatabaseIn(const std::string& folder) const { return folder + kDatabaseFileName; }

  TempFolder scratch;
  TempFolder work;  // where the tool's own output goes, apart from the folders under test
};

TEST_F(InitCommandTest, MakesAMissingFolderWithAnEmptyLibrary) {
  const InitRun run = RunInit({Target()}, work.Path());
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(SortedFolder(Target()), std::vector<std::string>{kDatabaseFileName});
  Database db;
  ASSERT_EQ(db.Open(DatabaseIn(Target())), kSqliteOk);
  EXPECT_EQ(CheckLibrarySchema(db), SchemaCheck::Matches);
  EXPECT_EQ(CountRows(db, "class"), 0);
  EXPECT_EQ(CountRows(db, "fun"), 0);
  EXPECT_EQ(CountRows(db, "img"), 0);
}

TEST_F(InitCommandTest, TakesAnExistingEmptyFolderAndTheFolderWithoutSeparator) {
  const std::string folder = scratch.Path() + "空";
  ASSERT_TRUE(MakeDirectories(folder));
  const InitRun run = RunInit({"--starter", folder}, work.Path());
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(SortedFolder(folder + "/"), std::vector<std::string>{kDatabaseFileName});
}

TEST_F(InitCommandTest, NeverOverwritesAnExistingDatabase) {
  ASSERT_TRUE(MakeDirectories(Target()));
  const std::string old_bytes = "my own library, not SQLite at all";
  ASSERT_TRUE(WriteWholeFile(DatabaseIn(Target()), old_bytes));
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{Target()}, std::vector<std::string>{"--starter", Target()}}) {
    const InitRun run = RunInit(args, work.Path());
    EXPECT_EQ(run.exit_code, 1);
    EXPECT_NE(run.err.find("already exists"), std::string::npos) << run.err;
    std::string bytes;
    ASSERT_TRUE(ReadWholeFile(DatabaseIn(Target()), bytes));
    EXPECT_EQ(bytes, old_bytes);
    EXPECT_EQ(SortedFolder(Target()), std::vector<std::string>{kDatabaseFileName});
  }
}

TEST_F(InitCommandTest, TreatsTheFallbackCopyAsAnExistingLibrary) {
  // The program opens 资料数据.bak when the database is missing, so a new
  // database beside it would hide the user's library.
  ASSERT_TRUE(MakeDirectories(Target()));
  ASSERT_TRUE(WriteWholeFile(Target() + kDatabaseFallbackName, "backup"));
  const InitRun run = RunInit({"--starter", Target()}, work.Path());
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_FALSE(PathExists(DatabaseIn(Target())));
}

TEST_F(InitCommandTest, UsageErrorsExitWithTwoAndCreateNothing) {
  const std::string other = scratch.Path() + "other/";
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{}, std::vector<std::string>{"--starter"},
        std::vector<std::string>{Target(), other}, std::vector<std::string>{"--empty", Target()},
        std::vector<std::string>{""}}) {
    const InitRun run = RunInit(args, work.Path());
    EXPECT_EQ(run.exit_code, 2) << args.size();
    EXPECT_NE(run.err.find("usage: mivrel-tool init [--starter] DIR"), std::string::npos) << run.err;
  }
  EXPECT_FALSE(PathExists(Target()));
  EXPECT_FALSE(PathExists(other));
}

TEST_F(InitCommandTest, APathThatIsAFileFails) {
  const std::string file = scratch.Path() + "file";
  ASSERT_TRUE(WriteWholeFile(file, "x"));
  EXPECT_EQ(RunInit({file}, work.Path()).exit_code, 1);
  std::string bytes;
  ASSERT_TRUE(ReadWholeFile(file, bytes));
  EXPECT_EQ(bytes, "x");
}

TEST_F(InitCommandTest, LeftoverOfAnInterruptedRunIsReplaced) {
  ASSERT_TRUE(MakeDirectories(Target()));
  ASSERT_TRUE(WriteWholeFile(DatabaseIn(Target()) + ".new", "half a library"));
  const InitRun run = RunInit({"--starter", Target()}, work.Path());
  ASSERT_EQ(run.exit_code, 0) << run.err;
  EXPECT_EQ(SortedFolder(Target()), std::vector<std::string>{kDatabaseFileName});
  Database db;
  ASSERT_EQ(db.Open(DatabaseIn(Target())), kSqliteOk);
  EXPECT_GT(CountRows(db, "fun"), 0);
}

TEST_F(InitCommandTest, AFailedBuildLeavesNoLibrary) {
  // A folder in the place of the temporary database file makes the build fail.
  ASSERT_TRUE(MakeDirectories(DatabaseIn(Target()) + ".new/blocker"));
  const InitRun run = RunInit({"--starter", Target()}, work.Path());
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_NE(run.err.find("cannot build the library"), std::string::npos) << run.err;
  EXPECT_FALSE(PathExists(DatabaseIn(Target())));
  EXPECT_FALSE(PathExists(DatabaseIn(Target()) + ".new-journal"));
}

// ---------------------------------------------------------------------------
// The starter library, built once for all the checks below.

struct StarterEntry {
  long long id, category, category2, category3, keyword;
  std::string name, brief, content, page_name;  // raw bytes as stored (UTF-8)
};

struct StarterCategory {
  long long id, parent;
  std::string name;  // UTF-8
};

class StarterLibraryTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    folder_ = std::make_unique<TempFolder>();
    const InitRun run = RunInit({"--starter", folder_->Path() + "lib/"}, folder_->Path());
    ASSERT_EQ(run.exit_code, 0) << run.err;
    db_ = std::make_unique<Database>();
    ASSERT_EQ(db_->Open(folder_->Path() + "lib/" + kDatabaseFileName), kSqliteOk);

    Statement categories(*db_, "Select [ID],[父类别],[类别名] From [class]");
    while (categories.Step() == kSqliteRow) {
      categories_[categories.ColumnInt(0)] = {categories.ColumnInt(0), categories.ColumnInt(1),
                                              categories.ColumnBytes(2)};
    }
    Statement entries(*db_,
                      "Select [id],[类别],[类别2],[类别3],[关键词],[名字],[简介],[注解],[网页名] From [fun]");
    while (entries.Step() == kSqliteRow) {
      entries_.push_back({entries.ColumnInt(0), entries.ColumnInt(1), entries.ColumnInt(2),
                          entries.ColumnInt(3), entries.ColumnInt(4), entries.ColumnBytes(5),
                          entries.ColumnBytes(6), entries.ColumnBytes(7), entries.ColumnBytes(8)});
    }
  }
  void SetUp() override { ASSERT_TRUE(db_ && db_->IsOpen()) << "the starter library was not built"; }
  static void TearDownTestSuite() {
    db_.reset();
    folder_.reset();
  }

  // Levels below the home page: 1 for a top-level category.  0 on a cycle or
  // a missing parent.
  static int Depth(long long id) {
    int depth = 0;
    for (long long at = id; at != 0; ++depth) {
      const auto found = categories_.find(at);
      if (found == categories_.end() || depth > static_cast<int>(categories_.size())) return 0;
      at = found->second.parent;
    }
    return depth;
  }

  // The image file names an HTML fragment shows with <img src="...">.
  static std::set<std::string> ImageSources(const std::string& html) {
    std::set<std::string> names;
    const std::regex tag("<img src=\"([^\"]+)\"");
    for (std::sregex_iterator it(html.begin(), html.end(), tag), end; it != end; ++it)
      names.insert((*it)[1]);
    return names;
  }

  static std::unique_ptr<TempFolder> folder_;
  static std::unique_ptr<Database> db_;
  static std::map<long long, StarterCategory> categories_;
  static std::vector<StarterEntry> entries_;
};

std::unique_ptr<TempFolder> StarterLibraryTest::folder_;
std::unique_ptr<Database> StarterLibraryTest::db_;
std::map<long long, StarterCategory> StarterLibraryTest::categories_;
std::vector<StarterEntry> StarterLibraryTest::entries_;

TEST_F(StarterLibraryTest, HoldsEnoughEntriesInATreeOfTwoOrThreeLevels) {
  EXPECT_GE(entries_.size(), 80u);
  EXPECT_GE(categories_.size(), 10u);
  int deepest = 0;
  for (const auto& [id, category] : categories_) {
    const int depth = Depth(id);
    EXPECT_GE(depth, 1) << "category " << id << " has a missing parent or a cycle";
    deepest = std::max(deepest, depth);
  }
  EXPECT_GE(deepest, 2);
  EXPECT_LE(deepest, 3);
  for (const auto& [id, category] : categories_)
    EXPECT_NE(category.name, GbToUtf8("回收站")) << "the starter has no recycle bin";
}

TEST_F(StarterLibraryTest, EveryEntryIsFiledUnderExistingCategories) {
  bool top_level = false;
  bool secondary = false;
  for (const StarterEntry& entry : entries_) {
    EXPECT_TRUE(entry.category == 0 || categories_.count(entry.category)) << entry.id;
    for (long long value : {entry.category2, entry.category3})
      EXPECT_TRUE(value == -1 || value == 0 || categories_.count(value)) << entry.id;
    top_level = top_level || entry.category == 0;
    secondary = secondary || entry.category2 > 0 || entry.category3 > 0;
  }
  EXPECT_TRUE(top_level) << "no entry on the home page";
  EXPECT_TRUE(secondary) << "no entry under a secondary category";
}

TEST_F(StarterLibraryTest, UsesEveryKeywordKindWithNamesTheColouringCanMatch) {
  // The colouring looks up runs of these bytes only; a keyword with any other
  // byte in its name would never be coloured.
  const std::regex word("[A-Za-z0-9#$%?_.]+");
  std::map<long long, int> per_kind;
  std::set<std::string> names;
  for (const StarterEntry& entry : entries_) {
    EXPECT_TRUE(names.insert(entry.name).second) << "two entries named " << entry.name;
    if (entry.keyword == 0) continue;
    ++per_kind[entry.keyword];
    EXPECT_TRUE(std::regex_match(entry.name, word)) << entry.name;
    EXPECT_TRUE(entry.keyword >= 1 && entry.keyword <= 4) << entry.name;
  }
  for (long long kind = 1; kind <= 4; ++kind) EXPECT_GT(per_kind[kind], 0) << "kind " << kind;
  for (const char* statement : {"Declare", "Function", "Lib", "As", "Dim", "If", "For", "Rem"})
    EXPECT_TRUE(names.count(statement)) << statement;
}

TEST_F(StarterLibraryTest, AllTextIsValidUtf8) {
  for (const auto& [id, category] : categories_) EXPECT_TRUE(IsValidUtf8(category.name)) << id;
  for (const StarterEntry& entry : entries_) {
    for (const std::string* text : {&entry.name, &entry.brief, &entry.content, &entry.page_name})
      EXPECT_TRUE(IsValidUtf8(*text)) << entry.id;
  }
  Statement images(*db_, "Select [文件名] From [img]");
  while (images.Step() == kSqliteRow) EXPECT_TRUE(IsValidUtf8(images.ColumnBytes(0)));
}

TEST_F(StarterLibraryTest, EverySectionHeadingAppears) {
  for (const char* heading : {"【VB声名】", "【返回值】", "【参数】", "【说明】", "【相关】", "【目的】",
                              "【语法】", "【示例】", "【限制】"}) {
    const std::string utf8 = GbToUtf8(heading);
    EXPECT_TRUE(std::any_of(entries_.begin(), entries_.end(),
                            [&](const StarterEntry& e) { return e.content.find(utf8) != std::string::npos; }))
        << GbToUtf8(heading);
  }
}

TEST_F(StarterLibraryTest, TextEntriesBreakLinesWithCrLfAndPairTheirQuotes) {
  // Entry pages turn CR LF into line breaks, and a double quote without its
  // partner on the same line colours the rest of the page as a string.
  for (const StarterEntry& entry : entries_) {
    if (!entry.page_name.empty()) continue;
    size_t line_start = 0;
    for (size_t i = 0; i <= entry.content.size(); ++i) {
      if (i < entry.content.size() && entry.content[i] == '\n')
        EXPECT_TRUE(i > 0 && entry.content[i - 1] == '\r') << entry.name << " has a bare LF";
      if (i == entry.content.size() || entry.content[i] == '\n') {
        const std::string line = entry.content.substr(line_start, i - line_start);
        EXPECT_EQ(std::count(line.begin(), line.end(), '"') % 2, 0) << entry.name << ": " << line;
        line_start = i + 1;
      }
    }
  }
}

TEST_F(StarterLibraryTest, NamesAndBriefsNeedNoEscaping) {
  // Category pages put category names and briefs into the HTML unescaped.
  const auto plain = [](const std::string& text) { return text.find_first_of("<>&") == std::string::npos; };
  for (const auto& [id, category] : categories_) EXPECT_TRUE(plain(category.name)) << category.name;
  for (const StarterEntry& entry : entries_) EXPECT_TRUE(plain(entry.brief)) << entry.name;
}

TEST_F(StarterLibraryTest, WebPagesShowTheirOwnImagesByteForByte) {
  int web_pages = 0;
  int shown_images = 0;
  for (const StarterEntry& entry : entries_) {
    if (entry.page_name.empty()) continue;
    ++web_pages;
    EXPECT_TRUE(EndsWith(LowerAscii(entry.page_name), ".htm")) << entry.page_name;
    std::set<std::string> stored;
    Statement images(*db_, "Select [文件名],[数据] From [img] where [资料ID]=" + std::to_string(entry.id));
    while (images.Step() == kSqliteRow) {
      const std::string name = images.ColumnBytes(0);
      stored.insert(name);
      std::string file_bytes;
      ASSERT_TRUE(ReadWholeFile(std::string(MIVREL_SOURCE_DIR) + "/resources/starter/images/" + name, file_bytes))
          << name;
      EXPECT_EQ(images.ColumnBytes(1), file_bytes) << name;
      ++shown_images;
    }
    EXPECT_EQ(ImageSources(entry.content), stored) << entry.page_name;
  }
  EXPECT_GE(web_pages, 2);
  EXPECT_GE(shown_images, 1);
  EXPECT_EQ(CountRows(*db_, "img"), shown_images) << "an image belongs to no web page";
}

}  // namespace
}  // namespace mivrel::testing
