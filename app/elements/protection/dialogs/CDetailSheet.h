#pragma once

#include "app/elements/conductors/dialogs/ConductorPageKit.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CReadPart.h"
#include "framework/PropertySheet.h"

#include <memory>
#include <string>
#include <vector>

class CObjAdjust;
class CDetailSheet;
class QComboBox;
class QCheckBox;
class QLabel;

// The "Type" page of the detail sheet (dialog 187): the whole product chosen
// in a chain of boxes, maker, group, type, operating kind, rating, rated
// value and magnification, on its own working copy of the selection.
class CDetailBase : public conddlg::CRowPage {
public:
    CDetailBase(CDetailSheet& sheet, const CInfoBase& selection, const CReadBase& reference);

    void OnInitDialog() override;
    // OK: the chosen entries stored into the working selection, up to the
    // first box without a choice.
    void DoStoreOnOK();
    // Whether every box of the chain has its choice.
    bool IsChainComplete() const { return m_bComplete; }

    CInfoBase m_infoBase;
    CReadBase m_readBase;

private:
    enum Step { kMaker, kGroup, kType, kOpeKind, kRating, kRated, kMagni, kDone };

    // The boxes from the step on emptied and disabled.
    void DoClearFrom(int step);
    // Fills the chain again from the step, each box taking its default; the
    // sheet's OK follows whether it got through.
    void DoFillChainFrom(int step);
    bool DoFillStep(int step);
    // What the boxes show for the stored choices, without taking defaults.
    void DoShowStored();
    void DoShowTypeTexts();
    void DoShowOpeKindTitles();
    void OnChosen(int step, int index);
    int RatedKind() const { return m_readBase.m_dialRated.m_nKind; }
    int MagniKind() const { return m_readBase.m_dialMagni.m_nKind; }
    bool HasOpeKind() const { return m_infoBase.m_nKindFlag != 4; }

    CDetailSheet& m_sheet;
    bool m_bComplete = false;
    QComboBox* m_wndBox[7] = {};
    QLabel* m_wndOpeKindTitle;
    QLabel* m_wndRatedTitle;
    QLabel* m_wndMagniTitle;
    QLabel* m_wndSeries;
    QLabel* m_wndNote;
    QLabel* m_wndSituation;
};

// One page a trip element (dialog 188): its dial character, the four dials
// and the lock and timer flags, on working copies of its setting and
// reference.
class CDetailPart : public conddlg::CRowPage {
public:
    CDetailPart(const CInfoPart& setting, const CReadPart& part);

    void OnInitDialog() override;
    // OK: the character's name, the flags and the chosen dial values stored,
    // up to the first dial box without a value.
    void DoStoreOnOK();

    CInfoPart m_infoPart;
    CReadPart m_readPart;

private:
    // The four dial boxes filled by their dials' kinds; defaults: each
    // setting takes its dial's default (a new dial character).
    void DoFillDials(bool defaults);
    void DoSetUpFlags();
    void OnCharacterChosen(int index);

    QComboBox* m_wndCharacter;
    QComboBox* m_wndDial[4] = {};
    QLabel* m_wndTitle[4] = {};
    QCheckBox* m_wndLock;
    QCheckBox* m_wndTimer;
};

// The product and dial settings of a protective device edited on copies
// (the "Detail..." of the breakers', contactor's and thermal relay's
// dialogs): nothing reaches the device unless its owner stores back after
// the sheet was confirmed.
class CDetailSheet : public fw::CPropertySheet {
public:
    CDetailSheet(const std::string& title, QWidget* parent = nullptr);
    ~CDetailSheet() override;

    // From a characteristic: its settings and reference parts copied, the
    // reference parts read again for its rating, a page each trip element.
    void DoBuildFromAdjust(const CObjAdjust& adjust);
    // From a selection alone: the type page only (the contactor).
    void DoBuildFromSelection(const CInfoBase& selection, const CReadBase& reference);
    // The sheet's lists emptied and read again for a rating; the count of
    // trip elements, 0 when none could be read.
    int DoReadForRating(int32_t breakRatedID);
    void DoAddPartPages();
    void DoRemovePartPages();
    // The type page's working selection handed to the caller.
    void DoHandBackSelection(CInfoBase& selection, CReadBase& reference) const;
    // After confirmation: the characteristic takes the working selection
    // and, in page order, the working settings and reference parts.
    void DoStoreBack(CObjAdjust& adjust);

    CDetailBase* GetTypePage() const { return m_pBase.get(); }
    const std::vector<std::unique_ptr<CDetailPart>>& GetPartPages() const { return m_listPart; }

    CInfoPartList m_listInfoPart;
    CReadPartList m_listReadPart;

protected:
    bool OnOK() override;

private:
    std::unique_ptr<CDetailBase> m_pBase;
    std::vector<std::unique_ptr<CDetailPart>> m_listPart;
};
