// The settings side of the options dialog "选项": every change goes into the
// settings the program runs on and is written to 配置.INI at once, key by key;
// colour and font changes rebuild the page style sheet and show the current
// page again, "突出符号" only shows the page again, the two switches of section
// 选项 redraw nothing.  The dialog (options_window.cpp) only shows controls and
// forwards their changes here.
//
// User-interface thread only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace mivrel {

class IniFile;
struct Settings;

// What a change asks of the running program.
class OptionsHost {
 public:
  virtual ~OptionsHost() = default;
  // Rebuilds the page style sheet from the settings and shows the current page
  // again without recording it in the history.
  virtual void RestylePages() = 0;
  // Shows the current page again without recording it in the history.
  virtual void ShowPageAgain() = 0;
};

// The colours offered as swatches: table indices 0-9 (目录色 and 查找色 are
// changed in the file only).
constexpr int kOfferedColours = 10;
constexpr int kFirstFontSize = 7;
constexpr int kLastFontSize = 50;

enum class OptionSwitch { HighlightSymbols, UseRecycleBin, NoCounts };

// The size list's 44 items, " 7px" … " 50px".
std::vector<std::string> FontSizeItems();
// A colour's swatch text: its value as six hexadecimal digits ("008000").
std::string SwatchText(std::uint32_t colour);

class OptionsChanges {
 public:
  // Borrows all three; they must outlive this object.
  OptionsChanges(Settings& settings, const IniFile& ini, OptionsHost& host)
      : settings_(settings), ini_(ini), host_(host) {}

  // REQUIRES: 0 <= index < kOfferedColours.
  void SetColour(int index, std::uint32_t colour);
  void SetFontName(const std::string& name);
  // The size list's position: the size is 7 + position.
  void SetFontSizeAt(int position);
  void SetSwitch(OptionSwitch which, bool on);

  const Settings& Current() const { return settings_; }

 private:
  Settings& settings_;
  const IniFile& ini_;
  OptionsHost& host_;
};

}  // namespace mivrel
