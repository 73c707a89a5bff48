// Every dialog and property sheet of the main program, opened as the user
// opens it and laid out in the application's font: no label, check box,
// radio button, push button or group title may show less than its whole
// text, and a sheet stays on the screen with OK and Cancel below its pages.

#include "app/elements/conductors/CEleBusBar.h"
#include "app/elements/conductors/CEleBusDuct.h"
#include "app/elements/conductors/CEleWire.h"
#include "app/elements/conductors/dialogs/CDlgEleBusBarSheet.h"
#include "app/elements/conductors/dialogs/CDlgEleBusDuctSheet.h"
#include "app/elements/conductors/dialogs/CDlgEleWireSheet.h"
#include "app/elements/supply/CEleCapacitor.h"
#include "app/elements/supply/CEleGenerator.h"
#include "app/elements/supply/CEleLoad.h"
#include "app/elements/supply/CEleMotor.h"
#include "app/elements/supply/CEleMotorEff.h"
#include "app/elements/supply/CEleText.h"
#include "app/elements/supply/CEleTrans1.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/elements/supply/dialogs/CDlgEleCapacitor.h"
#include "app/elements/supply/dialogs/CDlgEleGenerator.h"
#include "app/elements/supply/dialogs/CDlgEleLoad.h"
#include "app/elements/supply/dialogs/CDlgEleMotor.h"
#include "app/elements/supply/dialogs/CDlgEleMotorEff.h"
#include "app/elements/supply/dialogs/CDlgEleSource.h"
#include "app/elements/supply/dialogs/CDlgEleText.h"
#include "app/elements/supply/dialogs/CDlgEleTrans1.h"
#include "app/elements/supply/dialogs/CDlgEleTrans3.h"
#include "app/elements/supply/dialogs/CDlgEleZeroCond.h"
#include "app/protection/dialogs/CDlgSetupGraph.h"
#include "app/records/DocSettings.h"
#include "app/records/ElementKinds.h"
#include "app/shell/dialogs/CDlgSetup.h"
#include "app/shell/model/CObjElement.h"
#include "framework/Resources.h"
#include "shellcommon/CAboutDlg.h"
#include "shellcommon/CDlgSetupPage.h"
#include "tests/app/elements/ModelDatabasesTestSupport.h"
#include "tests/app/elements/conductors/ConductorTestSupport.h"
#include "tests/common/DialogFit.h"

#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using elementtest::WithDatabases;

std::string Join(const std::vector<std::string>& texts) {
    std::string all;
    for (const std::string& t : texts)
        all += "\n  " + t;
    return all;
}

void ExpectWholeTexts(QDialog& dialog, const std::string& name) {
    dialog.show();
    EXPECT_EQ("", Join(dialogfit::CutTexts(&dialog))) << name;
}

// A sheet shown with every page visited: every page's texts whole, the
// sheet on the screen, OK and Cancel below the pages at the right.
void ExpectSheetLaidOut(fw::CPropertySheet& sheet, const std::string& name) {
    sheet.DoStart();
    sheet.show();
    const QRect screen = sheet.screen()->availableGeometry();
    EXPECT_LE(sheet.width(), screen.width()) << name;
    EXPECT_LE(sheet.height(), screen.height()) << name;
    for (int i = 0; i < sheet.GetPageCount(); ++i) {
        ASSERT_TRUE(sheet.SetActivePage(i)) << name << " page " << i;
        EXPECT_EQ("", Join(dialogfit::CutTexts(sheet.GetPage(i))))
            << name << " page " << sheet.GetPage(i)->GetCaption();
    }
    const QRect tab = sheet.GetTabWidget()->geometry();
    for (unsigned id : {1u, 2u}) {
        auto* button = fw::FindControlAs<QPushButton>(&sheet, id);
        ASSERT_NE(nullptr, button) << name;
        const QRect r(button->mapTo(&sheet, QPoint(0, 0)), button->size());
        EXPECT_GE(r.top(), tab.bottom()) << name << " button " << id;
        EXPECT_GT(r.left(), tab.center().x()) << name << " button " << id;
    }
    EXPECT_EQ("", Join(dialogfit::CutTexts(&sheet))) << name;
}

// An element of the kind set up as placed on a new diagram.
template <class Model> Model NewElement(int32_t kind) {
    condtest::TestDocument doc;
    CObjElement element(kind);
    element.DoInitNewElement(doc);
    return *static_cast<Model*>(element.GetElement());
}

class DialogLayout : public WithDatabases {};

