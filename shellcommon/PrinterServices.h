#pragma once

#include "framework/Geometry.h"

#include <cstdint>
#include <functional>

class QPrinter;
class QWidget;

// The printer services both programs offer their documents and views: the
// physical page of the application's printer, its orientation and paper set
// from the codes documents store, and the print set-up dialog.

// The physical page size in printer pixels and, when asked, the offsets of
// the printable area; zeros without a usable printer.
void GetPrinterPageSize(QPrinter* printer, fw::CSize& size, fw::CPoint* offsets = nullptr);
// Orientation (1 portrait, 2 landscape) and paper size as stored numbers; an
// unknown paper code leaves the paper as it is.
void SetPrinterOrientation(QPrinter* printer, int16_t orientation, int16_t paperSize);
// The print set-up dialog on the orientation and paper; on OK they are
// replaced by the chosen ones. dialog, when given, stands in for the
// platform's dialog (tests): it gets the printer and says whether the user
// pressed OK. Returns fw::mb::IdOk or fw::mb::IdCancel.
int DoPrintSetup(QPrinter* printer, QWidget* parent, int16_t& orientation, int16_t& paperSize,
                 const std::function<bool(QPrinter&)>& dialog = {});
