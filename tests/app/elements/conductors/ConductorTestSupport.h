#pragma once

// The reference databases of the build handed to the models, as the
// application hands over its open handles, for the life of one test.

#include "app/shell/model/CElementDocument.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"

namespace condtest {

using elementtest::ModelDatabasesScope;
using elementtest::WithDatabases;

// A document of its own for the element object: counters, the settings a
// new or edited element takes, the circuit values its neighbours report,
// and a record of what the element asked for.
class TestDocument : public elementtest::TestDocumentBase {
public:
    void SaveUndo() override { ++undoSnapshots; }
    void DoReturnToCheckMode() override {
        mode = 2;
        ++returnsToCheck;
    }
    int32_t FindVoltage(CObjElement*, int32_t* singlePhase, int32_t) override {
        if (singlePhase)
            *singlePhase = foundSinglePhase;
        return foundVoltage;
    }
    uint32_t FindWireSystem(CObjElement*, int32_t) override { return foundWireSystem; }
    uint32_t FindEarthingSystem(CObjElement*, int32_t) override { return foundEarthing; }

    int32_t foundVoltage = 400;
    int32_t foundSinglePhase = 0;
    uint32_t foundWireSystem = 0;
    uint32_t foundEarthing = 0;
    int undoSnapshots = 0;
    int returnsToCheck = 0;
};

} // namespace condtest
