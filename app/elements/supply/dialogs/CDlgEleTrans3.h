#pragma once

#include "app/elements/supply/CEleTrans3.h"
#include "app/elements/supply/dialogs/CDlgEleTransBase.h"

#include <cstdint>
#include <string>

// The properties dialog of the three-phase transformer (template 164,
// "Transformer"). It edits a copy of the element; values are looked up in
// the equipment and list databases while the user types, and every derived
// value stays on screen.
class CDlgEleTrans3 : public CDlgEleTransBase {
public:
    static constexpr unsigned IDD = 164;

    // The lists come from the databases the models read
    // (GetModelDatabases); a database that is not open leaves its lists empty.
    explicit CDlgEleTrans3(QWidget* parent = nullptr);
    ~CDlgEleTrans3() override;

    // Fills the controls from the copy, the document mode and frequency set
    // by the caller, and applies the mode's locks.
    void OnInitDialog();
    void DoUpdateTexts(uint32_t editedId) override;

    CEleTrans3 m_eleTrans3; // the copy being edited

protected:
    CEditedValues GetEditedValues() override;
    void DoReadByCapacity(uint32_t editedId) override;
    int32_t DoCheckData() const override;
};
