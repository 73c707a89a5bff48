// The catalogue document without windows: a new document's defaults, the
// file record byte for byte, a save and reload of every search kind with the
// same table (kinds 2 and 3 without the pair tables), damaged and foreign
// streams refused with the document untouched, and the one-level undo.

#include "catalogue/model/CZedezuziDocData.h"

#include "tests/catalogue/CatalogueTestSupport.h"
#include "tests/common/HexFixture.h"
#include "tests/common/MessageCapture.h"

#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "framework/Archive.h"
#include "framework/Database.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using cattest::GroupSelection;
using cattest::TypeSelection;

// Every text of table X and table Y, entry by entry, for comparisons.
std::vector<std::string> TableTexts(const CZedezuziDocData& d) {
    std::vector<std::string> texts;
    for (const auto& e : d.m_listDrawDataX) {
        std::string line = "X" + std::to_string(e->m_nKind) + ":";
        for (int i = 0; i < e->m_nCellCount; ++i)
            line += "|" + e->m_strTexts[i];
        texts.push_back(line);
    }
    for (const auto& r : d.m_listDrawDataY) {
        std::string line = "Y" + std::to_string(r->m_nKind) + ":";
        for (int i = 0; i < r->m_nCellCount; ++i)
            line += "|" + r->m_strTexts[i];
        texts.push_back(line);
    }
    return texts;
}

std::vector<uint8_t> Store(CZedezuziDocData& d, const CZedezuziVersions& v) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    d.Serialize(ar, v);
    return ar.Bytes();
}

void Load(CZedezuziDocData& d, std::vector<uint8_t> bytes, const CZedezuziVersions& v) {
    fw::CArchive ar = fw::CArchive::ForLoading(std::move(bytes));
    d.Serialize(ar, v);
}

class DocDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_versions.m_pProgram = &m_program;
        m_versions.m_pLastDocument = &m_lastDocument;
        m_versions.m_pAccepted = &m_accepted;
    }

    // A new document, searched as the kind and mode say.
    void NewDocument(CZedezuziDocData& d) {
        d.DoSetDefaults(m_db.m_pBreaker, m_db.m_pList, m_program);
    }
    void Search(CZedezuziDocData& d, int kind, int mode) {
        fw::CDatabase* db = m_db.m_pBreaker;
        d.m_nSearchKind = kind;
        switch (kind) {
        case kSearchOptional:
            d.m_InfoBaseOptional.m_nVoltage = 400;
            d.m_InfoBaseOptional.m_dRatedValue = 100;
            d.m_dOptionalCapacity = 25000;
            d.m_nOptionalPoles = 3;
            break;
        case kSearchCascade:
        case kSearchSelective: {
            // KVM-6 (type 101, group 1) under KVC-125S (type 124, group 2).
            CInfoBase up = mode == 1 ? GroupSelection(db, 1, 2, 400) : TypeSelection(db, 124, 400);
            CInfoBase down =
                mode == 2 ? GroupSelection(db, 1, 1, 400) : TypeSelection(db, 101, 400);
            if (kind == kSearchCascade) {
                d.m_InfoBaseCascadeUp = up;
                d.m_InfoBaseCascadeDown = down;
                d.m_nCascadeMode = mode;
                d.m_dIcuBack = mode == 3 ? 0.0 : 15000.0;
            } else {
                d.m_InfoBaseSelectiveUp = up;
                d.m_InfoBaseSelectiveDown = down;
                d.m_nSelectiveMode = mode;
                d.m_dIs = mode == 3 ? 0.0 : 190.0;
            }
            break;
        }
        case kSearchCoordination:
            d.m_nCoordType = 1;
            d.m_dMotorOutput = 7.5;
            d.m_nCoordMode = 1;
            break;
        }
        d.DoSearch(db);
    }

    cattest::CDatabases m_db;
    CVersion m_program = cattest::ProgramVersion();
    CVersion m_lastDocument = cattest::ProgramVersion();
    CVersionList m_accepted = cattest::AcceptedVersions();
    CZedezuziVersions m_versions;
    tvtest::MessageCapture m_messages;
};

