// Writes the sample projects of examples/ through the program's own model:
// elements placed as the skeleton view places them (insertion point on the
// grid, set-up from their neighbours and the reference databases), given the
// values an engineer would type, and saved as the document saves a project
// (the archive in the "Contents" stream of a compound file).
//
// Run by hand after a change that the samples should show, from the source
// folder:  build/bin/make_examples examples
// and commit the files it writes. The test ExampleProjects reads them back.

#include "app/elements/conductors/CEleBusBar.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/elements/supply/CEleZeroCond.h"
#include "app/protection/CObjAdjust.h"
#include "app/records/ElementKinds.h"
#include "app/records/ModelDatabases.h"
#include "app/records/TovarineIds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "breakerdata/recordsets/CVersion.h"
#include "breakerdata/recordsets/DorventaDatabases.h"
#include "equipdata/Sarquine.h"
#include "framework/Archive.h"
#include "framework/CompoundFile.h"
#include "framework/ProgramFolder.h"
#include "framework/StringTable.h"
#include "listdata/Quenlor.h"
#include "resources/StringTables.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

// Places an element of the kind with its top-left on the grid cell (column,
// row), as the view's insert command does, and leaves it unselected.
template <class Model> Model* Place(CTovarineDocData& doc, int32_t kind, int col, int row) {
    doc.m_infoSkeleton.m_ptInsert = fw::CPoint(kGridUnit * col + 1, kGridUnit * row + 1);
    CObjGroup* group = doc.m_listGroups.AddNewGroup();
    CObjElement* element = group->InsertElement(nullptr, doc, kind, 0);
    doc.m_listGroups.DoClearSelection(doc);
    return static_cast<Model*>(element->GetElement());
}

CObjElement* LastElement(CTovarineDocData& doc) {
    return doc.m_listGroups.GetTail()->GetElement();
}

// A cable of the length (m) with phase cores of the size (mm2), carrying
// the design current (A); its end, at the consumer, is a calculation point.
void SetCable(CEleWire* wire, int32_t frequency, double length, double coreSize, double current) {
    wire->m_basic.m_dLength = length;
    wire->m_basic.m_dLoadCurrent = current;
    wire->m_nCalcPoint = 1;
    for (CEleWirePhase* group : {&wire->m_phase3, &wire->m_phaseN, &wire->m_phasePE}) {
        group->m_dCoreSize = coreSize;
        group->CalcPhaseImpedance(frequency, wire->m_basic, 0.0, 0.0, 0.0);
        group->CalcPhaseAmpacity(wire->m_basic, coreSize, group->m_nCores);
    }
}

void SetMotor(CEleMotor* motor, double kW) {
    motor->m_dCapacity = kW;
    motor->DoReadEquipByCapacity(kW);
}

void SetLoad(CEleLoad* load, double amperes) {
    load->m_dLoadCurrent = amperes;
    load->DoReadByLoadCurrent();
}

// Resizes the last placed symbol to the cells (columns and rows, each a
// first and a last), as dragging its tracker's handles does.
void Stretch(CTovarineDocData& doc, int firstCol, int firstRow, int lastCol, int lastRow) {
    CObjGroup* group = doc.m_listGroups.GetTail();
    const fw::CRect rect(kGridUnit * firstCol + 1, kGridUnit * firstRow + 1,
                         kGridUnit * (lastCol + 1), kGridUnit * (lastRow + 1));
    group->m_rect = rect;
    group->GetElement()->SetSymbolRect(nullptr, &rect);
}

// The columns of the three feeders below the zero conductor: six cells
// apart, room for their labels.
constexpr int kFeederCols[] = {3, 9, 15};

// The rows of a feeder below the zero conductor's row: its low-voltage
// breaker (three cells high), its cable (four cells) and its consumer.
struct FeederRows {
    int breaker, cable, consumer;
};
FeederRows RowsBelow(int zeroCondRow) {
    return {zeroCondRow + 1, zeroCondRow + 4, zeroCondRow + 8};
}

// The breaker's rating as an engineer picks it: the smallest standard
// rating that carries the consumer's current; the cable must carry it in
// turn (Check skeleton tests both), else the sample is wrong.
double RatingFor(double current, double cableCapacity) {
    for (double rating : {16.0, 20.0, 32.0, 40.0, 50.0, 63.0, 100.0, 125.0, 160.0, 250.0}) {
        if (rating >= current) {
            if (rating > cableCapacity)
                throw std::runtime_error("a cable does not carry its breaker's rating");
            return rating;
        }
    }
    throw std::runtime_error("no standard rating for a feeder");
}

