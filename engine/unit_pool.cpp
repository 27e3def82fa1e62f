#include "engine/unit_pool.h"

#include <cstdint>

void* CUnitPool::NextBlock() {
  // used_ is a whole number of blocks here: the current one is full, or none
  // has been handed out since the last release.
  const std::size_t block = used_ / kBlockSlots;
  if (block == blocks_.size()) blocks_.push_back(std::make_unique<Slot[]>(kBlockSlots));
  free_ = blocks_[block].get();
  end_ = free_ + kBlockSlots;
  ++used_;
  return free_++;
}

int CUnitPool::IndexOf(const CUnit* unit) const {
  const auto address = reinterpret_cast<std::uintptr_t>(unit);
  for (std::size_t b = 0; b < blocks_.size(); ++b) {
    const auto first = reinterpret_cast<std::uintptr_t>(blocks_[b].get());
    if (address >= first && address < first + kBlockSlots * sizeof(Slot))
      return static_cast<int>(b * kBlockSlots + (address - first) / sizeof(Slot));
  }
  return -1;
}

CUnitPool& TurnUnitPool() {
  thread_local CUnitPool pool;
  return pool;
}
