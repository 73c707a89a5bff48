#pragma once

#include "framework/COwnedList.h"

#include "framework/Archive.h"

#include <cstdint>
#include <string>

namespace fw {
class CDatabase;
} // namespace fw
class CInfoBase;

// One breaker type that the automatic selection found for a calculation
// point: maker, group, the breaker code it was found under, and its breaking
// capacities at the circuit voltage. Kept in the project document.
class CCandidate : public fw::CObject {
    FW_DECLARE_SERIAL(CCandidate)
public:
    CCandidate() = default;
    // A new candidate assigned from another: the spare values and the JIS
    // flag stay 0.
    CCandidate(const CCandidate& other) : fw::CObject() { *this = other; }
    // Copies maker, group, breaker code, type, Ics, Icu and Iq; the spare
    // values and the JIS flag of the target stay as they are.
    CCandidate& operator=(const CCandidate& other);

    // Maker, group, breaker code and type (int32), then Ics, Icu and Iq
    // (double): 40 bytes. The spare values and the JIS flag are not stored
    // and are 0 after loading.
    void Serialize(fw::CArchive& ar) override;

    // The capacity in kA with four significant digits, "No data" when
    // negative; with unitFlag 1 and a value above 0 followed by "kA".
    std::string DoGetTextIcs(int unitFlag) const;
    std::string DoGetTextIcu(int unitFlag) const;
    // The names of the group and of the type from the breaker database;
    // empty when the candidate names none or the row is missing.
    std::string DoGetTextGroupName(fw::CDatabase* database) const;
    std::string DoGetTextTypeName(fw::CDatabase* database) const;

    int32_t m_lManufactureID = 0; // [lManufactureID] of the type
    int32_t m_lGroupID = 0;       // [lGroupID] of the type
    int32_t m_nLVCBCode = 0;      // the group's [nLVCBCode] it was found under
    int32_t m_lTypeID = 0;        // [lTypeID]: the key within a list
    double m_dIcs = 0.0;          // service breaking capacity (A)
    double m_dIcu = 0.0;          // ultimate breaking capacity (A)
    double m_dIq = 0.0;           // third breaking value (A)
    double m_dSpare[3] = {0.0, 0.0, 0.0};
    int32_t m_bJIS = 0; // 1: Ics, Icu and Iq are those of JIS C 8201
};

// The candidates of one calculation point, each type once. The list owns its
// candidates.
class CCandidateList : public COwnedList<CCandidate> {
public:
    void DoDeleteAllCandidate();
    // The first candidate from the head with that type; null when the id is
    // 0 or less or no candidate has it.
    CCandidate* DoFindFromCandidate(int32_t typeID) const;
    // A new zeroed candidate at the tail.
    CCandidate* DoAddNewCandidate();
    // Replaces the content by candidates assigned from the other list's (so
    // with JIS flag 0). Copying a list onto itself leaves it as it is.
    void DoCopyAllCandidate(const CCandidateList* other);

    // The automatic selection: every breaker type that admits the selection's
    // rated value and the pole count, reaches the required current (Icu, or
    // Ics for kind 1) at the circuit voltage, and suits the use. Without a
    // maker the makers and breaker codes are walked in their fixed order.
    // The selection is not changed; a rated value of 0 or less gives an
    // empty list.
    void DoSearchGetByCapacity(fw::CDatabase* database, const CInfoBase* selection, unsigned use,
                               int poles, double required, unsigned kind);
};