// The supply of both samples in column 9: a source on the medium-voltage
// network, with hvBreaker its high-voltage breaker below it (two cells high,
// a calculation point), a three-phase transformer of the capacity (kVA), its
// bus-bar stretched to seven cells (so that the labels of both stand apart),
// and a zero conductor stretched over columns 2 to 17 for the feeders, whose
// row comes back. earthing and wireSystem above 0 are set on the transformer
// (as its dialog does) before anything is placed below it, so the circuit
// takes them.
int PlaceSupply(CTovarineDocData& doc, double transformerKVA, bool hvBreaker, uint32_t earthing = 0,
                uint32_t wireSystem = 0) {
    const int32_t f = doc.m_infoSkeleton.m_nFrequency;
    Place<CEleSource>(doc, kKindSource, 9, 0);
    int row = 2;
    if (hvBreaker) {
        // Its relay and CT come from the breaker database's defaults.
        Place<CEleHVCB>(doc, kKindHVCB, 9, row)->m_nCalcPoint = 1;
        row += 2;
    }
    CEleTrans3* trans = Place<CEleTrans3>(doc, kKindTrans3, 9, row);
    trans->m_dCapacity = transformerKVA;
    trans->DoReadByCapacity(transformerKVA, f, 0);
    // The secondary, the bus-bar and the end of every feeder are calculation
    // points: Check skeleton and Calculation show the fault currents there.
    trans->m_nCalcPoint = 1;
    if (earthing > 0) {
        CObjElement* element = LastElement(doc);
        element->SetEarthingSystem(earthing);
        element->SetWireSystem(wireSystem);
    }
    row += 3;
    CEleBusBar* bar = Place<CEleBusBar>(doc, kKindBusBar, 9, row);
    Stretch(doc, 9, row, 9, row + 6);
    bar->m_basic.m_dLength = 6.0;
    bar->m_basic.m_dLoadCurrent = 0.8 * trans->GetRatedCurrent();
    bar->m_nCalcPoint = 1;
    row += 7;
    // Placed where it meets the bus-bar, then stretched.
    Place<CEleZeroCond>(doc, kKindZeroCond, 4, row);
    Stretch(doc, 2, row, 17, row);
    return row;
}

// The protective devices get their types as the automatic selection gives
// them: after Check skeleton and Calculation, the selection by Icu chooses
// for every low-voltage breaker the smallest type of the breaker database
// that breaks the fault current at its place (the breakers' part of the Icu
// command, without its wire checks, whose results a sample does not keep);
// Drawing takes the project back to editing, as it is saved. The
// calculation results stay in the file, as they do in a project the user
// saves.
void ChooseBreakerTypes(CTovarineDocData& doc) {
    if (!doc.DoModeCheck().bPassed)
        throw std::runtime_error("Check skeleton fails");
    if (!doc.DoModeCalculation().bPassed)
        throw std::runtime_error("Calculation fails");
    std::vector<CObjElement*> failed;
    if (doc.DoSelectBreakers(CEleLVCB::kByIcu, nullptr, 0, 0, &failed) != 1 || !failed.empty())
        throw std::runtime_error("the selection by Icu finds no type for a breaker");
    CObjElementList all;
    doc.CollectElements(all);
    for (CObjElement* e : all) {
        if (e->GetKind() != kKindLVCB && e->GetKind() != kKindHVCB)
            continue;
        const CObjAdjust* adjust = e->GetObjAdjust();
        if (adjust)
            std::printf("  %s: %s %g A\n", e->GetName().c_str(),
                        adjust->m_infoBase.m_strTypeName.c_str(), adjust->m_infoBase.m_dRatedValue);
    }
    doc.DoModeDrawing();
}

// The elements of a feeder.
struct FeederElements {
    CObjElement* breaker;
    CObjElement* cable;
    CObjElement* consumer;
};

