#pragma once

// What the characteristic's tests and benchmarks share: the build's breaker,
// curve and list databases handed to the models, characteristics read as a
// loaded document holds them, and the graph of the worked examples.

#include "app/protection/CObjAdjust.h"
#include "app/protection/CObjGraph.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "breakerdata/recordsets/CRSManufacture.h"
#include "framework/Archive.h"
#include "framework/Database.h"
#include "framework/ProgramFolder.h"
#include "listdata/Quenlor.h"

#include <stdexcept>

namespace adjusttest {

// The reference databases as the models' handles for the life of the scope.
class BreakerDatabasesScope {
public:
    BreakerDatabasesScope() : m_previous(GetModelDatabases()) {
        m_breaker.Open(fw::GetProgramFolder() + "dorventa.mdb");
        m_curve.Open(fw::GetProgramFolder() + "orbelune.mdb");
        m_list = DLLGetMDBQuenlor();
        CModelDatabases dbs = m_previous;
        dbs.pBreaker = &m_breaker;
        dbs.pCurve = &m_curve;
        dbs.pList = m_list;
        SetModelDatabases(dbs);
    }
    ~BreakerDatabasesScope() {
        SetModelDatabases(m_previous);
        DLLDelMDBQuenlor(m_list);
    }
    BreakerDatabasesScope(const BreakerDatabasesScope&) = delete;
    BreakerDatabasesScope& operator=(const BreakerDatabasesScope&) = delete;

private:
    CModelDatabases m_previous;
    fw::CDatabase m_breaker;
    fw::CDatabase m_curve;
    fw::CDatabase* m_list = nullptr;
};

// The default product of a type (kind flag, type id) at a voltage with its
// default dial settings, as a loaded document holds it: the stored fields
// only, so that every reading from the database is the characteristic's own.
inline void ReadLoaded(CObjAdjust& adjust, int32_t kindFlag, int32_t typeID, int32_t voltage) {
    CObjAdjust scratch;
    scratch.m_infoBase.m_nKindFlag = kindFlag;
    scratch.m_infoBase.m_lTypeID = typeID;
    scratch.m_infoBase.m_nVoltage = voltage;
    fw::CDatabase* db = GetModelDatabases().pBreaker;
    const int32_t rated = scratch.m_infoBase.DoReadDefaultByTypeID(db, &scratch.m_readBase, 0);
    if (rated <= 0)
        throw std::runtime_error("no rating for the type");
    if (scratch.m_listInfoPart.DoReadDefaultAllInfoPart(db, rated, &scratch.m_listReadPart) <= 0)
        throw std::runtime_error("no trip elements for the type");
    // Maker and group, as the selection dialogs put them in.
    CInfoBase& info = scratch.m_infoBase;
    if (CRSBreak_Type(db).DoReadByTypeID(typeID, &info, nullptr, 1) <= 0 ||
        CRSBreak_Group(db).DoReadByManuGroupID(info.m_lManufactureID, info.m_lGroupID, &info) <=
            0 ||
        CRSManufacture(db).DoReadByManufactureID(info.m_lManufactureID, &info) <= 0)
        throw std::runtime_error("no maker or group for the type");
    if (info.IsOkSetCurveInfo() != 1)
        throw std::runtime_error("the selection is not complete");
    scratch.m_nInitialised = 1;
    fw::CArchive out = fw::CArchive::ForStoring();
    scratch.Serialize(out);
    fw::CArchive in = fw::CArchive::ForLoading(out.Bytes());
    adjust.Serialize(in);
}

// Ranges 1 to 1e5 A and 0.01 to 1e4 s laid out in the frame (1000, 600,
// 9500, 9800): decades of 1840 (current) and 1533 (time) units from the
// origin (1000, 600).
inline CObjGraph WorkedGraph(int32_t voltage, uint32_t number = 3) {
    CObjGraph graph;
    graph.m_nGraphNo = number;
    graph.m_dCurrentMin = 1.0;
    graph.m_dCurrentMax = 100000.0;
    graph.m_dTimeMin = 0.01;
    graph.m_dTimeMax = 10000.0;
    graph.m_nStdVoltage = voltage;
    graph.DoCalcGraphRect(1000, 600, 9500, 9800);
    return graph;
}

} // namespace adjusttest
