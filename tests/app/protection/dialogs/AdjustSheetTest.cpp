// The dial adjustment sheet on a breaker of a document, read from the build's
// databases: its pages, the dials stepped with the view told before and after
// each change, each change one undo step, the rating stepped and the dial
// pages rebuilt, the relay's CT primary current; and the sheet whose element
// goes (deleted, edited into a copy, the undo put back) while it is open.
//
// The breaker is the KVA-16N (type 172) at 1600 A: trip elements "Long
// time", "Short time" (current dial 150 ... 1000 %, default 600, lockable)
// and "Instantaneous" (lockable); ratings 800, 1000, 1250, 1600 A.

#include "../../TestNetwork.h"
#include "../AdjustTestSupport.h"

#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/protection/dialogs/CAdjustDelay.h"
#include "app/protection/dialogs/CAdjustLine.h"
#include "app/protection/dialogs/CAdjustPart.h"
#include "app/protection/dialogs/CAdjustRated.h"
#include "app/protection/dialogs/CAdjustSheet.h"
#include "app/protection/dialogs/UpDown.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroupList.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/MessageBox.h"
#include "framework/Resources.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class RecordingHost : public CAdjustSheetHost {
public:
    void OnElementChanging(CObjElement* e, int32_t hint) override {
        calls.push_back("changing " + std::to_string(hint));
        elements.push_back(e);
    }
    void OnElementChanged(CObjElement* e, int32_t hint) override {
        calls.push_back("changed " + std::to_string(hint));
        elements.push_back(e);
    }
    void OnAdjustSheetClosed() override { calls.push_back("closed"); }

    std::vector<std::string> calls;
    std::vector<CObjElement*> elements;
};

void FlushDeletes() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

class AdjustSheet : public ::testing::Test {
protected:
    AdjustSheet() {
        element = tvtest::Place(doc, kKindLVCB, 0, 2);
        CEleLVCB& breaker = tvtest::ModelOf<CEleLVCB>(element);
        adjust = breaker.GetAdjust() ? breaker.GetAdjust() : breaker.DoAddNewObjAdjust();
        adjusttest::ReadLoaded(*adjust, 2, 172, 400);
        element->DoCalcCurve(50);
    }
    ~AdjustSheet() override {
        if (sheet) {
            sheet->ClearHost();
            sheet->DoClose();
        }
        FlushDeletes();
    }
    CAdjustSheet* Open() {
        sheet = new CAdjustSheet(doc, element, &host, nullptr);
        sheet->DoCreate();
        return sheet;
    }
    // The page, shown (and so set up) first.
    template <class Page> Page* Show(Page* page) {
        sheet->SetActivePage(page);
        return page;
    }
    template <class T> static T* Control(QWidget* page, unsigned id) {
        T* control = fw::FindControlAs<T>(page, id);
        EXPECT_NE(control, nullptr) << id;
        return control;
    }
    CInfoPart* Setting(int index) { return adjust->m_listInfoPart.GetAt(index); }

    adjusttest::BreakerDatabasesScope databases;
    CTovarineDocData doc;
    CObjElement* element = nullptr;
    CObjAdjust* adjust = nullptr;
    RecordingHost host;
    QPointer<CAdjustSheet> sheet;
};

