#pragma once
// Slot order and reachability. The program starts both its prefix search and its exact
// lookup at firstLetterIndex[first typed byte, folded], the lowest slot whose key byte
// (a headword's second byte; a one-byte headword's only byte) is that byte, and scans
// to the end. A headword at slot s is therefore found for its own text only when that
// entry exists and is <= s. A sorted list mostly satisfies this by itself; where it
// does not, a headword with the needed key byte is moved in front of the first
// headword that needs it.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/dictionary_store.h"

namespace lexavo::mkdict {

// A run of headwords that must stay adjacent (a German noun and its form with the
// article); all of it shares the first two bytes of `head`.
struct Unit {
    std::string head;    // code page 1250, the unit's first headword
    uint32_t size = 1;   // number of slots
    size_t payload = 0;  // the caller's index of the unit
};

// firstLetterIndex as the program's loader builds it from headwords in slot order
// (addToStartIndex, startSlotKey); forceA applies the "Čj->Nj" pin (pinStartSlot).
std::array<int32_t, 256> buildStartIndex(const std::vector<std::string>& slots, bool forceA);

// True when the headword at `slot` is reached from the start slot of its folded first
// byte.
bool isReachable(const std::array<int32_t, 256>& index, std::string_view headword, uint32_t slot);

// Makes a one-byte unit for a first byte that no headword can serve as start slot (a
// letter such as 'Ä' or 'Č' that no headword has as its second byte); false when
// there is none to make.
using AnchorMaker = std::function<bool(unsigned char firstByte, Unit& anchor)>;

struct ArrangeResult {
    size_t moved = 0;               // units moved out of collation order
    std::vector<Unit> added;        // units made by the anchor maker
    std::vector<Unit> unreachable;  // units left out: no order makes them reachable
};

// Reorders `units` (already sorted) so that every headword is reachable, moving as few
// units as it can, inserting made anchors where no unit can be moved; units that
// still cannot be made reachable are removed from `units`.
ArrangeResult arrangeForReachability(std::vector<Unit>& units, bool forceA,
                                     const AnchorMaker& makeAnchor = {});

// Headwords (with their slots) that the program could not reach; empty for a good set.
std::vector<std::pair<uint32_t, std::string>> findUnreachable(const std::vector<std::string>& slots,
                                                              bool forceA);

}  // namespace lexavo::mkdict
