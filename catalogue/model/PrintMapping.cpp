#include "catalogue/model/PrintMapping.h"

#include "catalogue/model/CInfoPrint.h"
#include "catalogue/model/CPrintInfo.h"

#include "framework/DeviceContext.h"

namespace {

// Keeps the device width off the right edge of table Y.
constexpr int kTableYSlack = 15;

} // namespace

void DoSetPrintMapping(fw::CDC* dc, int searchKind, const CPrintInfo& info, const CInfoPrint& print,
                       int tableXHeight, int tableYWidth) {
    using namespace print_units;
    int pageWidthLM = DeviceToLometricX(dc, info.m_sizePage.cx);
    int pageHeightLM = DeviceToLometricY(dc, info.m_sizePage.cy);
    int printableWidth =
        LometricToDeviceX(dc, pageWidthLM - 10 * (print.m_nMarginLeft + print.m_nMarginRight));
    int printableHeight =
        LometricToDeviceY(dc, pageHeightLM - 10 * (print.m_nMarginTop + print.m_nMarginBottom + 4));
    int marginX = LometricToDeviceX(dc, 10 * print.m_nMarginLeft);
    int marginY = LometricToDeviceY(dc, 10 * print.m_nMarginTop);

    if (searchKind >= 1 && searchKind <= 3 && tableXHeight > 0 && printableHeight > 0) {
        dc->SetMapMode(fw::MM_ANISOTROPIC);
        dc->SetWindowExt(tableXHeight, tableXHeight);
        dc->SetViewportExt(printableHeight, -printableHeight);
        dc->SetViewportOrg(marginX - info.m_ptOffset.x, marginY - info.m_ptOffset.y);
    } else if (searchKind == 4 && tableYWidth > 0 && printableWidth > kTableYSlack) {
        dc->SetMapMode(fw::MM_ANISOTROPIC);
        dc->SetWindowExt(tableYWidth, tableYWidth);
        dc->SetViewportExt(printableWidth - kTableYSlack, kTableYSlack - printableWidth);
        dc->SetViewportOrg(-info.m_ptOffset.x, -info.m_ptOffset.y);
    }
}