TEST_F(AdjustSheet, PagesOfABreaker) {
    Open();
    EXPECT_EQ(sheet->windowTitle().toStdString(),
              "Adjust of dial - [" + element->GetName() + "] - [KVA-16N]");
    // Rated, one page per trip element named on its tab, no delay page (the
    // type has neither breaking nor open time), the line.
    ASSERT_EQ(sheet->GetPageCount(), 5);
    ASSERT_EQ(sheet->GetPartPages().size(), 3u);
    EXPECT_NE(sheet->GetRatedPage(), nullptr);
    EXPECT_EQ(sheet->GetDelayPage(), nullptr);
    QTabWidget* tabs = sheet->GetTabWidget();
    EXPECT_EQ(tabs->tabText(0).toStdString(), "Rated");
    EXPECT_EQ(tabs->tabText(1).toStdString(), "Long time");
    EXPECT_EQ(tabs->tabText(2).toStdString(), "Short time");
    EXPECT_EQ(tabs->tabText(3).toStdString(), "Instantaneous");
    EXPECT_EQ(tabs->tabText(4).toStdString(), "Line setting");
    // The page shown is remembered in the characteristic.
    sheet->SetActivePage(3);
    EXPECT_EQ(adjust->m_nLastActivePage, 3);
    // Reopened, the sheet shows that page again.
    sheet->ClearHost();
    sheet->DoClose();
    FlushDeletes();
    Open();
    EXPECT_EQ(sheet->GetActiveIndex(), 3);
    EXPECT_EQ(adjust->m_nLastActivePage, 3);
    // Rated page: 1600 A, the last of four ratings.
    CAdjustRated* rated = Show(sheet->GetRatedPage());
    EXPECT_EQ(rated->m_nRatedPos, 3);
    EXPECT_EQ(rated->m_nRatedMax, 3);
    EXPECT_EQ(Control<QLabel>(rated, 1017)->text().toStdString(), "Rated current(A):");
    EXPECT_EQ(Control<QLabel>(rated, 1018)->text().toStdString(), "1600");
    EXPECT_FALSE(Control<QComboBox>(rated, 1014)->isEnabled()); // not a mixed rating
    EXPECT_TRUE(host.calls.empty());
}

// "+" and "-" step the short-time current along its dial; the last value
// disables "+", a step back enables it. Each step is announced and finished
// with hint 14, and the undo holds the state before the last step only.
TEST_F(AdjustSheet, DialStepsAreAnnouncedAndUndoable) {
    Open();
    CAdjustPart* page = Show(sheet->GetPartPages()[1]);
    auto* plus = Control<QPushButton>(page, 1038);
    auto* minus = Control<QPushButton>(page, 1039);
    EXPECT_EQ(page->m_nIndex[CAdjustPart::kCurrent], 6); // 600 %, shown "6"
    EXPECT_EQ(page->m_nMaxIndex[CAdjustPart::kCurrent], 8);
    EXPECT_EQ(Control<QLabel>(page, 1027)->text().toStdString(), "6");
    plus->click();
    EXPECT_EQ(Setting(1)->m_dCurrent, 800.0);
    EXPECT_EQ(Control<QLabel>(page, 1027)->text().toStdString(), "8");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"changing 14", "changed 14"}));
    EXPECT_EQ(host.elements, (std::vector<CObjElement*>{element, element}));
    EXPECT_TRUE(doc.HasUndo());
    plus->click();
    EXPECT_EQ(Setting(1)->m_dCurrent, 1000.0);
    EXPECT_FALSE(plus->isEnabled());
    EXPECT_TRUE(minus->isEnabled());
    minus->click();
    EXPECT_TRUE(plus->isEnabled());
    EXPECT_EQ(Setting(1)->m_dCurrent, 800.0);

    // The undo puts back the state before the last step (1000 %), in a new
    // copy of the tree: the view hands on hint 1 and the sheet closes.
    ASSERT_TRUE(doc.DoRestoreUndo());
    sheet->OnUpdate(1);
    EXPECT_EQ(host.calls.back(), "closed");
    FlushDeletes();
    EXPECT_TRUE(sheet.isNull());
    CObjElementList all;
    doc.CollectElements(all);
    ASSERT_EQ(all.GetCount(), 1u);
    EXPECT_EQ(all.GetAt(0)->GetObjAdjust()->m_listInfoPart.GetAt(1)->m_dCurrent, 1000.0);
}

