#pragma once

// What the property sheets of the wire, the bus-bar and the bus-duct share:
// one working copy of the element, the document's frequency and mode that
// the pages compute with and lock by, the pages that follow the wire system
// ("Basic" and "3Phases" always, "N" from wire system 2, "PE" at 3), and the
// run of a sheet on an element. What their pages show and how each element
// names its bad value stay with each sheet.

#include "app/elements/conductors/dialogs/ConductorPageKit.h"
#include "framework/PropertySheet.h"
#include "framework/StringTable.h"

#include <QDialog>

#include <cstdint>
#include <memory>
#include <string>

namespace conddlg {

// The members that make and delete pages are defined in
// ConductorSheet_Pages.h, which each sheet's source includes with its page
// classes and instantiates the sheet's base there; other sources need not
// know the pages.
template <class Element, class BasicPage, class GroupPage>
class CConductorSheet : public fw::CPropertySheet {
public:
    void SetDocument(int32_t frequency, int32_t mode) {
        m_nFrequency = frequency;
        m_nMode = mode;
    }
    double GetFrequency() const { return m_nFrequency; }
    int32_t GetMode() const { return m_nMode; }

    Element& GetElement() { return m_element; }
    const Element& GetElement() const { return m_element; }
    auto& GetBasic() { return m_element.m_basic; }
    auto& GetPhase3() { return m_element.m_phase3; }
    auto& GetPhaseN() { return m_element.m_phaseN; }
    auto& GetPhasePE() { return m_element.m_phasePE; }

    BasicPage* GetBasicPage() const { return m_pBasic.get(); }
    // The page of group 1 (the phases), 2 (N) or 3 (PE); null when absent.
    GroupPage* GetGroupPage(uint32_t group) const {
        return group >= 1 && group <= 3 ? m_pGroups[group - 1].get() : nullptr;
    }

    // Adds each missing page, in this order: Basic, 3Phases, N from wire
    // system 2, PE at 3.
    void DoAddPages(uint32_t wireSystem);
    // Wire system 1 or 2 removes the N page and then the PE page, 3 the PE
    // page; any other value removes nothing.
    void DoRemovePages(uint32_t wireSystem);

protected:
    CConductorSheet(const std::string& title, QWidget* parent, int firstPage)
        : fw::CPropertySheet(title, parent, firstPage) {}

    virtual std::unique_ptr<BasicPage> NewBasicPage() = 0;
    virtual std::unique_ptr<GroupPage> NewGroupPage(uint32_t group) = 0;

    // Runs a sheet of the class on the element, titled by the string, on
    // the page the element keeps: true when the user confirmed, and then the
    // element holds the edited copy.
    template <class Sheet>
    static bool DoEditWith(Element& element, unsigned titleId, int32_t frequency, int32_t mode,
                           QWidget* parent) {
        Sheet sheet(fw::LoadString(titleId), parent, static_cast<int>(element.m_nActivePage));
        sheet.GetElement() = element;
        sheet.SetDocument(frequency, mode);
        sheet.DoAddPages(element.GetWireSystem());
        if (sheet.exec() != QDialog::Accepted)
            return false;
        element = sheet.GetElement();
        return true;
    }

    // The page of the first bad value, with its control in focus, for an
    // element that checks one page at a time (the page's number in, 0 the
    // Basic page): the Basic page's values first, then the groups in order.
    // False when a value is bad.
    bool DoCheckPagesInOrder() {
        if (m_element.DoCheckData() == 0)
            return true;
        for (uint32_t page = 0; page <= 3; ++page) {
            uint32_t which = page;
            const int32_t found = m_element.DoCheckData(&which);
            fw::CPropertyPage* target =
                page == 0 ? static_cast<fw::CPropertyPage*>(m_pBasic.get()) : GetGroupPage(page);
            if (found == 0 || !target)
                continue;
            if (SetActivePage(target))
                static_cast<CRowPage*>(target)->FocusControl(static_cast<unsigned>(found));
            return false;
        }
        return false;
    }

    // The pages go first, while the sheet is still whole: a page leaving may
    // still ask its sheet. Every sheet's destructor calls it.
    void DoDeletePages();

    Element m_element;
    int32_t m_nFrequency = 50;
    int32_t m_nMode = 1;

private:
    void AddGroupPage(uint32_t group);
    void RemoveGroupPage(uint32_t group);

    std::unique_ptr<BasicPage> m_pBasic;
    std::unique_ptr<GroupPage> m_pGroups[3];
};

} // namespace conddlg
