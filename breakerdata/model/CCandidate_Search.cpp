// The automatic selection search: the walk over makers and breaker codes,
// one pass over the selection join for each group found.

#include "breakerdata/model/CCandidate.h"

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_TypeLVCB.h"
#include "breakerdata/recordsets/CRSManufacture.h"

#include <array>
#include <utility>

namespace {

// The order in which a selection without maker is searched: (maker, breaker
// code).
constexpr std::array<std::pair<int32_t, int32_t>, 9> kMakerCodeWalk = {
    {{1, 10}, {2, 10}, {1, 11}, {1, 12}, {1, 13}, {1, 14}, {1, 20}, {1, 21}, {1, 30}}};

// The breaker codes of the first maker, searched when it has no group.
constexpr std::array<int32_t, 8> kFirstMakerCodes = {10, 11, 12, 13, 14, 20, 21, 30};

// The position of a pair in the walk, -1 when it is not one of them.
int WalkPosition(int32_t maker, int32_t code) {
    for (size_t i = 0; i < kMakerCodeWalk.size(); ++i)
        if (kMakerCodeWalk[i].first == maker && kMakerCodeWalk[i].second == code)
            return static_cast<int>(i);
    return -1;
}

// The position after a pair: after (1, 10) comes (2, 10), after any pair of
// maker 2 comes (1, 11), then the codes of maker 1 in order; -1 ends.
int NextWalkPosition(int32_t maker, int32_t code) {
    if (maker == 2)
        return WalkPosition(1, 11);
    int at = WalkPosition(maker, code);
    if (at < 0 || at + 1 >= static_cast<int>(kMakerCodeWalk.size()))
        return -1;
    return at + 1;
}

// The group of the selection's maker, kind flag and breaker code, id and
// name (0 and empty when there is none).
void LookUpGroup(fw::CDatabase* database, CInfoBase& w) {
    CRSBreak_Group rs(database);
    std::string name;
    w.m_lGroupID = rs.DoReadGetGroupID(w.m_lManufactureID, w.m_nKindFlag, w.m_nLVCBCode, name);
    w.m_strGroupName = w.m_lGroupID > 0 ? name : std::string();
}

int ReadMaker(fw::CDatabase* database, CInfoBase& w) {
    CRSManufacture rs(database);
    return rs.DoReadByManufactureID(w.m_lManufactureID, &w);
}

} // namespace

void CCandidateList::DoSearchGetByCapacity(fw::CDatabase* database, const CInfoBase* selection,
                                           unsigned use, int poles, double required,
                                           unsigned kind) {
    DoDeleteAllCandidate();
    if (!selection || !(selection->m_dRatedValue > 0.0))
        return;
    CInfoBase w = *selection;
    auto pass = [&](const CInfoBase& s) {
        CRSBreak_TypeLVCB rs(database);
        rs.DoSearchSetToList(this, &s, use, poles, required, kind);
    };

    if (w.m_lManufactureID <= 0) {
        int at = 0;
        while (at >= 0) {
            w.m_lManufactureID = kMakerCodeWalk[at].first;
            w.m_nLVCBCode = kMakerCodeWalk[at].second;
            CInfoBase v = w;
            if (ReadMaker(database, v) == 0) {
                // A missing maker row falls back to the moulded-case breakers
                // of the first maker.
                v = *selection;
                v.m_lManufactureID = 1;
                v.m_nLVCBCode = 11;
            }
            w = v;
            LookUpGroup(database, w);
            if (w.m_lGroupID < 1)
                break;
            pass(w);
            // The walk only moves forward: a fallback to an earlier pair must
            // not lead back to the pair that fell back, or a database without
            // the first maker's row would be walked for ever.
            int next = NextWalkPosition(w.m_lManufactureID, w.m_nLVCBCode);
            if (next >= 0 && next <= at)
                next = at + 1 < static_cast<int>(kMakerCodeWalk.size()) ? at + 1 : -1;
            at = next;
        }
        return;
    }

    if (w.m_lGroupID >= 1) {
        ReadMaker(database, w);
        pass(w);
        return;
    }

    if (w.m_lManufactureID == 1) {
        for (int32_t code : kFirstMakerCodes) {
            w.m_nLVCBCode = code;
            ReadMaker(database, w);
            LookUpGroup(database, w);
            if (w.m_lGroupID < 1)
                break;
            pass(w);
        }
        return;
    }

    if (w.m_lManufactureID == 2) {
        w.m_nLVCBCode = 10;
        ReadMaker(database, w);
        LookUpGroup(database, w);
        if (w.m_lGroupID >= 1)
            pass(w);
    }
}