TEST_F(DocDataTest, NewDocumentHasThePartsDefaults) {
    CZedezuziDocData d;
    NewDocument(d);
    EXPECT_EQ(d.m_nSearchKind, kSearchNone);
    EXPECT_EQ(d.m_version.m_strVersion, "1.00");
    // The list database's default low voltage is the 400 V row; the breaker
    // database's default maker for low-voltage breakers is maker 1.
    for (const CInfoBase* s :
         {&d.m_InfoBaseOptional, &d.m_InfoBaseCascadeUp, &d.m_InfoBaseCascadeDown,
          &d.m_InfoBaseSelectiveUp, &d.m_InfoBaseSelectiveDown}) {
        EXPECT_EQ(s->m_nVoltage, 400);
        EXPECT_EQ(s->m_nKindFlag, 2);
        EXPECT_EQ(s->m_nLVCBCode, 10);
        EXPECT_EQ(s->m_lManufactureID, 1);
        EXPECT_EQ(s->m_strManufactureName, "KESTRAVAL");
        EXPECT_EQ(s->m_lGroupID, 0);
        EXPECT_EQ(s->m_lTypeID, 0);
    }
    EXPECT_EQ(d.m_dOptionalCapacity, 0.0);
    EXPECT_EQ(d.m_nOptionalPoles, 3);
    EXPECT_EQ(d.m_nCascadePoles, 3);
    EXPECT_EQ(d.m_nCascadeMode, 3);
    EXPECT_EQ(d.m_nSelectivePoles, 3);
    EXPECT_EQ(d.m_nSelectiveMode, 3);
    EXPECT_EQ(d.m_nCoordType, 1);
    EXPECT_EQ(d.m_dMotorOutput, 0.0);
    EXPECT_EQ(d.m_nCoordMode, 1);
    EXPECT_EQ(d.m_InfoBaseCoordLVCB.m_nKindFlag, 2);
    EXPECT_EQ(d.m_InfoBaseCoordLVCB.m_nLVCBCode, 10);
    EXPECT_EQ(d.m_InfoBaseCoordLVCB.m_lManufactureID, 0);
    EXPECT_EQ(d.m_InfoBaseCoordContactor.m_nKindFlag, 4);
    EXPECT_EQ(d.m_InfoBaseCoordContactor.m_nLVCBCode, 0);
    EXPECT_EQ(d.m_InfoBaseCoordThermal.m_nKindFlag, 3);
    EXPECT_EQ(d.m_InfoBaseCoordThermal.m_nVoltage, 400);
    EXPECT_EQ(d.m_infoPrint, CInfoPrint());
    d.DoRebuildTables(m_db.m_pBreaker);
    EXPECT_EQ(TableTexts(d),
              (std::vector<std::string>{"X1:|[Search conditions]", "X1:|[Search results]"}));
    EXPECT_EQ(m_messages.Count(), 0u);
}

TEST_F(DocDataTest, SmallDocumentStoresItemByItemAsTheFixture) {
    CZedezuziDocData d;
    d.m_version = m_program;
    d.m_nSearchKind = kSearchCascade;
    d.m_nCascadeMode = 1;
    CCandidate* c = d.m_listCandidate.DoAddNewCandidate();
    c->m_lManufactureID = 1;
    c->m_lGroupID = 2;
    c->m_nLVCBCode = 11;
    c->m_lTypeID = 124;
    d.m_InfoBaseOptional.m_lManufactureID = 1;
    d.m_InfoBaseOptional.m_strManufactureName = "K";
    d.m_InfoBaseOptional.m_nKindFlag = 2;
    d.m_InfoBaseOptional.m_nLVCBCode = 10;
    d.m_InfoBaseOptional.m_dRatedValue = 100.0;
    d.m_InfoBaseOptional.m_nVoltage = 400;
    d.m_dOptionalCapacity = 25000.0;
    d.m_nOptionalPoles = 3;
    d.m_nCascadePoles = 4;
    d.m_nCoordType = 2;
    d.m_dMotorOutput = 7.5;
    std::vector<uint8_t> fixture = tvtest::ReadHexFixture("catalogue/fixtures/small_document.hex");
    EXPECT_EQ(Store(d, m_versions), fixture);

    CZedezuziDocData back;
    Load(back, fixture, m_versions);
    EXPECT_EQ(back.m_nSearchKind, kSearchCascade);
    EXPECT_EQ(back.m_nCascadeMode, 1);
    ASSERT_EQ(back.m_listCandidate.GetCount(), 1);
    EXPECT_EQ(back.m_listCandidate.GetHead()->m_lTypeID, 124);
    EXPECT_EQ(back.m_InfoBaseOptional.m_strManufactureName, "K");
    EXPECT_EQ(back.m_InfoBaseOptional.m_dRatedValue, 100.0);
    EXPECT_EQ(back.m_dOptionalCapacity, 25000.0);
    EXPECT_EQ(back.m_nCascadePoles, 4);
    EXPECT_EQ(back.m_nSelectiveMode, 3);
    EXPECT_EQ(back.m_nCoordType, 2);
    EXPECT_EQ(back.m_dMotorOutput, 7.5);
    EXPECT_EQ(back.m_nCoordMode, 1);
    EXPECT_EQ(back.m_version.m_strVersion, "1.00");
    EXPECT_EQ(m_lastDocument.m_strVersion, "1.00");
}

