#pragma once
// Where a turn's barbarians live. Units are created in slots taken in
// purchase order and ended in place (by Destroy, or by the turn's end); the
// memory stays with the pool until the turn releases it, so no pointer is
// ever compared after its memory was reused. Each thread has its own pool,
// kept from turn to turn up to kKeptSlots: after the first turns of a game
// or a simulation, a turn of the usual size allocates nothing, and the
// memory of a larger one is given back when it ends.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>
#include <vector>

#include "units/barbarian.h"
#include "units/scout.h"

class CUnitPool {
 public:
  // The slots kept from turn to turn: more than the turns of an active
  // player's games take (a few thousand units at most).
  static constexpr std::size_t kKeptSlots = 8 * 1024;

  // Constructs a unit of the given kind in the next free slot.
  template <typename Kind, typename... Args>
  Kind* Create(Args&&... args) {
    static_assert(sizeof(Kind) <= kSlotSize && alignof(Kind) <= kSlotAlign);
    return new (NextSlot()) Kind(std::forward<Args>(args)...);
  }

  // Makes every slot free again and gives back the memory beyond the first
  // kKeptSlots. Every unit in it must have been ended.
  void Release() {
    used_ = 0;
    free_ = end_ = nullptr;
    if (blocks_.size() > kKeptBlocks) blocks_.resize(kKeptBlocks);
  }

  // The slots whose memory the pool holds.
  std::size_t HeldSlots() const { return blocks_.size() * kBlockSlots; }

  // 0-based creation order of a unit created since the last release.
  int IndexOf(const CUnit* unit) const;

 private:
  static constexpr std::size_t kSlotSize = std::max(
      {sizeof(CScout), sizeof(CScavenger), sizeof(CCommonBarbarian), sizeof(CAmphibiousBarbarian),
       sizeof(CMobileBarbarian), sizeof(CJumpBarbarian), sizeof(CKamikazeeBarbarian), sizeof(CArmoredBarbarian)});
  // The units' own alignment, so that a slot is no larger than the largest
  // kind: a large turn's units should stay in as few cache lines as can be.
  static constexpr std::size_t kSlotAlign = std::max(
      {alignof(CScout), alignof(CScavenger), alignof(CCommonBarbarian), alignof(CAmphibiousBarbarian),
       alignof(CMobileBarbarian), alignof(CJumpBarbarian), alignof(CKamikazeeBarbarian), alignof(CArmoredBarbarian)});
  static constexpr std::size_t kBlockSlots = 1024;
  static constexpr std::size_t kKeptBlocks = kKeptSlots / kBlockSlots;
  static_assert(kKeptSlots % kBlockSlots == 0);

  struct alignas(kSlotAlign) Slot {
    unsigned char bytes[kSlotSize];
  };

  void* NextSlot() {
    if (free_ == end_) [[unlikely]]
      return NextBlock();
    ++used_;
    return free_++;
  }
  // The first slot of the next block, allocated the first time it is needed.
  void* NextBlock();

  std::vector<std::unique_ptr<Slot[]>> blocks_;
  std::size_t used_ = 0;  // slots handed out since the last release
  Slot* free_ = nullptr;  // the next free slot of the current block
  Slot* end_ = nullptr;   // the end of the current block
};

// The calling thread's pool.
CUnitPool& TurnUnitPool();