// A feeder below the zero conductor: its breaker, rated for the consumer and
// the cable, its cable and its consumer (a motor of the kW, or a load of the
// A). The automatic selection gives the breaker its type later.
FeederElements PlaceFeeder(CTovarineDocData& doc, int col, const FeederRows& rows, double length,
                           double coreSize, double current, bool motor, double value) {
    const int32_t f = doc.m_infoSkeleton.m_nFrequency;
    // The breaker first: the cable and the consumer take the circuit from
    // above, through it.
    FeederElements placed{};
    CEleLVCB* breaker = Place<CEleLVCB>(doc, kKindLVCB, col, rows.breaker);
    placed.breaker = LastElement(doc);
    CEleWire* wire = Place<CEleWire>(doc, kKindWire, col, rows.cable);
    placed.cable = LastElement(doc);
    SetCable(wire, f, length, coreSize, current);
    double load = current;
    if (motor) {
        CEleMotor* m = Place<CEleMotor>(doc, kKindMotor, col, rows.consumer);
        SetMotor(m, value);
        load = m->GetFullLoadCurrent();
    } else {
        SetLoad(Place<CEleLoad>(doc, kKindLoad, col, rows.consumer), value);
    }
    if (!breaker->GetAdjust())
        throw std::runtime_error("a breaker has no characteristic");
    breaker->GetAdjust()->m_infoBase.m_dRatedValue =
        RatingFor(load, wire->m_phase3.GetCurrentCapacity());
    placed.consumer = LastElement(doc);
    return placed;
}

// A small installation: the supply with its high-voltage breaker, then
// three feeders below the zero conductor, each a breaker and a cable to its
// consumer.
void MakeSmallInstallation(CTovarineDocData& doc) {
    doc.m_infoProject.m_strProject = "Workshop supply";
    doc.m_infoProject.m_strComments = "Sample: a transformer feeding two motors and a load.";
    const FeederRows rows = RowsBelow(PlaceSupply(doc, 630.0, true));
    const int* col = kFeederCols;
    PlaceFeeder(doc, col[0], rows, 35.0, 10.0, 29.0, true, 15.0);
    PlaceFeeder(doc, col[1], rows, 50.0, 16.0, 40.0, false, 40.0);
    PlaceFeeder(doc, col[2], rows, 20.0, 4.0, 15.0, true, 7.5);
    ChooseBreakerTypes(doc);
}

// Groups the groups of the tree whose leaves hold the elements into one new
// compound group, as the Group command does with a selection.
CObjGroup* GroupElements(CTovarineDocData& doc, const std::vector<CObjElement*>& members,
                         const std::string& name, const std::string& explanation) {
    for (auto& group : doc.m_listGroups)
        for (CObjElement* e : members)
            if (group->GetElement() == e)
                group->m_nSelected = 1;
    CObjGroup* compound = doc.m_listGroups.AddNewGroup();
    compound->DoGroupSelected(nullptr, doc.m_listGroups);
    compound->m_strName = name;
    compound->m_strExplanation = explanation;
    doc.m_listGroups.SetSelectAll(0, true, true);
    return compound;
}

// Groups and settings: every settings record off its defaults, a 60 Hz
// TN-S network with a reference capacity of 10 MVA, and each feeder (cable and
// consumer) a named group; the two motor feeders are grouped again.
void MakeGroupsAndSettings(CTovarineDocData& doc) {
    CInfoProject& p = doc.m_infoProject;
    p.m_strCustomer = "Harbour Authority";
    p.m_strProject = "Pump station 3";
    p.m_strReference = "PS3-E-001";
    p.m_strEngineer = "A. Engineer";
    p.m_strCreated = "2024-03-04";
    p.m_strChangedBy = "B. Checker";
    p.m_strChanged = "2024-05-17";
    p.m_strComments = "Sample: feeders grouped, non-default settings.";
    CInfoSkeleton& s = doc.m_infoSkeleton;
    s.m_nFrameCountX = 60;
    s.m_nFrameCountY = 40;
    s.m_nZoom = 75;
    s.m_crBack = 0xF0FFFF;   // light yellow (0x00BBGGRR)
    s.m_crGrid = 0xE0C0A0;   // light blue
    s.m_crCursor = 0x0080FF; // orange
    s.m_nFrequency = 60;
    s.m_dCapacity = 10000.0;
    s.m_rectMargins = fw::CRect(15, 15, 15, 20);
    s.m_nOrientation = 2;
    s.m_nPaperSize = 8; // A3
    doc.m_infoReport.m_nZoom = 120;
    doc.m_infoReport.m_nReportKind = 2;
    doc.m_infoReport.m_rectMargins = fw::CRect(20, 20, 15, 15);
    doc.m_infoReport.m_nOrientation = 1;
    doc.m_infoImpeMap.m_nZoom = 150;
    doc.m_infoImpeMap.m_nPaperSize = 8;

    // TN-S, three phases, neutral and PE
    const FeederRows rows = RowsBelow(PlaceSupply(doc, 1000.0, false, 1, 3));
    struct Feeder {
        int col;
        double length, coreSize, current;
        bool motor;
        double value; // kW of a motor, A of a load
        const char* name;
        const char* explanation;
    };
    const Feeder feeders[] = {
        {kFeederCols[0], 40.0, 35.0, 105.0, true, 55.0, "Pump 1", "Main pump, direct on line"},
        {kFeederCols[1], 40.0, 35.0, 105.0, true, 55.0, "Pump 2", "Stand-by pump, direct on line"},
        {kFeederCols[2], 25.0, 6.0, 25.0, false, 25.0, "Auxiliaries", "Lighting and small power"},
    };
    std::vector<CObjGroup*> feederGroups;
    for (const Feeder& feeder : feeders) {
        const FeederElements placed =
            PlaceFeeder(doc, feeder.col, rows, feeder.length, feeder.coreSize, feeder.current,
                        feeder.motor, feeder.value);
        feederGroups.push_back(GroupElements(doc, {placed.breaker, placed.cable, placed.consumer},
                                             feeder.name, feeder.explanation));
    }
    // The two pump feeders in one group of groups.
    feederGroups[0]->m_nSelected = 1;
    feederGroups[1]->m_nSelected = 1;
    CObjGroup* pumps = doc.m_listGroups.AddNewGroup();
    pumps->DoGroupSelected(nullptr, doc.m_listGroups);
    pumps->m_strName = "Pumps";
    pumps->m_strExplanation = "Both pump feeders";
    doc.m_listGroups.SetSelectAll(0, true, true);
    ChooseBreakerTypes(doc);
}

