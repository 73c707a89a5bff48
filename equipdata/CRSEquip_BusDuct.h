#pragma once

#include "equipdata/CSarquineRecordset.h"

#include <cstdint>

namespace fw {
class IComboBox;
}

// Table Equip_BusDuct: bus-ducts by material and rated current, always read
// in ascending rated current.
class CRSEquip_BusDuct : public CSarquineRecordset {
public:
    explicit CRSEquip_BusDuct(fw::CDatabase* database = nullptr);

    int32_t m_lBusDuctID = 0;
    int16_t m_nMaterial = 0; // 1 copper, 2 aluminium
    int32_t m_bIsDefault = 0;
    double m_dRatedCurrent = 0.0; // A
    double m_dWidth = 0.0;        // mm
    double m_dThickness = 0.0;    // mm
    int16_t m_nNumber = 0;        // bars per phase
    double m_dOhmR = 0.0;         // mohms/m
    double m_dOhmX50 = 0.0;       // mohms/m at 50 Hz
    double m_dOhmX60 = 0.0;       // mohms/m at 60 Hz

    std::string GetDefaultSQL() const override { return "[Equip_BusDuct]"; }
    void DoFieldExchange(fw::CFieldExchange& fx) override;
    void Open() override;

    // Lists the rated currents of one material of at least `minRated` (when
    // above 0) as whole numbers, item data the row id; selects the default
    // row and hands over its rated current, width, thickness, number, R and
    // the reactance of `frequency` (50 or 60 Hz; any other frequency leaves
    // it untouched). Returns the default row's id, 0 when there is none or
    // the box refuses an entry. Without a box only the default is read.
    int32_t DoReadSetDefaultBD(fw::IComboBox* box, double frequency, unsigned material,
                               double minRated, double* ratedCurrent, double* width,
                               double* thickness, int* number, double* ohmR, double* ohmX);

    // The row of one material and rated current (matched as a whole number;
    // the last such row decides): width, thickness, number, R and the
    // reactance of `frequency`. Returns its id, 0 when none (outputs
    // untouched).
    int32_t DoReadByValuesBD(double frequency, unsigned material, double ratedCurrent,
                             double* width, double* thickness, int* number, double* ohmR,
                             double* ohmX);

private:
    void TakeValues(double frequency, double* width, double* thickness, int* number, double* ohmR,
                    double* ohmX) const;
};
