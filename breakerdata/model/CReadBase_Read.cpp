// Rebuilding the type reference of a stored selection.

#include "breakerdata/model/CReadBase.h"

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/recordsets/CRSBreak_Group.h"
#include "breakerdata/recordsets/CRSBreak_Magni.h"
#include "breakerdata/recordsets/CRSBreak_OpeKind.h"
#include "breakerdata/recordsets/CRSBreak_Rated.h"
#include "breakerdata/recordsets/CRSBreak_Type.h"
#include "breakerdata/recordsets/CRSManufacture.h"

#include "tools/Filvaron.h"

namespace {
constexpr unsigned IDS_TABLE_MANUFACTURER = 4224;
constexpr unsigned IDS_TABLE_BREAK_GROUP = 4225;
constexpr unsigned IDS_TABLE_BREAK_TYPE = 4226;
constexpr unsigned IDS_TABLE_BREAK_OPEKIND = 4227;
constexpr unsigned IDS_TABLE_BREAK_RATED = 4228;
} // namespace

int32_t CReadBase::DoReadReadBase(fw::CDatabase* database, CInfoBase* selection) {
    if (!selection)
        return 0;
    if (m_bIsRead == 1)
        return selection->m_lBreakRatedID;

    // The type: by its id, or else the default type of the stored maker and
    // group (a type withdrawn from the database gives way to its group's
    // default).
    {
        CInfoBase work = *selection;
        CRSBreak_Type type(database);
        if (type.DoReadByTypeID(selection->m_lTypeID, &work, this, 1) == 0 &&
            type.DoReadSetDefaultET(nullptr, selection->m_lManufactureID, selection->m_lGroupID,
                                    &work, this, 1) == 0) {
            selection->m_lTypeID = 0;
            DLLDispDatabaseWarning(IDS_TABLE_BREAK_TYPE, selection->m_strTypeName);
            return 0;
        }
        *selection = work;
    }

    // Maker and group are read on a copy, so that a row the database no
    // longer has does not wipe what the document stored.
    {
        CInfoBase work = *selection;
        if (CRSManufacture(database).DoReadByManufactureID(selection->m_lManufactureID, &work) ==
            0) {
            DLLDispDatabaseWarning(IDS_TABLE_MANUFACTURER, selection->m_strManufactureName);
            return 0;
        }
        if (CRSBreak_Group(database).DoReadByManuGroupID(selection->m_lManufactureID,
                                                         selection->m_lGroupID, &work) == 0) {
            DLLDispDatabaseWarning(IDS_TABLE_BREAK_GROUP, selection->m_strGroupName);
            return 0;
        }
        *selection = work;
    }

    if (selection->m_nKindFlag == 4)
        return 0;

    // The operating kind: by its name for the type, else by its stored id.
    // Whether it exists is judged by the row read, not by the id handed back
    // (which is the id asked for even when no row has it), so that a kind
    // withdrawn from the database is reported rather than passed over.
    {
        CInfoBase stored = *selection;
        CRSBreak_OpeKind opeKind(database);
        const int32_t previousID = selection->m_lOpeKindID;
        selection->m_lOpeKindID =
            opeKind.DoReadByOpeKindName(selection->m_lTypeID, selection->m_strOpeKindName, this);
        if (selection->m_lOpeKindID < 1) {
            opeKind.DoReadByOpeKindID(previousID, selection, this);
            if (selection->m_lOpeKindID < 1) {
                selection->m_lOpeKindID = stored.m_lOpeKindID;
                selection->m_strOpeKindName = stored.m_strOpeKindName;
                DLLDispDatabaseWarning(IDS_TABLE_BREAK_OPEKIND, stored.m_strOpeKindName);
                return 0;
            }
        }
    }

    CRSBreak_Rated rated(database);
    int32_t ratedRow = 0;
    switch (m_dialRated.m_nKind) {
    case 2:
        ratedRow = rated.DoReadRangeFixedByID(selection->m_lOpeKindID, selection->m_dRatedValue,
                                              this, &m_dialRated);
        break;
    case 3:
        ratedRow = rated.DoReadRangeContinueByID(selection->m_lBreakRatedID, this, &m_dialRated);
        break;
    case 4:
        ratedRow = rated.DoReadRangeMixByID(selection->m_lBreakRatedID, this, &m_dialRated);
        break;
    default:
        return 0;
    }
    if (ratedRow == 0) {
        DLLDispDatabaseWarning(IDS_TABLE_BREAK_RATED, selection->m_dRatedValue);
        return 0;
    }

    CRSBreak_Magni magni(database);
    if (m_dialMagni.m_nKind == 2)
        magni.DoReadRangeFixedByID(selection->m_lOpeKindID, selection->m_dMagniValue, &m_dialMagni);
    else if (m_dialMagni.m_nKind == 3)
        magni.DoReadRangeContinueByID(selection->m_lOpeKindID, &m_dialMagni);
    m_bIsRead = 1;
    return ratedRow;
}
