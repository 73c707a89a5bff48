// Reading makers, groups, types, operating kinds, trip elements, dial
// characters, standard curves and poles into the breaker records.

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CReadPart.h"
#include "breakerdata/model/CReadPoles.h"
#include "breakerdata/recordsets/CRSBreak_Element.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_OpeKind.h"
#include "breakerdata/recordsets/CRSBreak_Poles.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "breakerdata/recordsets/CRSCurve_Standard.h"
#include "breakerdata/recordsets/CRSDial_Character.h"
#include "breakerdata/recordsets/CRSManufacture.h"

#include "framework/Combo.h"
#include "tests/common/FixtureDb.h"
#include "tests/common/MessageCapture.h"
#include "tests/dorventa/SchemaFixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char* kRows = R"(
INSERT INTO [Manufacture] VALUES (1, 0, 'Kestraval');
INSERT INTO [Manufacture] VALUES (2, 1, 'Arvent');
INSERT INTO [Manufacture] VALUES (3, 0, 'Zolmar');

INSERT INTO [Break_Group] VALUES (1, 2, 1, 20, 0, 'Moulded case');
INSERT INTO [Break_Group] VALUES (2, 2, 1, 10, 1, 'Air');
INSERT INTO [Break_Group] VALUES (3, 2, 1, 10, 0, 'Air too');
INSERT INTO [Break_Group] VALUES (4, 3, 1, 0, 1, 'Thermal');

INSERT INTO [Break_Type] ([lTypeID], [lManufactureID], [lGroupID], [bIsDefault], [sTypeName],
    [bCanUseCT], [sOpeKindTitle], [sSeriesName]) VALUES (1, 1, 2, 0, 'KA-800', 1, 'Trip', 'KA');
INSERT INTO [Break_Type] ([lTypeID], [lManufactureID], [lGroupID], [bIsDefault], [sTypeName])
    VALUES (2, 1, 2, 1, 'KA-1600');
INSERT INTO [Break_Type] ([lTypeID], [lManufactureID], [lGroupID], [sTypeName])
    VALUES (3, 1, 2, 'No information');
INSERT INTO [Break_Type] ([lTypeID], [lManufactureID], [lGroupID], [sTypeName])
    VALUES (4, 1, 1, '');
INSERT INTO [Break_Type] ([lTypeID], [lManufactureID], [lGroupID], [sTypeName])
    VALUES (495, 1, 4, 'Fixed');
INSERT INTO [Break_Info] ([lInfoID], [lTypeID], [nOrder], [nSubOrder], [sTemperature])
    VALUES (1, 1, 2, 0, '40 C');
INSERT INTO [Break_Info] ([lInfoID], [lTypeID], [nOrder], [nSubOrder]) VALUES (2, 2, 1, 0);
INSERT INTO [Break_Info] ([lInfoID], [lTypeID]) VALUES (4, 4);
INSERT INTO [Break_Info] ([lInfoID], [lTypeID]) VALUES (5, 495);

INSERT INTO [Break_OpeKind] VALUES (7, 1, 0, 'Standard', 2, 'Rated current', 'A', 2, 'Ir/In', '',
    1, 0);
INSERT INTO [Break_OpeKind] VALUES (8, 1, 1, 'Ground fault', 3, 'Rated', 'kA', 0, '', '', 0, 1);
INSERT INTO [Break_OpeKind] VALUES (9, 495, 1, 'Only', 2, 'Rated', 'A', 0, '', '', 0, 0);

INSERT INTO [Break_Element] VALUES (30, 5, 2, 'STD');
INSERT INTO [Break_Element] VALUES (31, 5, 1, 'LTD');

INSERT INTO [Dial_Character] ([lDialCharID], [lElementID], [bIsDefault], [sCharacterName],
    [sNameOnGraph], [bIsLink], [nLinkNumber], [bIsCurrent], [bDispCurrentMulti], [nCurrentFlag],
    [sCurrentTitle], [sCurrentUnit], [sCurrentNotes], [nMagniCurrentFlag], [nTimeFlag],
    [bIsNoneSadamu], [sTimeUnit], [nMagniTimeFlag], [bUseLock], [bUseTimer], [bMCR])
    VALUES (40, 31, 0, 'Long', 'LT', 1, -3, 1, 1, 3, 'Ir', 'xIn', 'n', 2, 2, 1, 's', 3, 1, 0, 1);
