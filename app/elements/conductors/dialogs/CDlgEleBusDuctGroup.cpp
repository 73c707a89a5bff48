#include "CDlgEleBusDuctGroup.h"

#include "app/elements/conductors/dialogs/CDlgEleBusDuctSheet.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_BusDuct.h"
#include "framework/QtCombo.h"
#include "tools/Filvaron.h"

#include <QComboBox>
#include <QLineEdit>

#include <cmath>

using conddlg::ReadDecimal;
using conddlg::SetText;

namespace {

constexpr unsigned IDD_BUSDUCT_GROUP[3] = {172, 173, 174};
const char* const kCaption[3] = {"3Phases", "N", "PE"};
constexpr unsigned IDC_RATED = 1100;
constexpr unsigned IDC_WIDTH = 1168;
constexpr unsigned IDC_THICKNESS = 1124;
constexpr unsigned IDC_NUMBER = 1123;
constexpr unsigned IDC_IZ = 1110;
constexpr unsigned IDC_R_PER_M = 1081;
constexpr unsigned IDC_X_PER_M = 1082;
constexpr unsigned IDC_R = 1079;
constexpr unsigned IDC_X = 1080;
constexpr unsigned IDC_STAR_R = 1202;
constexpr unsigned IDC_STAR_X = 1203;

} // namespace

CDlgEleBusDuctGroup::CDlgEleBusDuctGroup(CDlgEleBusDuctSheet& sheet, uint32_t group)
    : conddlg::CRowPage(IDD_BUSDUCT_GROUP[group - 1], kCaption[group - 1]), m_sheet(sheet),
      m_nGroup(group) {
    m_pRated = AddCombo(IDC_RATED, "Rated current(A):", false);
    AddEdit(IDC_WIDTH, "Width(mm):", 0, true);
    AddEdit(IDC_THICKNESS, "Thickness(mm):", 0, true);
    AddEdit(IDC_NUMBER, "Number for a phase:", 0, true);
    AddEdit(IDC_IZ, "Current-carrying capacity Iz(A):", 0, true);
    AddEdit(IDC_R_PER_M, "Resistance/m(mohms/m):", 0, false, IDC_STAR_R);
    AddEdit(IDC_X_PER_M, "Reactance/m(mohms/m):", 0, false, IDC_STAR_X);
    AddEdit(IDC_R, "Resistance(mohms):", 0, true);
    AddEdit(IDC_X, "Reactance(mohms):", 0, true);

    OnChosen(m_pRated, [this](int index) { OnRatedChosen(index); });
    for (unsigned id : {IDC_R_PER_M, IDC_X_PER_M}) {
        OnEdited(fw::FindControlAs<QLineEdit>(this, id), [this, id](const std::string& text) {
            const double value = ReadDecimal(text);
            EnableOk(value > 0.0);
            OnValueTyped(id, value);
            DoUpdate(id);
        });
    }
}

CEleBusDuctPhase& CDlgEleBusDuctGroup::Group() {
    return *m_sheet.GetElement().GetGroup(m_nGroup);
}

void CDlgEleBusDuctGroup::OnInitDialog() {
    DoFillRatedCombo();
    DoUpdate();
    DoUpdateReadOnly();
}

bool CDlgEleBusDuctGroup::OnSetActive() {
    DoFillRatedCombo();
    DoUpdate();
    DoUpdateReadOnly();
    m_sheet.GetElement().m_nActivePage = static_cast<uint32_t>(m_sheet.GetActiveIndex());
    return true;
}

bool CDlgEleBusDuctGroup::OnKillActive() {
    return conddlg::DoCheckPage(*this, m_sheet.GetElement(), m_nGroup);
}

