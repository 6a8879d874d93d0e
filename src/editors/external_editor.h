// The external HTML editor kit: the page "htmedit/demo.html" beside the
// program is a template whose "[内容]" marks take the content box's text; the
// result is written to "htmedit/edit.html", which the window opens in the
// desktop's browser.  The editor never reads the file back.
// Any thread; touches only those two files.
#pragma once

#include <string>

namespace mivrel {

constexpr const char* kEditorKitMissing = "丢失编辑器，请重新下载本软件";
constexpr const char* kEditorKitTemplate = "htmedit/demo.html";
constexpr const char* kEditorKitPage = "htmedit/edit.html";

// Every "[内容]" of the template (GB18030) replaced by the text trimmed of
// blanks.
std::string FillEditorKitTemplate(const std::string& gb_template, const std::string& gb_text);

enum class EditorKitResult { Written, TemplateMissing, WriteFailed };

// Reads the template (UTF-8) from `gb_application_folder` (ends with a
// separator), fills it with the content box's text and writes edit.html
// (UTF-8), replacing it; `gb_page_path` receives its path.
[[nodiscard]] EditorKitResult WriteEditorKitPage(const std::string& gb_application_folder,
                                                 const std::string& gb_text,
                                                 std::string& gb_page_path);

// The document the main window's browser pane shows for a moment after the
// entry editor was closed without saving: the local date and time.
std::string PlaceholderPage();

}  // namespace mivrel
