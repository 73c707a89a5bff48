#include "shellcommon/DatabaseFunctions.h"

#include "breakerdata/recordsets/DorventaDatabases.h"
#include "equipdata/Sarquine.h"
#include "listdata/Quenlor.h"

CDatabaseFunctions CDatabaseFunctions::Libraries() {
    CDatabaseFunctions f;
    f.openBreaker = [](CVersion* expected, CVersion* reading) {
        return DLLGetMDBDorventa(expected, reading);
    };
    f.openCurve = [](CVersion* expected) { return DLLGetMDBOrbelune(expected); };
    f.openList = [] { return DLLGetMDBQuenlor(); };
    f.openEquipment = [] { return DLLGetMDBSarquine(); };
    f.closeBreaker = [](fw::CDatabase* db) { DLLDelMDBDorventa(db); };
    f.closeCurve = [](fw::CDatabase* db) { DLLDelMDBOrbelune(db); };
    f.closeEquipment = [](fw::CDatabase* db) { DLLDelMDBSarquine(db); };
    f.closeList = [](fw::CDatabase* db) { DLLDelMDBQuenlor(db); };
    return f;
}
