#pragma once

// The framework's standard command, bar and indicator numbers. Programs keep
// them as they are: stored settings, string tables and resource descriptions
// refer to these numbers.
namespace fw::id {

constexpr unsigned FILE_NEW = 57600;
constexpr unsigned FILE_OPEN = 57601;
constexpr unsigned FILE_CLOSE = 57602;
constexpr unsigned FILE_SAVE = 57603;
constexpr unsigned FILE_SAVE_AS = 57604;
constexpr unsigned FILE_PAGE_SETUP = 57605;
constexpr unsigned FILE_PRINT_SETUP = 57606;
constexpr unsigned FILE_PRINT = 57607;
constexpr unsigned FILE_PRINT_DIRECT = 57608;
constexpr unsigned FILE_PRINT_PREVIEW = 57609;
constexpr unsigned FILE_SEND_MAIL = 57612;
constexpr unsigned FILE_MRU_FILE1 = 57616;
constexpr unsigned FILE_MRU_LAST = 57631; // the framework reserves sixteen entries
constexpr unsigned EDIT_CLEAR = 57632;
constexpr unsigned EDIT_COPY = 57634;
constexpr unsigned EDIT_CUT = 57635;
constexpr unsigned EDIT_PASTE = 57637;
constexpr unsigned EDIT_SELECT_ALL = 57642;
constexpr unsigned EDIT_UNDO = 57643;
constexpr unsigned WINDOW_ARRANGE = 57649;
constexpr unsigned WINDOW_CASCADE = 57650;
constexpr unsigned WINDOW_TILE_HORZ = 57651;
constexpr unsigned WINDOW_TILE_VERT = 57652;
constexpr unsigned APP_ABOUT = 57664;
constexpr unsigned APP_EXIT = 57665;
constexpr unsigned CONTEXT_HELP = 57669;
constexpr unsigned HELP = 57670;

constexpr unsigned VIEW_TOOLBAR = 59392;
constexpr unsigned VIEW_STATUS_BAR = 59393;

constexpr unsigned IDW_TOOLBAR = 59392;
constexpr unsigned IDW_STATUS_BAR = 59393;
constexpr unsigned IDW_DIALOGBAR = 59397;

constexpr unsigned INDICATOR_CAPS = 59137;
constexpr unsigned INDICATOR_NUM = 59138;
constexpr unsigned INDICATOR_SCRL = 59139;
constexpr unsigned INDICATOR_KANA = 59142;

} // namespace fw::id
