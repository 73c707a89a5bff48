#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

namespace fw {
class IComboBox;
} // namespace fw
class CInfoBase;
class CReadBase;

// The operating kinds of the types, always in id order.
class CRSBreak_OpeKind : public fw::CRecordset {
public:
    explicit CRSBreak_OpeKind(fw::CDatabase* database = nullptr);

    int32_t m_lOpeKindID = 0;
    int32_t m_lTypeID = 0;
    int32_t m_bIsDefault = 0;
    std::string m_sOpeKindName;
    int16_t m_nRatedFlag = 0;
    std::string m_sRatedTitle;
    std::string m_sRatedUnit;
    int16_t m_nMagniFlag = 0;
    std::string m_sMagniTitle;
    std::string m_sMagniUnit;
    int32_t m_bUseOpenTime = 0;
    int32_t m_bUseBreakingTime = 0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    void Open() override;

    // The operating kind of an id into the selection, the reference's flags
    // and (reference given) its rating and multiplier dials. Returns the id
    // asked for, below 1 only when that is.
    int32_t DoReadByOpeKindID(int32_t opeKindID, CInfoBase* selection, CReadBase* reference);
    // The operating kind of a type by name into the reference; its id, 0
    // when none or when no reference is given.
    int32_t DoReadByOpeKindName(int32_t typeID, const std::string& opeKindName,
                                CReadBase* reference);
    // Lists the operating kinds of a type and takes the index-th (init 1;
    // never for the types 495 and 500). Returns its id.
    int32_t DoReadSetByIndex(fw::IComboBox* box, int32_t typeID, int index, CInfoBase* selection,
                             CReadBase* reference, int init);

protected:
    // Type, operating kind and name, each only when given.
    void DoSetFilterOpeKind(int32_t typeID, int32_t opeKindID, const std::string& opeKindName);

private:
    static void DoInitToInfoBase(CInfoBase* selection);
    void DoCopyToInfoBase(CInfoBase* selection) const;
    static void DoInitToReadBaseFlags(CReadBase* reference);
    void DoCopyToReadBaseFlags(CReadBase* reference) const;
    static void DoInitToReadBaseDials(CReadBase* reference);
    void DoCopyToReadBaseDials(CReadBase* reference) const;
};
