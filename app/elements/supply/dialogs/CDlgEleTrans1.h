#pragma once

#include "app/elements/supply/CEleTrans1.h"
#include "app/elements/supply/dialogs/CDlgEleTransBase.h"

#include <cstdint>
#include <string>

// The properties dialog of the single-phase three-wire transformer (template
// 200, "Single-phase transformer"). It mirrors the three-phase dialog and
// edits the full-voltage winding (winding 2); the half voltage is shown
// beside it.
class CDlgEleTrans1 : public CDlgEleTransBase {
public:
    static constexpr unsigned IDD = 200;

    // The lists come from the databases the models read
    // (GetModelDatabases); a database that is not open leaves its lists empty.
    explicit CDlgEleTrans1(QWidget* parent = nullptr);
    ~CDlgEleTrans1() override;

    // Fills the controls from the copy, the document mode and frequency set
    // by the caller, and applies the mode's locks.
    void OnInitDialog();
    void DoUpdateTexts(uint32_t editedId) override;

    CEleTrans1 m_eleTrans1; // the copy being edited

protected:
    CEditedValues GetEditedValues() override;
    void DoReadByCapacity(uint32_t editedId) override;
    int32_t DoCheckData() const override;
};
