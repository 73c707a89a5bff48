#pragma once

#include <cstdint>

// The column titles of every table of the reports, as the users' printed
// reports show them ("\r\n" breaks a title's line), and the preset column
// widths each table reads from its own section. The titles are kept exactly
// as they have always been printed, spelling included.
namespace reporttable {

struct CHeaderSpec {
    int32_t kind;   // the row's kind (the element kind, or 0)
    int32_t height; // 0.1 mm
    int32_t indent; // 0.1 mm
    int start;      // the section of the preset widths
    int count;      // columns
    const char* const* titles;
};

// The preset widths, 0.1 mm, in table order.
extern const int32_t kPresetWidth[269];

extern const CHeaderSpec kSource;
extern const CHeaderSpec kHVCB;
extern const CHeaderSpec kTrans3;
extern const CHeaderSpec kTrans1;
extern const CHeaderSpec kGenerator;
extern const CHeaderSpec kMotorEff;
extern const CHeaderSpec kZeroCond;
extern const CHeaderSpec kBusDuct;
extern const CHeaderSpec kBusBar;
extern const CHeaderSpec kWire;
extern const CHeaderSpec kLVCB;
extern const CHeaderSpec kContactorThermal;
extern const CHeaderSpec kMotor;
extern const CHeaderSpec kLoad;
extern const CHeaderSpec kCapacitor;
extern const CHeaderSpec kCalcResults;
extern const CHeaderSpec kAutoSelection;
extern const CHeaderSpec kBackUp;
extern const CHeaderSpec kDiscrimination;
extern const CHeaderSpec kWireProtection;
extern const CHeaderSpec kElectricShock;

} // namespace reporttable
