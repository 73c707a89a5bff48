#include "app/reports/ReportTables.h"

#include "app/records/ElementKinds.h"
#include "app/reports/CPrintData.h"

namespace reporttable {

const int32_t kPresetWidth[269] = {
    // Data of elements: source (0)
    182, 156, 182, 182, 182, 234, 234, 234,
    // high-voltage circuit breaker (8)
    182, 156, 182, 182, 208, 208, 234, 260, 234, 234, 182, 182, 208,
    // three-phase transformer (21)
    182, 156, 156, 182, 182, 182, 182, 234, 234, 234, 208, 182, 182,
    // single-phase transformer (34)
    182, 156, 156, 182, 182, 182, 182, 234, 234, 234, 208, 182, 182,
    // generator (47)
    182, 156, 182, 182, 182, 208, 208, 208, 208, 208, 208, 208,
    // motor effect (59)
    182, 156, 182, 182, 208, 182, 182, 208, 208, 208, 208, 208,
    // zero conductor (71)
    182, 156, 130, 182,
    // bus-duct (75)
    182, 156, 130, 182, 182, 182, 130, 156, 130, 260, 260, 260, 234,
    // bus-bar (88)
    182, 156, 130, 182, 182, 182, 182, 130, 156, 130, 156, 260, 260, 260, 234,
    // wire (103)
    182, 156, 130, 286, 182, 182, 182, 130, 156, 130, 156, 234, 234, 234, 234,
    // low-voltage circuit breaker (118)
    182, 156, 104, 312, 286, 78, 130, 130, 130, 130, 156, 156, 156, 286, 104, 182, 182,
    // contactor + thermal relay (135)
    182, 156, 182, 260, 208, 182, 260, 182, 182, 182,
    // motor (145)
    182, 156, 156, 182, 182, 182, 182, 182, 182, 208,
    // general load (155)
    182, 156, 156, 182, 182, 182, 182, 182,
    // capacitor (163)
    182, 156, 156, 156, 156, 182, 208, 208, 156, 208, 182,
    // calculation results (174)
    182, 208, 182, 182, 182, 208, 208, 208, 208, 208, 208, 234, 234,
    // results of automatic selection (187)
    182, 156, 104, 312, 286, 78, 130, 130, 130, 130, 130, 130, 130, 286, 104, 156, 182, 130,
    // back-up protection (205)
    182, 182, 156, 104, 312, 364, 78, 130, 130, 130, 130, 130, 364, 156, 182,
    // discrimination results (220)
    182, 182, 156, 104, 312, 286, 78, 130, 130, 130, 130, 130, 130, 156, 286, 156, 234,
    // wire protection (237)
    182, 156, 130, 260, 156, 182, 182, 130, 156, 338, 182, 182, 234, 208, 182,
    // protection against electric shock (252)
    182, 156, 104, 260, 286, 78, 130, 130, 130, 130, 208, 156, 156, 156, 208, 260, 156};

namespace {

const char* const kSourceTitles[] = {"Ref.No.",        "Voltage",       "Phase",
                                     "Capacity",       "X/R",           "Resistance\r\nR",
                                     "Reactance\r\nX", "Impedance\r\nZ"};

const char* const kHVCBTitles[] = {"Ref.No.",
                                   "Voltage",
                                   "Rated\r\nCurrent",
                                   "Breaking\r\nCapacity",
                                   "CT\r\nprimary\r\ncurrent",
                                   "CT\r\nsecondary\r\ncurrent",
                                   "OCR type",
                                   "Characteristics",
                                   "Pick up\r\ncurrent",
                                   "Operating\r\ntime",
                                   "Instantaneous\r\npick up\r\ncurrent",
                                   "ON\r\nor\r\nOFF",
                                   "Short-circuit\r\ncurrent I\"k3\r\ndirect / total"};

const char* const kTrans3Titles[] = {"Ref.No.",
                                     "Primary\r\nvoltage",
                                     "Secondary\r\nvoltage",
                                     "Phase /\r\nEarthing\r\nsystem",
                                     "Capacity",
                                     "Rated\r\nCurrent",
                                     "X/R",
                                     "Resistance\r\nR",
                                     "Reactance\r\nX",
                                     "Impedance\r\nZ",
                                     "Peak value of\r\nrush current",
                                     "Damping time\r\nconstant",
                                     "Short-circuit\r\ncurrent\r\nI\"k3direct"};

// The single-phase transformer's header has the three-phase titles and an
// empty last one.
const char* const kTrans1Titles[] = {"Ref.No.",
                                     "Primary\r\nvoltage",
                                     "Secondary\r\nvoltage",
                                     "Phase /\r\nEarthing\r\nsystem",
                                     "Capacity",
                                     "Rated\r\nCurrent",
                                     "X/R",
                                     "Resistance\r\nR",
                                     "Reactance\r\nX",
                                     "Impedance\r\nZ",
                                     "Peak value of\r\nrush current",
                                     "Damping time\r\nconstant",
                                     ""};

const char* const kGeneratorTitles[] = {"Ref.No.",
                                        "Rated\r\nvoltage",
                                        "Phase /\r\nEarthing system",
                                        "Capacity",
                                        "Rated\r\nCurrent",
                                        "Transient\r\nreactance\r\nX'd",
                                        "Sub-transient\r\nreactance\r\nX\"d",
                                        "DC time\r\nconstant\r\nTdc",
                                        "Sub-transient\r\ntime constant\r\nT\"d",
                                        "Stator\r\nresistance\r\nRa",
                                        "AC component\r\nof short-circuit\r\ncurrent\r\nIac load",
                                        "Peak value of\r\nshort-circuit\r\ncurrent\r\nIac"};

const char* const kMotorEffTitles[] = {"Ref.No.",
                                       "Operational\r\nvoltage",
                                       "Capacity",
                                       "Rated\r\nCurrent",
                                       "Sub-transient\r\nreactance\r\nX\"m",
                                       "Rotor\r\nresistance\r\nRr",
                                       "Stator\r\nresistance\r\nRs",
                                       "Sub-transient\r\nimpedance\r\nZm",
                                       "DC time\r\nconstant\r\nTdcm",
                                       "Sub-transient\r\ntime constant\r\nT\"m",
                                       "Symmetrical\r\nshort-circuit\r\ncurrent Iacm",
                                       "Peak value of\r\nshort-circuit\r\ncurrent Iac"};

const char* const kZeroCondTitles[] = {"Ref.No.", "Operational\r\nvoltage", "Phase",
                                       "Short-circuit\r\ncurrent I\"k3"};

const char* const kBusDuctTitles[] = {"Ref.No.",
                                      "Operational\r\nvoltage",
                                      "Wire\r\nsystem",
                                      "Material /\r\nInsulation",
                                      "Max. temp. /\r\nAmbient\r\ntemp.",
                                      "Load current\r\nIB /\r\nVoltage\r\ndrop",
                                      "Length",
                                      "Width\r\nxThickness\r\nxNumber\r\n(mm)",
                                      "Current-\r\ncarrying\r\ncapacity\r\nIz",
                                      "Resistance\r\nR",
                                      "Reactance\r\nX",
                                      "Impedance\r\nZ",
                                      "Short-circuit\r\ncurrent I\"k3"};

const char* const kBusBarTitles[] = {"Ref.No.",
                                     "Operational\r\nvoltage",
                                     "Wire\r\nsystem",
                                     "Material /\r\nSurfase",
                                     "Installation",
                                     "Max. temp. /\r\nAmbient\r\ntemp.",
                                     "Load current\r\nIB /\r\nVoltage\r\ndrop",
                                     "Length",
                                     "Width\r\nxThickness\r\nxNumber\r\n(mm)",
                                     "Current-\r\ncarrying\r\ncapacity\r\nIz",
                                     "Centre-line\r\ndistance\r\na",
                                     "Resistance\r\nR",
                                     "Reactance\r\nX",
                                     "Impedance\r\nZ",
                                     "Short-circuit\r\ncurrent\r\nI\"k3 Force"};

const char* const kWireTitles[] = {"Ref.No.",
                                   "Operational\r\nvoltage",
                                   "Wire\r\nsystem",
                                   "Material /\r\nInsulation /\r\nAmbient temp.",
                                   "Core\r\nconstraction",
                                   "Installation /\r\nNumber of\r\ncircuit",
                                   "Load current\r\nIB /\r\nVoltage\r\ndrop",
                                   "Length",
                                   "Core\r\nsize(mm\xC2\xB2)\r\nxNumber",
                                   "Current-\r\ncarrying\r\ncapacity\r\nIz",
                                   "Centre-line\r\ndistance\r\na",
                                   "Resistance\r\nR",
                                   "Reactance\r\nX",
                                   "Impedance\r\nZ",
                                   "Short-circuit\r\ncurrent\r\nI\"k3 Force"};

const char* const kLVCBTitles[] = {"Ref.No.",
                                   "Operational\r\nvoltage",
                                   "Manu-\r\nfacturer",
                                   "Kind",
                                   "Type of breakers",
                                   "Pole",
                                   "Rated\r\ncurrent\r\nor\r\nCurrent\r\nsetting",
                                   "Long-\r\ntime\r\ndelay",
                                   "Short-\r\ntime\r\ndelay",
                                   "Instan-\r\ntaneous",
                                   "Ics",
                                   "Icu or Icn",
                                   "Icu-back",
                                   "Back up breaker",
                                   "ON\r\nor\r\nOFF",
                                   "Short-\r\ncircuit\r\ncurrent\r\nI\"k3direct",
                                   "Selected by"};

const char* const kContactorThermalTitles[] = {
    "Ref.No.",
    "Operational\r\nvoltage",
    "Pole",
    "Type of contactor",
    "Conventional\r\nfree air\r\nthmermal\r\ncurrent Ith",
    "Ref.No.",
    "Type of\r\nthermal relay",
    "Heater\r\ndesignation",
    "Current\r\nsetting",
    "Short-circuit\r\ncurrent\r\nI\"k3"};

const char* const kMotorTitles[] = {"Ref.No.",
                                    "Operational\r\nvoltage",
                                    "Phase",
                                    "Capacity",
                                    "Full load\r\ncurrent Im",
                                    "Power\r\nfactor",
                                    "Phase of\r\ncurrent",
                                    "Starting\r\ncurrent",
                                    "Starting time",
                                    "Starting inrush\r\ncurrent"};

const char* const kLoadTitles[] = {"Ref.No.",
                                   "Operational\r\nvoltage",
                                   "Phase",
                                   "Load current\r\nIL",
                                   "Power\r\nfactor",
                                   "Phase of\r\ncurrent",
                                   "Starting\r\ncurrent",
                                   "Starting time"};

const char* const kCapacitorTitles[] = {"Ref.No.",
                                        "Operational\r\nvoltage",
                                        "Phase",
                                        "Capacity",
                                        "Electronic\r\ncapacity",
                                        "Rated\r\ncurrent\r\nIc",
                                        "Total\r\nresistance of\r\nup-stream",
                                        "Total\r\nreactance of\r\nup-stream",
                                        "Reactor",
                                        "Peak current\r\nIm/(Square root\r\nof 2)",
                                        "Peak time\r\nt0"};

const char* const kCalcResultsTitles[] = {"Ref.No.",
                                          "Kind",
                                          "Voltage",
                                          "Phase",
                                          "Rating",
                                          "Resistance\r\nR",
                                          "Reactance\r\nX",
                                          "Impedance\r\nZ",
                                          "Total /\r\nDirect\r\nResistance\r\nR",
                                          "Total /\r\nDirect\r\nReactance\r\nX",
                                          "Total /\r\nDirect\r\nImpedance\r\nZ",
                                          "Short-circuit\r\ncurrent I\"k3\r\ndirect",
                                          "Short-circuit\r\ncurrent I\"k3\r\ntotal"};

const char* const kAutoSelectionTitles[] = {"Ref.No.",
                                            "Operational\r\nvoltage",
                                            "Manu-\r\nfacturer",
                                            "Kind",
                                            "Type of breakers",
                                            "Pole",
                                            "Rated\r\ncurrent\r\nor\r\nCurrent\r\nsetting",
                                            "Long-\r\ntime\r\ndelay",
                                            "Short-\r\ntime\r\ndelay",
                                            "Instan-\r\ntaneous",
                                            "Ics",
                                            "Icu or Icn",
                                            "Icu-back",
                                            "Back up breaker",
                                            "ON\r\nor\r\nOFF",
                                            "Short-\r\ncircuit\r\ncurrent\r\nI\"k3direct",
                                            "Selected by",
                                            "Chosen"};

const char* const kBackUpTitles[] = {"Ref.No.",
                                     "Location",
                                     "Operational\r\nvoltage",
                                     "Manu-\r\nfacturer",
                                     "Kind",
                                     "Type of breakers",
                                     "Pole",
                                     "Rated\r\ncurrent\r\nor\r\nCurrent\r\nsetting",
                                     "Instan-\r\ntaneous",
                                     "Ics",
                                     "Icu or Icn",
                                     "Icu-back",
                                     "Back up breaker",
                                     "Short-\r\ncircuit\r\ncurrent\r\nI\"k3direct",
                                     "Selected by"};

const char* const kDiscriminationTitles[] = {"Ref.No.",
                                             "Location",
                                             "Operational\r\nvoltage",
                                             "Manu-\r\nfacturer",
                                             "Kind",
                                             "Type of breakers",
                                             "Pole",
                                             "Rated\r\ncurrent\r\nor\r\nCurrent\r\nsetting",
                                             "Long-\r\ntime\r\ndelay",
                                             "Short-\r\ntime\r\ndelay",
                                             "Instan-\r\ntaneous",
                                             "Ics",
                                             "Icu or Icn",
                                             "Selectivity\r\nlimit\r\ncurrent\r\nIs",
                                             "Upstream breaker",
                                             "Short-\r\ncircuit\r\ncurrent\r\nI\"k3direct",
                                             "Discrimination\r\nlevel"};

const char* const kWireProtectionTitles[] = {
    "Ref.No.",
    "Operational\r\nvoltage",
    "Wire\r\nsystem",
    "Material /\r\nInsulation /\r\nAmbient temp. /\r\nCore constraction",
    "Coefficient\r\nk",
    "Installation /\r\nNumber of\r\ncircuit",
    "Core\r\nsize(mm\xC2\xB2)\r\nxNumber",
    "Current-\r\ncarrying\r\ncapacity\r\nIz",
    "Rated\r\ncurrent of\r\na breaker\r\nIn",
    "Type of a breaker",
    "Short-circuit\r\ncurrent\r\nI\"k3 / \r\nI\"k1",
    "Imaginary\r\nduration\r\nt",
    "Let-through\r\nenergy\r\nI2t\r\n(MA2s)",
    "Minimum\r\ncross-sectional\r\narea of\r\nconductor\r\n(mm\xC2\xB2)",
    "Protection\r\nagainst\r\nshort-\r\ncircuit"};

const char* const kElectricShockTitles[] = {
    "Ref.No.",
    "Operational\r\nvoltage",
    "Manu-\r\nfacturer",
    "Kind",
    "Type of breakers",
    "Pole",
    "Rated\r\ncurrent\r\nor\r\nCurrent\r\nsetting",
    "Long-\r\ntime\r\ndelay",
    "Short-\r\ntime\r\ndelay",
    "Instan-\r\ntaneous",
    "Earthing\r\nSystem",
    "Nominal\r\nvoltage\r\nto earth\r\nU0",
    "Max.\r\ndisconnect\r\ntime",
    "Automatic\r\noperation\r\ncurrent\r\nIa",
    "Fault loop\r\nimpedance\r\nZs",
    "Short-circuit current\r\nI\"k1direct/2\r\n or\r\nI\"k2direct\r\nat wire-end",
    "Protection\r\nagainst\r\nelectric\r\nshock"};

template <int N> constexpr int Count(const char* const (&)[N]) {
    return N;
}

} // namespace

const CHeaderSpec kSource{kKindSource,          70,           26, preset::kSource,
                          Count(kSourceTitles), kSourceTitles};
const CHeaderSpec kHVCB{kKindHVCB, 105, 26, preset::kHVCB, Count(kHVCBTitles), kHVCBTitles};
const CHeaderSpec kTrans3{kKindTrans3,          105,          26, preset::kTrans3,
                          Count(kTrans3Titles), kTrans3Titles};
const CHeaderSpec kTrans1{kKindTrans1,          105,          26, preset::kTrans1,
                          Count(kTrans1Titles), kTrans1Titles};
const CHeaderSpec kGenerator{kKindGenerator,  140, 26, preset::kGenerator, Count(kGeneratorTitles),
                             kGeneratorTitles};
const CHeaderSpec kMotorEff{kKindMotorEff,  105, 26, preset::kMotorEff, Count(kMotorEffTitles),
                            kMotorEffTitles};
const CHeaderSpec kZeroCond{kKindZeroCond,  70, 26, preset::kZeroCond, Count(kZeroCondTitles),
                            kZeroCondTitles};
const CHeaderSpec kBusDuct{kKindBusDuct,          140,           26, preset::kBusDuct,
                           Count(kBusDuctTitles), kBusDuctTitles};
const CHeaderSpec kBusBar{kKindBusBar,          140,          26, preset::kBusBar,
                          Count(kBusBarTitles), kBusBarTitles};
const CHeaderSpec kWire{kKindWire, 140, 26, preset::kWire, Count(kWireTitles), kWireTitles};
const CHeaderSpec kLVCB{kKindLVCB, 175, 26, preset::kLVCB, Count(kLVCBTitles), kLVCBTitles};
const CHeaderSpec kContactorThermal{
    kKindContactor,         140, 26, preset::kContactorThermal, Count(kContactorThermalTitles),
    kContactorThermalTitles};
const CHeaderSpec kMotor{kKindMotor, 70, 26, preset::kMotor, Count(kMotorTitles), kMotorTitles};
const CHeaderSpec kLoad{kKindLoad, 70, 26, preset::kLoad, Count(kLoadTitles), kLoadTitles};
const CHeaderSpec kCapacitor{kKindCapacitor,  105, 26, preset::kCapacitor, Count(kCapacitorTitles),
                             kCapacitorTitles};
const CHeaderSpec kCalcResults{
    0, 140, 0, preset::kCalcResults, Count(kCalcResultsTitles), kCalcResultsTitles};

const CHeaderSpec kAutoSelection{
    0, 175, 0, preset::kAutoSelection, Count(kAutoSelectionTitles), kAutoSelectionTitles};
const CHeaderSpec kBackUp{0, 175, 0, preset::kBackUp, Count(kBackUpTitles), kBackUpTitles};
const CHeaderSpec kDiscrimination{
    0, 175, 0, preset::kDiscrimination, Count(kDiscriminationTitles), kDiscriminationTitles};
const CHeaderSpec kWireProtection{
    0, 175, 0, preset::kWireProtection, Count(kWireProtectionTitles), kWireProtectionTitles};
const CHeaderSpec kElectricShock{
    0, 175, 0, preset::kElectricShock, Count(kElectricShockTitles), kElectricShockTitles};

} // namespace reporttable
