#pragma once

namespace fw {
class CDatabase;
}

// The reference databases that the models read from. The application opens
// them at start-up and hands them over here (the models sit below the
// application and cannot ask it); tests hand over the reference databases
// of the build. A database that is not open is null, and a model then takes
// the values a missing row gives.
struct CModelDatabases {
    fw::CDatabase* pBreaker = nullptr; // breaker database
    fw::CDatabase* pCurve = nullptr;   // curve database
    fw::CDatabase* pEquip = nullptr;   // equipment database
    fw::CDatabase* pList = nullptr;    // list database
};

const CModelDatabases& GetModelDatabases();
void SetModelDatabases(const CModelDatabases& databases);
