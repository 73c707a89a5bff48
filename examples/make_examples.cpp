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
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/elements/supply/CEleZeroCond.h"
#include "app/records/ElementKinds.h"
#include "app/records/ModelDatabases.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "equipdata/Sarquine.h"
#include "framework/Archive.h"
#include "framework/CompoundFile.h"
#include "framework/ProgramFolder.h"
#include "listdata/Quenlor.h"
#include "resources/StringTables.h"

#include <QCoreApplication>

#include <cstdio>
#include <exception>
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
constexpr int kFeederRow = 13;   // the cables, four cells high
constexpr int kConsumerRow = 17; // the motors and loads

// The supply of both samples in column 9: a source on the medium-voltage
// network, a three-phase transformer of the capacity (kVA), its bus-bar
// stretched to seven cells (so that the labels of both stand apart), and a
// zero conductor in row 12 stretched over columns 2 to 17 for the feeders.
// earthing and wireSystem above 0 are set on the transformer (as its dialog
// does) before anything is placed below it, so the circuit takes them.
void PlaceSupply(CTovarineDocData& doc, double transformerKVA, uint32_t earthing = 0,
                 uint32_t wireSystem = 0) {
    const int32_t f = doc.m_infoSkeleton.m_nFrequency;
    Place<CEleSource>(doc, kKindSource, 9, 0);
    CEleTrans3* trans = Place<CEleTrans3>(doc, kKindTrans3, 9, 2);
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
    CEleBusBar* bar = Place<CEleBusBar>(doc, kKindBusBar, 9, 5);
    Stretch(doc, 9, 5, 9, 11);
    bar->m_basic.m_dLength = 6.0;
    bar->m_basic.m_dLoadCurrent = 0.8 * trans->GetRatedCurrent();
    bar->m_nCalcPoint = 1;
    // Placed where it meets the bus-bar, then stretched.
    Place<CEleZeroCond>(doc, kKindZeroCond, 4, 12);
    Stretch(doc, 2, 12, 17, 12);
}

// A small installation: the supply, then three feeders below the zero
// conductor, each a cable to its consumer.
void MakeSmallInstallation(CTovarineDocData& doc) {
    doc.m_infoProject.m_strProject = "Workshop supply";
    doc.m_infoProject.m_strComments = "Sample: a transformer feeding two motors and a load.";
    PlaceSupply(doc, 630.0);
    const int32_t f = doc.m_infoSkeleton.m_nFrequency;
    const int* col = kFeederCols;
    SetCable(Place<CEleWire>(doc, kKindWire, col[0], kFeederRow), f, 35.0, 10.0, 29.0);
    SetMotor(Place<CEleMotor>(doc, kKindMotor, col[0], kConsumerRow), 15.0);
    SetCable(Place<CEleWire>(doc, kKindWire, col[1], kFeederRow), f, 50.0, 16.0, 40.0);
    SetLoad(Place<CEleLoad>(doc, kKindLoad, col[1], kConsumerRow), 40.0);
    SetCable(Place<CEleWire>(doc, kKindWire, col[2], kFeederRow), f, 20.0, 4.0, 15.0);
    SetMotor(Place<CEleMotor>(doc, kKindMotor, col[2], kConsumerRow), 7.5);
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

    PlaceSupply(doc, 1000.0, 1, 3); // TN-S, three phases, neutral and PE
    const int32_t f = s.m_nFrequency;
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
        CEleWire* wire = Place<CEleWire>(doc, kKindWire, feeder.col, kFeederRow);
        SetCable(wire, f, feeder.length, feeder.coreSize, feeder.current);
        CObjElement* cable = LastElement(doc);
        if (feeder.motor)
            SetMotor(Place<CEleMotor>(doc, kKindMotor, feeder.col, kConsumerRow), feeder.value);
        else
            SetLoad(Place<CEleLoad>(doc, kKindLoad, feeder.col, kConsumerRow), feeder.value);
        feederGroups.push_back(
            GroupElements(doc, {cable, LastElement(doc)}, feeder.name, feeder.explanation));
    }
    // The two pump feeders in one group of groups.
    feederGroups[0]->m_nSelected = 1;
    feederGroups[1]->m_nSelected = 1;
    CObjGroup* pumps = doc.m_listGroups.AddNewGroup();
    pumps->DoGroupSelected(nullptr, doc.m_listGroups);
    pumps->m_strName = "Pumps";
    pumps->m_strExplanation = "Both pump feeders";
    doc.m_listGroups.SetSelectAll(0, true, true);
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
    // The element set-up reads the reference databases beside the program.
    fw::CDatabase* equipment = DLLGetMDBSarquine();
    fw::CDatabase* list = DLLGetMDBQuenlor();
    if (!equipment || !list) {
        std::fprintf(stderr, "the equipment and list databases must be beside the program\n");
        return 1;
    }
    CModelDatabases dbs;
    dbs.pEquip = equipment;
    dbs.pList = list;
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
    DLLDelMDBQuenlor(list);
    DLLDelMDBSarquine(equipment);
    return result;
}
