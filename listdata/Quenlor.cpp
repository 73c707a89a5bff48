#include "listdata/Quenlor.h"

#include "framework/Database.h"
#include "listdata/CQuenlorRecordset.h"
#include "tools/Filvaron.h"

#include <memory>

fw::CDatabase* DLLGetMDBQuenlor() {
    std::string path = CQuenlorRecordset::DatabasePath();
    auto db = std::make_unique<fw::CDatabase>();
    try {
        db->Open(path, false, true, CQuenlorRecordset::GetConnect());
    } catch (const fw::CDbException& e) {
        DLLDispDaoException(&e, path);
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
