#pragma once

#include "app/elements/conductors/CEleBusDuct.h"
#include "framework/PropertySheet.h"

#include <cstdint>
#include <memory>
#include <string>

class CDlgEleBusDuct;
class CDlgEleBusDuctGroup;

// The bus-duct's property sheet: "Basic" and a page per conductor group the
// wire system has ("3Phases", "N", "PE"), over one working copy.
class CDlgEleBusDuctSheet : public fw::CPropertySheet {
public:
    CDlgEleBusDuctSheet(const std::string& title, QWidget* parent, int startPage);
    ~CDlgEleBusDuctSheet() override;

    void SetDocument(int32_t frequency, int32_t mode);
    double GetFrequency() const { return m_nFrequency; }
    int32_t GetMode() const { return m_nMode; }

    void DoAddPages(uint32_t wireSystem);
    void DoRemovePages(uint32_t wireSystem);

    CEleBusDuct& GetElement() { return m_busDuct; }
    CEleBusDuctBasic& GetBasic() { return m_busDuct.m_basic; }

    CDlgEleBusDuct* GetBasicPage() const { return m_pBasic.get(); }
    CDlgEleBusDuctGroup* GetGroupPage(uint32_t group) const;

    static bool DoEdit(CEleBusDuct& busDuct, int32_t frequency, int32_t mode, QWidget* parent);

protected:
    // Every page's values are checked before the sheet closes.
    bool OnOK() override;

private:
    CEleBusDuct m_busDuct;
    int32_t m_nFrequency = 50;
    int32_t m_nMode = 1;
    std::unique_ptr<CDlgEleBusDuct> m_pBasic;
    std::unique_ptr<CDlgEleBusDuctGroup> m_p3Phases;
    std::unique_ptr<CDlgEleBusDuctGroup> m_pN;
    std::unique_ptr<CDlgEleBusDuctGroup> m_pPE;
};