void CDlgEleBusDuctGroup::DoFillRatedCombo() {
    CEleBusDuct& d = m_sheet.GetElement();
    // The N and PE conductors carry at least what the phases carry.
    const double minRated = m_nGroup == 1 ? 0.0 : d.m_phase3.m_dRatedCurrent;
    m_pRated->clear();
    if (fw::CDatabase* db = GetModelDatabases().pEquip) {
        fw::CQtCombo box(m_pRated);
        CRSEquip_BusDuct rs(db);
        double rated = 0.0;
        double width = 0.0;
        double thickness = 0.0;
        int number = 0;
        double r = 0.0;
        double x = 0.0;
        rs.DoReadSetDefaultBD(&box, m_sheet.GetFrequency(), d.m_basic.m_nMaterial, minRated, &rated,
                              &width, &thickness, &number, &r, &x);
    }
    const QString own =
        QString::fromStdString(DLLGetTextByBeams(std::trunc(Group().m_dRatedCurrent), 0));
    const int index = m_pRated->findText(own);
    if (index >= 0) {
        m_pRated->setCurrentIndex(index);
        return;
    }
    if (m_pRated->count() == 0)
        return;
    // A rating the list does not offer: the first one the list has, with
    // its row's data. The entry's item data is the row's id, not a rating.
    m_pRated->setCurrentIndex(0);
    Group().m_dRatedCurrent = ReadDecimal(m_pRated->itemText(0).toStdString());
    Group().DoReadByRatedCurrent(m_sheet.GetFrequency(), d.m_basic);
}

void CDlgEleBusDuctGroup::OnRatedChosen(int index) {
    const double rated = ReadDecimal(m_pRated->itemText(index).toStdString());
    CEleBusDuct& d = m_sheet.GetElement();
    if (rated != Group().m_dRatedCurrent) {
        Group().m_dRatedCurrent = rated;
        Group().DoReadByRatedCurrent(m_sheet.GetFrequency(), d.m_basic);
        // The phases' rating goes to N and PE as well, whatever the wire
        // system.
        if (m_nGroup == 1) {
            for (uint32_t g = 2; g <= 3; ++g) {
                d.GetGroup(g)->m_dRatedCurrent = rated;
                d.GetGroup(g)->DoReadByRatedCurrent(m_sheet.GetFrequency(), d.m_basic);
            }
        }
    }
    DoUpdate();
}

void CDlgEleBusDuctGroup::OnValueTyped(unsigned id, double value) {
    CEleBusDuct& d = m_sheet.GetElement();
    for (uint32_t g = 1; g <= 3; ++g) {
        if (g != m_nGroup && m_nGroup != 1)
            continue;
        if (id == IDC_R_PER_M)
            d.GetGroup(g)->m_dRPerMetre = value;
        else
            d.GetGroup(g)->m_dXPerMetre = value;
    }
}

void CDlgEleBusDuctGroup::DoUpdate(unsigned exceptId) {
    const CEleBusDuct& d = m_sheet.GetElement();
    const uint32_t g = m_nGroup;
    const CEleBusDuctPhase& group = *d.GetGroup(g);
    const struct {
        unsigned id;
        std::string text;
    } texts[] = {{IDC_WIDTH, DLLGetTextByBeams(group.m_dWidth, 0)},
                 {IDC_THICKNESS, DLLGetTextByBeams(group.m_dThickness, 0)},
                 {IDC_NUMBER, DLLGetTextByBeams(group.m_nNumber, 0)},
                 {IDC_R_PER_M, d.GetTextRPerMetre(g, 0)},
                 {IDC_X_PER_M, d.GetTextXPerMetre(g, 0)},
                 {IDC_R, d.GetTextR(g, 0)},
                 {IDC_X, d.GetTextX(g, 0)},
                 {IDC_IZ, d.GetTextIz(g, 0)}};
    for (const auto& t : texts)
        if (t.id != exceptId)
            SetText(fw::FindControlAs<QLineEdit>(this, t.id), t.text);
    SetStar(IDC_STAR_R, d.IsChangedRPerMetre(g) == 1);
    SetStar(IDC_STAR_X, d.IsChangedXPerMetre(g) == 1);
}

void CDlgEleBusDuctGroup::DoUpdateReadOnly() {
    const int32_t level = m_sheet.GetMode();
    if (level < 2 || level > 8)
        return;
    m_pRated->setEnabled(false);
    if (level >= 3) {
        SetReadOnly(IDC_R_PER_M, true);
        SetReadOnly(IDC_X_PER_M, true);
    }
}