// A trip element that cannot be locked has its lock flag cleared as soon as
// its page is shown; one that can takes the box's state, finished with 18.
TEST_F(AdjustSheet, LockRow) {
    adjust_fields::LockFlag(*Setting(0)) = 1;
    Open();
    CAdjustPart* longTime = Show(sheet->GetPartPages()[0]);
    EXPECT_FALSE(Control<QCheckBox>(longTime, 1049)->isEnabled());
    EXPECT_EQ(adjust_fields::LockFlag(*Setting(0)), 0);
    CAdjustPart* shortTime = Show(sheet->GetPartPages()[1]);
    auto* lock = Control<QCheckBox>(shortTime, 1049);
    ASSERT_TRUE(lock->isEnabled());
    lock->click();
    EXPECT_EQ(adjust_fields::LockFlag(*Setting(1)), 1);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"changing 14", "changed 18"}));
}

// A fixed rating stepped down: the rated value, id and text, the reference
// rated value, and the dial settings read again for the new rating with the
// dial pages built anew.
TEST_F(AdjustSheet, RatingStepReadsTheDialsAgain) {
    Open();
    Setting(1)->m_dCurrent = 1000.0;
    CAdjustRated* rated = Show(sheet->GetRatedPage());
    const CAdjustPart* before = sheet->GetPartPages()[1];
    Control<CUpDown>(rated, 1146)->DoStep(1); // at the top: nothing
    EXPECT_TRUE(host.calls.empty());
    Control<CUpDown>(rated, 1146)->DoStep(-1);
    EXPECT_EQ(adjust->m_infoBase.m_dRatedValue, 1250.0);
    EXPECT_EQ(adjust->m_infoBase.m_lBreakRatedID, 119);
    EXPECT_EQ(adjust->m_infoBase.m_strRatedName, "1250");
    EXPECT_EQ(adjust->m_readBase.m_dRatedValue, 1250.0);
    EXPECT_EQ(Control<QLabel>(rated, 1018)->text().toStdString(), "1250");
    EXPECT_EQ(host.calls, (std::vector<std::string>{"changing 16", "changed 16"}));
    // The rating's default settings: the short-time current back at 600 %.
    ASSERT_EQ(adjust->m_listInfoPart.GetCount(), 3);
    EXPECT_EQ(Setting(1)->m_dCurrent, 600.0);
    ASSERT_EQ(sheet->GetPartPages().size(), 3u);
    EXPECT_NE(sheet->GetPartPages()[1], before);
    EXPECT_EQ(sheet->GetPageCount(), 5);
    // The magnification dial: 1 (the highest of eight) stepped down to 0.95.
    Control<CUpDown>(rated, 1148)->DoStep(-1);
    EXPECT_EQ(adjust->m_infoBase.m_dMagniValue, 0.95);
    EXPECT_EQ(Control<QLabel>(rated, 1021)->text().toStdString(), "0.95");
}

// A high-voltage relay's rating spin walks the CT primary currents of the
// list (5 ... 5000 A, 29 entries), from the relay's own: its range is the
// list's, not the rating dial's, and the rated value stays.
TEST_F(AdjustSheet, RelayRatingSpinWalksTheCTList) {
    CObjAdjust relay;
    relay.DoSetDefaultAdjustHV(50, 6600);
    ASSERT_EQ(relay.m_infoBase.m_nKindFlag, 1);
    *adjust = relay;
    element->DoCalcCurve(50);
    const double ratedBefore = adjust->m_infoBase.m_dRatedValue;
    Open();
    CAdjustRated* rated = Show(sheet->GetRatedPage());
    auto* ct = Control<QComboBox>(rated, 1101);
    ASSERT_EQ(ct->count(), 29);
    EXPECT_EQ(rated->m_nRatedMax, 28);
    EXPECT_EQ(ct->itemText(rated->m_nRatedPos).toInt(), adjust->m_infoBase.m_nCT1Current);
    EXPECT_EQ(Control<QLabel>(rated, 1017)->text().toStdString(), "CT primary current(A):");
    for (int i = 0; i < 40; ++i)
        Control<CUpDown>(rated, 1146)->DoStep(1);
    EXPECT_EQ(rated->m_nRatedPos, 28);
    EXPECT_EQ(adjust->m_infoBase.m_nCT1Current, 5000);
    EXPECT_EQ(Control<QLabel>(rated, 1018)->text().toStdString(), "5000");
    EXPECT_EQ(adjust->m_infoBase.m_dRatedValue, ratedBefore);
    for (int i = 0; i < 40; ++i)
        Control<CUpDown>(rated, 1146)->DoStep(-1);
    EXPECT_EQ(adjust->m_infoBase.m_nCT1Current, 5);
}