// Saves as the document does: the archive in the "Contents" stream.
void Save(CTovarineDocData& doc, const std::string& path) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    doc.Serialize(ar);
    fw::CCompoundFile file;
    file.SetStream("Contents", ar.Bytes());
    file.Save(path);
    std::printf("%s: %zu bytes of project\n", path.c_str(), ar.Bytes().size());
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <examples folder>\n", argv[0]);
        return 2;
    }
    QCoreApplication app(argc, argv);
    fw::ForceCLocale();
    RegisterTovarineStrings();
    // The element set-up and the breakers' selection read the reference
    // databases beside the program; the breaker and curve databases are
    // checked against the version the program expects.
    CVersion expected;
    expected.m_strCountry = fw::LoadString(tvid::IDS_COUNTRY);
    expected.m_strMaker = fw::LoadString(tvid::IDS_MAKER);
    expected.m_strProduct = fw::LoadString(tvid::IDS_PRODUCT);
    expected.m_strVersion = fw::LoadString(tvid::IDS_PROGRAM_VERSION);
    expected.m_strLanguage = fw::LoadString(tvid::IDS_LANGUAGE);
    expected.m_strMdbVersion = fw::LoadString(tvid::IDS_DATABASE_VERSION);
    CVersion curveExpected = expected;
    fw::CDatabase* equipment = DLLGetMDBSarquine();
    fw::CDatabase* list = DLLGetMDBQuenlor();
    fw::CDatabase* breaker = DLLGetMDBDorventa(&expected, nullptr);
    fw::CDatabase* curve = DLLGetMDBOrbelune(&curveExpected);
    if (!equipment || !list || !breaker || !curve) {
        std::fprintf(stderr, "the four reference databases must be beside the program\n");
        DLLDelMDBOrbelune(curve);
        DLLDelMDBDorventa(breaker);
        DLLDelMDBQuenlor(list);
        DLLDelMDBSarquine(equipment);
        return 1;
    }
    CModelDatabases dbs;
    dbs.pEquip = equipment;
    dbs.pList = list;
    dbs.pBreaker = breaker;
    dbs.pCurve = curve;
    SetModelDatabases(dbs);
    const std::string folder = std::string(argv[1]) + "/";
    int result = 0;
    try {
        {
            CTovarineDocData doc;
            MakeSmallInstallation(doc);
            Save(doc, folder + "small-installation.tv2");
        }
        {
            CTovarineDocData doc;
            MakeGroupsAndSettings(doc);
            Save(doc, folder + "groups-and-settings.tv2");
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        result = 1;
    }
    SetModelDatabases(CModelDatabases());
    DLLDelMDBOrbelune(curve);
    DLLDelMDBDorventa(breaker);
    DLLDelMDBQuenlor(list);
    DLLDelMDBSarquine(equipment);
    return result;
}
