// The project's archive: the items in the file's order against archives
// written by hand, the version gates, the conversion of files before 1.1,
// refusals of foreign and damaged files, and the one-level undo.

#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "tests/common/HexFixture.h"

#include "framework/Archive.h"
#include "framework/CompoundFile.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <memory>
#include <vector>

namespace {

const char* kDir = "app/shell/model/fixtures/";

std::vector<uint8_t> Fixture(const char* name) {
    return tvtest::ReadHexFixture(std::string(kDir) + name);
}

std::vector<uint8_t> Store(CTovarineDocData& doc) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    doc.Serialize(ar);
    return ar.Bytes();
}

void Load(CTovarineDocData& doc, const std::vector<uint8_t>& bytes) {
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    doc.Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0u);
}

CObjElement* Place(CTovarineDocData& doc, int32_t kind, int col, int row) {
    CObjGroup* group = doc.m_listGroups.AddNewGroup();
    auto e = std::make_unique<CObjElement>(kind);
    fw::CPoint at(40 * col + 1, 40 * row + 1);
    e->SetSymbolRect(&at, nullptr);
    CObjElement* raw = e.get();
    group->SetElement(std::move(e));
    return raw;
}

TEST(DocumentFile, NewProjectIsTheHandWrittenArchive) {
    CTovarineDocData doc;
    EXPECT_EQ(Store(doc), Fixture("Document_new_v120.hex"));
}

TEST(DocumentFile, EveryItemComesBackAndStoresAgainByteForByte) {
    CTovarineDocData doc;
    doc.SetCounter(kKindBusBar, 3);
    doc.SetCounter(kKindBusDuct, 4);
    doc.SetCounter(kKindTrans1, 5);
    doc.SetCounter(kKindText, 6);
    doc.SetCounter(0, 7); // graphs
    doc.m_dCurrentFrom = 20.0;
    doc.m_dTimeTo = 500.0;
    doc.m_nMode = 3;
    doc.m_nSubMode = 2;
    doc.m_infoProject.m_strProject = "Plant";
    doc.m_infoSkeleton.m_nFrequency = 60;
    doc.m_infoReport.m_nReportKind = 4;
    doc.m_infoImpeMap.m_nZoom = 150;
    doc.m_gapLine.m_dCurrentStd = 250.0;
    CObjElement* bar = Place(doc, kKindBusBar, 0, 0);
    bar->SetVoltage(400, 0);
    Place(doc, kKindMotor, 0, 4)->SetVoltage(400, 0);
    doc.m_listGraphs.DoAddNewGraph(1, 1, 10.0, 1e5, 0.01, 1e5);

    const std::vector<uint8_t> bytes = Store(doc);
    CTovarineDocData back;
    Load(back, bytes);
    EXPECT_EQ(back.GetCounter(kKindBusBar), 3);
    EXPECT_EQ(back.GetCounter(kKindBusDuct), 4);
    EXPECT_EQ(back.GetCounter(kKindTrans1), 5);
    EXPECT_EQ(back.GetCounter(kKindText), 6);
    EXPECT_EQ(back.GetCounter(0), 7);
    EXPECT_EQ(back.m_dCurrentFrom, 20.0);
    EXPECT_EQ(back.m_dTimeTo, 500.0);
    EXPECT_EQ(back.m_nMode, 3);
    EXPECT_EQ(back.m_nSubMode, 2);
    EXPECT_EQ(back.m_infoProject.m_strProject, "Plant");
    EXPECT_EQ(back.m_infoSkeleton.m_nFrequency, 60);
    EXPECT_EQ(back.m_infoReport.m_nReportKind, 4);
    EXPECT_EQ(back.m_infoImpeMap.m_nZoom, 150);
    EXPECT_EQ(back.m_gapLine.m_dCurrentStd, 250.0);
    ASSERT_EQ(back.m_listGroups.GetCount(), 2);
    EXPECT_EQ(back.m_listGroups.GetHead()->GetElement()->GetVoltage(0), 400);
    EXPECT_EQ(back.m_listGraphs.GetCount(), 1);
    EXPECT_EQ(Store(back), bytes);
}

TEST(DocumentFile, Version115ReadsTheTextAndBusDuctCountersButNotLaterItems) {
    CTovarineDocData doc;
    doc.SetCounter(kKindTrans1, 9);
    doc.m_gapLine.m_dTimeStd = 0.5;
    Load(doc, Fixture("Document_empty_v115.hex"));
    EXPECT_EQ(doc.GetCounter(kKindTrans1), 0);
    EXPECT_EQ(doc.m_gapLine.m_dTimeStd, 0.1); // a new document's
    // The document now holds the program's own version: it saves as 1.20.
    EXPECT_EQ(doc.m_version.m_strVersion, "1.20");
    EXPECT_EQ(Store(doc), Fixture("Document_new_v120.hex"));
}

