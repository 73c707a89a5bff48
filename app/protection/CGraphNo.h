#pragma once

#include "app/records/CObjRefV2List.h"
#include "framework/Archive.h"

#include <cstdint>

// One co-ordination graph on which an owner's curve or current mark is shown,
// with the placements of the owner's labels on that graph.
class CGraphNo : public fw::CObject {
    FW_DECLARE_SERIAL(CGraphNo)
public:
    CGraphNo() = default;
    CGraphNo(const CGraphNo&) = default;
    CGraphNo& operator=(const CGraphNo&) = default;
    ~CGraphNo() override = default;

    uint32_t GetGraphNo() const { return m_nGraphNo; }

    // Sets the graph number and appends count new default placements (none
    // for a count of 0 or less); placements already there stay.
    void DoSetGraphNo(uint32_t number, int count);

    // The graph number, then the placements as an object list.
    void Serialize(fw::CArchive& ar) override;

    uint32_t m_nGraphNo = 0;
    CObjRefV2List m_listRefV2;
};
