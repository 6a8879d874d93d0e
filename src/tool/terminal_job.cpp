#include "tool/terminal_job.h"

#include <unistd.h>

#include <cstdio>

#include "base/text.h"

namespace mivrel {

TerminalJob::TerminalJob() : m_terminal(isatty(STDERR_FILENO) != 0) {}

TerminalJob::~TerminalJob() {
  if (m_terminal && m_shown >= 0) std::fputc('\n', stderr);
}

void TerminalJob::SetPosition(std::int64_t position) {
  if (!m_terminal || m_range <= 0) return;
  const int percent = static_cast<int>(position * 100 / m_range);
  if (percent == m_shown) return;
  m_shown = percent;
  std::fprintf(stderr, "\r%3d%%", percent);
  std::fflush(stderr);
}

void TerminalJob::SetCaption(const std::string& caption) {
  if (m_terminal) std::fprintf(stderr, "%s\n", GbToUtf8(caption).c_str());
}

MessageAnswer TerminalJob::Ask(const std::string& text, MessageButtons buttons) {
  return MessageAnswer::No;
}

}  // namespace mivrel