struct KindCase {
    int kind;
    int mode;
    const char* name;
};

class SaveAndReload : public DocDataTest, public ::testing::WithParamInterface<KindCase> {};

// Saved, reloaded and rebuilt: the same table. For kinds 2 and 3 the rebuild
// runs on a copy of the breaker database without the pair tables, so it
// cannot have read them.
TEST_P(SaveAndReload, TheReloadedDocumentShowsTheSameTable) {
    const KindCase& k = GetParam();
    CZedezuziDocData d;
    NewDocument(d);
    Search(d, k.kind, k.mode);
    std::vector<std::string> before = TableTexts(d);
    ASSERT_GT(before.size(), 2u);
    std::vector<uint8_t> bytes = Store(d, m_versions);

    QTemporaryDir dir;
    std::string path = cattest::CopyBreakerDatabase(
        dir.path().toStdString(), "DELETE FROM [Break_Cascade]; DELETE FROM [Break_Selective];");
    fw::CDatabase noPairs;
    noPairs.Open(path);

    CZedezuziDocData back;
    Load(back, bytes, m_versions);
    EXPECT_TRUE(back.m_listDrawDataX.IsEmpty());
    back.DoRebuildTables(k.kind == kSearchCoordination ? m_db.m_pBreaker : &noPairs);
    EXPECT_EQ(TableTexts(back), before);
    EXPECT_EQ(Store(back, m_versions), bytes);
    EXPECT_EQ(m_messages.Count(), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, SaveAndReload,
    ::testing::Values(KindCase{1, 0, "Optional"}, KindCase{2, 1, "CascadeUp"},
                      KindCase{2, 2, "CascadeDown"}, KindCase{2, 3, "CascadeIcuBack"},
                      KindCase{3, 1, "SelectiveUp"}, KindCase{3, 2, "SelectiveDown"},
                      KindCase{3, 3, "SelectiveIs"}, KindCase{4, 1, "Coordination"}),
    [](const ::testing::TestParamInfo<KindCase>& info) { return std::string(info.param.name); });

TEST_F(DocDataTest, PairValuesOfModeThreeAreFoundInTheTables) {
    // Back-up of KVM-6 under KVC-125S at 400 V: the 415 V row, 15 kA; the
    // discrimination limit of the pair: its first row at or above 400 V, the
    // 415 V row of 6 A under 16 A, Is = 10 x round(8 x 16 x (1 + 0.5 x
    // (1 - 6/63)) / 10) = 190 A, the lowest limit of the pair at 415 V.
    CZedezuziDocData cascade;
    NewDocument(cascade);
    Search(cascade, kSearchCascade, 3);
    EXPECT_EQ(cascade.m_dIcuBack, 15000.0);
    EXPECT_EQ(cascade.m_listDrawDataX.GetTail()->m_strTexts[0], "Icu-back : 15kA");

    CZedezuziDocData selective;
    NewDocument(selective);
    Search(selective, kSearchSelective, 3);
    EXPECT_EQ(selective.m_dIs, 190.0);
    EXPECT_EQ(selective.m_listDrawDataX.GetTail()->m_strTexts[0], "Is : 0.19kA");
}

// ------------------------------------------------------------ damaged files

class DamagedStreams : public DocDataTest {
protected:
    // A searched document whose state a failed load must leave alone.
    void SetUp() override {
        DocDataTest::SetUp();
        NewDocument(m_doc);
        Search(m_doc, kSearchOptional, 0);
        m_before = TableTexts(m_doc);
        m_beforeBytes = Store(m_doc, m_versions);
    }
    void ExpectRefusedAndUntouched(const std::vector<uint8_t>& bytes) {
        try {
            Load(m_doc, bytes, m_versions);
            ADD_FAILURE() << "a damaged stream was loaded";
        } catch (const fw::CArchiveException&) {
        }
        EXPECT_EQ(TableTexts(m_doc), m_before);
        // The version record holds what the file carried (for the message);
        // everything else is as it was.
        m_doc.m_version = m_program;
        EXPECT_EQ(Store(m_doc, m_versions), m_beforeBytes);
    }

    CZedezuziDocData m_doc;
    std::vector<std::string> m_before;
    std::vector<uint8_t> m_beforeBytes;
};

TEST_F(DamagedStreams, EveryCutOfASoundStreamIsRefused) {
    std::vector<uint8_t> sound = tvtest::ReadHexFixture("catalogue/fixtures/small_document.hex");
    for (size_t length = 0; length < sound.size(); ++length)
        ExpectRefusedAndUntouched(std::vector<uint8_t>(sound.begin(), sound.begin() + length));
}

TEST_F(DamagedStreams, BytesAfterTheEndAreRefused) {
    std::vector<uint8_t> bytes = tvtest::ReadHexFixture("catalogue/fixtures/small_document.hex");
    bytes.push_back(0);
    ExpectRefusedAndUntouched(bytes);
}

TEST_F(DamagedStreams, EmbeddedItemsAreRefused) {
    const std::vector<uint8_t> sound =
        tvtest::ReadHexFixture("catalogue/fixtures/small_document.hex");
    ASSERT_EQ(sound[sound.size() - 2], 0);
    ASSERT_EQ(sound[sound.size() - 1], 0);
    // The count record: 1 item in 16 bits, and 1 item in the escaped 32-bit
    // form; the same zero count written in 32 bits leaves bytes over.
    for (std::vector<uint8_t> count :
         {std::vector<uint8_t>{1, 0}, std::vector<uint8_t>{0xFF, 0xFF, 1, 0, 0, 0},
          std::vector<uint8_t>{0, 0, 0, 0}}) {
        std::vector<uint8_t> bytes(sound.begin(), sound.end() - 2);
        bytes.insert(bytes.end(), count.begin(), count.end());
        ExpectRefusedAndUntouched(bytes);
    }
}

TEST_F(DamagedStreams, SearchKindOutOfRangeIsRefused) {
    for (uint8_t kind : {uint8_t{5}, uint8_t{0xFF}}) {
        std::vector<uint8_t> bytes =
            tvtest::ReadHexFixture("catalogue/fixtures/small_document.hex");
        // The kind follows the 44 bytes of the version record and the 24 of
        // the print settings.
        ASSERT_EQ(bytes[44 + 24], 2);
        bytes[44 + 24] = kind;
        if (kind == 0xFF)
            bytes[44 + 24 + 1] = bytes[44 + 24 + 2] = bytes[44 + 24 + 3] = 0xFF; // -1
        ExpectRefusedAndUntouched(bytes);
    }
}

TEST_F(DamagedStreams, NotANumberIsRefused) {
    std::vector<uint8_t> bytes = tvtest::ReadHexFixture("catalogue/fixtures/small_document.hex");
    // The motor output 7.5 (00 00 00 00 00 00 1e 40) becomes a NaN.
    const uint8_t motor[] = {0, 0, 0, 0, 0, 0, 0x1e, 0x40};
    auto at = std::search(bytes.begin(), bytes.end(), std::begin(motor), std::end(motor));
    ASSERT_NE(at, bytes.end());
    at[6] = 0xf8;
    at[7] = 0x7f;
    ExpectRefusedAndUntouched(bytes);
}

TEST_F(DamagedStreams, ZoomOfZeroIsBroughtToTheSmallestZoom) {
    std::vector<uint8_t> bytes = tvtest::ReadHexFixture("catalogue/fixtures/small_document.hex");
    ASSERT_EQ(bytes[44], 100);
    bytes[44] = 0; // zoom 100 -> 0
    CZedezuziDocData d;
    Load(d, bytes, m_versions);
    EXPECT_EQ(d.m_infoPrint.m_nZoom, CInfoPrint::kMinZoom);
}

// A project of the main program in version "1.00" names the same product and
// version as this program's documents: its version record passes the check,
// and what follows it is not a catalogue document.
std::vector<uint8_t> MainProgramProject() {
    fw::CArchive ar = fw::CArchive::ForStoring();
    CVersion v = cattest::ProgramVersion();
    v.Serialize(ar);
    for (int i = 0; i < 15; ++i)
        ar << uint32_t{0}; // numbering counters
    for (double r : {10.0, 100000.0, 0.01, 100000.0})
        ar << r;                      // graph ranges
    ar << uint32_t{1} << uint32_t{0}; // mode, sub-mode
    for (int i = 0; i < 8; ++i)
        ar << std::string(); // project information
    std::vector<uint8_t> skeleton(84, 0), report(28, 0), impeMap(32, 0);
    ar.Write(skeleton.data(), skeleton.size());
    ar.Write(report.data(), report.size());
    ar.Write(impeMap.data(), impeMap.size());
    ar.WriteCount(0);                 // groups
    ar.WriteCount(0);                 // graphs
    ar << uint32_t{0} << uint32_t{0}; // reserved word, bus-duct counter
    ar.WriteCount(0);                 // container items
    return ar.Bytes();
}

TEST_F(DamagedStreams, MainProgramProjectOfTheSameVersionIsRefused) {
    ExpectRefusedAndUntouched(MainProgramProject());
}

TEST_F(DamagedStreams, ForeignVersionIsRefusedAndItsRecordKeptForTheMessage) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    CVersion other = cattest::ProgramVersion();
    other.m_strVersion = "1.20";
    other.m_strMdbVersion = "9.99";
    other.Serialize(ar);
    ar << uint32_t{0};
    try {
        Load(m_doc, ar.Bytes(), m_versions);
        FAIL() << "a document of another version was loaded";
    } catch (const fw::CArchiveException& e) {
        EXPECT_EQ(e.m_cause, fw::CArchiveException::badIndex);
    }
    EXPECT_EQ(m_doc.m_version.m_strVersion, "1.20");
    EXPECT_EQ(m_doc.m_version.m_strMdbVersion, "9.99");
    EXPECT_EQ(m_lastDocument.m_strVersion, "1.20");
    EXPECT_EQ(TableTexts(m_doc), m_before);
}

