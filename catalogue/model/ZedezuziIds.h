#pragma once

// Resource, command, control and string numbers of the catalogue program.
namespace zzid {

// Resources.
constexpr unsigned IDR_MAINFRAME = 128; // frame, menu, toolbar and template string
constexpr unsigned IDD_ABOUTBOX = 100;
constexpr unsigned IDD_INFOPRINT = 130;    // page set-up (margins)
constexpr unsigned IDD_CATALOGUE = 131;    // "Optional"
constexpr unsigned IDD_CASCADE = 132;      // "Cascade"
constexpr unsigned IDD_SELECTIVE = 133;    // "Discrimination"
constexpr unsigned IDD_COORDINATION = 134; // "Co-ordination Type1/Type2"

// Commands.
constexpr unsigned ID_SEARCH_OPTIONAL = 32806;
constexpr unsigned ID_SEARCH_CASCADE = 32807;
constexpr unsigned ID_SEARCH_SELECTIVE = 32808;
constexpr unsigned ID_SEARCH_COORDINATION = 32809;
constexpr unsigned ID_FILE_PAGE_SETUP = 32821;
constexpr unsigned ID_FILE_PRINT_SETUP = 32824;

// Strings.
constexpr unsigned IDS_COUNTRY = 24960;
constexpr unsigned IDS_LANGUAGE = 24961;
constexpr unsigned IDS_MAKER = 24962;
constexpr unsigned IDS_PRODUCT = 24963;
constexpr unsigned IDS_PROGRAM_VERSION = 24965;
constexpr unsigned IDS_DATABASE_VERSION = 24966;
constexpr unsigned IDS_VERSION_MESSAGE = 25349;
constexpr unsigned IDS_TABLE_FACE = 27008;
constexpr unsigned IDS_ADJUSTABLE = 61462;

// Controls of the search dialogs (the same number means the same control in
// every dialog that has it).
constexpr unsigned IDC_TYPE_UP = 1000;       // cascade/discrimination: upstream type
constexpr unsigned IDC_KIND_UP = 1001;       // upstream kind
constexpr unsigned IDC_KIND_DOWN = 1002;     // downstream kind
constexpr unsigned IDC_MANUFACTURER = 1009;  // optional
constexpr unsigned IDC_KIND = 1010;          // optional
constexpr unsigned IDC_TYPE = 1011;          // optional
constexpr unsigned IDC_TYPE_DOWN = 1012;     // cascade/discrimination: downstream type
constexpr unsigned IDC_ICU_BACK = 1013;      // cascade: value combo
constexpr unsigned IDC_MODE3_CASCADE = 1014; // cascade: third radio
constexpr unsigned IDC_RATED_CURRENT = 1015; // optional: rated-current box
constexpr unsigned IDC_IS = 1015;            // discrimination: value combo
constexpr unsigned IDC_MODE3_SELECTIVE = 1017;
constexpr unsigned IDC_MODE2 = 1018;
constexpr unsigned IDC_MODE1 = 1019;
constexpr unsigned IDC_VOLTAGE = 1089;
constexpr unsigned IDC_CAPACITY = 1090;
constexpr unsigned IDC_CLEAR = 1121;
constexpr unsigned IDC_POLES = 1182;
// Co-ordination dialog.
constexpr unsigned IDC_COORD_TYPE1 = 1020;
constexpr unsigned IDC_COORD_TYPE2 = 1021;
constexpr unsigned IDC_COORD_MODE1 = 1022;
constexpr unsigned IDC_COORD_MODE2 = 1023;
constexpr unsigned IDC_COORD_MODE3 = 1024;
constexpr unsigned IDC_COORD_MODE4 = 1025;
constexpr unsigned IDC_COORD_MOTOR = 1026;
constexpr unsigned IDC_COORD_LVCB_TYPE = 1027;
constexpr unsigned IDC_COORD_LVCB_RATED = 1012;
constexpr unsigned IDC_COORD_CONTACTOR = 1028;
constexpr unsigned IDC_COORD_THERMAL_TYPE = 1029;
constexpr unsigned IDC_COORD_THERMAL_RATED = 1013;

} // namespace zzid
