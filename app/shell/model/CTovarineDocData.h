#pragma once

#include "app/records/DocSettings.h"
#include "breakerdata/recordsets/CVersion.h"

#include <array>
#include <cstdint>

class CTVUpdate;

// The project's data and the document-wide services of the model: numbering
// counters, settings records, mode, graph ranges. The windowing document
// derives from it and fills the hooks below (modified flag, view hints,
// invalidation); without a window they do nothing, so the model and its
// tests run on this class alone.
class CTovarineDocData {
public:
    CTovarineDocData();
    virtual ~CTovarineDocData();
    CTovarineDocData(const CTovarineDocData&) = delete;
    CTovarineDocData& operator=(const CTovarineDocData&) = delete;

    // --- numbering -------------------------------------------------------
    // The last number given to an element of the kind (1 to 16, the text
    // box 200), and the counter of co-ordination graphs (kind 0 here).
    // Unknown kinds count nothing and read 0.
    int32_t GetCounter(int32_t kind) const;
    // Increments the kind's counter and returns the new value (0 for an
    // unknown kind).
    int32_t IncrementCounter(int32_t kind);
    void SetCounter(int32_t kind, int32_t value);

    // --- hooks of the windowing document ----------------------------------
    virtual void SetModifiedFlag(bool modified = true) { m_bModified = modified; }
    virtual bool IsModified() const { return m_bModified; }
    // Asks every view to redraw for the hint; the object may be null.
    virtual void UpdateAllViews(int32_t hint, const CTVUpdate* object) {
        (void)hint;
        (void)object;
    }

    // --- persisted members, in the file's order where it matters -----------
    CVersion m_version;
    // Counters in the stored order of kinds 9, 14, 6, 1, 13, 2, 12, 7, 4, 3,
    // 11, 5, 10, 8, then the graphs.
    std::array<int32_t, 15> m_nCounters{};
    CInfoProject m_infoProject;
    CInfoSkeleton m_infoSkeleton;
    CInfoReport m_infoReport;
    CInfoImpeMap m_infoImpeMap;
    int32_t m_nMode = 1;
    int32_t m_nSubMode = 0;
    double m_dCurrentFrom = 10.0;
    double m_dCurrentTo = 100000.0;
    double m_dTimeFrom = 0.01;
    double m_dTimeTo = 100000.0;
    // The reserved word of the file holds the text boxes' counter: without
    // it a reloaded project would name its next text box "Text1" again.
    int32_t m_nTextCounter = 0;
    int32_t m_nCountBusDuct = 0;  // kind 15
    int32_t m_nCountTrans1 = 0;   // kind 16

private:
    int32_t* CounterOf(int32_t kind);
    bool m_bModified = false;
};