// A mixed rating: its rows listed by name, the selection's row chosen; a
// row taken from the list reads the rating again (finished with 15). The
// KVE-400S has the rows "250" (id 106) and "160-400" (id 107, default).
TEST_F(AdjustSheet, MixedRatingChosenFromTheList) {
    *adjust = CObjAdjust();
    adjusttest::ReadLoaded(*adjust, 2, 152, 400);
    element->DoCalcCurve(50);
    Open();
    CAdjustRated* rated = Show(sheet->GetRatedPage());
    auto* list = Control<QComboBox>(rated, 1014);
    ASSERT_TRUE(list->isEnabled());
    ASSERT_EQ(list->count(), 2);
    EXPECT_EQ(list->currentText().toStdString(), "160-400");
    list->setCurrentIndex(0);
    rated->OnSelchangeRating();
    EXPECT_EQ(adjust->m_infoBase.m_lBreakRatedID, 106);
    EXPECT_EQ(adjust->m_infoBase.m_dRatedValue, 250.0);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"changing 15", "changed 15"}));
    EXPECT_FALSE(adjust->m_listInfoPart.IsEmpty());
    EXPECT_EQ(sheet->GetPartPages().size(), static_cast<size_t>(adjust->m_listInfoPart.GetCount()));
    // The same row again changes nothing.
    host.calls.clear();
    rated->OnSelchangeRating();
    EXPECT_TRUE(host.calls.empty());
    // Reopened, the row is selected by its id, whatever the rating's text
    // became, and nothing is warned about.
    sheet->ClearHost();
    sheet->DoClose();
    FlushDeletes();
    adjust->m_infoBase.m_strRatedName = "260";
    std::vector<std::string> shown;
    const fw::MessageSink previous = fw::SetMessageSink([&](const fw::MessageRequest& m) {
        shown.push_back(m.text);
        return 1;
    });
    Open();
    rated = Show(sheet->GetRatedPage());
    fw::SetMessageSink(previous);
    EXPECT_EQ(Control<QComboBox>(rated, 1014)->currentText().toStdString(), "250");
    EXPECT_TRUE(shown.empty());
}

// The line page: colour and width are announced only (the view's repaint
// shows them); the band box switches the display mode, finished with 14.
TEST_F(AdjustSheet, LinePage) {
    Open();
    CAdjustLine* line = Show(sheet->GetLinePage());
    auto* colour = Control<QComboBox>(line, 1046);
    auto* width = Control<QComboBox>(line, 1047);
    auto* band = Control<QCheckBox>(line, 1145);
    ASSERT_GT(colour->count(), 1);
    const int other = colour->currentIndex() == 0 ? 1 : 0;
    colour->setCurrentIndex(other);
    line->OnSelchangeColor();
    EXPECT_EQ(static_cast<uint32_t>(adjust->m_infoLine.m_crColor),
              static_cast<uint32_t>(colour->itemData(other).toLongLong()));
    EXPECT_EQ(host.calls, (std::vector<std::string>{"changing 14"}));
    width->setCurrentIndex(width->findData(QVariant::fromValue<qlonglong>(3)));
    line->OnSelchangeThick();
    EXPECT_EQ(adjust->m_infoLine.m_nWidth, 30);
    // The KVA-16N has the typical curve and both band edges: the box shows
    // the mode and can change it.
    ASSERT_TRUE(band->isEnabled());
    EXPECT_EQ(band->isChecked(), adjust->m_infoLine.m_nBandFlag == 1);
    host.calls.clear();
    band->click();
    EXPECT_EQ(adjust->m_infoLine.m_nBandFlag, band->isChecked() ? 1 : 0);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"changing 14", "changed 14"}));
}

