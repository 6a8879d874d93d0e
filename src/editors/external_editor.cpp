#include "editors/external_editor.h"

#include <ctime>

#include "base/files.h"
#include "base/text.h"
#include "editors/editor_text.h"

namespace mivrel {

std::string FillEditorKitTemplate(const std::string& gb_template, const std::string& gb_text) {
  return ReplacedAll(gb_template, "[内容]", TrimBlanks(gb_text));
}

EditorKitResult WriteEditorKitPage(const std::string& gb_application_folder,
                                   const std::string& gb_text, std::string& gb_page_path) {
  std::string utf8_template;
  if (!IsRegularFile(gb_application_folder + kEditorKitTemplate) ||
      !ReadWholeFile(gb_application_folder + kEditorKitTemplate, utf8_template))
    return EditorKitResult::TemplateMissing;
  gb_page_path = gb_application_folder + kEditorKitPage;
  const std::string page = FillEditorKitTemplate(Utf8ToGb(utf8_template), gb_text);
  return WriteWholeFile(gb_page_path, GbToUtf8(page)) ? EditorKitResult::Written
                                                       : EditorKitResult::WriteFailed;
}

std::string PlaceholderPage() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  char stamp[32];
  std::strftime(stamp, sizeof stamp, "%Y-%m-%d %H:%M:%S", &local);
  return std::string("<html><body>") + stamp + "</body></html>";
}

}  // namespace mivrel
