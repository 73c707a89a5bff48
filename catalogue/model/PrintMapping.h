#pragma once

namespace fw {
class CDC;
}
class CInfoPrint;
struct CPrintInfo;

// The mapping of a printed page of the catalogue's tables: the printable
// area is the physical page less the margins (and 4 mm more off the height);
// table X (kinds 1 to 3) is scaled so that its whole height fills the
// printable height, with the origin at the top-left margin; table Y (kind 4)
// so that its width fills the printable width, with the origin at the
// page's physical corner (the table adds the margins itself). Any other kind
// leaves the context's mapping as it is.
void DoSetPrintMapping(fw::CDC* dc, int searchKind, const CPrintInfo& info, const CInfoPrint& print,
                       int tableXHeight, int tableYWidth);