TEST(DocumentFile, AForeignProductAndAnUnlistedVersionAreRefused) {
    for (const char* name : {"Document_foreign_v120.hex", "Document_v12.hex"}) {
        CTovarineDocData doc;
        fw::CArchive ar = fw::CArchive::ForLoading(Fixture(name));
        try {
            doc.Serialize(ar);
            ADD_FAILURE() << name << " was accepted";
        } catch (const fw::CArchiveException& e) {
            EXPECT_EQ(e.m_cause, fw::CArchiveException::badSchema) << name;
        }
    }
    // The refused file's record stays for the message that names it.
    CTovarineDocData doc;
    fw::CArchive ar = fw::CArchive::ForLoading(Fixture("Document_foreign_v120.hex"));
    EXPECT_THROW(doc.Serialize(ar), fw::CArchiveException);
    EXPECT_EQ(doc.m_version.m_strProduct, "ZEDEZUZI2");
}

TEST(DocumentFile, EveryTruncationIsAnArchiveError) {
    const std::vector<uint8_t> bytes = Fixture("Document_new_v120.hex");
    for (size_t n = 0; n < bytes.size(); ++n) {
        CTovarineDocData doc;
        fw::CArchive ar = fw::CArchive::ForLoading({bytes.begin(), bytes.begin() + n});
        EXPECT_THROW(doc.Serialize(ar), fw::CArchiveException) << "cut at " << n;
    }
}

// Sets the symbol rectangle, the first 16 bytes of a model record.
void PutRect(std::vector<uint8_t>& record, int32_t l, int32_t t, int32_t r, int32_t b) {
    const int32_t words[4] = {l, t, r, b};
    std::memcpy(record.data(), words, sizeof words);
}

