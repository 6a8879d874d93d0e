#include "tool/terminal_jobs.h"

#include <unistd.h>

#include <cstdio>

#include "base/text.h"

namespace mivrel {
namespace {

// One line, rewritten in place: caption, then the time and percentage.
class TerminalView final : public ProgressView {
 public:
  TerminalView() : shown_(isatty(STDERR_FILENO) == 1) {}
  ~TerminalView() override {
    if (shown_ && drawn_) std::fputs("\n", stderr);
  }
  void SetCaption(const std::string& caption) override { caption_ = caption; }
  void SetBar(int) override {}
  void SetTimeText(const std::string& text) override {
    if (!shown_) return;
    std::fprintf(stderr, "\r\033[K%s  %s", GbToUtf8(caption_).c_str(), GbToUtf8(text).c_str());
    std::fflush(stderr);
    drawn_ = true;
  }
  // Nobody can press "停止" here; an interrupted tool simply ends.
  MessageAnswer AskStop(const std::string&) override { return MessageAnswer::No; }

 private:
  const bool shown_;
  bool drawn_ = false;
  std::string caption_;
};

std::string OneLine(std::string text) {
  ReplaceAll(text, "\r\n", "\n");
  return GbToUtf8(text);
}

}  // namespace

std::unique_ptr<ProgressView> TerminalViews::Open(std::function<void()>) {
  return std::make_unique<TerminalView>();
}

MessageAnswer TerminalQuestions::Ask(const std::string& text, MessageIcon, MessageButtons) {
  std::fprintf(stderr, "%s -> %s\n", OneLine(text).c_str(), answer_ == MessageAnswer::Yes ? "yes" : "no");
  return answer_;
}

void TerminalQuestions::PostNotice(const std::string& text, MessageIcon) {
  std::fprintf(stderr, "%s\n", OneLine(text).c_str());
}

TerminalJobRunner::TerminalJobRunner()
    : loop_(clock_), runner_(JobPorts{views_, loop_, loop_, clock_, questions_}) {}

JobOutcome TerminalJobRunner::Run(const JobSpec& request, const std::function<int(JobContext&)>& work,
                                  const std::function<void()>& on_stop) {
  return runner_.Run(request, work, on_stop);
}

}  // namespace mivrel
