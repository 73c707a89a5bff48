#include "equipdata/Sarquine.h"

#include "equipdata/CRSEquip_BusBar.h"
#include "equipdata/CRSEquip_BusDuct.h"
#include "equipdata/CRSEquip_Generator.h"
#include "equipdata/CRSEquip_Load.h"
#include "equipdata/CRSEquip_Motor.h"
#include "equipdata/CRSEquip_MotorEff.h"
#include "equipdata/CRSEquip_Trans1.h"
#include "equipdata/CRSEquip_Trans3.h"
#include "equipdata/CRSEquip_WireC.h"
#include "equipdata/CRSEquip_WireI.h"
#include "equipdata/CRSEquip_WireZ.h"
#include "equipdata/CSarquineRecordset.h"
#include "framework/Database.h"
#include "tools/Filvaron.h"

#include <memory>
#include <vector>

namespace {

// The tables the recordsets of the equipment database read: a file that
// lacks one is not the equipment database.
std::vector<std::string> EquipmentTables() {
    return {CRSEquip_BusBar().GetDefaultSQL(),    CRSEquip_BusDuct().GetDefaultSQL(),
            CRSEquip_Generator().GetDefaultSQL(), CRSEquip_Load().GetDefaultSQL(),
            CRSEquip_Motor().GetDefaultSQL(),     CRSEquip_MotorEff().GetDefaultSQL(),
            CRSEquip_Trans1().GetDefaultSQL(),    CRSEquip_Trans3().GetDefaultSQL(),
            CRSEquip_WireC().GetDefaultSQL(),     CRSEquip_WireI().GetDefaultSQL(),
            CRSEquip_WireZ().GetDefaultSQL()};
}

} // namespace

fw::CDatabase* DLLGetMDBSarquine() {
    std::string path = CSarquineRecordset::DatabasePath();
    auto db = std::make_unique<fw::CDatabase>();
    try {
        db->Open(path, false, true, CSarquineRecordset::GetConnect());
        db->RequireTables(EquipmentTables());
    } catch (const fw::CDbException& e) {
        DLLDispDatabaseOpenError(&e, "equipment", path);
        return nullptr;
    }
    return db.release();
}

void DLLDelMDBSarquine(fw::CDatabase* db) {
    if (!db)
        return;
    db->Close();
    delete db;
}