// A curve without a characteristic (a transformer's inrush): the line page
// alone, on the element's own line style, the band box off.
TEST_F(AdjustSheet, CurveWithoutACharacteristic) {
    CObjElement* trans = tvtest::Place(doc, kKindTrans3, 4, 2);
    QPointer<CAdjustSheet> s = new CAdjustSheet(doc, trans, &host, nullptr);
    s->DoCreate();
    EXPECT_EQ(s->windowTitle().toStdString(), "Setting of curve - [" + trans->GetName() + "]");
    ASSERT_EQ(s->GetPageCount(), 1);
    CAdjustLine* line = s->GetLinePage();
    ASSERT_NE(line, nullptr);
    auto* band = Control<QCheckBox>(line, 1145);
    EXPECT_FALSE(band->isEnabled());
    EXPECT_FALSE(band->isChecked());
    auto* kind = Control<QComboBox>(line, 1048);
    kind->setCurrentIndex(kind->findData(QVariant::fromValue<qlonglong>(2)));
    line->OnSelchangeKind();
    EXPECT_EQ(tvtest::ModelOf<CEleTrans3>(trans).m_infoLine.m_nLineKind, 2);
    EXPECT_EQ(host.elements, (std::vector<CObjElement*>{trans}));
    s->ClearHost();
    s->DoClose();
}

// A low-voltage breaker's second characteristic opens without the rating
// page, on its own dial pages; the first stays as it was.
TEST_F(AdjustSheet, SecondCharacteristicOpensWithoutTheRatingPage) {
    CEleLVCB& breaker = tvtest::ModelOf<CEleLVCB>(element);
    CObjAdjust* second = breaker.DoAddNewObjAdjust();
    adjusttest::ReadLoaded(*second, 2, 124, 400);
    second->DoCalcCurve(50);
    breaker.m_nSecondAdjust = 1;
    adjust->m_nSelected = 0;
    int32_t which = -1;
    ASSERT_EQ(element->GetObjAdjust(&which), second);
    ASSERT_EQ(which, 1);
    Open();
    EXPECT_EQ(sheet->GetWhich(), 1);
    EXPECT_EQ(sheet->GetRatedPage(), nullptr);
    ASSERT_EQ(sheet->GetPartPages().size(), static_cast<size_t>(second->m_listInfoPart.GetCount()));
    EXPECT_EQ(sheet->GetPage(0), sheet->GetPartPages()[0]);
    CAdjustPart* page = Show(sheet->GetPartPages()[0]);
    const double before = adjust->m_listInfoPart.GetAt(0)->m_dCurrent;
    for (unsigned id : {1038u, 1039u})
        if (auto* b = Control<QPushButton>(page, id); b->isEnabled() && b->isVisible()) {
            b->click();
            break;
        }
    EXPECT_EQ(adjust->m_listInfoPart.GetAt(0)->m_dCurrent, before);
}

// A relay with a breaking time: the delay page, its cycles enabled only
// while the breaking time is on; the open time shown, not changed.
TEST_F(AdjustSheet, DelayPageOfARelay) {
    CObjAdjust relay;
    relay.DoSetDefaultAdjustHV(50, 6600);
    *adjust = relay;
    element->DoCalcCurve(50);
    ASSERT_EQ(adjust->m_readBase.m_bUseBreakingTime, 1);
    adjust_fields::BreakTimeFlag(adjust->m_infoBase) = 0;
    adjust_fields::BreakCycles(adjust->m_infoBase) = 3;
    Open();
    ASSERT_NE(sheet->GetDelayPage(), nullptr);
    QWidget* delay = Show(sheet->GetDelayPage());
    auto* breaking = Control<QCheckBox>(delay, 1051);
    auto* cycles = Control<QComboBox>(delay, 1153);
    ASSERT_EQ(cycles->count(), 5);
    EXPECT_EQ(cycles->currentText().toStdString(), "3");
    EXPECT_TRUE(breaking->isEnabled());
    EXPECT_FALSE(cycles->isEnabled());
    breaking->click();
    EXPECT_EQ(adjust_fields::BreakTimeFlag(adjust->m_infoBase), 1);
    EXPECT_TRUE(cycles->isEnabled());
    cycles->setCurrentIndex(2);
    sheet->GetDelayPage()->OnSelchangeCycles();
    EXPECT_EQ(adjust_fields::BreakCycles(adjust->m_infoBase), 4);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"changing 14", "changed 14", "changing 14", "changed 14"}));
}

