#include "listdata/Quenlor.h"

#include "framework/Database.h"
#include "listdata/CQuenlorRecordset.h"
#include "listdata/CRSList_CT1Current.h"
#include "listdata/CRSList_Earthing.h"
#include "listdata/CRSList_Reactor.h"
#include "listdata/CRSList_VoltHigh.h"
#include "listdata/CRSList_VoltLow.h"
#include "tools/Filvaron.h"

#include <memory>
#include <vector>

namespace {

// The tables the recordsets of the list database read: a file that lacks one
// is not the list database.
std::vector<std::string> ListTables() {
    return {CRSList_CT1Current().GetDefaultSQL(), CRSList_Earthing().GetDefaultSQL(),
            CRSList_Reactor().GetDefaultSQL(), CRSList_VoltHigh().GetDefaultSQL(),
            CRSList_VoltLow().GetDefaultSQL()};
}

} // namespace

fw::CDatabase* DLLGetMDBQuenlor() {
    std::string path = CQuenlorRecordset::DatabasePath();
    auto db = std::make_unique<fw::CDatabase>();
    try {
        db->Open(path, false, true, CQuenlorRecordset::GetConnect());
        db->RequireTables(ListTables());
    } catch (const fw::CDbException& e) {
        DLLDispDatabaseOpenError(&e, "list", path);
        return nullptr;
    }
    return db.release();
}

void DLLDelMDBQuenlor(fw::CDatabase* db) {
    if (!db)
        return;
    db->Close();
    delete db;
}

std::string DLLGetTextEarthCode(unsigned earthCode) {
    switch (earthCode) {
    case 1:
        return "TN-S";
    case 2:
        return "TN-C-S";
    case 3:
        return "TN-C";
    case 4:
        return "TT";
    case 5:
        return "IT";
    default:
        return {};
    }
}

unsigned DLLGetDefaultWireSystem(unsigned earthCode) {
    switch (earthCode) {
    case 1:
        return 3;
    case 3:
        return 2;
    default:
        return 1;
    }
}
