#pragma once

#include "framework/Geometry.h"

#include <string>

class QWidget;

namespace fw {
class CMDIChildWnd;
}

// Shows the named popup of a menu resource at a point of a view: each
// entry is the state of its command on the frame's route, read now, and a
// chosen entry goes the route as any command does. Nothing is shown when
// the menu, the popup or the frame is missing.
void DoTrackContextMenu(QWidget* view, fw::CMDIChildWnd* frame, unsigned menu,
                        const std::string& popup, fw::CPoint point);