TEST_F(DialogLayout, SupplyDialogsShowTheirTextsWhole) {
    {
        CDlgEleSource dlg;
        dlg.OnInitDialog();
        ExpectWholeTexts(dlg, "source");
    }
    {
        CDlgEleTrans3 dlg;
        dlg.m_eleTrans3 = NewElement<CEleTrans3>(kKindTrans3);
        dlg.OnInitDialog();
        ExpectWholeTexts(dlg, "three-phase transformer");
    }
    {
        CDlgEleTrans1 dlg;
        dlg.m_eleTrans1 = NewElement<CEleTrans1>(kKindTrans1);
        dlg.OnInitDialog();
        ExpectWholeTexts(dlg, "single-phase transformer");
    }
    {
        CDlgEleZeroCond dlg;
        dlg.OnInitDialog();
        ExpectWholeTexts(dlg, "zero conductor");
    }
}

TEST_F(DialogLayout, MachineAndConsumerDialogsShowTheirTextsWhole) {
    CGeneratorEdit generator;
    generator.generator = NewElement<CEleGenerator>(kKindGenerator);
    generator.nFrequency = 50;
    {
        CDlgEleGenerator dlg(generator, 1);
        ExpectWholeTexts(dlg, "generator");
    }
    CEleMotorEff effect = NewElement<CEleMotorEff>(kKindMotorEff);
    {
        CDlgEleMotorEff dlg(effect, 1, 50);
        ExpectWholeTexts(dlg, "motor effect");
    }
    CEleMotor motor = NewElement<CEleMotor>(kKindMotor);
    {
        CDlgEleMotor dlg(motor, 1);
        ExpectWholeTexts(dlg, "motor");
    }
    CEleLoad load = NewElement<CEleLoad>(kKindLoad);
    {
        CDlgEleLoad dlg(load, 1);
        ExpectWholeTexts(dlg, "general load");
    }
    CEleCapacitor capacitor = NewElement<CEleCapacitor>(kKindCapacitor);
    {
        CDlgEleCapacitor dlg(capacitor, 1, 50);
        ExpectWholeTexts(dlg, "capacitor");
    }
    CEleText text;
    {
        CDlgEleText dlg(text);
        ExpectWholeTexts(dlg, "text box");
    }
}

// Each sheet with all its pages (the wire system with neutral and PE).
TEST_F(DialogLayout, ConductorSheetsFitTheScreenWithTheirTextsWhole) {
    {
        CEleWire wire = NewElement<CEleWire>(kKindWire);
        CDlgEleWireSheet sheet("Wire", nullptr, 0);
        sheet.GetElement() = wire;
        sheet.SetDocument(50, 1);
        sheet.DoAddPages(3);
        ExpectSheetLaidOut(sheet, "wire");
    }
    {
        CEleBusBar bar = NewElement<CEleBusBar>(kKindBusBar);
        CDlgEleBusBarSheet sheet("Bus-bar", nullptr, 0);
        sheet.GetElement() = bar;
        sheet.SetDocument(50, 1);
        sheet.DoAddPages(3);
        ExpectSheetLaidOut(sheet, "bus-bar");
    }
    {
        CEleBusDuct duct = NewElement<CEleBusDuct>(kKindBusDuct);
        CDlgEleBusDuctSheet sheet("Bus-duct", nullptr, 0);
        sheet.GetElement() = duct;
        sheet.SetDocument(50, 1);
        sheet.DoAddPages(3);
        ExpectSheetLaidOut(sheet, "bus-duct");
    }
}

TEST_F(DialogLayout, SetUpAndAboutDialogsShowTheirTextsWhole) {
    CInfoProject project;
    {
        CDlgSetupProject dlg(project);
        ExpectWholeTexts(dlg, "project information");
    }
    CInfoSkeleton skeleton;
    {
        CDlgSetupSkeleton dlg(skeleton, 1);
        ExpectWholeTexts(dlg, "skeleton set-up");
    }
    {
        CDlgSetupPage dlg(fw::CRect(10, 10, 10, 10));
        ExpectWholeTexts(dlg, "page set-up");
    }
    for (uint32_t kind : {0u, 10u, 11u}) {
        std::string current;
        std::string time;
        CDlgSetupGraph::GetLabels(kind, &current, &time);
        CDlgSetupGraph dlg("Co-ordination12", 0.00001, 100000000.0, 0.00001, 100000000.0, current,
                           time);
        ExpectWholeTexts(dlg, "graph set-up of kind " + std::to_string(kind));
    }
    {
        CVersion version;
        version.m_strLocation = "International";
        CAboutDlg dlg(version);
        dlg.OnInitDialog();
        ExpectWholeTexts(dlg, "about");
    }
}

} // namespace
