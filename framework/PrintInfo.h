#pragma once

#include "framework/Geometry.h"

class QPrinter;

namespace fw {

// What a view's print job knows while it runs: the page range, the page being
// printed, whether it is a preview or a print without the print dialog, and
// whether the view wants another page. A view that knows its page count sets
// the maximum page in OnPreparePrinting; with an unknown count one page is
// printed unless the view's OnPrepareDC sets m_bContinuePrinting for the
// next, and the view ends such a job by setting the maximum page to the
// current one.
struct CPrintInfo {
    static constexpr unsigned kUnknownPages = 0xFFFF;

    void SetMinPage(unsigned page) { m_nMinPage = page; }
    void SetMaxPage(unsigned page) { m_nMaxPage = page; }
    unsigned GetMinPage() const { return m_nMinPage; }
    unsigned GetMaxPage() const { return m_nMaxPage; }

    bool m_bPreview = false;
    bool m_bDirect = false;
    bool m_bContinuePrinting = true;
    unsigned m_nMinPage = 1;
    unsigned m_nMaxPage = kUnknownPages;
    unsigned m_nCurPage = 1;
    // The printable area of the page in device units of the printer.
    CRect m_rectDraw;
    // The printer of the job (null outside a job).
    QPrinter* m_pPrinter = nullptr;
};

} // namespace fw
