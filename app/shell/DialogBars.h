#pragma once

#include <string>

class QToolBar;

namespace fw {
class CMDIChildWnd;
}

// The dialog bars of the co-ordination, report and impedance-map frames,
// made from their templates 157, 158 and 159: a bar docked at the top (or
// the bottom) holding the template's controls under their numbers. The views
// fill and answer the controls. Null when the template is unknown.
QToolBar* CreateDialogBar(fw::CMDIChildWnd* frame, unsigned templateId, const std::string& title);
