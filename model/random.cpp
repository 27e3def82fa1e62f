#include "model/random.h"

#include <chrono>

std::atomic<std::uint32_t> randomSeed{0};

std::uint32_t TickCount() {
  using namespace std::chrono;
  return static_cast<std::uint32_t>(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
