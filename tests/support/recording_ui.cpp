#include "support/recording_ui.h"

namespace mivrel::testing {

MessageAnswer RecordingUi::ShowMessage(const std::string& text, MessageIcon icon,
                                       MessageButtons buttons, MessageOwner owner) {
  messages.push_back({text, icon, buttons, owner});
  if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
  if (answers.empty()) return MessageAnswer::No;
  MessageAnswer answer = answers.front();
  answers.pop_front();
  return answer;
}

}  // namespace mivrel::testing
