#pragma once

// Shared by the tests of the generator, motor effect, motor, general load,
// capacitor and text box: the reference databases of the build handed to
// the models, a small document for the element object, records stored to
// bytes and read back at a file version, and the search for "nan"/"inf" in
// texts.

#include "app/records/ModelDatabases.h"
#include "app/shell/model/CElementDocument.h"
#include "framework/Archive.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace machinetest {

using DatabasesScope = elementtest::ModelDatabasesScope;

// No databases at all, as when the models run before the application
// opened them.
class NoDatabasesScope {
public:
    NoDatabasesScope() : m_previous(GetModelDatabases()) { SetModelDatabases(CModelDatabases()); }
    ~NoDatabasesScope() { SetModelDatabases(m_previous); }
    NoDatabasesScope(const NoDatabasesScope&) = delete;
    NoDatabasesScope& operator=(const NoDatabasesScope&) = delete;

private:
    CModelDatabases m_previous;
};

using elementtest::WithDatabases;

// A document that answers the element object from its fields and counts
// what the element asked of it.
class TestDocument : public elementtest::TestDocumentBase {
public:
    void SaveUndo() override { ++undoCount; }
    void DoChangeFrequency(int32_t f) override {
        changedFrequencies.push_back(f);
        frequency = f;
    }
    void DoReturnToCheckMode() override {
        ++returnsToCheck;
        mode = 2;
    }
    int32_t FindVoltage(CObjElement*, int32_t* singlePhase, int32_t mask) override {
        askedMask = mask;
        if (singlePhase)
            *singlePhase = foundSinglePhase;
        return foundVoltage;
    }
    uint32_t FindWireSystem(CObjElement*, int32_t) override { return foundWireSystem; }
    uint32_t FindEarthingSystem(CObjElement*, int32_t) override { return foundEarthing; }
    double GetUpstreamCapacity(CObjElement*) override { return upstreamCapacity; }
    void DoPropagateDown(CObjElement*, int32_t, int32_t, int32_t, int32_t, int32_t) override {
        ++propagations;
    }
    void DoPropagateUp(CObjElement*, int32_t, int32_t, int32_t, int32_t, int32_t) override {
        ++propagations;
    }
    void DoPropagateLeft(CObjElement*, int32_t, int32_t, int32_t, int32_t) override {
        ++propagations;
    }
    void DoPropagateRight(CObjElement*, int32_t, int32_t, int32_t, int32_t) override {
        ++propagations;
    }

    int32_t foundVoltage = 0;
    int32_t foundSinglePhase = 0;
    uint32_t foundEarthing = 0;
    uint32_t foundWireSystem = 0;
    double upstreamCapacity = 0.0;
    int32_t askedMask = 0;
    int undoCount = 0;
    int returnsToCheck = 0;
    int propagations = 0;
    std::vector<int32_t> changedFrequencies;
};

// The record of a model as stored now.
template <class Model> std::vector<uint8_t> Store(Model& model) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    model.Serialize(ar);
    return ar.Bytes();
}

// A model read from bytes as a file of the version holds it; the whole
// record must be used.
template <class Model> Model Load(const std::vector<uint8_t>& bytes, double version) {
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    ar.SetReadVersion(version);
    Model model;
    model.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u) << "the record was not read to its end";
    return model;
}

// Whether a text shows an infinite or undefined number.
inline bool ShowsNonFinite(const std::string& text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("nan") != std::string::npos || lower.find("inf") != std::string::npos;
}

} // namespace machinetest
