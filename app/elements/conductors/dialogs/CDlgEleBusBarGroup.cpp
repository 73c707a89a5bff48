#include "CDlgEleBusBarGroup.h"

#include "app/elements/conductors/dialogs/CDlgEleBusBarSheet.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_BusBar.h"
#include "framework/QtCombo.h"
#include "tools/Filvaron.h"

#include <QComboBox>
#include <QLineEdit>

#include <cmath>

using conddlg::ReadDecimal;
using conddlg::ReadWhole;
using conddlg::SetText;

namespace {

constexpr unsigned IDC_WIDTH = 1168;
constexpr unsigned IDC_THICKNESS = 1124;
constexpr unsigned IDC_NUMBER = 1123;
constexpr unsigned IDC_DISTANCE = 1169;
constexpr unsigned IDC_SKIN_EFFECT = 1090;
constexpr unsigned IDC_R_PER_M = 1081;
constexpr unsigned IDC_X_PER_M = 1082;
constexpr unsigned IDC_R = 1079;
constexpr unsigned IDC_X = 1080;
constexpr unsigned IDC_BASIC_CURRENT = 1132;
constexpr unsigned IDC_TEMP_FACTOR = 1138;
constexpr unsigned IDC_INSTALL_FACTOR = 1136;
constexpr unsigned IDC_PROXIMITY_FACTOR = 1134;
constexpr unsigned IDC_IZ = 1110;
constexpr unsigned IDC_STAR_SKIN = 1201;
constexpr unsigned IDC_STAR_R = 1202;
constexpr unsigned IDC_STAR_X = 1203;
constexpr unsigned IDC_STAR_BASIC = 1204;
constexpr unsigned IDC_STAR_TEMP = 1205;
constexpr unsigned IDC_STAR_INSTALL = 1206;
constexpr unsigned IDC_STAR_PROXIMITY = 1207;

// A limit of the lists; one that cannot be computed sets none.
double Limit(double value) {
    return std::isfinite(value) && value > 0.0 ? value : 0.0;
}

} // namespace

CDlgEleBusBarGroup::CDlgEleBusBarGroup(CDlgEleBusBarSheet& sheet, uint32_t group,
                                       unsigned templateId, const char* caption,
                                       const char* widthLabel)
    : conddlg::CRowPage(templateId, caption), m_sheet(sheet), m_nGroup(group) {
    m_pWidth = AddCombo(IDC_WIDTH, widthLabel, false);
    m_pThickness = AddCombo(IDC_THICKNESS, "Thickness of a bus-bar(mm):", false);
    m_pNumber = AddCombo(IDC_NUMBER, "Number of bus-bars for a phase:", false);
    AddEdit(IDC_DISTANCE, "Centre-line distance\nbetween phases a(mm):", 3);
    AddEdit(IDC_SKIN_EFFECT, "Skin effect ks:", 0, false, IDC_STAR_SKIN);
    AddEdit(IDC_R_PER_M, "Resistance/m(mohms/m):", 0, false, IDC_STAR_R);
    AddEdit(IDC_X_PER_M, "Reactance/m(mohms/m):", 0, false, IDC_STAR_X);
    AddEdit(IDC_R, "Resistance(mohms):", 0, true);
    AddEdit(IDC_X, "Reactance(mohms):", 0, true);
    AddEdit(IDC_BASIC_CURRENT, "Basic current carrying capacity(A):", 4, false, IDC_STAR_BASIC);
    AddEdit(IDC_TEMP_FACTOR, "Temperature factor:", 0, false, IDC_STAR_TEMP);
    AddEdit(IDC_INSTALL_FACTOR, "Horizonal installation factor:", 0, false, IDC_STAR_INSTALL);
    AddEdit(IDC_PROXIMITY_FACTOR, "Proximity effect factor\nat dm x b / a / a = 0.2:", 0, false,
            IDC_STAR_PROXIMITY);
    AddEdit(IDC_IZ, "Current-carrying capacity Iz(A):", 0, true);

    OnChosen(m_pWidth, [this](int index) { OnListChosen(m_pWidth, Group().m_nWidth, index); });
    OnChosen(m_pThickness,
             [this](int index) { OnListChosen(m_pThickness, Group().m_nThickness, index); });
    OnChosen(m_pNumber, [this](int index) { OnListChosen(m_pNumber, Group().m_nNumber, index); });
    OnEdited(fw::FindControlAs<QLineEdit>(this, IDC_DISTANCE), [this](const std::string& text) {
        const int32_t distance = ReadWhole(text);
        EnableOk(distance >= 1);
        OnValueTyped(IDC_DISTANCE, distance);
        DoUpdateZTexts(IDC_DISTANCE);
    });
    for (unsigned id : {IDC_SKIN_EFFECT, IDC_R_PER_M, IDC_X_PER_M, IDC_BASIC_CURRENT,
                        IDC_TEMP_FACTOR, IDC_INSTALL_FACTOR, IDC_PROXIMITY_FACTOR}) {
        OnEdited(fw::FindControlAs<QLineEdit>(this, id), [this, id](const std::string& text) {
            const double value = ReadDecimal(text);
            EnableOk(value > 0.0);
            OnValueTyped(id, value);
            DoUpdateZTexts(id);
            DoUpdateITexts(id);
        });
    }
}

