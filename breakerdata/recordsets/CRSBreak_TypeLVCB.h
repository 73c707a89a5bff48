#pragma once

#include "breakerdata/recordsets/CRSBreak_Type.h"

#include <cstdint>
#include <string>

class CCandidateList;

// The type joined with its information, poles, capacity, operating kind and
// rated value: the rows on which the automatic selection runs.
class CRSBreak_TypeLVCB : public CRSBreak_Type {
public:
    explicit CRSBreak_TypeLVCB(fw::CDatabase* database = nullptr);

    int32_t m_bJisNewOld = 0;
    int32_t m_bDelete = 0;
    int32_t m_lPolesID = 0;
    int32_t m_lTypeID_Poles = 0; // [Break_Poles].[lTypeID]
    int16_t m_nPoleCount = 0;
    int16_t m_nVoltAC1 = 0;
    int16_t m_nVoltAC2 = 0;
    int16_t m_nVoltAC3 = 0;
    int16_t m_nVoltAC4 = 0;
    int16_t m_nHsCurrent1 = 0;
    int16_t m_nHsCurrent2 = 0;
    int16_t m_nHsCurrent3 = 0;
    int16_t m_nHsCurrent4 = 0;
    int16_t m_nHsCurrent5 = 0;
    double m_dHsTime = 0.0;
    int16_t m_nTdCurrent1 = 0;
    int16_t m_nTdCurrent2 = 0;
    int16_t m_nTdCurrent3 = 0;
    int16_t m_nTdCurrent4 = 0;
    double m_dTdTime1 = 0.0;
    double m_dTdTime2 = 0.0;
    double m_dTdTime3 = 0.0;
    double m_dTdTime4 = 0.0;
    int32_t m_lCapacityID = 0;
    int32_t m_lTypeID_Capacity = 0; // [Break_Capacity].[lTypeID]
    int32_t m_lVoltage = 0;
    int32_t m_lIcu = 0;
    int32_t m_lIcs = 0;
    int32_t m_lIq = 0;
    int32_t m_lOpeKindID = 0;         // [Break_OpeKind].[lOpeKindID]
    int32_t m_lTypeID_OpeKind = 0;    // [Break_OpeKind].[lTypeID]
    int32_t m_bIsDefault_OpeKind = 0; // [Break_OpeKind].[bIsDefault]
    std::string m_sOpeKindName;
    int16_t m_nRatedFlag = 0;
    std::string m_sRatedTitle;
    std::string m_sRatedUnit;
    int16_t m_nMagniFlag = 0;
    std::string m_sMagniTitle;
    std::string m_sMagniUnit;
    int32_t m_lBreakRatedID = 0;
    int32_t m_lOpeKindID_Rated = 0; // [Break_Rated].[lOpeKindID]
    int32_t m_bIsDefault_Rated = 0; // [Break_Rated].[bIsDefault]
    std::string m_sFixedName;
    double m_dFixedValue = 0.0;
    double m_dContiDefValue = 0.0;
    double m_dContiMiniValue = 0.0;
    double m_dContiWidthValue = 0.0;
    double m_dContiMaxValue = 0.0;
    int32_t m_lIcuJIS8201 = 0;
    int32_t m_lIcsJIS8201 = 0;
    int32_t m_lIqJIS8201 = 0;

    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // One pass of the automatic selection over the types of the selection's
    // maker and group (withdrawn types left out): every row that reaches the
    // required current and admits the rated value by the rules of the
    // selection kind (0, 1 by Ics, 2, 8) is merged into the list. Returns 0.
    int DoSearchSetToList(CCandidateList* list, const CInfoBase* selection, unsigned use, int poles,
                          double required, unsigned kind);
    // The rated-value row of a type that admits `rated`, copied into the
    // selection (may be null) and the type reference; its rated id, 0 when
    // none.
    int32_t DoReadByTypeIDValue(int32_t typeID, double rated, int poles, CInfoBase* selection,
                                CReadBase* reference);
    // Fills the box with the names of the types that admit `rated` (any
    // rating when 0) and reach `minIcu`, each name once at the place of its
    // last row; the number of names added.
    int DoReadSetByIDValue(fw::IComboBox* box, int32_t manufactureID, int32_t groupID,
                           int32_t voltage, double rated, double minIcu, int poles);

private:
    void DoSetFilterByTypeID(int32_t typeID, int poles);
    void DoSetFilterByIDValue(int32_t manufactureID, int32_t groupID, double rated, int poles,
                              int32_t voltage, unsigned use);
    void DoSetFilterByIDValueDelete(int32_t manufactureID, int32_t groupID, double rated, int poles,
                                    int32_t voltage, unsigned use);
    void DoAddJoinTerms();
    // Whether the row's range admits a value on the dial's grid.
    bool IsRowOnGrid(double value) const;
    void DoCopyToCandidate(CCandidateList* list, const CInfoBase* selection) const;
    // The operating kind and the rating of a row (the type part as the base
    // copies it), into the selection and the type reference.
    static void DoInitToInfoBaseLVCB(CInfoBase* selection);
    void DoCopyToInfoBaseLVCB(CInfoBase* selection, double rated) const;
    static void DoInitToReadBaseLVCB(CReadBase* reference);
    void DoCopyToReadBaseLVCB(CReadBase* reference, double rated) const;
};