// A leaf group record around an element of the kind; the element's class is
// new (first leaf) or a back-reference to class index 3.
void AppendLeaf(std::vector<uint8_t>& out, bool first, int32_t kind,
                const std::vector<uint8_t>& model) {
    auto word = [&out](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    if (first) {
        const uint8_t cls[] = {0xff, 0xff, 0x00, 0x00, 0x09, 0x00};
        out.insert(out.end(), cls, cls + 6);
        const char* name = "CObjGroup";
        out.insert(out.end(), name, name + 9);
    } else {
        out.push_back(0x01); // class back-reference to CObjGroup (index 1)
        out.push_back(0x80);
    }
    out.insert(out.end(), 16 + 4 + 4 + 8 + 16 + 8, 0); // rectangles, mark, selected, offsets
    out.push_back(0);                                  // name ""
    out.push_back(0);                                  // explanation ""
    out.insert(out.end(), 16 + 4, 0);                  // tracker rectangle and style
    word(1);                                           // has element
    if (first) {
        const uint8_t cls[] = {0xff, 0xff, 0x00, 0x00, 0x0b, 0x00};
        out.insert(out.end(), cls, cls + 6);
        const char* name = "CObjElement";
        out.insert(out.end(), name, name + 11);
    } else {
        out.push_back(0x03); // class back-reference to CObjElement (index 3)
        out.push_back(0x80);
    }
    word(static_cast<uint32_t>(kind));
    out.insert(out.end(), model.begin(), model.end());
    out.push_back(0); // no children
    out.push_back(0);
}

// A project of version 1.02: the empty project's head with the version
// "1.02", a tree of a transformer above a wire (their hand-written 1.02
// records, placed one above the other), no graphs, none of items 12 to 15.
std::vector<uint8_t> Project102(uint8_t transformerEarthing) {
    std::vector<uint8_t> head = Fixture("Document_empty_v115.hex");
    // Cut after the impedance-map record: the 8 trailing words are the tree,
    // graphs, reserved word, bus-duct counter and container items.
    head.resize(head.size() - (2 + 2 + 4 + 4 + 2));
    head[5 + 1 + 10 + 10 + 3] = '0'; // "1.15" -> "1.02"
    head[5 + 1 + 10 + 10 + 4] = '2';
    std::vector<uint8_t> trans =
        tvtest::ReadHexFixture("app/elements/supply/fixtures/CEleTrans3_v102.hex");
    std::vector<uint8_t> wire =
        tvtest::ReadHexFixture("app/elements/conductors/fixtures/CEleWire_102.hex");
    PutRect(trans, 1, 1, 40, 120);
    PutRect(wire, 1, 121, 40, 280);
    // The transformer's earthing follows rectangle 16, pen 16, name "T1" 3,
    // number, selected, reserved, defaults set 16, primary and secondary 8.
    trans[16 + 16 + 3 + 16 + 8] = transformerEarthing;
    std::vector<uint8_t> bytes = head;
    bytes.push_back(2); // two groups
    bytes.push_back(0);
    AppendLeaf(bytes, true, kKindTrans3, trans);
    AppendLeaf(bytes, false, kKindWire, wire);
    const uint8_t tail[] = {0, 0, 0, 0}; // no graphs, no container items
    bytes.insert(bytes.end(), tail, tail + 4);
    return bytes;
}

TEST(DocumentFile, FilesBefore11TakeTheirEarthingFromTheTransformer) {
    struct Case {
        uint8_t earthing;
        uint32_t expectedEarthing;
        uint32_t expectedWireSystem;
    };
    // TN-C-S (2) was kept as TN-C (3); TN-C takes three phases and neutral,
    // TT three phases alone.
    for (Case c : {Case{2, 3, 2}, Case{4, 4, 1}}) {
        CTovarineDocData doc;
        Load(doc, Project102(c.earthing));
        ASSERT_EQ(doc.m_listGroups.GetCount(), 2);
        CObjElement* trans = doc.m_listGroups.GetHead()->GetElement();
        CObjElement* wire = doc.m_listGroups.GetTail()->GetElement();
        const int32_t volts = wire->GetVoltage(0);
        EXPECT_EQ(wire->GetEarthingSystem(), c.expectedEarthing) << int(c.earthing);
        EXPECT_EQ(wire->GetWireSystem(), c.expectedWireSystem) << int(c.earthing);
        EXPECT_EQ(wire->GetVoltage(0), volts); // voltages are left as they were
        EXPECT_EQ(trans->GetEarthingSystem(), c.earthing);
        EXPECT_EQ(doc.GetCounter(kKindTrans1), 0);
    }
}

// The version a load reads with belongs to that load's archive: however the
// load ends, the next read starts from the newest layout. Each failing file
// leaves the load after the version was taken (a cut 1.02 project, whose
// gates had been set for 1.02) or at the version check.
TEST(DocumentFile, AFailedLoadLeavesNoReadingVersionBehind) {
    std::vector<uint8_t> cut102 = Project102(2);
    cut102.resize(cut102.size() - 40); // inside the wire's record
    const std::vector<uint8_t> v115 = Fixture("Document_empty_v115.hex");
    const std::vector<uint8_t> v110 = [&v115] {
        std::vector<uint8_t> bytes = v115;
        bytes[5 + 1 + 10 + 10 + 4] = '0'; // "1.15" -> "1.10", the same items
        return bytes;
    }();
    const std::vector<std::vector<uint8_t>> failing = {cut102, Fixture("Document_v12.hex"),
                                                       Fixture("Document_foreign_v120.hex")};
    for (size_t i = 0; i < failing.size(); ++i) {
        SCOPED_TRACE(i);
        CTovarineDocData doc;
        {
            fw::CArchive ar = fw::CArchive::ForLoading(failing[i]);
            EXPECT_THROW(doc.Serialize(ar), fw::CArchiveException);
        }
        doc.DoResetData(); // as the document does after a failed load

        // A record of the newest layout read on its own (a paste, a
        // library entry): its 1.2 fields are read, nothing is left over.
        fw::CArchive fresh = fw::CArchive::ForLoading(Fixture("Element_Load_v120.hex"));
        EXPECT_GE(fresh.GetReadVersion(), 1.2);
        std::unique_ptr<CObjElement> load = fresh.ReadOwned<CObjElement>();
        EXPECT_EQ(fresh.Remaining(), 0u);
        ASSERT_NE(load, nullptr);
        EXPECT_EQ(load->IsSinglePhase(), 1); // a field of 1.2 files only

        // Good projects of 1.15 and 1.10 load as they should, and a new
        // archive storing them writes the newest layout.
        for (const std::vector<uint8_t>& good : {v115, v110}) {
            CTovarineDocData next;
            Load(next, good);
            EXPECT_EQ(Store(next), Fixture("Document_new_v120.hex"));
        }
    }
}

void PutWord(std::vector<uint8_t>& bytes, size_t at, int32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i));
}

// A symbol lies within a million units either way (the largest frame is
// 80 000 units a side); beyond it a file is damaged: a symbol at
// x = -2147483447 made the label layout overflow.
TEST(DocumentFile, ASymbolFarOutsideAnyDiagramIsRefusedAsDamaged) {
    struct Case {
        int32_t value;
        bool accepted;
    };
    const Case cases[] = {{-2147483447, false}, {-1000001, false}, {-1000000, true},
                          {1000000, true},      {1000001, false},  {INT32_MAX, false}};
    // The general load's symbol rectangle follows its class record (2 + 2 +
    // 2 + 11 bytes) and its kind (4).
    const size_t symbolLeft = 17 + 4;
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = Fixture("Element_Load_v120.hex");
        PutWord(bytes, symbolLeft, c.value);
        fw::CArchive ar = fw::CArchive::ForLoading(bytes);
        if (c.accepted) {
            std::unique_ptr<CObjElement> e = ar.ReadOwned<CObjElement>();
            ASSERT_NE(e, nullptr);
            fw::CRect r;
            e->GetSymbolRect(&r);
            EXPECT_EQ(r.left, c.value);
        } else {
            EXPECT_THROW(ar.ReadOwned<CObjElement>(), fw::CArchiveException) << c.value;
        }
    }
}

