#pragma once

// The members of the conductor sheets that make and delete pages; a sheet's
// source includes this after its page classes and instantiates its base.

#include "app/elements/conductors/dialogs/ConductorSheet.h"

namespace conddlg {

template <class Element, class BasicPage, class GroupPage>
void CConductorSheet<Element, BasicPage, GroupPage>::DoAddPages(uint32_t wireSystem) {
    if (!m_pBasic) {
        m_pBasic = NewBasicPage();
        AddPage(m_pBasic.get());
    }
    AddGroupPage(1);
    if (wireSystem == 2 || wireSystem == 3)
        AddGroupPage(2);
    if (wireSystem == 3)
        AddGroupPage(3);
}

template <class Element, class BasicPage, class GroupPage>
void CConductorSheet<Element, BasicPage, GroupPage>::DoRemovePages(uint32_t wireSystem) {
    if (wireSystem == 1 || wireSystem == 2)
        RemoveGroupPage(2);
    if (wireSystem >= 1 && wireSystem <= 3)
        RemoveGroupPage(3);
}

template <class Element, class BasicPage, class GroupPage>
void CConductorSheet<Element, BasicPage, GroupPage>::DoDeletePages() {
    for (int group = 2; group >= 0; --group)
        m_pGroups[group].reset();
    m_pBasic.reset();
}

template <class Element, class BasicPage, class GroupPage>
void CConductorSheet<Element, BasicPage, GroupPage>::AddGroupPage(uint32_t group) {
    std::unique_ptr<GroupPage>& page = m_pGroups[group - 1];
    if (page)
        return;
    page = NewGroupPage(group);
    AddPage(page.get());
}

template <class Element, class BasicPage, class GroupPage>
void CConductorSheet<Element, BasicPage, GroupPage>::RemoveGroupPage(uint32_t group) {
    std::unique_ptr<GroupPage>& page = m_pGroups[group - 1];
    if (!page)
        return;
    RemovePage(page.get());
    page.reset();
}

} // namespace conddlg
