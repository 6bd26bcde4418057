#include "ordering.h"

#include <algorithm>

#include "text/cp1250.h"

namespace lexavo::mkdict {

namespace {

unsigned char firstFolded(std::string_view headword) {
    return headword.empty() ? 0 : static_cast<unsigned char>(foldAscii(headword[0]));
}

std::vector<uint32_t> firstSlots(const std::vector<Unit>& units) {
    std::vector<uint32_t> slots(units.size());
    uint32_t next = 0;
    for (size_t i = 0; i < units.size(); ++i) {
        slots[i] = next;
        next += units[i].size;
    }
    return slots;
}

std::array<int32_t, 256> unitIndex(const std::vector<Unit>& units,
                                   const std::vector<uint32_t>& slots, bool forceA) {
    StartIndex index;
    index.fill(-1);
    for (size_t i = 0; i < units.size(); ++i)
        addToStartIndex(index, units[i].head, static_cast<int32_t>(slots[i]));
    if (forceA) pinStartSlot(index);
    return index;
}

// First unit (from `from`) whose head is not reachable, or units.size().
size_t firstUnreachable(const std::vector<Unit>& units, const std::vector<uint32_t>& slots,
                        const std::array<int32_t, 256>& index, size_t from) {
    for (size_t i = from; i < units.size(); ++i) {
        if (!isReachable(index, units[i].head, slots[i])) return i;
    }
    return units.size();
}

// A unit after `at` that, moved to position `at`, provides key `needed` there and is
// itself reachable there. Units that anchor themselves (key == own folded first byte)
// are preferred; among equals the nearest, which disturbs the order least.
size_t findAnchor(const std::vector<Unit>& units, const std::vector<uint32_t>& slots,
                  const std::array<int32_t, 256>& index, size_t at, unsigned char needed,
                  bool forceA) {
    size_t fallback = units.size();
    for (size_t j = at + 1; j < units.size(); ++j) {
        if (startSlotKey(units[j].head) != needed) continue;
        const unsigned char own = firstFolded(units[j].head);
        if (forceA && own == kPinnedStartLetter && slots[at] == 0) continue;
        if (own == needed) return j;
        // Its own start slot must lie strictly before `at`: everything from `at` on
        // moves one place down when it is put there.
        const int32_t start = index[own];
        const bool reachable = start != -1 && start < static_cast<int32_t>(slots[at]);
        if (reachable && fallback == units.size()) fallback = j;
    }
    return fallback;
}

void moveUnit(std::vector<Unit>& units, size_t from, size_t to) {
    std::rotate(units.begin() + static_cast<std::ptrdiff_t>(to),
                units.begin() + static_cast<std::ptrdiff_t>(from),
                units.begin() + static_cast<std::ptrdiff_t>(from) + 1);
}

}  // namespace

std::array<int32_t, 256> buildStartIndex(const std::vector<std::string>& slots, bool forceA) {
    StartIndex index;
    index.fill(-1);
    for (size_t i = 0; i < slots.size(); ++i)
        addToStartIndex(index, slots[i], static_cast<int32_t>(i));
    if (forceA) pinStartSlot(index);
    return index;
}

bool isReachable(const std::array<int32_t, 256>& index, std::string_view headword, uint32_t slot) {
    const int32_t start = index[firstFolded(headword)];
    return start != -1 && static_cast<uint32_t>(start) <= slot;
}

ArrangeResult arrangeForReachability(std::vector<Unit>& units, bool forceA,
                                     const AnchorMaker& makeAnchor) {
    ArrangeResult result;
    size_t from = 0;
    while (true) {
        const std::vector<uint32_t> slots = firstSlots(units);
        const std::array<int32_t, 256> index = unitIndex(units, slots, forceA);
        const size_t bad = firstUnreachable(units, slots, index, from);
        if (bad == units.size()) break;
        size_t anchor = units.size();
        if (forceA && slots[bad] == 0 && firstFolded(units[bad].head) == kPinnedStartLetter) {
            // Slot 0 can hold no a-word when the entry of 'a' is pinned to 1: open the
            // list with a unit that is its own start slot instead.
            for (size_t j = 1; j < units.size(); ++j) {
                const unsigned char own = firstFolded(units[j].head);
                if (own != kPinnedStartLetter && startSlotKey(units[j].head) == own) {
                    anchor = j;
                    break;
                }
            }
        } else {
            anchor = findAnchor(units, slots, index, bad, firstFolded(units[bad].head), forceA);
        }
        Unit made;
        const unsigned char needed = firstFolded(units[bad].head);
        if (anchor < units.size()) {
            moveUnit(units, anchor, bad);
            ++result.moved;
        } else if (makeAnchor && !(forceA && needed == kPinnedStartLetter) &&
                   makeAnchor(needed, made) && made.head.size() == 1 &&
                   startSlotKey(made.head) == needed) {
            result.added.push_back(made);
            units.insert(units.begin() + static_cast<std::ptrdiff_t>(bad), made);
        } else {
            // Nothing can open this unit's start slot early enough: leave it out. The
            // units before it cannot depend on it (a start slot serves only the slots
            // after it), so the scan goes on from here.
            result.unreachable.push_back(units[bad]);
            units.erase(units.begin() + static_cast<std::ptrdiff_t>(bad));
        }
        from = bad;
    }
    return result;
}

std::vector<std::pair<uint32_t, std::string>> findUnreachable(const std::vector<std::string>& slots,
                                                              bool forceA) {
    const std::array<int32_t, 256> index = buildStartIndex(slots, forceA);
    std::vector<std::pair<uint32_t, std::string>> bad;
    for (uint32_t s = 0; s < slots.size(); ++s) {
        if (!isReachable(index, slots[s], s)) bad.emplace_back(s, slots[s]);
    }
    return bad;
}

}  // namespace lexavo::mkdict
