#include "equipdata/Sarquine.h"

#include "equipdata/CSarquineRecordset.h"
#include "framework/Database.h"
#include "tools/Filvaron.h"

#include <memory>

fw::CDatabase* DLLGetMDBSarquine() {
    std::string path = CSarquineRecordset::DatabasePath();
    auto db = std::make_unique<fw::CDatabase>();
    try {
        db->Open(path, false, true, CSarquineRecordset::GetConnect());
    } catch (const fw::CDbException& e) {
        DLLDispDaoException(&e, path);
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
