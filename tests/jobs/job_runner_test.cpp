// Start job and wait: the work runs on its own thread while the waiting side
// keeps polling and ticking the display; "停止" answered No and Yes.
#include <gtest/gtest.h>

#include <thread>

#include "support/job_doubles.h"

namespace mivrel {
namespace {

using testing::JobHarness;

TEST(JobRunnerTest, WorkRunsOnAWorkerWhileTheDisplayTicks) {
  JobHarness harness;
  const auto waiting_thread = std::this_thread::get_id();
  std::thread::id work_thread;
  const JobOutcome outcome = harness.runner.Run(JobSpec{"整理中....请稍后....", 0}, [&](JobContext&) {
    work_thread = std::this_thread::get_id();
    harness.WaitForPolls(5);
    return 7;
  });
  EXPECT_EQ(7, outcome.result);
  EXPECT_FALSE(outcome.stopped);
  EXPECT_NE(waiting_thread, work_thread);
  const auto& record = harness.views.record;
  EXPECT_EQ(1, record.opened);
  EXPECT_EQ(1, record.closed);
  ASSERT_FALSE(record.captions.empty());
  EXPECT_EQ("整理中....请稍后....", record.captions.front());
  ASSERT_GE(record.times.size(), 2u);
  EXPECT_EQ("进度", record.times.front());
  EXPECT_EQ(0u, record.times.back().rfind("花费: 0 分 ", 0));
}

TEST(JobRunnerTest, StopAnsweredNoChangesNothingAndYesEndsTheJob) {
  JobHarness harness;
  harness.views.record.stop_answers = {MessageAnswer::No, MessageAnswer::Yes};
  bool stopped_after_no = true;
  int interrupts = 0;
  harness.on_poll[3] = [&] { harness.views.record.press_stop(); };
  harness.on_poll[4] = [&] { stopped_after_no = harness.runner.State().StopRequested(); };
  harness.on_poll[6] = [&] { harness.views.record.press_stop(); };
  int items = 0;
  const JobOutcome outcome = harness.runner.Run(
      JobSpec{"导出整个分类的所有资料", 0},
      [&](JobContext& context) {
        while (!context.StopRequested()) {
          ++items;
          std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        return 0;
      },
      [&] { ++interrupts; });
  EXPECT_FALSE(stopped_after_no);
  EXPECT_TRUE(outcome.stopped);
  EXPECT_EQ(2, harness.views.record.stop_questions);
  EXPECT_EQ(1, interrupts);
  EXPECT_GT(items, 0);
}

TEST(JobRunnerTest, WorkerQuestionsAndCaptionsReachTheUser) {
  JobHarness harness;
  const JobOutcome outcome = harness.runner.Run(JobSpec{"导入到:", 1000}, [&](JobContext& context) {
    context.SetCaption("导入到:下一个");
    context.SetPosition(500);
    harness.WaitForPolls(5);
    return context.Ask("覆盖吗？", MessageButtons::YesNo) == MessageAnswer::Yes ? 1 : 0;
  });
  EXPECT_EQ(1, outcome.result);
  ASSERT_EQ(1u, harness.questions.asked.size());
  EXPECT_EQ("覆盖吗？", harness.questions.asked[0]);
  EXPECT_EQ("导入到:下一个", harness.views.record.captions.back());
}

TEST(JobRunnerTest, SecondJobStartedDuringTheWaitIsRefused) {
  JobHarness harness;
  JobOutcome inner{};
  harness.on_poll[1] = [&] { inner = harness.runner.Run(JobSpec{}, [](JobContext&) { return 5; }); };
  const JobOutcome outer = harness.runner.Run(JobSpec{}, [&](JobContext&) {
    harness.WaitForPolls(2);
    return 3;
  });
  EXPECT_EQ(kJobRefused, inner.result);
  EXPECT_EQ(3, outer.result);
  EXPECT_EQ(1, harness.views.record.opened);
}

}  // namespace
}  // namespace mivrel
