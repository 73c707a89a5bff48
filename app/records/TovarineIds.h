#pragma once

// Resource, command and control numbers of the main program's shell.
namespace tvid {

// Resources.
constexpr unsigned IDR_MAINFRAME = 128;
constexpr unsigned IDR_SKELETON = 129;     // document template 129: the skeleton view
constexpr unsigned IDR_COORDINATION = 130; // template 130: the co-ordination view
constexpr unsigned IDR_REPORT = 131;       // template 131: the report view
constexpr unsigned IDR_IMPEMAP = 132;      // template 132: the impedance-map view
constexpr unsigned IDB_SPLASH = 110;
constexpr unsigned IDB_ADDING = 111;
constexpr unsigned IDR_ELEMENTS = 154;
// The skeleton view's context menus, one a mode (modes 2 and 3 share one).
constexpr unsigned IDR_POPUP_DRAWING = 140;
constexpr unsigned IDR_POPUP_CALCULATION = 141;
constexpr unsigned IDR_POPUP_SELECTION = 142;
constexpr unsigned IDR_POPUP_CASCADE = 143;
constexpr unsigned IDR_POPUP_DISCRIMINATION = 144;
constexpr unsigned IDR_POPUP_WIREPROTECTION = 145;
constexpr unsigned IDR_POPUP_ELECTRICSHOCK = 146;
constexpr unsigned IDR_POPUP_GROUPLIST = 153;
constexpr unsigned IDD_ABOUTBOX = 156;
constexpr unsigned IDD_COORDINATION_BAR = 157;
constexpr unsigned IDD_REPORT_BAR = 158;
constexpr unsigned IDD_IMPEMAP_BAR = 159;

// Commands.
constexpr unsigned ID_VIEW_SKELETON = 20480;
constexpr unsigned ID_VIEW_COORDINATION = 20481;
constexpr unsigned ID_VIEW_REPORT = 20482;
constexpr unsigned ID_VIEW_IMPEMAP = 20483;
constexpr unsigned ID_VIEW_GROUPLIST = 32770;
constexpr unsigned ID_SUPPORT_SELECTION = 32806;
constexpr unsigned ID_VIEW_ELEMENTBAR = 32816;
constexpr unsigned ID_VIEW_ADDINGBAR = 32817;
constexpr unsigned ID_HELP_HTML = 32825;
// Insert commands of the skeleton view, 32771 to 32786 in this order.
constexpr unsigned ID_INSERT_SOURCE = 32771;
constexpr unsigned ID_INSERT_HVCB = 32772;
constexpr unsigned ID_INSERT_TRANS3 = 32773;
constexpr unsigned ID_INSERT_GENERATOR = 32774;
constexpr unsigned ID_INSERT_MOTOREFF = 32775;
constexpr unsigned ID_INSERT_ZEROCOND = 32776;
constexpr unsigned ID_INSERT_BUSBAR = 32777;
constexpr unsigned ID_INSERT_BUSBAR_H = 32778;
constexpr unsigned ID_INSERT_WIRE = 32779;
constexpr unsigned ID_INSERT_WIRE_H = 32780;
constexpr unsigned ID_INSERT_LVCB = 32781;
constexpr unsigned ID_INSERT_LVCB_LEFT = 32782;
constexpr unsigned ID_INSERT_LVCB_RIGHT = 32783;
constexpr unsigned ID_INSERT_LOAD = 32784;
constexpr unsigned ID_INSERT_MOTOR = 32785;
constexpr unsigned ID_INSERT_CAPACITOR = 32786;
constexpr unsigned ID_INSERT_CONTACTOR = 32787;
constexpr unsigned ID_INSERT_BUSDUCT = 32836;
constexpr unsigned ID_INSERT_BUSDUCT_H = 32837;
constexpr unsigned ID_INSERT_TRANS1 = 32840;
constexpr unsigned ID_INSERT_TEXT = 32831;
// Edit commands of the skeleton view.
constexpr unsigned ID_EDIT_GROUP = 32788;
constexpr unsigned ID_EDIT_UNGROUP = 32789;
constexpr unsigned ID_EDIT_ROTATE = 32810;
constexpr unsigned ID_COORD_CREATE = 32795;
constexpr unsigned ID_COORD_ADD = 32797;
// Commands of the co-ordination graphs and their view.
constexpr unsigned ID_COORD_DELETE_GRAPH = 32796;
constexpr unsigned ID_COORD_SETUP = 32813;
constexpr unsigned ID_COORD_BAND = 32814;
constexpr unsigned ID_COORD_ADJUSTMENT = 32815;
constexpr unsigned ID_PAGE_SETUP_COORD = 32820;
constexpr unsigned ID_PRINT_SETUP_COORD = 32823;
constexpr unsigned ID_COORD_PRINT_SPECIAL = 32832;
constexpr unsigned ID_COORD_MEASURE = 32838;
constexpr unsigned ID_COORD_DXF = 32839;
// The mode commands, in the order of the ladder's buttons.
constexpr unsigned ID_MODE_DRAWING = 20491;
constexpr unsigned ID_MODE_CHECK = 20492;
constexpr unsigned ID_MODE_CALCULATION = 20493;
constexpr unsigned ID_MODE_ICU = 20494;
constexpr unsigned ID_MODE_CASCADE = 20495;
constexpr unsigned ID_MODE_DISCRIMINATION = 20496;
constexpr unsigned ID_MODE_TYPE12 = 20497; // no handler: always disabled
constexpr unsigned ID_MODE_ICS = 20498;
constexpr unsigned ID_MODE_WIRE_PROTECTION = 20499;
constexpr unsigned ID_MODE_SHOCK = 20500;

// The selection sub-mode commands.
constexpr unsigned ID_SELECT_ONE_ICU = 32798;
constexpr unsigned ID_SELECT_ONE_ICS = 32799;
constexpr unsigned ID_SELECT_BY_TABLE = 32800;
constexpr unsigned ID_SELECT_BY_INST = 32801;
constexpr unsigned ID_SELECT_BY_INST_DC = 32802;
constexpr unsigned ID_SELECT_BY_INST_LIMITING = 32803;
constexpr unsigned ID_SELECT_CASCADE = 32804;
constexpr unsigned ID_PROTECT_I2T = 32826;
constexpr unsigned ID_PROTECT_ENERGY = 32827;
constexpr unsigned ID_SHOCK_CHECK = 32828;
constexpr unsigned ID_PROTECT_I2T_END = 32829;
constexpr unsigned ID_PROTECT_ENERGY_END = 32830;
constexpr unsigned ID_DISPLAY_LIMIT_CURVE = 32833;
constexpr unsigned ID_DISPLAY_I2T_CURVE = 32834;
constexpr unsigned ID_SELECT_SECOND_POINT = 32835;

// Controls.
constexpr unsigned IDC_ZOOM = 20484;       // the skeleton frame's zoom box
constexpr unsigned IDC_COORD_ZOOM = 20485; // co-ordination bar
constexpr unsigned IDC_COORD_GRAPH = 20486;
constexpr unsigned IDC_COORD_VOLTAGE = 20487;
constexpr unsigned IDC_REPORT_ZOOM = 20488; // report bar
constexpr unsigned IDC_REPORT_TAB = 20489;
constexpr unsigned IDC_IMPEMAP_ZOOM = 20490; // impedance-map bar
constexpr unsigned IDC_ABOUT_FREEDISK = 1003;
constexpr unsigned IDC_ABOUT_FREEMEM = 1004;
constexpr unsigned IDC_ABOUT_DATABASE = 1005;
constexpr unsigned IDC_ABOUT_VERSION = 1220;

// Strings.
constexpr unsigned IDS_TOOLBAR_STANDARD = 24576;
constexpr unsigned IDS_BAR_ELEMENTS = 24577;
constexpr unsigned IDS_BAR_ADDING = 24578;
constexpr unsigned IDS_BAR_COORDINATION = 24580;
constexpr unsigned IDS_BAR_TABLES = 24581;
constexpr unsigned IDS_BAR_IMPEMAP = 24582;
constexpr unsigned IDS_VIEW_SKELETON = 24583;
constexpr unsigned IDS_VIEW_COORDINATION = 24584;
constexpr unsigned IDS_VIEW_REPORT = 24585;
constexpr unsigned IDS_VIEW_IMPEMAP = 24586;
// Commands of the project document.
constexpr unsigned ID_SETUP_PROJECT = 32811;
constexpr unsigned ID_SETUP_SKELETON = 32812;
constexpr unsigned ID_PAGE_SETUP_SKELETON = 32819;
constexpr unsigned ID_PAGE_SETUP_REPORTS = 32821;
constexpr unsigned ID_PRINT_SETUP_SKELETON = 32822;
constexpr unsigned ID_PRINT_SETUP_REPORTS = 32824;
constexpr unsigned ID_RENUMBER = 32818;
// The question before a co-ordination graph is deleted.
constexpr unsigned IDS_DELETE_GRAPH_ASK = 25352;
// Loading a project file: a version this program does not read, and a file
// that is damaged or no project at all.
constexpr unsigned IDS_UNSUPPORTED_VERSION = 25344;
constexpr unsigned IDS_DAMAGED_PROJECT = 28961;
// The skeleton view: the delete question, the warning after a single-phase
// neighbour.
constexpr unsigned IDS_DELETE_ASK = 25347;
constexpr unsigned IDS_SINGLE_PHASE_NEIGHBOUR = 25399;
// The printed page frame: titles by view kind, the rows of the title block,
// the step of the skeleton.
constexpr unsigned IDS_TITLE_SKELETON = 25856;
constexpr unsigned IDS_TITLE_COORDINATION = 25857;
constexpr unsigned IDS_FRAME_MESSRS = 25858;
constexpr unsigned IDS_FRAME_PROJECT = 25859;
constexpr unsigned IDS_FRAME_REFERENCE = 25860;
constexpr unsigned IDS_FRAME_FILENAME = 25861;
constexpr unsigned IDS_FRAME_ENGINEER = 25862;
constexpr unsigned IDS_FRAME_CREATED = 25863;
constexpr unsigned IDS_FRAME_CHANGEDBY = 25864;
constexpr unsigned IDS_FRAME_CHANGED = 25865;
constexpr unsigned IDS_FRAME_COMMENTS = 25866;
constexpr unsigned IDS_TITLE_IMPEMAP = 25867;
constexpr unsigned IDS_TITLE_REPORT_FIRST = 25868; // report kinds 0 to 7: 25868 to 25875
constexpr unsigned IDS_TITLE_LIMITING = 25876;
constexpr unsigned IDS_TITLE_I2T = 25877;
constexpr unsigned IDS_STEP1 = 27136; // 27136 to 27139: STEP1, STEP2, STEP3, STEP4 or later
// Captions and messages of the mode commands and the skeleton checks.
constexpr unsigned IDS_CAPTION_CHECK = 25219;
constexpr unsigned IDS_CAPTION_CALCULATION = 25220;
constexpr unsigned IDS_CAPTION_SELECTION = 25221;
constexpr unsigned IDS_CHECK_NEXT = 25354;
constexpr unsigned IDS_CHECK_DONE = 25355;
constexpr unsigned IDS_CONDUCTOR_TOO_SMALL = 25356;
constexpr unsigned IDS_CALCULATION_DONE = 25373;
constexpr unsigned IDS_CALCULATION_NEXT = 25374;
constexpr unsigned IDS_BREAKER_BELOW_LOAD = 25388;
constexpr unsigned IDS_ELCB_NOT_SUITABLE = 25389;
constexpr unsigned IDS_ELCB_FOUR_POLES = 25390;
constexpr unsigned IDS_POLES_FOR_WIRE_SYSTEM = 25391;
constexpr unsigned IDS_WIRE_SYSTEM_FOR_EARTHING = 25392;
constexpr unsigned IDS_OVERLAPS = 25395;
// The clipboard's paste and the group library.
constexpr unsigned IDS_OVERLAPS_PASTE = 25396;
constexpr unsigned IDS_GROUP_NAME_NEEDED = 25349;
constexpr unsigned IDS_GROUP_DELETE_ASK = 25350;
constexpr unsigned IDS_GROUP_SAVE_ASK = 25351;
constexpr unsigned IDS_GROUP_COLUMN = 25600;
constexpr unsigned IDS_EXPLANATION_COLUMN = 25601;
// The single-phase test of the check shows the view's single-phase warning.
constexpr unsigned IDS_SINGLE_PHASE_WRONG = IDS_SINGLE_PHASE_NEIGHBOUR;
constexpr unsigned IDS_CF_SYMBOL = 24587;
constexpr unsigned IDS_CF_REFERENCE1 = 24588;
constexpr unsigned IDS_CF_REFERENCE2 = 24589;
constexpr unsigned IDS_NO_MAINFRAME = 24590;
constexpr unsigned IDS_NO_DOCUMENT = 24594;
constexpr unsigned IDS_COUNTRY = 24960;
constexpr unsigned IDS_LANGUAGE = 24961;
constexpr unsigned IDS_MAKER = 24962;
constexpr unsigned IDS_PRODUCT = 24963;
constexpr unsigned IDS_SHOWN_VERSION = 24964;
constexpr unsigned IDS_PROGRAM_VERSION = 24965;
constexpr unsigned IDS_DATABASE_VERSION = 24966;
constexpr unsigned IDS_SPLASH_VERSION = 26880;
constexpr unsigned IDS_SPLASH_EDITION = 26881;
constexpr unsigned IDS_SPLASH_FACE = 27025;
constexpr unsigned IDS_OPEN_FILTER = 27265;
constexpr unsigned IDS_FREE_MEMORY = 105;
constexpr unsigned IDS_FREE_DISK = 106;
constexpr unsigned IDS_UNAVAILABLE = 107;

} // namespace tvid
