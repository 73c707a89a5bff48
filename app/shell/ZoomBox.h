#pragma once

#include <cstdint>

class QComboBox;

// The zoom boxes of the views' bars list zooms as "<percent>%".

// The number at the start of the box's selected entry (decimal, as atoi
// reads it); 100 without a box or a selection.
int32_t ZoomOfBox(const QComboBox* box);

// Selects the entry that shows this very zoom: its number followed by no
// further digit, so that 5 does not select "50%" nor 20 "200%". A zoom the
// box does not list leaves the selection as it is.
void SelectZoomText(QComboBox* box, int32_t zoom);