INSERT INTO [Dial_Character] ([lDialCharID], [lElementID], [bIsDefault], [sCharacterName])
    VALUES (41, 31, 1, 'Long I2t');
INSERT INTO [Dial_Character] ([lDialCharID], [lElementID], [bIsDefault], [sCharacterName])
    VALUES (42, 31, 1, 'Short');

INSERT INTO [Curve_Standard] VALUES (1, 101, 40, 415, 0.5, 2);
INSERT INTO [Curve_Standard] VALUES (2, 102, 40, 0, 1.0, 0);

INSERT INTO [Break_Poles] VALUES (1, 1, 3, 230, 400, 440, -690, 30, 100, 200, 500, 1000, 0.1,
    100, 200, 500, 1000, 0.2, 0.3, 0.5, 1.0);
INSERT INTO [Break_Poles] ([lPolesID], [lTypeID], [nPoleCount]) VALUES (2, 1, 4);
)";

class ReferenceReads : public ::testing::Test {
protected:
    ReferenceReads() : m_fixture("BEGIN;" + dvtest::BreakerSchema() + kRows + "COMMIT;") {
        m_db.Open(m_fixture.Path());
    }
    static std::vector<std::string> Texts(const fw::CMemoryCombo& box) {
        std::vector<std::string> texts;
        for (int i = 0; i < box.GetCount(); ++i)
            texts.push_back(box.GetLBText(i));
        return texts;
    }

    tvtest::FixtureDb m_fixture;
    fw::CDatabase m_db;
    tvtest::MessageCapture m_messages;
};

using Strings = std::vector<std::string>;

} // namespace

TEST_F(ReferenceReads, MakersOfRelaysThermalsAndContactorsAreTheFirstMakerOnly) {
    for (unsigned kind : {1u, 3u, 4u}) {
        fw::CMemoryCombo box;
        CInfoBase info;
        EXPECT_EQ(CRSManufacture(&m_db).DoReadSetDefaultM(&box, kind, &info, 1), 2);
        EXPECT_EQ(Texts(box), (Strings{"Kestraval"}));
        EXPECT_EQ(box.GetItemData(0), 1);
        EXPECT_EQ(box.GetCurSel(), -1); // the default is not listed
        EXPECT_EQ(info.m_lManufactureID, 2);
        EXPECT_EQ(info.m_strManufactureName, "Arvent");
    }
    fw::CMemoryCombo all;
    CInfoBase info;
    EXPECT_EQ(CRSManufacture(&m_db).DoReadSetDefaultM(&all, 2, &info, 1), 2);
    EXPECT_EQ(Texts(all), (Strings{"Arvent", "Kestraval", "Zolmar"}));
    EXPECT_EQ(all.GetCurSel(), 0);

    // Init 0 takes nothing and leaves the selection.
    CInfoBase kept;
    kept.m_strManufactureName = "Stored";
    EXPECT_EQ(CRSManufacture(&m_db).DoReadSetDefaultM(nullptr, 2, &kept, 0), 0);
    EXPECT_EQ(kept.m_strManufactureName, "Stored");
}

TEST_F(ReferenceReads, MakerAndGroupById) {
    CInfoBase info;
    EXPECT_EQ(CRSManufacture(&m_db).DoReadByManufactureID(3, &info), 1);
    EXPECT_EQ(info.m_strManufactureName, "Zolmar");
    EXPECT_EQ(CRSManufacture(&m_db).DoReadByManufactureID(9, &info), 0);
    EXPECT_EQ(info.m_lManufactureID, 0);
    EXPECT_EQ(info.m_strManufactureName, "");

    EXPECT_EQ(CRSBreak_Group(&m_db).DoReadByManuGroupID(1, 4, &info), 1);
    EXPECT_EQ(info.m_nKindFlag, 3);
    EXPECT_EQ(info.m_strGroupName, "Thermal");
}

TEST_F(ReferenceReads, GroupsInCodeOrderWithTheDefault) {
    fw::CMemoryCombo box;
    CInfoBase info;
    EXPECT_EQ(CRSBreak_Group(&m_db).DoReadSetDefaultEG(&box, 1, 2, &info, 1), 2);
    EXPECT_EQ(Texts(box), (Strings{"Air", "Air too", "Moulded case"}));
    EXPECT_EQ(box.GetCurSel(), 0);
    EXPECT_EQ(info.m_nLVCBCode, 10);
    EXPECT_EQ(info.m_nKindFlag, 2);

    std::string name = "unchanged";
    EXPECT_EQ(CRSBreak_Group(&m_db).DoReadGetGroupID(1, 2, 10, name), 3);
    EXPECT_EQ(name, "Air too");
    EXPECT_EQ(CRSBreak_Group(&m_db).DoReadGetGroupID(1, 2, 99, name), 0);
    EXPECT_EQ(name, "Air too");
}

