#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

namespace fw {
class IComboBox;
} // namespace fw
class CInfoBase;
class CReadBase;
class CReadDial;

// The rated values of the operating kinds: fixed values or ranges. It has no
// order of its own; its operations set theirs.
class CRSBreak_Rated : public fw::CRecordset {
public:
    explicit CRSBreak_Rated(fw::CDatabase* database = nullptr);

    int32_t m_lBreakRatedID = 0;
    int32_t m_lOpeKindID = 0;
    int32_t m_bIsDefault = 0;
    std::string m_sFixedName;
    double m_dFixedValue = 0.0;
    double m_dContiDefValue = 0.0;
    double m_dContiMiniValue = 0.0;
    double m_dContiWidthValue = 0.0;
    double m_dContiMaxValue = 0.0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // Fixed rated values of an operating kind into the dial and the box, the
    // default taken with init 1. Returns the default row's id.
    int32_t DoReadSetDefaultFixed(fw::IComboBox* box, int32_t opeKindID, CInfoBase* selection,
                                  CReadBase* reference, CReadDial* dial, int init);
    // Fixed rated values into the dial; the row whose value is `value`.
    int32_t DoReadRangeFixedByID(int32_t opeKindID, double value, CReadBase* reference,
                                 CReadDial* dial);
    // The fixed row of the selection's operating kind with that value.
    int32_t DoReadFixedByMaxValue(double value, CInfoBase* selection, CReadBase* reference,
                                  CReadDial* dial);
    // A continuous rated range expanded into the dial and the box, its
    // default taken with init 1.
    int32_t DoReadSetDefaultContinue(fw::IComboBox* box, int32_t opeKindID, CInfoBase* selection,
                                     CReadBase* reference, CReadDial* dial, int init);
    // The range of a rated row expanded into the dial.
    int32_t DoReadRangeContinueByID(int32_t breakRatedID, CReadBase* reference, CReadDial* dial);
    // Mixed rating: the rated rows of an operating kind by name, the default
    // row taken with init 1.
    int32_t DoReadSetDefaultRange(fw::IComboBox* box, int32_t opeKindID, CInfoBase* selection,
                                  CReadBase* reference, int init);
    // Mixed rating: the values of a rated row, its default taken with init 1.
    int32_t DoReadSetDefaultMix(fw::IComboBox* box, int32_t breakRatedID, CInfoBase* selection,
                                CReadBase* reference, CReadDial* dial, int init);
    int32_t DoReadRangeMixByID(int32_t breakRatedID, CReadBase* reference, CReadDial* dial);
    int32_t DoReadMixByMaxValue(double value, CInfoBase* selection, CReadBase* reference,
                                CReadDial* dial);
    // Every rated value of an operating kind in one text: four fixed values
    // to a line, or two ranges to a line.
    std::string DoReadGetTextRange(int32_t opeKindID, const std::string& separator,
                                   const std::string& rangeWord);

protected:
    // Operating kind and rated row, each only when above 0.
    void DoSetFilterRated(int32_t opeKindID, int32_t breakRatedID);
    // Operating kind and fixed value, each only when above 0.
    void DoSetFilterRatedValue(int32_t opeKindID, double fixedValue);

private:
    static void DoInitToInfoBase(CInfoBase* selection);
    void DoCopyToInfoBase(CInfoBase* selection, int kind) const;
    static void DoInitToReadBase(CReadBase* reference);
    void DoCopyToReadBase(CReadBase* reference, int kind) const;
    void DoKeepMaxFixedValue(CReadBase* reference) const;
    void DoSetMaxContiValue(CReadBase* reference) const;
    int32_t DoReadSetDefaultRangeRows(fw::IComboBox* box, CInfoBase* selection,
                                      CReadBase* reference, CReadDial* dial, int init, int kind);
    int32_t DoReadRangeRowByID(int32_t breakRatedID, CReadBase* reference, CReadDial* dial,
                               int kind);
};
