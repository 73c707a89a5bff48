#pragma once

#include "app/protection/CGapLine.h"
#include "app/protection/CObjGraphList.h"
#include "app/records/DocSettings.h"
#include "app/shell/model/CObjGroupList.h"

#include <array>
#include <cstdint>

// The one undo snapshot of a document: deep copies of everything a command
// may change (counters, settings, the tree with its element models, graphs,
// mode, ranges, gap line), taken just before the change.
class CTovarineUndo {
public:
    std::array<int32_t, 15> m_nCounters{};
    CInfoProject m_infoProject;
    CInfoSkeleton m_infoSkeleton;
    CInfoReport m_infoReport;
    CInfoImpeMap m_infoImpeMap;
    CObjGroupList m_listGroups;
    CObjGraphList m_listGraphs;
    int32_t m_nMode = 1;
    int32_t m_nSubMode = 0;
    double m_dRanges[4] = {};
    int32_t m_nTextCounter = 0;
    int32_t m_nCountBusDuct = 0;
    int32_t m_nCountTrans1 = 0;
    CGapLine m_gapLine;
};
