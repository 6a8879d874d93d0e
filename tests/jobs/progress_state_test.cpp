// The display tick driven by a fake clock: bar, time text, percentage and the
// caption refresh.
#include <gtest/gtest.h>

#include "jobs/progress_state.h"

namespace mivrel {
namespace {

constexpr std::uint32_t kStart = 5000;

TEST(ProgressStateTest, AutoAdvanceFillsTheBarInTwentyTicksAndStartsAgain) {
  ProgressState state;
  state.Open("整理中....请稍后....", 0, kStart);
  ProgressFrame frame = state.Tick(kStart + 200);
  EXPECT_EQ(5 * 10000 / 99, frame.bar.value());
  EXPECT_EQ("花费: 0 分 0 秒，完成：5.05%", frame.time_text);
  for (int tick = 2; tick <= 20; ++tick) frame = state.Tick(kStart + 200 * tick);
  EXPECT_EQ(10000, frame.bar.value());
  EXPECT_EQ(100, state.Position());
  frame = state.Tick(kStart + 200 * 21);
  EXPECT_EQ(1, state.Position());
  for (int tick = 22; tick <= 30; ++tick) frame = state.Tick(kStart + 200 * tick);
  EXPECT_EQ("花费: 0 分 6 秒，完成：46.46%", frame.time_text);
}

TEST(ProgressStateTest, CountedPositionMovesTheBarOnlyWhenItChanges) {
  ProgressState state;
  state.Open("导入到:", 1001, kStart);
  state.SetPosition(500);
  ProgressFrame frame = state.Tick(kStart + 125000);
  EXPECT_EQ(5000, frame.bar.value());
  EXPECT_EQ("花费: 2 分 5 秒，完成：50.00%", frame.time_text);
  frame = state.Tick(kStart + 125200);
  EXPECT_FALSE(frame.bar.has_value());
}

TEST(ProgressStateTest, BarAndPercentStayInsideTheirRange) {
  ProgressState state;
  state.Open("", 1, kStart);  // a one-byte import: no range to divide by
  state.SetPosition(1);
  EXPECT_EQ(10000, state.Tick(kStart).bar.value());
  state.SetRange(11);
  state.SetPosition(50);
  const ProgressFrame frame = state.Tick(kStart);
  EXPECT_EQ(10000, frame.bar.value());
  EXPECT_EQ("花费: 0 分 0 秒，完成：100.00%", frame.time_text);
}

TEST(ProgressStateTest, CaptionIsRefreshedOnceAfterTheJobChangesIt) {
  ProgressState state;
  state.Open("导出:第一", 100, kStart);
  EXPECT_FALSE(state.Tick(kStart + 200).caption.has_value());
  state.SetCaption("导出:第二");
  EXPECT_EQ("导出:第二", state.Tick(kStart + 400).caption.value());
  EXPECT_FALSE(state.Tick(kStart + 600).caption.has_value());
}

TEST(ProgressStateTest, OpeningClearsTheStopFlagAndPosition) {
  ProgressState state;
  state.Open("", 100, kStart);
  state.SetPosition(40);
  state.RequestStop();
  EXPECT_TRUE(state.StopRequested());
  state.Open("", 100, kStart);
  EXPECT_FALSE(state.StopRequested());
  EXPECT_EQ(0, state.Position());
}

TEST(ProgressStateTest, ElapsedTimeSurvivesTheCounterWrapping) {
  ProgressState state;
  state.Open("", 100, 0xFFFFFF00u);
  EXPECT_EQ("花费: 0 分 1 秒，完成：0.00%", state.Tick(0xFFFFFF00u + 1500).time_text);
}

}  // namespace
}  // namespace mivrel
