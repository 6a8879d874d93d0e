#include "settings/settings.h"

#include <algorithm>

#include "base/hex.h"
#include "base/text.h"
#include "settings/ini_file.h"

namespace mivrel {

const char* const kColourKeys[kColourCount] = {"代码色", "注解色",   "符号色", "数字色",
                                               "汇编色", "字符串色", "API色",  "类型色",
                                               "常数色", "背景色",   "目录色", "查找色"};
const char* const kColourDefaults[kColourCount] = {"FF0000", "008000", "0000FF", "000040",
                                                   "8F8F8F", "8B8B00", "FF00FF", "EE687B",
                                                   "AAB220", "E0FFFF", "0000FF", "FF0000"};

namespace {

constexpr const char* kWindowSection = "窗口";
constexpr const char* kEditorSection = "编辑";
constexpr const char* kSplitterSection = "分隔线";
constexpr const char* kDisplaySection = "显示";
constexpr const char* kOptionsSection = "选项";

long long ReadNumber(const IniFile& file, const char* section, const char* key,
                     const char* fallback) {
  return LeadingNumber(file.Read(section, key, fallback));
}

int Clamp(long long value, long long low, long long high) {
  // The upper bound wins when the screen is smaller than the lower bound.
  return static_cast<int>(std::min(std::max(value, low), std::max(high, 0LL)));
}

}  // namespace

uint32_t ParseColour(const std::string& text) {
  uint32_t value = 0;
  for (char c : text) {
    const int digit = HexDigitValue(c);
    if (digit < 0) break;
    value = (value << 4) | static_cast<uint32_t>(digit);
  }
  return value;
}

std::string FormatColour(uint32_t colour) {
  std::string out;
  do {
    out.insert(out.begin(), HexDigit(colour));
    colour >>= 4;
  } while (colour != 0);
  return out;
}

Settings LoadSettings(const IniFile& file, const ScreenSize& screen) {
  Settings s;
  s.main_width = Clamp(ReadNumber(file, kWindowSection, "W", "600"), 500, screen.width);
  s.main_height = Clamp(ReadNumber(file, kWindowSection, "H", "400"), 300, screen.height);
  s.editor_width = Clamp(ReadNumber(file, kEditorSection, "W", "560"), 400, screen.width);
  s.editor_height = Clamp(ReadNumber(file, kEditorSection, "H", "560"), 300, screen.height);
  s.splitter_width = Clamp(ReadNumber(file, kSplitterSection, "W", "180"), 50, s.main_width - 50);
  s.font_name = file.Read(kDisplaySection, "字体名", "Arial");
  s.font_size = Clamp(ReadNumber(file, kDisplaySection, "字体大小", "12"), 7, 50);
  s.highlight_symbols = ReadNumber(file, kDisplaySection, "突出符号", "1") != 0;
  s.use_recycle_bin = ReadNumber(file, kOptionsSection, "使用回收站", "1") > 0;
  s.no_counts = ReadNumber(file, kOptionsSection, "不统计", "0") != 0;
  for (int i = 0; i < kColourCount; ++i)
    s.colours[i] = ParseColour(file.Read(kDisplaySection, kColourKeys[i], kColourDefaults[i]));
  return s;
}

Settings DefaultSettings(const ScreenSize& screen) {
  // A path that is never a file gives every default.
  return LoadSettings(IniFile(std::string()), screen);
}

void WriteGeometry(const IniFile& file, int main_width, int main_height, int splitter_width) {
  file.Write(kWindowSection, "W", std::to_string(main_width));
  file.Write(kWindowSection, "H", std::to_string(main_height));
  file.Write(kSplitterSection, "W", std::to_string(splitter_width));
}

void WriteColour(const IniFile& file, int index, uint32_t colour) {
  if (index < 0 || index >= kColourCount) return;
  file.Write(kDisplaySection, kColourKeys[index], FormatColour(colour));
}

void WriteFontName(const IniFile& file, const std::string& name) {
  file.Write(kDisplaySection, "字体名", name);
}

void WriteFontSize(const IniFile& file, int size) {
  file.Write(kDisplaySection, "字体大小", std::to_string(size));
}

void WriteSwitch(const IniFile& file, const std::string& section, const std::string& key, bool on) {
  file.Write(section, key, on ? "1" : "0");
}

void WriteEditorSize(const IniFile& file, int width, int height) {
  file.Write(kEditorSection, "W", std::to_string(width));
  file.Write(kEditorSection, "H", std::to_string(height));
}

}  // namespace mivrel
