#include "breakerdata/recordsets/CRSBreak_Capacity.h"

#include "breakerdata/recordsets/RecordsetFrame.h"

#include "breakerdata/model/CReadCapacity.h"

CRSBreak_Capacity::CRSBreak_Capacity(fw::CDatabase* database) : fw::CRecordset(database) {}

std::string CRSBreak_Capacity::GetDefaultDBName() const {
    return dorventa::GetPathMDBDorventa();
}

std::string CRSBreak_Capacity::GetDefaultSQL() const {
    return "[Break_Capacity]";
}

void CRSBreak_Capacity::DoFieldExchange(fw::CFieldExchange& fx) {
    fx.Long("[lCapacityID]", m_lCapacityID);
    fx.Long("[lTypeID]", m_lTypeID);
    fx.Long("[lVoltage]", m_lVoltage);
    fx.Long("[lIcu]", m_lIcu);
    fx.Long("[lIcs]", m_lIcs);
    fx.Long("[lIq]", m_lIq);
    fx.Long("[lIcuMCRLock]", m_lIcuMCRLock);
    fx.Long("[lIcsMCRLock]", m_lIcsMCRLock);
    fx.Long("[lIqMCRLock]", m_lIqMCRLock);
    fx.Long("[lIcuJIS8201]", m_lIcuJIS8201);
    fx.Long("[lIcsJIS8201]", m_lIcsJIS8201);
    fx.Long("[lIqJIS8201]", m_lIqJIS8201);
}

std::string CRSBreak_Capacity::GetTableOrder() const {
    return "[Break_Capacity].rowid";
}

int32_t CRSBreak_Capacity::DoCheckVolt(int32_t voltage) {
    switch (voltage) {
    case 100:
        return 110;
    case 200:
        return 220;
    case 230:
        return 250;
    case 380:
        return 415;
    case 400:
        return 440;
    case 415:
        return 460;
    case 440:
        return 480;
    case 500:
        return 550;
    default:
        return voltage;
    }
}

// Type id 0 is a filter of its own (no row has it); only a negative id reads
// the whole table.
void CRSBreak_Capacity::DoSetFilterCapacity(int32_t typeID) {
    ClearFilter();
    if (typeID >= 0)
        AddFilterTerm("[lTypeID]", "=", static_cast<int64_t>(typeID));
}

void CRSBreak_Capacity::DoCopyToReadCapacity(CReadCapacity* capacity) const {
    if (!capacity)
        return;
    capacity->m_lVoltage = m_lVoltage;
    capacity->m_lIcu = m_lIcu;
    capacity->m_lIcs = m_lIcs;
    capacity->m_lIq = m_lIq;
    capacity->m_lIcuMCRLock = m_lIcuMCRLock;
    capacity->m_lIcsMCRLock = m_lIcsMCRLock;
    capacity->m_lIqMCRLock = m_lIqMCRLock;
    capacity->m_lIcuJIS8201 = m_lIcuJIS8201;
    capacity->m_lIcsJIS8201 = m_lIcsJIS8201;
    capacity->m_lIqJIS8201 = m_lIqJIS8201;
}

int CRSBreak_Capacity::DoReadSetListCapacity(fw::IComboBox* box) {
    if (!box)
        return 0;
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        int added = 0;
        int32_t last = 0;
        m_strSort = "[lIcu]";
        Open();
        while (!IsEOF()) {
            if (m_lIcu > last) {
                int index = box->AddString(DLLGetTextByBeams(m_lIcu / 1000.0, 0));
                if (index >= 0) {
                    box->SetItemData(index, m_lIcu);
                    last = m_lIcu;
                    ++added;
                }
            }
            MoveNext();
        }
        Close();
        return added;
    });
}

int CRSBreak_Capacity::DoReadByTypeID(int32_t typeID, CReadCapacityList* list) {
    return dorventa::DoGuardedRead<int>(*this, [&]() -> int {
        int count = 0;
        DoSetFilterCapacity(typeID);
        m_strSort = "[lVoltage]";
        Open();
        while (!IsEOF()) {
            if (list)
                DoCopyToReadCapacity(list->DoAddNewReadCapacity());
            ++count;
            MoveNext();
        }
        Close();
        return count;
    });
}

int32_t CRSBreak_Capacity::DoReadByTypeVolt(int32_t typeID, int32_t voltage, double* ics,
                                            double* icu, double* iq, double* icsLock,
                                            double* icuLock, double* iqLock) {
    return dorventa::DoGuardedRead<int32_t>(*this, [&]() -> int32_t {
        DoSetFilterCapacity(typeID);
        m_strSort = "[lVoltage]";
        Open();
        // One JIS Ics in the type's rows puts the whole type on the JIS
        // columns.
        bool useJIS = false;
        while (!IsEOF()) {
            if (m_lIcsJIS8201 > 0) {
                useJIS = true;
                break;
            }
            MoveNext();
        }
        if (useJIS || typeID > 0)
            MoveFirst();
        int32_t result = 0;
        while (!IsEOF()) {
            int32_t rowIcu = useJIS ? m_lIcuJIS8201 : m_lIcu;
            if (rowIcu > 0 && m_lVoltage >= voltage) {
                if (ics)
                    *ics = useJIS ? m_lIcsJIS8201 : m_lIcs;
                if (icu)
                    *icu = rowIcu;
                if (iq)
                    *iq = useJIS ? m_lIqJIS8201 : m_lIq;
                if (icsLock)
                    *icsLock = m_lIcsMCRLock;
                if (icuLock)
                    *icuLock = m_lIcuMCRLock;
                if (iqLock)
                    *iqLock = m_lIqMCRLock;
                result = m_lVoltage;
                break;
            }
            MoveNext();
        }
        Close();
        return result;
    });
}
