// The catalogue program's search dialogs opened as a new document opens them
// and laid out in the application's font: no label, check box, radio button,
// push button or group title may show less than its whole text.

#include "catalogue/dialogs/CDlgCatalogue.h"
#include "catalogue/dialogs/CDlgCoordination.h"
#include "catalogue/dialogs/CDlgPairSearch.h"
#include "catalogue/model/CZedezuziDocData.h"

#include "tests/catalogue/CatalogueTestSupport.h"
#include "tests/common/DialogFit.h"
#include "tests/common/MessageCapture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace cattest;

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

TEST(CatalogueDialogLayout, SearchDialogsShowTheirTextsWhole) {
    CDatabases db;
    tvtest::MessageCapture messages;
    CZedezuziDocData doc;
    doc.DoSetDefaults(db.m_pBreaker, db.m_pList, ProgramVersion());
    {
        CDlgCatalogue dlg(db.m_pBreaker, db.m_pList);
        dlg.m_InfoBase = doc.m_InfoBaseOptional;
        dlg.m_nPoles = 3;
        dlg.OnInitDialog();
        ExpectWholeTexts(dlg, "optional");
    }
    {
        CDlgCascade dlg(db.m_pBreaker, db.m_pList);
        dlg.m_InfoBaseUp = doc.m_InfoBaseCascadeUp;
        dlg.m_InfoBaseDown = doc.m_InfoBaseCascadeDown;
        dlg.m_nMode = 1;
        dlg.OnInitDialog();
        ExpectWholeTexts(dlg, "cascade");
    }
    {
        CDlgSelective dlg(db.m_pBreaker, db.m_pList);
        dlg.m_InfoBaseUp = doc.m_InfoBaseSelectiveUp;
        dlg.m_InfoBaseDown = doc.m_InfoBaseSelectiveDown;
        dlg.m_nMode = 1;
        dlg.OnInitDialog();
        ExpectWholeTexts(dlg, "discrimination");
    }
    {
        CDlgCoordination dlg(db.m_pBreaker);
        dlg.m_nCoordType = 1;
        dlg.m_nMode = 1;
        dlg.m_InfoBaseLVCB = doc.m_InfoBaseCoordLVCB;
        dlg.OnInitDialog();
        ExpectWholeTexts(dlg, "co-ordination");
    }
}

} // namespace