TEST_F(ReferenceReads, TypesWithTheirInformation) {
    CInfoBase info;
    info.m_strManufactureName = "kept";
    CReadBase base;
    EXPECT_EQ(CRSBreak_Type(&m_db).DoReadByTypeID(1, &info, &base, 1), 1);
    EXPECT_EQ(info.m_strTypeName, "KA-800");
    EXPECT_EQ(info.m_lGroupID, 2);
    EXPECT_EQ(info.m_strManufactureName, "kept");
    EXPECT_EQ(base.m_strOpeKindTitle, "Trip");
    EXPECT_EQ(base.m_strSeriesName, "KA");
    EXPECT_EQ(base.m_bCanUseCT, 1);
    EXPECT_EQ(base.m_nOrder, 2);
    EXPECT_EQ(base.m_strTemperature, "40 C");

    // A type without its information row is never found.
    EXPECT_EQ(CRSBreak_Type(&m_db).DoReadByTypeID(3, &info, &base, 1), 0);
    EXPECT_EQ(info.m_lTypeID, 0);
    EXPECT_EQ(base.m_strSeriesName, "");
    EXPECT_EQ(CRSBreak_Type(&m_db).DoReadByTypeName("No information", &info, &base, 1), 0);
    // The empty name is looked for as such.
    EXPECT_EQ(CRSBreak_Type(&m_db).DoReadByTypeName("", &info, &base, 1), 4);
    EXPECT_EQ(CRSBreak_Type(&m_db).DoReadByTypeName("ka-1600", &info, nullptr, 1), 2);

    fw::CMemoryCombo box;
    EXPECT_EQ(CRSBreak_Type(&m_db).DoReadSetDefaultET(&box, 1, 2, &info, &base, 1), 2);
    EXPECT_EQ(Texts(box), (Strings{"KA-1600", "KA-800"}));
    EXPECT_EQ(box.GetCurSel(), 0);
}

TEST_F(ReferenceReads, OperatingKindsByIndexIdAndName) {
    fw::CMemoryCombo box;
    CInfoBase info;
    CReadBase base;
    // The index, not the default flag, chooses.
    EXPECT_EQ(CRSBreak_OpeKind(&m_db).DoReadSetByIndex(&box, 1, 0, &info, &base, 1), 7);
    EXPECT_EQ(Texts(box), (Strings{"Standard", "Ground fault"}));
    EXPECT_EQ(box.GetCurSel(), 0);
    EXPECT_EQ(info.m_strOpeKindName, "Standard");
    EXPECT_EQ(base.m_dialRated.m_nKind, 2);
    EXPECT_EQ(base.m_dialMagni.m_strTitle, "Ir/In");
    EXPECT_EQ(base.m_bUseOpenTime, 1);

    fw::CMemoryCombo beyond;
    EXPECT_EQ(CRSBreak_OpeKind(&m_db).DoReadSetByIndex(&beyond, 1, 2, &info, &base, 1), 0);
    EXPECT_EQ(beyond.GetCount(), 2);
    EXPECT_EQ(beyond.GetCurSel(), -1);

    // Types 495 and 500 never have an operating kind chosen.
    fw::CMemoryCombo fixed;
    EXPECT_EQ(CRSBreak_OpeKind(&m_db).DoReadSetByIndex(&fixed, 495, 0, &info, &base, 1), 0);
    EXPECT_EQ(Texts(fixed), (Strings{"Only"}));
    EXPECT_EQ(CRSBreak_OpeKind(&m_db).DoReadSetByIndex(nullptr, 495, 0, &info, &base, 1), 0);

    // By id: the id asked for comes back even when no row has it.
    info.m_strOpeKindName = "stale";
    EXPECT_EQ(CRSBreak_OpeKind(&m_db).DoReadByOpeKindID(77, &info, &base), 77);
    EXPECT_EQ(info.m_lOpeKindID, 0);
    EXPECT_EQ(info.m_strOpeKindName, "");
    EXPECT_EQ(base.m_dialRated.m_nKind, 0);
    EXPECT_EQ(CRSBreak_OpeKind(&m_db).DoReadByOpeKindID(8, &info, &base), 8);
    EXPECT_EQ(base.m_dialRated.m_strUnit, "kA");

    // By name: needs a reference to give an id.
    EXPECT_EQ(CRSBreak_OpeKind(&m_db).DoReadByOpeKindName(1, "ground FAULT", &base), 8);
    EXPECT_EQ(CRSBreak_OpeKind(&m_db).DoReadByOpeKindName(1, "Ground fault", nullptr), 0);
    EXPECT_EQ(CRSBreak_OpeKind(&m_db).DoReadByOpeKindName(1, "None", &base), 0);
}