CEleBusBarPhase& CDlgEleBusBarGroup::Group() {
    return *m_sheet.GetElement().GetGroup(m_nGroup);
}

void CDlgEleBusBarGroup::OnInitDialog() {
    DoFillWidthCombo();
    DoFillThicknessCombo();
    DoFillNumberCombo();
    DoUpdateZTexts();
    DoUpdateITexts();
    DoUpdateReadOnly();
}

bool CDlgEleBusBarGroup::OnSetActive() {
    // The phases may have changed: the N and PE lists follow them.
    if (m_nGroup != 1) {
        DoFillWidthCombo();
        DoFillThicknessCombo();
        DoFillNumberCombo();
    }
    DoUpdateZTexts();
    DoUpdateITexts();
    DoUpdateReadOnly();
    m_sheet.GetElement().m_nActivePage = static_cast<uint32_t>(m_sheet.GetActiveIndex());
    return true;
}

bool CDlgEleBusBarGroup::OnKillActive() {
    return conddlg::DoCheckPage(*this, m_sheet.GetElement(), m_nGroup);
}

void CDlgEleBusBarGroup::GetMinimum(double& width, double& thickness, double& number) {
    // At least half of the phases' cross-section.
    double w = 0.0;
    double t = 0.0;
    double n = 0.0;
    m_sheet.GetPhaseSize(w, t, n);
    const double half = w * t * n * 0.5;
    const CEleBusBarPhase& g = Group();
    width = Limit(half / (g.m_nNumber * static_cast<double>(g.m_nThickness)));
    thickness = Limit(half / (g.m_nNumber * static_cast<double>(g.m_nWidth)));
    number = Limit(half / (g.m_nThickness * static_cast<double>(g.m_nWidth)));
}

bool CDlgEleBusBarGroup::SelectValue(QComboBox* box, int32_t& value, bool noDataWhenEmpty) {
    const int index = box->findText(QString::number(value));
    if (index >= 0) {
        box->setCurrentIndex(index);
        return false;
    }
    if (box->count() == 0) {
        if (noDataWhenEmpty)
            box->addItem(QString::fromStdString(DLLGetTextByBeams(-1.0, 1)));
        return false;
    }
    box->setCurrentIndex(0);
    value = static_cast<int32_t>(box->itemData(0).toLongLong());
    return true;
}

void CDlgEleBusBarGroup::DoFillCombo(QComboBox* box, int32_t& value, bool noDataWhenEmpty,
                                     const ReadList& read) {
    double width = 0.0;
    double thickness = 0.0;
    double number = 0.0;
    GetMinimum(width, thickness, number);
    box->clear();
    if (fw::CDatabase* db = GetModelDatabases().pEquip) {
        fw::CQtCombo combo(box);
        CRSEquip_BusBar rs(db);
        read(combo, rs, width, thickness, number);
    }
    // A geometry that the list moved to another row is computed again, so
    // that the group's values belong to its bars.
    if (SelectValue(box, value, noDataWhenEmpty))
        m_sheet.DoRecalcGroup(m_nGroup);
}