// What the program works out again before using it (here the tracker of a
// group, in device units) is brought back within 100 000 000 units either
// way; the insertion cell, where a new symbol goes, within the largest
// frame (2000 cells of 40 units).
TEST(DocumentFile, ViewStateFarOutsideAnyDiagramIsBroughtBack) {
    struct Case {
        int32_t stored;
        int32_t tracker;
        int32_t insert;
    };
    const Case cases[] = {{INT32_MIN, -100000000, -80000}, {-100000001, -100000000, -80000},
                          {-80001, -80001, -80000},        {80000, 80000, 80000},
                          {100000000, 100000000, 80000},   {INT32_MAX, 100000000, 80000}};
    // The insertion point of a project: after the version record (44 bytes),
    // the counters (60), ranges (32), mode and sub-mode (8), the empty
    // project information (8), seven skeleton words (28) and the scroll
    // position (8).
    const size_t insertX = 44 + 60 + 32 + 8 + 8 + 28 + 8;
    // The compound group's tracker rectangle follows the list count (2), the
    // class record (6 + 9), its rectangles, mark, selected flag and offsets
    // (16 + 4 + 4 + 8 + 16 + 8), its name "G" (2) and empty explanation (1).
    const size_t trackerLeft = 2 + 15 + 16 + 4 + 4 + 8 + 16 + 8 + 2 + 1;
    for (const Case& c : cases) {
        std::vector<uint8_t> bytes = Fixture("Document_new_v120.hex");
        ASSERT_EQ(bytes[insertX], 0xa0); // x 160, as written by hand
        PutWord(bytes, insertX, c.stored);
        CTovarineDocData doc;
        Load(doc, bytes);
        EXPECT_EQ(doc.m_infoSkeleton.m_ptInsert.x, c.insert) << c.stored;

        std::vector<uint8_t> group = Fixture("CObjGroupList_compound.hex");
        ASSERT_EQ(group[trackerLeft], 0x0a); // 10, as written by hand
        PutWord(group, trackerLeft, c.stored);
        CObjGroupList list;
        fw::CArchive ar = fw::CArchive::ForLoading(group);
        list.Serialize(ar);
        ASSERT_EQ(list.GetCount(), 1);
        EXPECT_EQ(list.GetHead()->m_tracker.m_rect.left, c.tracker) << c.stored;
    }
}

TEST(DocumentUndo, RestoresCountersAndTreeOnceAndOnlyOnce) {
    CTovarineDocData doc;
    Place(doc, kKindBusBar, 0, 0)->DoSetNewNumber(doc);
    EXPECT_FALSE(doc.HasUndo());
    doc.SaveUndo();
    Place(doc, kKindBusBar, 0, 4)->DoSetNewNumber(doc);
    doc.m_nMode = 3;
    EXPECT_EQ(doc.GetCounter(kKindBusBar), 2);
    doc.SetModifiedFlag(false);
    EXPECT_TRUE(doc.DoRestoreUndo());
    EXPECT_EQ(doc.GetCounter(kKindBusBar), 1); // the next bus-bar is BB2 again
    EXPECT_EQ(doc.m_listGroups.GetCount(), 1);
    EXPECT_EQ(doc.m_nMode, 1);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.HasUndo());
    EXPECT_FALSE(doc.DoRestoreUndo()); // a second undo does nothing
    EXPECT_EQ(doc.m_listGroups.GetCount(), 1);
}

} // namespace

namespace {

// A catalogue document carries the same product and a version ("1.00") the
// project's list accepts: it must still be refused, never half-read.
TEST(DocumentFile, ACatalogueDocumentIsNoProject) {
    for (const char* name : {"catalogue-optional-100A.rv2", "catalogue-cascade-KVM-6.rv2"}) {
        fw::CCompoundFile file =
            fw::CCompoundFile::Load(std::string(TV_SOURCE_DIR) + "/examples/" + name);
        const std::vector<uint8_t>* contents = file.FindStream("Contents");
        ASSERT_NE(contents, nullptr) << name;
        CTovarineDocData doc;
        fw::CArchive ar = fw::CArchive::ForLoading(*contents);
        bool refused = false;
        try {
            doc.Serialize(ar);
            refused = ar.Remaining() != 0;
        } catch (const fw::CArchiveException&) {
            refused = true;
        }
        EXPECT_TRUE(refused) << name;
    }
}

} // namespace
