// The options dialog's changes: each one in 配置.INI at once in the file's form,
// in the running settings, and the redraw it asks for.
#include <gtest/gtest.h>

#include "settings/ini_file.h"
#include "settings/settings.h"
#include "shell/options.h"
#include "support/test_library.h"

namespace mivrel {
namespace {

class CountingHost final : public OptionsHost {
 public:
  void RestylePages() override { ++restyled; }
  void ShowPageAgain() override { ++shown_again; }
  int restyled = 0;
  int shown_again = 0;
};

class OptionsTest : public ::testing::Test {
 protected:
  std::string Key(const std::string& section, const std::string& key) { return ini_.Read(section, key, "(absent)"); }

  testing::TempFolder folder_;
  IniFile ini_{folder_.Path() + "配置.INI"};
  Settings settings_ = DefaultSettings();
  CountingHost host_;
  OptionsChanges changes_{settings_, ini_, host_};
};

TEST_F(OptionsTest, ColourIsWrittenWithoutLeadingZerosAndRestylesThePage) {
  changes_.SetColour(kCommentColour, 0x008000);
  EXPECT_EQ("8000", Key("显示", "注解色"));
  EXPECT_EQ(0x008000u, settings_.colours[kCommentColour]);
  EXPECT_EQ(1, host_.restyled);
  EXPECT_EQ(0x008000u, LoadSettings(ini_, ScreenSize()).colours[kCommentColour]);
  changes_.SetColour(kCountColour, 0x123456);  // not offered: the file only
  EXPECT_EQ("(absent)", Key("显示", "目录色"));
}

TEST_F(OptionsTest, FontNameAndSizeFromTheListPosition) {
  changes_.SetFontName("DejaVu Sans");
  changes_.SetFontSizeAt(43);
  EXPECT_EQ("DejaVu Sans", Key("显示", "字体名"));
  EXPECT_EQ("50", Key("显示", "字体大小"));
  EXPECT_EQ(50, settings_.font_size);
  EXPECT_EQ(2, host_.restyled);
  const std::vector<std::string> items = FontSizeItems();
  ASSERT_EQ(44u, items.size());
  EXPECT_EQ(" 7px", items.front());
  EXPECT_EQ(" 50px", items.back());
}

TEST_F(OptionsTest, SwitchesGoToTheirSectionsAndOnlySymbolsRedraw) {
  changes_.SetSwitch(OptionSwitch::HighlightSymbols, false);
  changes_.SetSwitch(OptionSwitch::UseRecycleBin, false);
  changes_.SetSwitch(OptionSwitch::NoCounts, true);
  EXPECT_EQ("0", Key("显示", "突出符号"));
  EXPECT_EQ("0", Key("选项", "使用回收站"));
  EXPECT_EQ("1", Key("选项", "不统计"));
  EXPECT_FALSE(settings_.use_recycle_bin);
  EXPECT_TRUE(settings_.no_counts);
  EXPECT_EQ(1, host_.shown_again);
  EXPECT_EQ(0, host_.restyled);
}

TEST(SwatchTextTest, SixHexadecimalDigits) {
  EXPECT_EQ("008000", SwatchText(0x8000));
  EXPECT_EQ("E0FFFF", SwatchText(0xE0FFFF));
}

}  // namespace
}  // namespace mivrel
