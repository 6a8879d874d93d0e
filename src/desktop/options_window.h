// The options dialog "选项" (FORM_Mivrel_FORM9_CLASS), modal over the main
// window: ten colour swatches with their hexadecimal texts, the page font and
// size, three switches, the database file's date and size, the buttons "备份",
// "恢复" (the restore menu at the mouse), "整理", and the SQL console.  Settings
// changes go through OptionsChanges (shell/options.h), maintenance through
// jobs/ on this dialog's own job runner, so that the progress window disables
// this dialog while a job runs.
//
// User-interface thread only.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include <wx/dialog.h>

#include "shell/options.h"

class wxButton;
class wxChoice;
class wxPanel;
class wxStaticText;
class wxTextCtrl;

namespace mivrel {

class Database;
class IniFile;
class LibraryBackups;
class Ui;
class WindowJobRunner;
struct Settings;

// What the dialog asks of the main window besides redrawing pages.
class OptionsWindowHost : public OptionsHost {
 public:
  // Restores backup n as the restore menu's command 8700 + n does.
  virtual void RestoreBackup(int n) = 0;
  // After a console run: reloads the directory tree and shows the home page
  // without recording it.
  virtual void ShowLibraryAgain() = 0;
};

struct OptionsWindowContext {
  Settings& settings;
  const IniFile& ini;
  Database& db;
  LibraryBackups& backups;
  Ui& ui;
  OptionsWindowHost& host;
  std::string library_folder;  // GB18030, ends with a separator
};

class OptionsWindow final : public wxDialog {
 public:
  OptionsWindow(wxWindow* owner, const OptionsWindowContext& context);
  ~OptionsWindow() override;

  // What a swatch does once the colour dialog has given a colour (the GUI
  // test calls it directly, as nobody can drive the system colour dialog).
  void ApplyColour(int index, std::uint32_t colour);
  // Fills the date and size labels from the database file.
  void RefreshFileInformation();
  // The "整理" button.
  void Compact();
  // The "恢复" button: the restore menu at the mouse.
  void ShowRestoreMenu();

 private:
  void BuildDisplayControls(wxWindow* parent, wxSizer* column);
  void BuildLibraryControls(wxWindow* parent, wxSizer* column);
  void ChooseColour(int index);
  void BackUp();
  void RunConsole();

  OptionsWindowContext context_;
  OptionsChanges changes_;
  std::unique_ptr<WindowJobRunner> jobs_;
  std::array<wxPanel*, kOfferedColours> swatches_{};
  std::array<wxStaticText*, kOfferedColours> swatch_texts_{};
  wxStaticText* modified_ = nullptr;
  wxStaticText* size_ = nullptr;
  wxTextCtrl* console_ = nullptr;
  wxButton* run_sql_ = nullptr;
};

}  // namespace mivrel
