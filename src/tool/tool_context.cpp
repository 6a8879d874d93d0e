#include "tool/tool_context.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "base/text.h"
#include "store/database.h"
#include "shell/open_library.h"

namespace mivrel {

MessageAnswer StderrUi::ShowMessage(const std::string& text, MessageIcon icon,
                                    MessageButtons buttons, MessageOwner owner) {
  std::string shown = text;
  ReplaceAll(shown, "\r\n", "\n");
  std::fprintf(stderr, "%s\n", GbToUtf8(shown).c_str());
  return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

void StderrUi::SetStatusText(const std::string& text) {
  std::fprintf(stderr, "%s\n", GbToUtf8(text).c_str());
}

bool OpenToolLibrary(const ToolContext& context, Database& db, Ui& ui) {
  return OpenLibrary(db, context.library_folder, ui) == OpenResult::Opened;
}

bool ParseId(const std::string& text, int& id) {
  if (text.empty()) return false;
  errno = 0;
  char* end = nullptr;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || *end != '\0' || value < -2147483647L - 1 || value > 2147483647L) return false;
  id = static_cast<int>(value);
  return true;
}

void WriteStdout(const std::string& bytes) {
  std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  std::fflush(stdout);
}

void PrintError(const std::string& gb_message) {
  std::fprintf(stderr, "mivrel-tool: %s\n", GbToUtf8(gb_message).c_str());
}

}  // namespace mivrel
