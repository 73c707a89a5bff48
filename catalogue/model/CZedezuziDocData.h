#pragma once

#include "catalogue/model/CDrawDataX.h"
#include "catalogue/model/CDrawDataY.h"
#include "catalogue/model/CInfoPrint.h"

#include "breakerdata/model/CCandidate.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/recordsets/CVersion.h"

#include <cstdint>
#include <memory>
#include <string>

namespace fw {
class CArchive;
class CDatabase;
} // namespace fw

// Search kinds of a catalogue document.
enum ZedezuziSearchKind : int32_t {
    kSearchNone = 0,
    kSearchOptional = 1,
    kSearchCascade = 2,
    kSearchSelective = 3,
    kSearchCoordination = 4
};

// What a catalogue document holds from its print settings to its tables: the
// conditions of the four searches, the kind of the last search, the breakers
// it found and the tables built from them. The undo snapshot is a copy of it.
class CZedezuziContent {
public:
    CZedezuziContent() = default;
    CZedezuziContent(const CZedezuziContent& other) { DoCopyFrom(other); }
    CZedezuziContent& operator=(const CZedezuziContent& other) {
        DoCopyFrom(other);
        return *this;
    }
    virtual ~CZedezuziContent() = default;

    // Copies every member; the tables row by row, the candidates one by one.
    void DoCopyFrom(const CZedezuziContent& other);

    CInfoPrint m_infoPrint;
    CCandidateList m_listCandidate;
    int32_t m_nSearchKind = kSearchNone;
    // Optional search.
    CInfoBase m_InfoBaseOptional;
    double m_dOptionalCapacity = 0.0; // A
    int32_t m_nOptionalPoles = 3;
    // Cascade search.
    CInfoBase m_InfoBaseCascadeUp;
    CInfoBase m_InfoBaseCascadeDown;
    double m_dIcuBack = 0.0; // A
    int32_t m_nCascadePoles = 3;
    int32_t m_nCascadeMode = 3; // 1 upstream, 2 downstream, 3 the pair's value
    // Discrimination search.
    CInfoBase m_InfoBaseSelectiveUp;
    CInfoBase m_InfoBaseSelectiveDown;
    double m_dIs = 0.0; // A
    int32_t m_nSelectivePoles = 3;
    int32_t m_nSelectiveMode = 3;
    // Co-ordination search.
    int32_t m_nCoordType = 1;
    double m_dMotorOutput = 0.0; // kW
    CInfoBase m_InfoBaseCoordLVCB;
    CInfoBase m_InfoBaseCoordContactor;
    CInfoBase m_InfoBaseCoordThermal; // its rated value holds the setting's ordering value
    int32_t m_nCoordMode = 1;         // 1 motor output, 2 breaker, 3 contactor, 4 thermal relay
    // Result tables: X for kinds 0 to 3, Y for kind 4.
    CDrawDataXList m_listDrawDataX;
    CDrawDataYList m_listDrawDataY;
};

// The document's one-level undo: the state before the last change.
class CZedezuziUndo : public CZedezuziContent {};

// The version records a load and a save need from the application: the
// program's own, the one that receives what a file carried, and the
// versions the program accepts.
struct CZedezuziVersions {
    const CVersion* m_pProgram = nullptr;
    CVersion* m_pLastDocument = nullptr;
    const CVersionList* m_pAccepted = nullptr;
};

// The catalogue document's data and its work without windows: defaults, the
// searches on the breaker database, the rebuild of the tables, the file
// record and the undo snapshot. The windowing document derives from it.
class CZedezuziDocData : public CZedezuziContent {
public:
    CZedezuziDocData() = default;
    CZedezuziDocData(const CZedezuziDocData&) = delete;
    CZedezuziDocData& operator=(const CZedezuziDocData&) = delete;

    // A new document's conditions: the list database's default low voltage
    // and the breaker database's default maker in every breaker selection.
    void DoSetDefaults(fw::CDatabase* breaker, fw::CDatabase* list, const CVersion& program);

    // The document's archive (the "Contents" stream of a .rv2 file). Storing
    // writes the version record, the print settings, the kind, the cascade
    // mode, the candidates and the conditions, and an empty list of embedded
    // items. Loading reads the same into a scratch copy and takes it over
    // only when the whole stream was read without fault: a file of another
    // version, cut short, with bytes left over, with values out of range or
    // with embedded items raises an archive error and leaves the document as
    // it was (its version record then holds the file's, for the message).
    // The tables are not stored; DoRebuildTables makes them.
    void Serialize(fw::CArchive& ar, const CZedezuziVersions& versions);

    // Runs the search of the stored kind and mode on the breaker database
    // and builds its table.
    void DoSearch(fw::CDatabase* breaker);
    // Rebuilds the table of the stored kind from the stored conditions,
    // without running a cascade or discrimination search again.
    void DoRebuildTables(fw::CDatabase* breaker);

    // The one message for a damaged document whose candidates name breaker
    // types the breaker database does not hold: how many candidates, and
    // each such type once, in the candidates' order. Empty when every type
    // is known. Their table rows stay empty, without a message each.
    std::string DoTextUnknownTypes(fw::CDatabase* breaker) const;

    // Replaces the undo snapshot by the current state.
    void DoSaveUndo();
    bool CanUndo() const { return m_pUndo != nullptr; }
    // Copies the snapshot back and drops it; false when there is none.
    bool DoRestoreUndo();

    CVersion m_version;
    std::unique_ptr<CZedezuziUndo> m_pUndo;

private:
    // Table X of the stored kind and mode from the stored conditions.
    void DoMakeTableX(fw::CDatabase* breaker);
    void DoSearchCoordination(fw::CDatabase* breaker);
};
