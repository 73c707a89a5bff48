#include "ModelDatabases.h"

namespace {

// One user-interface thread uses the models, so one set serves.
CModelDatabases g_databases;

} // namespace

const CModelDatabases& GetModelDatabases() {
    return g_databases;
}

void SetModelDatabases(const CModelDatabases& databases) {
    g_databases = databases;
}
