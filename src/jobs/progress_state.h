// The progress of the one job that runs at a time: range, position,
// auto-advance, start time, caption and stop flag, and the display tick that
// turns them into what the progress window shows every 200 ms.
//
// Thread rules: the job writes the position and caption and reads the stop
// flag from its own thread; the user-interface thread opens the state, ticks
// it and sets the stop flag.  Position and stop flag are atomic; the caption is
// guarded, since a text cannot be written and read at once safely.
#pragma once

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
#include <string>

namespace mivrel {

// What one display tick changes on screen; empty members stay as they are.
struct ProgressFrame {
  std::optional<int> bar;              // 0-10000
  std::string time_text;               // "花费: 0 分 6 秒，完成：30.30%"
  std::optional<std::string> caption;  // the caption label's new text
};

class ProgressState {
 public:
  static constexpr std::int64_t kMinimum = 1;
  static constexpr std::int64_t kAutoMaximum = 100;
  static constexpr int kBarRange = 10000;
  static constexpr std::int64_t kAutoStep = 5;

  // Clears the stop flag and the position, stores the caption and the range
  // (0 = the bar advances by itself over 1-100) and takes the start time.
  void Open(const std::string& caption, std::int64_t maximum, std::uint32_t now_ms);

  // Job side; any thread.
  void SetRange(std::int64_t maximum);
  void SetPosition(std::int64_t position) { position_.store(position); }
  void SetCaption(const std::string& caption);
  bool StopRequested() const { return stop_.load(); }

  // User-interface side.
  void RequestStop() { stop_.store(true); }
  std::string Caption() const;
  // The display tick at `now_ms`: moves an auto-advancing position, and says
  // what the bar, the time label and the caption label show now.
  ProgressFrame Tick(std::uint32_t now_ms);

  std::int64_t Position() const { return position_.load(); }

 private:
  int BarValue(std::int64_t position) const;
  std::string PercentText(std::int64_t position) const;

  std::atomic<std::int64_t> maximum_{kAutoMaximum};
  std::atomic<std::int64_t> position_{0};
  std::atomic<bool> auto_advance_{true};
  std::atomic<bool> stop_{false};
  std::int64_t last_shown_ = 0;
  std::uint32_t start_ms_ = 0;
  mutable std::mutex caption_mutex_;
  std::string caption_;
  std::string caption_shown_;
};

// "花费: " + minutes + " 分 " + seconds + " 秒，完成：" + percent + "%".
std::string ElapsedText(std::uint32_t elapsed_ms, const std::string& percent);

}  // namespace mivrel
