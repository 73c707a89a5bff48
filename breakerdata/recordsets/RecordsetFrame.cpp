#include "breakerdata/recordsets/RecordsetFrame.h"

#include "framework/Format.h"
#include "framework/ProgramFolder.h"
#include "framework/StringTable.h"

#include <cstdlib>

namespace dorventa {

namespace {
constexpr unsigned IDS_MDB_DORVENTA = 4096;
constexpr unsigned IDS_MDB_ORBELUNE = 4097;
} // namespace

std::string GetPathMDBDorventa() {
    return fw::GetProgramFolder() + fw::LoadString(IDS_MDB_DORVENTA);
}

std::string GetPathMDBOrbelune() {
    return fw::GetProgramFolder() + fw::LoadString(IDS_MDB_ORBELUNE);
}

void DoAddFilterId(fw::CRecordset& rs, const std::string& column, int32_t id, const char* op) {
    if (id > 0)
        rs.AddFilterTerm(column, op, static_cast<int64_t>(id));
}

double DoRoundAsFilterText(double value) {
    return std::strtod(fw::Format("%f", value).c_str(), nullptr);
}

void DoAddFilterDouble(fw::CRecordset& rs, const std::string& column, double value,
                       const char* op) {
    if (value > 0.0)
        rs.AddFilterTerm(column, op, DoRoundAsFilterText(value));
}

void DoAddFilterText(fw::CRecordset& rs, const std::string& column, const std::string& text) {
    if (!text.empty())
        rs.AddFilterTerm(column, "=", text);
}

void DoDispRecordsetError(fw::CRecordset& rs, const fw::CDbException& e) {
    DLLDispDaoException(&e, rs.GetDefaultSQL());
}

int32_t DoReadSetDefaultRows(fw::CRecordset& rs, fw::IComboBox* box, int init,
                             const std::string& text, const int32_t& id, const int32_t& isDefault,
                             const std::function<void()>& copyDefault, bool readOnWithoutBox) {
    return DoGuardedRead<int32_t>(rs, [&]() -> int32_t {
        int32_t result = 0;
        rs.Open();
        while (!rs.IsEOF()) {
            if (box) {
                int index = box->AddString(text);
                if (index < 0) { // CB_ERR or CB_ERRSPACE: the box is full
                    rs.Close();
                    return 0;
                }
                box->SetItemData(index, id);
            }
            if (isDefault == 1 && init == 1) {
                result = id;
                if (copyDefault)
                    copyDefault();
                if (!box) {
                    if (!readOnWithoutBox)
                        break;
                } else {
                    box->SetCurSel(box->FindStringExact(-1, text));
                }
            }
            rs.MoveNext();
        }
        rs.Close();
        return result;
    });
}

} // namespace dorventa
