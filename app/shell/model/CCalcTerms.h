#pragma once

#include "framework/Geometry.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CCalcSkeleton;
class CObjElement;
struct CEleDocSettings;

// What the list building of every fault asks of the same elements again and
// again during one Calculation command: each element's impedance terms
// (phases, and the N and PE pairs of a conductor) and its symbol rectangle.
// Nothing of an element changes while the command runs, so each is worked
// out the first time it is asked for and kept by the element's index in the
// command's skeleton, all of one element side by side. The command drops
// them when it ends: an edit before the next command is seen there. The
// kinds, which the walks ask of every element they pass, are taken at the
// start.
class CCalcTerms {
public:
    // The terms of an element's CPercentZ the walks add up.
    struct Phase {
        double r, x, rMotor, rHalf, xHalf;
    };
    struct ReturnPairs {
        double rn, xn, rpe, xpe;
    };

    // For the skeleton's elements, on the base capacity given.
    CCalcTerms(const CCalcSkeleton& skeleton, double baseCapacity);

    // The element at the skeleton's index; settings must be the command's
    // (their base capacity the one given here).
    const Phase& PhaseOf(int32_t id, const CObjElement* e, const CEleDocSettings& settings);
    const ReturnPairs& ReturnPairsOf(int32_t id, const CObjElement* e,
                                     const CEleDocSettings& settings);
    const fw::CRect& RectOf(int32_t id, const CObjElement* e);

    int32_t KindOf(int32_t id) const { return m_kinds[static_cast<size_t>(id)]; }

    bool IsOf(const CCalcSkeleton* skeleton) const { return skeleton && skeleton == m_pSkeleton; }
    // Whether these are the terms of the skeleton on the base capacity.
    bool Serves(const CCalcSkeleton* skeleton, double baseCapacity) const {
        return skeleton == m_pSkeleton && baseCapacity == m_dBaseCapacity;
    }

private:
    enum : uint8_t { kPhase = 1, kReturnPairs = 2, kRect = 4 };
    // On two cache lines of their own: a step of a three-phase run reads
    // the first only, a loop run's both.
    struct alignas(64) Entry {
        uint8_t have = 0; // which of the three have been worked out
        fw::CRect rect;
        Phase phase;
        ReturnPairs returnPairs;
    };
    const CCalcSkeleton* m_pSkeleton;
    double m_dBaseCapacity;
    std::vector<Entry> m_entries;
    // Apart from the entries: a pass over a long list reads only these.
    std::vector<int32_t> m_kinds;
};
