// The drag of an element's tracker needs the window it runs on, so it lives
// with the views rather than with the tracker's data.
#include "app/records/CTVTracker.h"

bool CTVTracker::DoTrackHandle(QWidget* window, fw::CPoint point, bool allowInvert,
                               QWidget* clipTo) {
    if (DoFindHandle(point) == hitNothing)
        return false;
    return Track(window, point, allowInvert, clipTo);
}
