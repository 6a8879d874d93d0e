#include "jobs/progress_state.h"

#include <algorithm>
#include <cstdio>

namespace mivrel {

void ProgressState::Open(const std::string& caption, std::int64_t maximum, std::uint32_t now_ms) {
  stop_.store(false);
  position_.store(0);
  last_shown_ = 0;
  start_ms_ = now_ms;
  SetRange(maximum);
  std::lock_guard<std::mutex> lock(caption_mutex_);
  caption_ = caption;
  caption_shown_ = caption;
}

void ProgressState::SetRange(std::int64_t maximum) {
  auto_advance_.store(maximum <= 0);
  maximum_.store(maximum <= 0 ? kAutoMaximum : maximum);
}

void ProgressState::SetCaption(const std::string& caption) {
  std::lock_guard<std::mutex> lock(caption_mutex_);
  caption_ = caption;
}

std::string ProgressState::Caption() const {
  std::lock_guard<std::mutex> lock(caption_mutex_);
  return caption_;
}

// A range of one byte (an import of a one-byte file) would divide by zero, and
// a position past the maximum would overfill the bar; both are held inside it.
int ProgressState::BarValue(std::int64_t position) const {
  const std::int64_t span = std::max<std::int64_t>(1, maximum_.load() - kMinimum);
  const double value = static_cast<double>(position) / static_cast<double>(span) * kBarRange;
  return static_cast<int>(std::clamp(value, 0.0, static_cast<double>(kBarRange)));
}

std::string ProgressState::PercentText(std::int64_t position) const {
  const std::int64_t span = std::max<std::int64_t>(1, maximum_.load() - kMinimum);
  double percent = static_cast<double>(position) / static_cast<double>(span) * 100.0;
  percent = std::clamp(percent, 0.0, 100.0);
  char text[32];
  std::snprintf(text, sizeof text, "%.2f", percent);
  return text;
}

ProgressFrame ProgressState::Tick(std::uint32_t now_ms) {
  ProgressFrame frame;
  std::int64_t position = position_.load();
  if (position != last_shown_) {
    last_shown_ = position;
    frame.bar = BarValue(position);
  }
  if (auto_advance_.load()) {
    position += kAutoStep;
    if (position > maximum_.load()) position = kMinimum;
    position_.store(position);
    last_shown_ = position;
    frame.bar = BarValue(position);
  }
  frame.time_text = ElapsedText(now_ms - start_ms_, PercentText(position));
  std::lock_guard<std::mutex> lock(caption_mutex_);
  if (caption_shown_ != caption_) {
    caption_shown_ = caption_;
    frame.caption = caption_;
  }
  return frame;
}

std::string ElapsedText(std::uint32_t elapsed_ms, const std::string& percent) {
  const std::uint32_t seconds = elapsed_ms / 1000;
  return "花费: " + std::to_string(seconds / 60) + " 分 " + std::to_string(seconds % 60) +
         " 秒，完成：" + percent + "%";
}

}  // namespace mivrel
