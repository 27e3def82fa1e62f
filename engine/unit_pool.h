#pragma once
// Where a turn's barbarians live. Units are created in slots taken in
// purchase order and ended in place (by Destroy, or by the turn's end); the
// memory stays with the pool until the turn releases it, so no pointer is
// ever compared after its memory was reused. Each thread has its own pool,
// kept from turn to turn: after the first turns of a game or a simulation,
// a turn allocates nothing.

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>
#include <vector>

#include "units/barbarian.h"
#include "units/scout.h"

class CUnitPool {
 public:
  // Constructs a unit of the given kind in the next free slot.
  template <typename Kind, typename... Args>
  Kind* Create(Args&&... args) {
    static_assert(sizeof(Kind) <= kSlotSize && alignof(Kind) <= kSlotAlign);
    return new (NextSlot()) Kind(std::forward<Args>(args)...);
  }

  // Makes every slot free again. Every unit in it must have been ended.
  void Release() { used_ = 0; }

  // 0-based creation order of a unit created since the last release.
  int IndexOf(const CUnit* unit) const;

 private:
  static constexpr std::size_t kSlotSize = std::max(
      {sizeof(CScout), sizeof(CScavenger), sizeof(CCommonBarbarian), sizeof(CAmphibiousBarbarian),
       sizeof(CMobileBarbarian), sizeof(CJumpBarbarian), sizeof(CKamikazeeBarbarian), sizeof(CArmoredBarbarian)});
  static constexpr std::size_t kSlotAlign = alignof(std::max_align_t);
  static constexpr std::size_t kBlockSlots = 1024;

  struct alignas(kSlotAlign) Slot {
    unsigned char bytes[kSlotSize];
  };

  void* NextSlot();

  std::vector<std::unique_ptr<Slot[]>> blocks_;
  std::size_t used_ = 0;
};

// The calling thread's pool.
CUnitPool& TurnUnitPool();