void CDlgEleBusBarGroup::DoFillWidthCombo() {
    DoFillCombo(m_pWidth, Group().m_nWidth, false,
                [](fw::CQtCombo& box, CRSEquip_BusBar& rs, double width, double, double) {
                    rs.DoReadSetDefaultWidth(&box, width);
                });
}

void CDlgEleBusBarGroup::DoFillThicknessCombo() {
    DoFillCombo(m_pThickness, Group().m_nThickness, true,
                [this](fw::CQtCombo& box, CRSEquip_BusBar& rs, double, double thickness, double) {
                    rs.DoReadSetDefaultThickness(&box, Group().m_nWidth, thickness);
                });
}

void CDlgEleBusBarGroup::DoFillNumberCombo() {
    DoFillCombo(m_pNumber, Group().m_nNumber, true,
                [this](fw::CQtCombo& box, CRSEquip_BusBar& rs, double, double, double number) {
                    rs.DoReadSetDefaultNumber(&box, Group().m_nWidth, Group().m_nThickness, number);
                });
}

void CDlgEleBusBarGroup::OnListChosen(QComboBox* box, int32_t& field, int index) {
    const int32_t value = ReadWhole(box->itemText(index).toStdString());
    if (value != field) {
        field = value;
        if (box == m_pWidth)
            DoFillThicknessCombo();
        if (box != m_pNumber)
            DoFillNumberCombo();
        m_sheet.DoRecalcGroup(m_nGroup);
        OnGeometryChanged();
    }
    DoUpdateZTexts();
    DoUpdateITexts();
}

void CDlgEleBusBarGroup::OnValueTyped(unsigned id, double value) {
    DoSetTypedValue(m_nGroup, id, value);
}

void CDlgEleBusBarGroup::DoSetTypedValue(uint32_t group, unsigned id, double value) {
    CEleBusBarPhase& g = *m_sheet.GetElement().GetGroup(group);
    switch (id) {
    case IDC_DISTANCE:
        // A new distance takes the table's skin effect again.
        g.m_nDistance = static_cast<int32_t>(value);
        m_sheet.DoRecalcGroup(group);
        break;
    case IDC_SKIN_EFFECT:
        g.m_dSkinEffect = value;
        g.DoCalcZByValues(m_sheet.GetFrequency(), m_sheet.GetBasic(), g.m_nWidth, g.m_nThickness,
                          g.m_nNumber, g.m_nDistance, value);
        break;
    case IDC_R_PER_M:
        g.m_dRPerMetre = value;
        break;
    case IDC_X_PER_M:
        g.m_dXPerMetre = value;
        break;
    case IDC_BASIC_CURRENT:
        g.m_dBasicCurrent = value;
        break;
    case IDC_TEMP_FACTOR:
        g.m_dTemperatureFactor = value;
        break;
    case IDC_INSTALL_FACTOR:
        g.m_dInstallationFactor = value;
        break;
    case IDC_PROXIMITY_FACTOR:
        g.m_dProximityFactor = value;
        break;
    default:
        break;
    }
}

void CDlgEleBusBarGroup::DoUpdateZTexts(unsigned exceptId) {
    const CEleBusBar& b = m_sheet.GetElement();
    const uint32_t g = m_nGroup;
    const struct {
        unsigned id;
        std::string text;
    } texts[] = {{IDC_DISTANCE, b.GetTextCentreDistance(g, 0)},
                 {IDC_SKIN_EFFECT, b.GetTextSkinEffect(g)},
                 {IDC_R_PER_M, b.GetTextRPerMetre(g, 0)},
                 {IDC_X_PER_M, b.GetTextXPerMetre(g, 0)},
                 {IDC_R, b.GetTextR(g, 0)},
                 {IDC_X, b.GetTextX(g, 0)}};
    for (const auto& t : texts)
        if (t.id != exceptId)
            SetText(fw::FindControlAs<QLineEdit>(this, t.id), t.text);
    SetStar(IDC_STAR_SKIN, b.IsChangedSkinEffect(g) == 1);
    SetStar(IDC_STAR_R, b.IsChangedRPerMetre(g) == 1);
    SetStar(IDC_STAR_X, b.IsChangedXPerMetre(g) == 1);
}