// The element deleted while the sheet is open: touching the sheet finds it
// gone, changes nothing, closes the sheet and tells the view (the sanitizers
// see any use of the freed characteristic).
TEST_F(AdjustSheet, ElementDeletedWhileOpen) {
    Open();
    CAdjustPart* page = Show(sheet->GetPartPages()[1]);
    doc.m_listGroups.DoSelectAll(doc);
    fw::CRecordingDC dc;
    doc.m_listGroups.DoDeleteSelected(doc, &dc, 0);
    CObjElementList all;
    doc.CollectElements(all);
    ASSERT_TRUE(all.IsEmpty());
    Control<QPushButton>(page, 1038)->click();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"closed"}));
    EXPECT_FALSE(doc.HasUndo());
    FlushDeletes();
    EXPECT_TRUE(sheet.isNull());
}

// Edited into a copy (the element's model replaced): the same.
TEST_F(AdjustSheet, ElementEditedIntoACopyWhileOpen) {
    Open();
    CAdjustRated* rated = Show(sheet->GetRatedPage());
    const CObjElement copy(*element);
    *element = copy;
    Control<CUpDown>(rated, 1146)->DoStep(-1);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"closed"}));
    EXPECT_EQ(element->GetObjAdjust()->m_infoBase.m_dRatedValue, 1600.0);
}

// The view's hints that delete or replace elements close the sheet; the
// hints the sheet's own change causes do not.
TEST_F(AdjustSheet, HintsThatCloseTheSheet) {
    for (int32_t hint : {1, 5, 6, 8}) {
        RecordingHost own;
        QPointer<CAdjustSheet> s = new CAdjustSheet(doc, element, &own, nullptr);
        s->DoCreate();
        s->OnUpdate(14);
        s->OnUpdate(2);
        EXPECT_TRUE(own.calls.empty()) << hint;
        s->OnUpdate(hint);
        EXPECT_EQ(own.calls, (std::vector<std::string>{"closed"})) << hint;
        FlushDeletes();
        EXPECT_TRUE(s.isNull()) << hint;
    }
    // A view that sends hint 8 while finishing the sheet's change (a rating
    // stepped in a calculated mode) keeps the sheet open.
    class ModeHost : public RecordingHost {
    public:
        void OnElementChanged(CObjElement* e, int32_t hint) override {
            RecordingHost::OnElementChanged(e, hint);
            sheet->OnUpdate(8);
        }
        CAdjustSheet* sheet = nullptr;
    } modeHost;
    QPointer<CAdjustSheet> s = new CAdjustSheet(doc, element, &modeHost, nullptr);
    modeHost.sheet = s;
    s->DoCreate();
    s->SetActivePage(s->GetRatedPage());
    fw::FindControlAs<CUpDown>(s->GetRatedPage(), 1148)->DoStep(-1);
    EXPECT_EQ(modeHost.calls, (std::vector<std::string>{"changing 16", "changed 16"}));
    s->ClearHost();
    s->DoClose();
}

// Escape closes the sheet and tells the view once.
TEST_F(AdjustSheet, EscapeTellsTheViewOnce) {
    Open();
    sheet->reject();
    sheet->close();
    EXPECT_EQ(host.calls, (std::vector<std::string>{"closed"}));
    FlushDeletes();
    EXPECT_TRUE(sheet.isNull());
}

} // namespace