TEST_F(ReferenceReads, ElementsAndDialCharacters) {
    CReadPartList parts;
    parts.DoAddNewReadPart()->m_strElementName = "old";
    EXPECT_EQ(CRSBreak_Element(&m_db).DoReadToListReadPart(5, &parts), 2);
    ASSERT_EQ(parts.GetCount(), 2);
    EXPECT_EQ(parts.GetAt(0)->m_strElementName, "LTD");
    EXPECT_EQ(parts.GetAt(1)->m_lElementID, 30);
    EXPECT_EQ(CRSBreak_Element(&m_db).DoReadToListReadPart(5, nullptr), 0);

    CReadPart* part = parts.GetHead();
    CInfoPart setting;
    EXPECT_EQ(CRSDial_Character(&m_db).DoReadByElementID(31, "Long", &setting, part), 40);
    EXPECT_EQ(setting.m_strCharacterName, "Long");
    EXPECT_EQ(part->m_strNameOnGraph, "LT");
    EXPECT_EQ(part->m_nLinkNumber, -3);
    EXPECT_EQ(part->m_bDispCurrentMulti, 1);
    EXPECT_EQ(part->m_dialCurrent.m_nKind, 3);
    EXPECT_EQ(part->m_dialCurrent.m_strNotes, "n");
    EXPECT_EQ(part->m_dialMagniTime.m_nKind, 3);
    EXPECT_EQ(part->m_bMCR, 1);
    EXPECT_EQ(part->m_strElementName, "LTD"); // the element's own fields stay

    // Two default characters: the later one is taken and selected.
    fw::CMemoryCombo box;
    EXPECT_EQ(CRSDial_Character(&m_db).DoReadSetDefaultDC(&box, 31, &setting, part), 42);
    EXPECT_EQ(box.GetCurSel(), 2);
    EXPECT_EQ(part->m_dialCurrent.m_nKind, 0);
    // Without a box the first default ends the reading.
    EXPECT_EQ(CRSDial_Character(&m_db).DoReadSetDefaultDC(nullptr, 31, &setting, part), 41);
    EXPECT_EQ(setting.m_strCharacterName, "Long I2t");
}

TEST_F(ReferenceReads, StandardCurvesAndPoles) {
    CReadCurveList curves;
    curves.DoAddNewReadCurve();
    EXPECT_EQ(CRSCurve_Standard(&m_db).DoReadByDialCharID(40, &curves), 2);
    ASSERT_EQ(curves.GetCount(), 3); // appended, not replaced
    EXPECT_EQ(curves.GetAt(1)->m_lCurveHeaderID, 101);
    EXPECT_EQ(curves.GetAt(1)->m_lStdVoltage2, 415);
    EXPECT_EQ(curves.GetAt(1)->m_dPairTime, 0.5);
    EXPECT_EQ(curves.GetAt(1)->m_nLineKind, 2);

    CRSBreak_Poles poles(&m_db);
    EXPECT_EQ(poles.IsReadByTypeIDPoles(1, 4), 1);
    EXPECT_EQ(poles.IsReadByTypeIDPoles(1, 2), 0);
    EXPECT_EQ(poles.DoReadByTypeID(1, nullptr), 2);
    CReadPolesList list;
    EXPECT_EQ(poles.DoReadByTypeID(1, &list), 2);
    const CReadPoles* p = list.GetHead();
    EXPECT_EQ(p->m_nPoleCount, 3);
    EXPECT_EQ(p->m_nVoltAC[3], -690); // widened with its sign
    EXPECT_EQ(p->m_nHsCurrent[4], 1000);
    EXPECT_EQ(p->m_dHsTime, 0.1);
    EXPECT_EQ(p->m_nTdCurrent[3], 1000);
    EXPECT_EQ(p->m_dTdTime[3], 1.0);
}
