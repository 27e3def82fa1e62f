#include "ui/platform/system_services.h"

#include <chrono>
#include <system_error>
#include <thread>

#include <time.h>

std::uint32_t GetTickCount() {
  // The boot-time clock counts from system start and includes time spent
  // suspended, as the game's tick count always has.
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  const std::uint64_t milliseconds =
      static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1000000u;
  return static_cast<std::uint32_t>(milliseconds);
}

void Sleep(int milliseconds) {
  if (milliseconds > 0) std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

bool AfxBeginThread(WorkerProcedure procedure, void* parameter) {
  try {
    std::thread(procedure, parameter).detach();
    return true;
  } catch (const std::system_error&) {
    return false;
  }
}
