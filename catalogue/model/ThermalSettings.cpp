#include "catalogue/model/ThermalSettings.h"

#include "breakerdata/recordsets/CRSBreak_Coordination.h"

#include "framework/DbException.h"
#include "tools/Filvaron.h"

std::vector<double> DoReadThermalOrderings(fw::CDatabase* breaker, unsigned coordType,
                                           int32_t thermalTypeID) {
    std::vector<double> values;
    CRSBreak_Coordination rs(breaker);
    rs.ClearFilter();
    rs.AddFilterTerm("[Break_Coordination].[nType]", "=", static_cast<int64_t>(coordType));
    rs.AddFilterTerm("[Break_Coordination].[lThermalTypeID]", "=",
                     static_cast<int64_t>(thermalTypeID));
    rs.m_strSort = "[Break_Coordination].[dOrdering]";
    try {
        rs.Open();
        // A value is new when it differs from the previous row's, the first
        // row's unless it is 0: the walk of the settings list.
        double previous = 0.0;
        for (; !rs.IsEOF(); rs.MoveNext()) {
            if (rs.m_dOrdering != previous) {
                values.push_back(rs.m_dOrdering);
                previous = rs.m_dOrdering;
            }
        }
        rs.Close();
    } catch (const fw::CDbException& e) {
        DLLDispDaoException(&e, rs.GetDefaultSQL());
        values.clear();
    }
    return values;
}
