#include "shell/options.h"

#include <algorithm>
#include <cstdio>

#include "settings/ini_file.h"
#include "settings/settings.h"

namespace mivrel {

std::vector<std::string> FontSizeItems() {
  std::vector<std::string> items;
  for (int size = kFirstFontSize; size <= kLastFontSize; ++size) items.push_back(" " + std::to_string(size) + "px");
  return items;
}

std::string SwatchText(std::uint32_t colour) {
  char text[16];
  std::snprintf(text, sizeof text, "%06X", static_cast<unsigned>(colour));
  return text;
}

void OptionsChanges::SetColour(int index, std::uint32_t colour) {
  if (index < 0 || index >= kOfferedColours) return;
  settings_.colours[index] = colour;
  WriteColour(ini_, index, colour);
  host_.RestylePages();
}

void OptionsChanges::SetFontName(const std::string& name) {
  settings_.font_name = name;
  WriteFontName(ini_, name);
  host_.RestylePages();
}

void OptionsChanges::SetFontSizeAt(int position) {
  settings_.font_size = std::clamp(kFirstFontSize + position, kFirstFontSize, kLastFontSize);
  WriteFontSize(ini_, settings_.font_size);
  host_.RestylePages();
}

void OptionsChanges::SetSwitch(OptionSwitch which, bool on) {
  switch (which) {
    case OptionSwitch::HighlightSymbols:
      settings_.highlight_symbols = on;
      WriteSwitch(ini_, "显示", "突出符号", on);
      host_.ShowPageAgain();
      return;
    case OptionSwitch::UseRecycleBin:
      settings_.use_recycle_bin = on;
      WriteSwitch(ini_, "选项", "使用回收站", on);
      return;
    case OptionSwitch::NoCounts:
      settings_.no_counts = on;
      WriteSwitch(ini_, "选项", "不统计", on);
      return;
  }
}

}  // namespace mivrel
