/// @file
/// The chunked list: a growable array of slots whose storage is always a whole multiple of its
/// growth step.
///
/// Setting the count to N computes the capacity from the count *before* the change, as
/// step × (count div step + 1), and resizes the storage to it only when that differs from the
/// current capacity. Growth by one therefore always finds room, and a reduction never shrinks the
/// storage. Every list of the framework (keyboards, mice, render lists, a render list's materials,
/// a material's draw packs) is one of these.
///
/// Two guarantees beyond the plain rule: a failed resize leaves the count unchanged, and the count
/// never covers a slot that does not exist (a jump past the computed capacity enlarges the storage
/// to cover it; a capacity that cannot be represented fails).
///
/// Slot is a pointer (non-owning) or a std::unique_ptr (owning). Main thread only.
#pragma once

#include "vynAllocation.h"
#include "vynFailure.h"

#include <cstdint>
#include <limits>
#include <utility>
#include <vector>

namespace vyn {

/// What LastIndex holds while the list is empty.
enum class EmptyLastIndex { Zero, Wrap };

/// A growable array of slots whose storage is always a whole multiple of its growth step; Slot is
/// a pointer (non-owning) or a std::unique_ptr (owning).
template <typename Slot>
class TChunkedList {
  public:
    /// An empty list growing by `growthStep` (0 counts as 1), with `capacity` slots made at once.
    explicit TChunkedList(uint32_t growthStep, uint32_t capacity = 0,
                          EmptyLastIndex emptyLastIndex = EmptyLastIndex::Zero)
        : GrowthStep(growthStep == 0 ? 1 : growthStep), EmptyRule(emptyLastIndex) {
        if (capacity > 0)
            SetCapacity(capacity);
    }

    std::vector<Slot> Slots; ///< The storage: Capacity slots, the first Count in use.
    uint32_t Count = 0;      ///< Entries in use.
    uint32_t LastIndex = 0;  ///< Count - 1; while empty, 0 or the all-ones value (EmptyLastIndex).
    uint32_t Capacity = 0;   ///< Slots allocated.
    uint32_t GrowthStep;     ///< The step the capacity is a multiple of.

    /// step × (count div step + 1) in 32-bit unsigned arithmetic, as the rule states it.
    static uint32_t CapacityAfter(uint32_t count, uint32_t step) {
        return step * (count / step + 1);
    }

    /// Resizes the storage to n slots, keeping entries and leaving new slots empty.
    bool SetCapacity(uint32_t n) noexcept {
        try {
            ThrowIfAllocationFailureInjected();
            Slots.resize(n);
            Capacity = n;
            return true;
        } catch (...) {
            return FailFromException("cannot resize a list's storage");
        }
    }

    /// The chunked-list count change; false (count unchanged) when the storage cannot be resized.
    bool SetCount(uint32_t n) noexcept {
        uint64_t capacity = CapacityAfter(Count, GrowthStep);
        if (n > capacity)
            capacity = (uint64_t{n} + GrowthStep - 1) / GrowthStep * GrowthStep;
        if (capacity > std::numeric_limits<uint32_t>::max())
            return Fail("a list cannot hold that many entries");
        if (capacity != Capacity && !SetCapacity(static_cast<uint32_t>(capacity)))
            return false;
        Count = n;
        LastIndex = (n == 0 && EmptyRule == EmptyLastIndex::Zero) ? 0 : n - 1;
        return true;
    }

    /// Grows the count by one and stores the slot in the new last place.
    bool Add(Slot slot) noexcept {
        if (Count == std::numeric_limits<uint32_t>::max())
            return Fail("a list cannot hold that many entries");
        if (!SetCount(Count + 1))
            return false;
        Slots[LastIndex] = std::move(slot);
        return true;
    }

    /// Sets the count to 0; the storage stays.
    bool Clear() noexcept { return SetCount(0); }

    /// Slots 0 .. Count-1 in order.
    ///@{
    auto begin() const { return Slots.begin(); }
    auto end() const { return Slots.begin() + Count; }
    ///@}

  private:
    EmptyLastIndex EmptyRule;
};

} // namespace vyn
