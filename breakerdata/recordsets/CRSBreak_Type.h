#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

namespace fw {
class IComboBox;
} // namespace fw
class CInfoBase;
class CReadBase;

// The types of the breaker database, each joined with its information row:
// a type without one is never returned, since every filter ends with the join
// condition.
class CRSBreak_Type : public fw::CRecordset {
public:
    explicit CRSBreak_Type(fw::CDatabase* database = nullptr);

    int32_t m_lTypeID = 0; // [Break_Type].[lTypeID]
    int32_t m_lManufactureID = 0;
    int32_t m_lGroupID = 0;
    int32_t m_bIsDefault = 0;
    std::string m_sTypeName;
    int32_t m_bCanUseCT = 0;
    int32_t m_bCanUseCC = 0;
    std::string m_sOpeKindTitle;
    std::string m_sSeriesName;
    std::string m_sOldNew;
    std::string m_sNewDate;
    std::string m_sUpdateDate;
    std::string m_sMaker;
    std::string m_sNotes;
    int32_t m_lInfoID = 0;
    int32_t m_lTypeID_Info = 0; // [Break_Info].[lTypeID]
    int16_t m_nOrder = 0;
    int16_t m_nSubOrder = 0;
    int16_t m_nUse = 0;
    std::string m_sTemperature;
    std::string m_sCategory;
    std::string m_sTripDevice;
    int16_t m_nTypeOrder = 0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // The type row of an id into the selection and the type reference (both
    // reset first with init 1); the row count.
    int DoReadByTypeID(int32_t typeID, CInfoBase* selection, CReadBase* reference, int init);
    // The same by the type name (even an empty one); the id of the last row.
    int32_t DoReadByTypeName(const std::string& typeName, CInfoBase* selection,
                             CReadBase* reference, int init);
    // Lists the types of a maker and group in type order and takes the
    // default (init 1).
    int32_t DoReadSetDefaultET(fw::IComboBox* box, int32_t manufactureID, int32_t groupID,
                               CInfoBase* selection, CReadBase* reference, int init);

protected:
    // The join of a type with its information row.
    static constexpr const char* kJoinInfo = "[Break_Info].[lTypeID] = [Break_Type].[lTypeID]";
    // Maker, group and type, each only when above 0, then the join.
    void DoSetFilterType(int32_t manufactureID, int32_t groupID, int32_t typeID);
    // The type name, even when empty, then the join.
    void DoSetFilterTypeName(const std::string& typeName);

    // The type part of a row; the selection join copies it as well.
    static void DoInitToInfoBase(CInfoBase* selection);
    void DoCopyToInfoBase(CInfoBase* selection) const;
    static void DoInitToReadBase(CReadBase* reference);
    void DoCopyToReadBase(CReadBase* reference) const;
};
