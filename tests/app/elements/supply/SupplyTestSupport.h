#pragma once

// What the supply elements' tests share: the reference databases of the
// build handed to the models for the life of a test, and a document for the
// element object.

#include "tests/app/elements/ModelDatabasesTestSupport.h"

namespace supplytest {

using elementtest::ModelDatabasesScope;

// A document of its own for the element object: counters, settings, what
// the neighbour queries answer, and a count of undo snapshots and hooks.
class TestDocument : public elementtest::TestDocumentBase {
public:
    void SaveUndo() override { ++undoSnapshots; }
    void DoChangeFrequency(int32_t f) override {
        ++frequencyChanges;
        frequency = f;
    }
    void DoReturnToCheckMode() override {
        ++checkModeReturns;
        mode = 2;
    }
    int32_t FindVoltage(CObjElement*, int32_t* singlePhase, int32_t mask) override {
        if (singlePhase)
            *singlePhase = foundSinglePhase;
        if (mask == 16)
            return voltageUp;
        if (mask == 64)
            return voltageDown;
        return voltage;
    }
    uint32_t FindWireSystem(CObjElement*, int32_t) override { return wireSystem; }
    uint32_t FindEarthingSystem(CObjElement*, int32_t) override { return earthing; }
    int undoSnapshots = 0;
    int frequencyChanges = 0;
    int checkModeReturns = 0;
    // What the neighbour queries find: the voltage of the directions asked
    // (up alone, down alone, any other mask), the single-phase flag, the
    // earthing and the wire system; 0 is "none found".
    int32_t voltage = 0;
    int32_t voltageUp = 0;
    int32_t voltageDown = 0;
    int32_t foundSinglePhase = 0;
    uint32_t earthing = 0;
    uint32_t wireSystem = 0;
};

} // namespace supplytest
