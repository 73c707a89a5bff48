#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

class CReadPart;
class CReadPartList;

// The trip elements of the rated values, in the order of their class number.
class CRSBreak_Element : public fw::CRecordset {
public:
    explicit CRSBreak_Element(fw::CDatabase* database = nullptr);

    int32_t m_lElementID = 0;
    int32_t m_lBreakRatedID = 0;
    int16_t m_nClassNumber = 0;
    std::string m_sElementName;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    void Open() override;

    // Replaces the list's parts by one per trip element of the rated row, in
    // class-number order; the count.
    int DoReadToListReadPart(int32_t breakRatedID, CReadPartList* parts);

protected:
    // "[lBreakRatedID] = " rated row, when above 0.
    void DoSetFilterElement(int32_t breakRatedID);

private:
    static void DoInitToReadPartList(CReadPartList* parts);
    void DoCopyToReadPart(CReadPart* part) const;
};
