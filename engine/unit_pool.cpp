#include "engine/unit_pool.h"

#include <cstdint>

void* CUnitPool::NextSlot() {
  const std::size_t block = used_ / kBlockSlots;
  if (block == blocks_.size()) blocks_.push_back(std::make_unique<Slot[]>(kBlockSlots));
  Slot* slot = &blocks_[block][used_ % kBlockSlots];
  ++used_;
  return slot;
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