// ------------------------------------------------------------------- undo

// A damaged document whose breakers name types the breaker database does not
// hold: the table is built with their columns empty and no message for each,
// and the document's one text names how many breakers and each type once.
TEST_F(DocDataTest, UnknownTypesAreNamedOnceForTheFile_FaultMessagesPerCandidate) {
    CZedezuziDocData d;
    NewDocument(d);
    Search(d, kSearchOptional, 0);
    const int known = d.m_listCandidate.GetCount();
    ASSERT_GT(known, 0);
    EXPECT_EQ(d.DoTextUnknownTypes(m_db.m_pBreaker), "");
    for (int32_t type : {9001, 9002, 9001}) {
        CCandidate* c = d.m_listCandidate.DoAddNewCandidate();
        c->m_lManufactureID = 1;
        c->m_lGroupID = 1;
        c->m_nLVCBCode = 10;
        c->m_lTypeID = type;
    }
    m_messages.Clear();
    d.DoRebuildTables(m_db.m_pBreaker);
    EXPECT_EQ(m_messages.Count(), 0u);
    int filled = 0, empty = 0;
    for (const auto& e : d.m_listDrawDataX) {
        if (e->m_nKind != CDrawDataX::kindData)
            continue;
        (e->m_nHeights[0] == 0 ? empty : filled) += 1;
    }
    EXPECT_EQ(filled, known);
    EXPECT_EQ(empty, 3);
    EXPECT_EQ(d.DoTextUnknownTypes(m_db.m_pBreaker),
              "The file is damaged: 3 breakers name types that the breaker database does not "
              "hold (9001, 9002). Their columns of the table are left empty.");
    d.m_listCandidate.DoDeleteAllCandidate();
    d.m_listCandidate.DoAddNewCandidate()->m_lTypeID = 7777;
    EXPECT_EQ(d.DoTextUnknownTypes(m_db.m_pBreaker),
              "The file is damaged: 1 breaker names a type that the breaker database does not "
              "hold (7777). Their columns of the table are left empty.");
}

TEST_F(DocDataTest, UndoRestoresKindConditionsCandidatesAndTableOnce) {
    CZedezuziDocData d;
    NewDocument(d);
    Search(d, kSearchCascade, 3);
    std::vector<std::string> before = TableTexts(d);
    std::vector<uint8_t> beforeBytes = Store(d, m_versions);
    EXPECT_FALSE(d.CanUndo());

    d.DoSaveUndo();
    Search(d, kSearchOptional, 0);
    ASSERT_NE(TableTexts(d), before);
    ASSERT_GT(d.m_listCandidate.GetCount(), 0);

    EXPECT_TRUE(d.DoRestoreUndo());
    EXPECT_EQ(d.m_nSearchKind, kSearchCascade);
    EXPECT_EQ(TableTexts(d), before);
    EXPECT_EQ(Store(d, m_versions), beforeBytes);
    EXPECT_FALSE(d.CanUndo());
    EXPECT_FALSE(d.DoRestoreUndo());
}

} // namespace
