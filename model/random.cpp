#include "model/random.h"

std::atomic<std::uint32_t> randomSeed{0};
