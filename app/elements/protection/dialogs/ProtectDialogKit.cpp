#include "ProtectDialogKit.h"

#include "app/elements/supply/dialogs/MachineDialogKit.h"
#include "app/records/ModelDatabases.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "breakerdata/recordsets/CRSManufacture.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "framework/QtCombo.h"
#include "framework/Resources.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <QComboBox>
#include <QLineEdit>
#include <QVariant>

#include <cctype>
#include <cmath>
#include <cstdlib>

namespace protectdlg {

namespace {

constexpr unsigned IDS_TABLE_MANUFACTURER = 4224;
constexpr unsigned IDS_TABLE_BREAK_GROUP = 4225;
constexpr unsigned IDS_TABLE_BREAK_TYPE = 4226;
constexpr unsigned IDS_DETAIL = 25218;
constexpr unsigned IDS_NOT_A_NUMBER = 26601;
constexpr unsigned IDS_NEGATIVE = 26602;

// The label as a message names it: without its closing colon.
std::string LabelName(const char* label) {
    std::string name = label;
    while (!name.empty() && (name.back() == ':' || name.back() == ' '))
        name.pop_back();
    return name;
}

// Selects the entry of the text (case ignored, as the platform's box
// does); -1 when there is none, and then the box has no selection.
int SelectByName(fw::CQtCombo& combo, const std::string& name) {
    const int index = name.empty() ? -1 : combo.FindStringExact(-1, name);
    combo.SetCurSel(index);
    return index;
}

} // namespace

std::optional<double> ParseNumber(const std::string& text) {
    size_t begin = 0;
    size_t end = text.size();
    while (begin < end && std::isspace(static_cast<unsigned char>(text[begin])))
        ++begin;
    while (end > begin && std::isspace(static_cast<unsigned char>(text[end - 1])))
        --end;
    if (begin == end)
        return std::nullopt;
    const std::string trimmed = text.substr(begin, end - begin);
    char* stop = nullptr;
    const double value = std::strtod(trimmed.c_str(), &stop);
    if (stop != trimmed.c_str() + trimmed.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

unsigned DoCheckTypedFields(machinedlg::CRowDialog& dialog,
                            std::initializer_list<TypedField> fields) {
    for (const TypedField& field : fields) {
        auto* widget = fw::FindControlAs<QWidget>(&dialog, field.id);
        if (!widget || !widget->isEnabled())
            continue;
        std::string text;
        if (auto* box = qobject_cast<QComboBox*>(widget))
            text = machinedlg::GetText(box);
        else if (auto* edit = qobject_cast<QLineEdit*>(widget))
            text = machinedlg::GetText(edit);
        const std::optional<double> value = ParseNumber(text);
        unsigned message = 0;
        if (!value)
            message = IDS_NOT_A_NUMBER;
        else if (*value < 0.0 && !field.negativeAllowed)
            message = IDS_NEGATIVE;
        if (message == 0)
            continue;
        fw::AppMessageBox(fw::FormatStrings(fw::LoadString(message), {LabelName(field.label)}),
                          fw::mb::Ok | fw::mb::IconExclamation);
        dialog.FocusControl(field.id);
        return field.id;
    }
    return 0;
}

bool DoFillMakers(QComboBox* box, const CInfoBase& selection) {
    fw::CQtCombo combo(box);
    combo.ResetContent();
    fw::CDatabase* db = GetModelDatabases().pBreaker;
    if (!db)
        return false;
    CInfoBase scratch = selection;
    CRSManufacture(db).DoReadSetDefaultM(&combo, static_cast<unsigned>(selection.m_nKindFlag),
                                         &scratch, 0);
    if (SelectByName(combo, selection.m_strManufactureName) < 0) {
        DLLDispDatabaseWarning(IDS_TABLE_MANUFACTURER, selection.m_strManufactureName);
        return false;
    }
    return true;
}

bool DoFillGroups(QComboBox* box, const CInfoBase& selection) {
    fw::CQtCombo combo(box);
    combo.ResetContent();
    fw::CDatabase* db = GetModelDatabases().pBreaker;
    if (!db || selection.m_lManufactureID <= 0)
        return false;
    CInfoBase scratch = selection;
    CRSBreak_Group(db).DoReadSetDefaultEG(&combo, selection.m_lManufactureID, selection.m_nKindFlag,
                                          &scratch, 0);
    if (SelectByName(combo, selection.m_strGroupName) < 0) {
        DLLDispDatabaseWarning(IDS_TABLE_BREAK_GROUP, selection.m_strGroupName);
        return false;
    }
    return true;
}

bool DoFillTypes(QComboBox* box, const CInfoBase& selection) {
    fw::CQtCombo combo(box);
    combo.ResetContent();
    fw::CDatabase* db = GetModelDatabases().pBreaker;
    if (!db || selection.m_lGroupID <= 0)
        return false;
    CInfoBase scratch = selection;
    CReadBase reference;
    CRSBreak_Type(db).DoReadSetDefaultET(&combo, selection.m_lManufactureID, selection.m_lGroupID,
                                         &scratch, &reference, 0);
    if (SelectByName(combo, selection.m_strTypeName) < 0) {
        DLLDispDatabaseWarning(IDS_TABLE_BREAK_TYPE, selection.m_strTypeName);
        // The stored name stays on show (an entry without an id, which no
        // choice takes), rather than no type or another type's row.
        if (!selection.m_strTypeName.empty())
            combo.SetCurSel(combo.AddString(selection.m_strTypeName));
        return false;
    }
    return true;
}

int32_t ItemId(const QComboBox* box, int index) {
    if (index < 0 || index >= box->count())
        return 0;
    return static_cast<int32_t>(box->itemData(index).toLongLong());
}

std::string DetailCaption(const std::string& typeName) {
    return fw::LoadString(IDS_DETAIL) + "[" + typeName + "]";
}

} // namespace protectdlg
