#include "CEleBusDuctPhase.h"

#include "app/elements/conductors/CEleBusDuctBasic.h"
#include "app/records/FileVersion.h"
#include "app/records/ModelDatabases.h"
#include "equipdata/CRSEquip_BusDuct.h"

FW_IMPLEMENT_SERIAL(CEleBusDuctPhase, 0)

void CEleBusDuctPhase::DoSetDefault(double frequency, const CEleBusDuctBasic& basic) {
    if (m_nLookedUp == 1)
        return;
    m_nLookedUp = 1;
    int number = static_cast<int>(m_nNumber);
    if (fw::CDatabase* db = GetModelDatabases().pEquip) {
        CRSEquip_BusDuct rs(db);
        rs.DoReadSetDefaultBD(nullptr, frequency, basic.m_nMaterial, 0.0, &m_dRatedCurrent,
                              &m_dWidth, &m_dThickness, &number, &m_dRPerMetreTable,
                              &m_dXPerMetreTable);
    }
    m_nNumber = static_cast<uint32_t>(number);
    m_dRPerMetre = m_dRPerMetreTable;
    m_dXPerMetre = m_dXPerMetreTable;
}

void CEleBusDuctPhase::DoReadByRatedCurrent(double frequency, const CEleBusDuctBasic& basic) {
    int number = static_cast<int>(m_nNumber);
    fw::CDatabase* db = GetModelDatabases().pEquip;
    CRSEquip_BusDuct rs(db);
    if (!db ||
        rs.DoReadByValuesBD(frequency, basic.m_nMaterial, m_dRatedCurrent, &m_dWidth, &m_dThickness,
                            &number, &m_dRPerMetreTable, &m_dXPerMetreTable) <= 0)
        return;
    m_nNumber = static_cast<uint32_t>(number);
    m_dRPerMetre = m_dRPerMetreTable;
    m_dXPerMetre = m_dXPerMetreTable;
}

void CEleBusDuctPhase::DoReadXForFrequency(double frequency, const CEleBusDuctBasic& basic) {
    if (m_dXPerMetre != m_dXPerMetreTable)
        return;
    double width = 0.0;
    double thickness = 0.0;
    int number = 0;
    double r = 0.0;
    double x = m_dXPerMetreTable;
    if (fw::CDatabase* db = GetModelDatabases().pEquip) {
        CRSEquip_BusDuct rs(db);
        rs.DoReadByValuesBD(frequency, basic.m_nMaterial, m_dRatedCurrent, &width, &thickness,
                            &number, &r, &x);
    }
    m_dXPerMetreTable = x;
    m_dXPerMetre = m_dXPerMetreTable;
}

void CEleBusDuctPhase::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_nLookedUp << m_dRatedCurrent << m_nNumber << m_dRPerMetreTable << m_dRPerMetre
           << m_dXPerMetreTable << m_dXPerMetre << m_dWidth << m_dThickness;
        return;
    }
    ar >> m_nLookedUp >> m_dRatedCurrent;
    if (GetFileVersionNumber(ar) < 1.2) {
        int32_t width = 0;
        int32_t thickness = 0;
        ar >> width >> thickness >> m_nNumber;
        m_dWidth = width;
        m_dThickness = thickness;
        ar >> m_dRPerMetreTable >> m_dRPerMetre >> m_dXPerMetreTable >> m_dXPerMetre;
        return;
    }
    ar >> m_nNumber >> m_dRPerMetreTable >> m_dRPerMetre >> m_dXPerMetreTable >> m_dXPerMetre >>
        m_dWidth >> m_dThickness;
}
