// Reading the settings file: defaults, clamps, colours, and writes that keep
// the rest of the file.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include "base/files.h"
#include "settings/ini_file.h"
#include "settings/settings.h"
#include "support/test_library.h"

namespace mivrel {
namespace {

using testing::TempFolder;

class SettingsTest : public ::testing::Test {
 protected:
  // Writes the file (lines joined with CR LF) and reads the settings from it.
  Settings LoadFrom(const std::string& text, ScreenSize screen = {1920, 1050}) {
    EXPECT_TRUE(WriteWholeFile(Path(), text));
    return LoadSettings(IniFile(Path()), screen);
  }
  std::string Path() const { return folder_.Path() + "配置.INI"; }
  std::string Contents() const {
    std::string bytes;
    ReadWholeFile(Path(), bytes);
    return bytes;
  }
  TempFolder folder_;
};

TEST_F(SettingsTest, MissingFileGivesEveryDefault) {
  const Settings s = LoadSettings(IniFile(Path()), {1920, 1050});
  EXPECT_EQ(600, s.main_width);
  EXPECT_EQ(400, s.main_height);
  EXPECT_EQ(560, s.editor_width);
  EXPECT_EQ(560, s.editor_height);
  EXPECT_EQ(180, s.splitter_width);
  EXPECT_EQ("Arial", s.font_name);
  EXPECT_EQ(12, s.font_size);
  EXPECT_TRUE(s.highlight_symbols);
  EXPECT_TRUE(s.use_recycle_bin);
  EXPECT_FALSE(s.no_counts);
  EXPECT_EQ(0xFF0000u, s.colours[kCodeColour]);
  EXPECT_EQ(0x008000u, s.colours[kCommentColour]);
  EXPECT_EQ(0xE0FFFFu, s.colours[kBackgroundColour]);
  EXPECT_EQ(0xFF0000u, s.colours[kFindColour]);
  EXPECT_FALSE(PathExists(Path())) << "reading must not create the file";
}

TEST_F(SettingsTest, NumbersAreClampedToTheirRangesAndTheScreen) {
  Settings s = LoadFrom("[显示]\r\n字体大小=3\r\n[窗口]\r\nW=100\r\nH=50\r\n[编辑]\r\nW=10\r\nH=10\r\n"
                        "[分隔线]\r\nW=10\r\n");
  EXPECT_EQ(7, s.font_size);
  EXPECT_EQ(500, s.main_width);
  EXPECT_EQ(300, s.main_height);
  EXPECT_EQ(400, s.editor_width);
  EXPECT_EQ(300, s.editor_height);
  EXPECT_EQ(50, s.splitter_width);

  s = LoadFrom("[显示]\r\n字体大小=80\r\n[窗口]\r\nW=99999\r\nH=99999\r\n[编辑]\r\nW=99999\r\n"
               "H=99999999999999999999999\r\n[分隔线]\r\nW=99990\r\n",
               {1280, 760});
  EXPECT_EQ(50, s.font_size);
  EXPECT_EQ(1280, s.main_width);
  EXPECT_EQ(760, s.main_height);
  EXPECT_EQ(1280, s.editor_width);
  EXPECT_EQ(760, s.editor_height);
  EXPECT_EQ(1230, s.splitter_width);

  s = LoadFrom("[窗口]\r\nW=800 wide\r\n[分隔线]\r\nW=5000\r\n[显示]\r\n字体大小=14px\r\n突出符号=2\r\n"
               "[选项]\r\n使用回收站=5\r\n");
  EXPECT_EQ(800, s.main_width);
  EXPECT_EQ(750, s.splitter_width);
  EXPECT_EQ(14, s.font_size);
  EXPECT_TRUE(s.highlight_symbols);
  EXPECT_TRUE(s.use_recycle_bin);
}

TEST_F(SettingsTest, EmptyValuesCountAsZeroNotAsAbsent) {
  const Settings s = LoadFrom(
      "[窗口]\r\nW=\r\nH=\r\n[分隔线]\r\nW=\r\n[显示]\r\n字体名=\r\n字体大小=\r\n突出符号=\r\n代码色=\r\n"
      "[选项]\r\n使用回收站=\r\n不统计=\r\n");
  EXPECT_EQ(500, s.main_width);
  EXPECT_EQ(50, s.splitter_width);
  EXPECT_EQ("", s.font_name);
  EXPECT_EQ(7, s.font_size);
  EXPECT_FALSE(s.highlight_symbols);
  EXPECT_FALSE(s.use_recycle_bin);
  EXPECT_FALSE(s.no_counts);
  EXPECT_EQ(0u, s.colours[kCodeColour]);
}

TEST_F(SettingsTest, ColoursAcceptShortAndLowerCaseHexAndGiveBlackOtherwise) {
  const Settings s = LoadFrom(
      "[显示]\r\n代码色=GG00FF\r\n注解色=#008000\r\n符号色=0x0000FF\r\n数字色=red\r\n汇编色=8000\r\n"
      "字符串色=ff00ff\r\n背景色=FFFFFF\r\n");
  EXPECT_EQ(0u, s.colours[kCodeColour]);
  EXPECT_EQ(0u, s.colours[kCommentColour]);
  EXPECT_EQ(0u, s.colours[kSymbolColour]);
  EXPECT_EQ(0u, s.colours[kNumberColour]);
  EXPECT_EQ(0x8000u, s.colours[kAsmColour]);
  EXPECT_EQ(0xFF00FFu, s.colours[kStringColour]);
  EXPECT_EQ(0xFFFFFFu, s.colours[kBackgroundColour]);
  EXPECT_EQ("8000", FormatColour(0x008000));
  EXPECT_EQ("0", FormatColour(0));
  EXPECT_EQ(0x123u, ParseColour("123"));
}

TEST_F(SettingsTest, KeysIgnoreCaseBlanksAndComments) {
  const Settings s = LoadFrom(
      "; 程序的配置文件\r\n\r\n[窗口]\r\n; 注释\r\nw = 900\r\n  h=700  \r\n\r\n[显示]\r\n"
      "字体名 = 宋体\r\napi色=00FF00\r\n字体大小 = 16\r\n");
  EXPECT_EQ(900, s.main_width);
  EXPECT_EQ(700, s.main_height);
  EXPECT_EQ("宋体", s.font_name);
  EXPECT_EQ(16, s.font_size);
  EXPECT_EQ(0x00FF00u, s.colours[kApiColour]);
}

TEST_F(SettingsTest, OnlySingleByteLettersFoldInNames) {
  // 癆 is B0 41 and 癮 B0 61: their trail bytes are letters, but the keys differ.
  ASSERT_TRUE(WriteWholeFile(Path(), "[节]\r\n癆=one\r\nkey=two\r\n"));
  const IniFile file(Path());
  EXPECT_EQ(file.Read("节", "癮", "none"), "none");
  EXPECT_EQ(file.Read("节", "癆", "none"), "one");
  EXPECT_EQ(file.Read("节", "KEY", "none"), "two");
  EXPECT_TRUE(file.Write("节", "癮", "three"));
  EXPECT_EQ(file.Read("节", "癆", "none"), "one");
  EXPECT_EQ(file.Read("节", "癮", "none"), "three");
}

TEST_F(SettingsTest, ASettingsPathThatIsNoRegularFileGivesDefaults) {
  // A folder of that name, or a pipe, is no settings file: nothing may abort or hang.
  ASSERT_TRUE(MakeDirectories(Path()));
  EXPECT_EQ(LoadSettings(IniFile(Path()), {1920, 1050}).font_name, "Arial");
  EXPECT_FALSE(IniFile(Path()).Write("节", "k", "v"));
  ASSERT_TRUE(RemoveTree(Path()));
  ASSERT_EQ(mkfifo(NativePath(Path()).c_str(), 0600), 0);
  EXPECT_EQ(IniFile(Path()).Read("节", "k", "fallback"), "fallback");
  std::string bytes;
  EXPECT_FALSE(ReadWholeFile(Path(), bytes));
}

TEST_F(SettingsTest, GarbageAndOverlongLinesStillStart) {
  std::string garbage("\xFF\xFE\x00[\x80\x81=\r\n=\r\n[[[]]]\r\n", 20);
  garbage += "[显示]\r\n字体名=" + std::string(3000, 'x') + "\r\n";
  garbage += std::string(100000, 'z') + "\r\n[窗口]\r\nW=abc\r\n";
  const Settings s = LoadFrom(garbage);
  EXPECT_EQ(511u, s.font_name.size());
  EXPECT_EQ(500, s.main_width);
  EXPECT_EQ(12, s.font_size);

  // A value cut at 511 bytes never ends inside a Chinese character.
  std::string chinese;
  for (int i = 0; i < 300; ++i) chinese += "字";
  EXPECT_EQ(510u, LoadFrom("[显示]\r\n字体名=" + chinese + "\r\n").font_name.size());
}

TEST_F(SettingsTest, WritesReplaceOneKeyAndKeepEveryOtherLine) {
  ASSERT_TRUE(WriteWholeFile(Path(), "; 我的设置\r\n[窗口]\r\nW=700\r\n其他=保留\r\n\r\n[显示]\r\n字体名=宋体\r\n"));
  WriteGeometry(IniFile(Path()), 820, 610, 210);
  EXPECT_EQ("; 我的设置\r\n[窗口]\r\nW=820\r\n其他=保留\r\nH=610\r\n\r\n[显示]\r\n字体名=宋体\r\n[分隔线]\r\nW=210\r\n",
            Contents());
  const Settings s = LoadSettings(IniFile(Path()), {1920, 1050});
  EXPECT_EQ(820, s.main_width);
  EXPECT_EQ(610, s.main_height);
  EXPECT_EQ(210, s.splitter_width);

  WriteColour(IniFile(Path()), kCommentColour, 0x008000);
  EXPECT_EQ("8000", IniFile(Path()).Read("显示", "注解色", ""));
  EXPECT_EQ(0x8000u, LoadSettings(IniFile(Path()), {}).colours[kCommentColour]);
}

TEST_F(SettingsTest, WriteIntoAMissingFolderFailsQuietly) {
  EXPECT_FALSE(IniFile(folder_.Path() + "nosuch/配置.INI").Write("窗口", "W", "600"));
}

}  // namespace
}  // namespace mivrel
