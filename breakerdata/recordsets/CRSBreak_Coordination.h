#pragma once

#include "framework/Database.h"

#include <cstdint>
#include <string>

namespace fw {
class IComboBox;
} // namespace fw
class CReadCoordination;
class CReadCoordinationList;

// The motor-starter co-ordination rows (types 1 and 2): breaker, contactor,
// thermal relay, motor and wire.
class CRSBreak_Coordination : public fw::CRecordset {
public:
    explicit CRSBreak_Coordination(fw::CDatabase* database = nullptr);

    int32_t m_lCoordinationID = 0;
    int32_t m_lLVCBTypeID = 0;
    int16_t m_nType = 0;
    int32_t m_bIsDefault = 0;
    int32_t m_lVoltage = 0;
    double m_dP = 0.0;
    double m_dI = 0.0;
    double m_dRatedCurrent = 0.0;
    double m_dTripCurrent = 0.0;
    int32_t m_lContactorTypeID = 0;
    int32_t m_lThermalTypeID = 0;
    double m_dRangeMin = 0.0;
    double m_dRangeMax = 0.0;
    double m_dOrdering = 0.0;
    double m_dCu = 0.0;
    int16_t m_nNumber = 0;
    double m_dIe = 0.0;

    std::string GetDefaultDBName() const override;
    std::string GetDefaultSQL() const override;
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    std::string GetTableOrder() const override;

    // The rows of a co-ordination type (1 or 2) by thermal relay and its
    // setting, by contactor, by breaker and rated current, or by motor
    // output, in rising motor output, appended to the list (null: only
    // counted); the number of rows.
    int DoReadByThermalTypeRated(unsigned nType, int32_t thermalTypeID, double ordering,
                                 CReadCoordinationList* list);
    int DoReadByContactor(unsigned nType, int32_t contactorTypeID, CReadCoordinationList* list);
    int DoReadByLVCBTypeRated(unsigned nType, int32_t lvcbTypeID, double ratedCurrent,
                              CReadCoordinationList* list);
    int DoReadByMotorCapacity(unsigned nType, double motorCapacity, CReadCoordinationList* list);

    // Combo fillers; each returns the number of entries added (0 without a
    // box). The type fillers give the type id as item data, the thermal
    // settings ten times the setting current.
    int DoReadSetThermalType(fw::IComboBox* box, unsigned nType);
    int DoReadSetContactor(fw::IComboBox* box, unsigned nType);
    int DoReadSetLVCBType(fw::IComboBox* box, unsigned nType);
    int DoReadSetThermalRated(fw::IComboBox* box, unsigned nType, int32_t thermalTypeID);
    int DoReadSetLVCBRated(fw::IComboBox* box, unsigned nType, int32_t lvcbTypeID);
    int DoReadSetMotorCapacity(fw::IComboBox* box, unsigned nType);

private:
    // "[Break_Coordination].[nType] = " type, then each given term; every
    // number as its shortest text reads back.
    void DoSetFilterCoordination(unsigned nType, const char* column = nullptr, double value = 0.0,
                                 const char* column2 = nullptr, double value2 = 0.0);
    void DoCopyToReadCoordination(CReadCoordination* record) const;
    int DoReadToList(CReadCoordinationList* list);
    // The name of a type, read from the type table.
    std::string DoReadTypeName(int32_t typeID);
    // Adds the name of every type id unlike the previous row's.
    int DoReadSetTypeNames(fw::IComboBox* box, const int32_t& typeID);
};