void CDlgEleBusBarGroup::DoUpdateITexts(unsigned exceptId) {
    const CEleBusBar& b = m_sheet.GetElement();
    const uint32_t g = m_nGroup;
    const struct {
        unsigned id;
        std::string text;
    } texts[] = {{IDC_BASIC_CURRENT, b.GetTextBasicCurrent(g, 0)},
                 {IDC_TEMP_FACTOR, b.GetTextTemperatureFactor(g)},
                 {IDC_INSTALL_FACTOR, b.GetTextInstallationFactor(g)},
                 {IDC_PROXIMITY_FACTOR, b.GetTextProximityFactor(g)},
                 {IDC_IZ, b.GetTextIz(g, 0)}};
    for (const auto& t : texts)
        if (t.id != exceptId)
            SetText(fw::FindControlAs<QLineEdit>(this, t.id), t.text);
    SetStar(IDC_STAR_BASIC, b.IsChangedBasicCurrent(g) == 1);
    SetStar(IDC_STAR_TEMP, b.IsChangedTemperatureFactor(g) == 1);
    SetStar(IDC_STAR_INSTALL, b.IsChangedInstallationFactor(g) == 1);
    SetStar(IDC_STAR_PROXIMITY, b.IsChangedProximityFactor(g) == 1);
}

void CDlgEleBusBarGroup::DoUpdateReadOnly() {
    const int32_t level = m_sheet.GetMode();
    if (level < 2 || level > 8)
        return;
    for (QComboBox* box : {m_pWidth, m_pThickness, m_pNumber})
        box->setEnabled(false);
    for (unsigned id :
         {IDC_BASIC_CURRENT, IDC_TEMP_FACTOR, IDC_INSTALL_FACTOR, IDC_PROXIMITY_FACTOR})
        SetReadOnly(id, true);
    if (level >= 3)
        for (unsigned id : {IDC_DISTANCE, IDC_SKIN_EFFECT, IDC_R_PER_M, IDC_X_PER_M})
            SetReadOnly(id, true);
}

// ---- 3Phases ----

CDlgEleBusBar1::CDlgEleBusBar1(CDlgEleBusBarSheet& sheet)
    : CDlgEleBusBarGroup(sheet, 1, 168, "3Phases", "Width of a bus-bar b(mm):") {}

void CDlgEleBusBar1::GetMinimum(double& width, double& thickness, double& number) {
    width = thickness = number = 0.0;
}

void CDlgEleBusBar1::OnGeometryChanged() {
    const CEleBusBarPhase& phase = m_sheet.GetPhase3();
    for (uint32_t g = 2; g <= 3; ++g) {
        CEleBusBarPhase& other = *m_sheet.GetElement().GetGroup(g);
        other.m_nWidth = phase.m_nWidth;
        other.m_nThickness = phase.m_nThickness;
        other.m_nNumber = phase.m_nNumber;
        m_sheet.DoRecalcGroup(g);
    }
}

void CDlgEleBusBar1::OnValueTyped(unsigned id, double value) {
    CDlgEleBusBarGroup::OnValueTyped(id, value);
    for (uint32_t g = 2; g <= 3; ++g)
        DoSetTypedValue(g, id, value);
}

// ---- N and PE ----

CDlgEleBusBar2::CDlgEleBusBar2(CDlgEleBusBarSheet& sheet)
    : CDlgEleBusBarGroup(sheet, 2, 169, "N", "Width of a bus-bar for Neutral b(mm):") {}

CDlgEleBusBar3::CDlgEleBusBar3(CDlgEleBusBarSheet& sheet)
    : CDlgEleBusBarGroup(sheet, 3, 170, "PE", "Width of a bus-bar for PE b(mm):") {}
