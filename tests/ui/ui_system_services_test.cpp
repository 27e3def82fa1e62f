#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <fstream>
#include <thread>

#include "ui/platform/system_services.h"

TEST(SystemServicesTest, TickCountCountsMillisecondsSinceTheSystemStarted) {
  double uptimeSeconds = 0;
  std::ifstream("/proc/uptime") >> uptimeSeconds;
  ASSERT_GT(uptimeSeconds, 0);
  const std::uint32_t ticks = GetTickCount();
  const auto expected = static_cast<std::uint32_t>(static_cast<std::uint64_t>(uptimeSeconds * 1000) & 0xFFFFFFFFu);
  EXPECT_LT(static_cast<std::uint32_t>(ticks - expected), 2000u) << ticks << " vs " << expected;
}

TEST(SystemServicesTest, SleepBlocksForAtLeastTheTimeAskedAndTicksAdvanceWithIt) {
  const std::uint32_t before = GetTickCount();
  const auto start = std::chrono::steady_clock::now();
  Sleep(30);
  EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(30));
  EXPECT_GE(static_cast<std::uint32_t>(GetTickCount() - before), 29u);
  Sleep(0);
  Sleep(-5);  // nothing to wait for
}

namespace {

std::atomic<int> workerValue{0};
std::atomic<bool> workerDone{false};
std::thread::id workerThread;

unsigned Worker(void* parameter) {
  workerThread = std::this_thread::get_id();
  workerValue = *static_cast<int*>(parameter);
  workerDone = true;
  return 0;
}

}  // namespace

TEST(SystemServicesTest, WorkerThreadRunsTheProcedureWithItsParameterWithoutTheCallerWaiting) {
  static int parameter = 77;
  workerDone = false;
  ASSERT_TRUE(AfxBeginThread(&Worker, &parameter));
  for (int i = 0; i < 1000 && !workerDone; ++i) Sleep(5);
  ASSERT_TRUE(workerDone);
  EXPECT_EQ(workerValue, 77);
  EXPECT_NE(workerThread, std::this_thread::get_id());
}
