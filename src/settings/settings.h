// The user's preferences, read once at start from 配置.INI into one object that
// is the truth afterwards; each change made later is written to the file at
// once, key by key.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace mivrel {

class IniFile;

// Indices of the colour table (values are Windows colours 0x00BBGGRR).
enum ColourIndex : int {
  kCodeColour = 0,       // 代码色
  kCommentColour = 1,    // 注解色
  kSymbolColour = 2,     // 符号色
  kNumberColour = 3,     // 数字色
  kAsmColour = 4,        // 汇编色
  kStringColour = 5,     // 字符串色
  kApiColour = 6,        // API色
  kTypeColour = 7,       // 类型色
  kConstantColour = 8,   // 常数色
  kBackgroundColour = 9, // 背景色
  kCountColour = 10,     // 目录色
  kFindColour = 11,      // 查找色
  kColourCount = 12
};

// The key names of the colour table, in index order (GB18030).
extern const char* const kColourKeys[kColourCount];
// Their defaults as stored in the file.
extern const char* const kColourDefaults[kColourCount];

// The full-screen client size, which caps the window sizes.
struct ScreenSize {
  int width = 1 << 20;
  int height = 1 << 20;
};

struct Settings {
  int main_width = 600;    // 窗口 W
  int main_height = 400;   // 窗口 H
  int editor_width = 560;  // 编辑 W
  int editor_height = 560; // 编辑 H
  int splitter_width = 180;// 分隔线 W
  std::string font_name = "Arial";  // 显示 字体名
  int font_size = 12;      // 显示 字体大小, 7..50
  bool highlight_symbols = true;  // 显示 突出符号
  bool use_recycle_bin = true;    // 选项 使用回收站
  bool no_counts = false;         // 选项 不统计
  std::array<uint32_t, kColourCount> colours{};  // the colour table
};

// Reads every key with its default and clamp, in the order the program reads them.
Settings LoadSettings(const IniFile& file, const ScreenSize& screen);

// The defaults (as if the file were missing), clamped to the screen.
Settings DefaultSettings(const ScreenSize& screen = ScreenSize());

// Colour text as the file holds it: leading hexadecimal digits, 0 when none.
uint32_t ParseColour(const std::string& text);
// Colour as written back: hexadecimal, upper case, no leading zeros ("8000").
std::string FormatColour(uint32_t colour);

// Written at a real exit: 窗口 W/H and 分隔线 W, decimal without blank.
void WriteGeometry(const IniFile& file, int main_width, int main_height, int splitter_width);
// Written by the options dialog, one key per change.
void WriteColour(const IniFile& file, int index, uint32_t colour);
void WriteFontName(const IniFile& file, const std::string& name);
void WriteFontSize(const IniFile& file, int size);
void WriteSwitch(const IniFile& file, const std::string& section, const std::string& key, bool on);
void WriteEditorSize(const IniFile& file, int width, int height);

}  // namespace mivrel
