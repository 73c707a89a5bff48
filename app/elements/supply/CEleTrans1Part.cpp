#include "CEleTrans1Part.h"

#include "app/elements/supply/RushCurve.h"
#include "app/elements/supply/SupplyTexts.h"

FW_IMPLEMENT_SERIAL(CEleTrans1Part, 0)

CEleTrans1Part::CEleTrans1Part() = default;

CEleTrans1Part::CEleTrans1Part(const CEleTrans1Part& other) : fw::CObject(other), CEleCurve() {
    *this = other;
}

CEleTrans1Part& CEleTrans1Part::operator=(const CEleTrans1Part& other) {
    if (this == &other)
        return *this;
    m_dPercentZ = other.m_dPercentZ;
    m_dXR = other.m_dXR;
    m_dRushPeak = other.m_dRushPeak;
    m_dDampingTime = other.m_dDampingTime;
    m_nCalcPoint = other.m_nCalcPoint;
    m_calcPoint = other.m_calcPoint;
    m_listGraphNo.DoCopyAllGraphNo(other.m_listGraphNo);
    m_infoLine = other.m_infoLine;
    m_nCurveSelected = other.m_nCurveSelected;
    return *this;
}

CEleTrans1Part::~CEleTrans1Part() = default;

double CEleTrans1Part::GetOwnPercentR() const {
    return transformer::OwnPercentR(m_dPercentZ, m_dXR);
}

double CEleTrans1Part::GetOwnPercentX() const {
    return m_dXR * GetOwnPercentR();
}

int CEleTrans1Part::DoCalcRushCurve(double current) {
    DoCalcRushCurvePoints(m_listPoints, current, m_dRushPeak, m_dDampingTime);
    return 1;
}

std::string CEleTrans1Part::DoGetTextRushPeakTimes(int unit) const {
    return supplytexts::Beams(m_dRushPeak, unit, supplytexts::IDS_UNIT_TIMES);
}

std::string CEleTrans1Part::DoGetTextDampingTime(int unit) const {
    return supplytexts::Beams(m_dDampingTime, unit, supplytexts::IDS_UNIT_MS);
}

void CEleTrans1Part::Serialize(fw::CArchive& ar) {
    if (ar.IsStoring()) {
        ar << m_dPercentZ << m_dXR << m_dRushPeak << m_dDampingTime << m_nCalcPoint;
        m_calcPoint.Serialize(ar);
        m_listGraphNo.Serialize(ar);
        m_infoLine.Serialize(ar);
        ar << m_nCurveSelected;
    } else {
        ar >> m_dPercentZ >> m_dXR >> m_dRushPeak >> m_dDampingTime >> m_nCalcPoint;
        m_calcPoint.Serialize(ar);
        m_listGraphNo.Serialize(ar);
        m_infoLine.Serialize(ar);
        ar >> m_nCurveSelected;
    }
}
