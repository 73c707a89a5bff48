#include "shellcommon/PrinterServices.h"

#include "framework/MessageBox.h"
#include "framework/PaperCodes.h"

#include <QPageSetupDialog>
#include <QPrinter>

#include <cmath>

void GetPrinterPageSize(QPrinter* printer, fw::CSize& size, fw::CPoint* offsets) {
    size = fw::CSize();
    if (offsets)
        *offsets = fw::CPoint();
    if (!printer || !printer->isValid())
        return;
    QRectF paper = printer->paperRect(QPrinter::DevicePixel);
    QRectF page = printer->pageRect(QPrinter::DevicePixel);
    size = fw::CSize(static_cast<int32_t>(std::lround(paper.width())),
                     static_cast<int32_t>(std::lround(paper.height())));
    if (offsets)
        *offsets = fw::CPoint(static_cast<int32_t>(std::lround(page.left())),
                              static_cast<int32_t>(std::lround(page.top())));
}

void SetPrinterOrientation(QPrinter* printer, int16_t orientation, int16_t paperSize) {
    if (!printer)
        return;
    QPageSize size = fw::PageSizeFromPaperCode(paperSize);
    if (size.isValid())
        printer->setPageSize(size);
    printer->setPageOrientation(fw::OrientationFromCode(orientation));
}

int DoPrintSetup(QPrinter* printer, QWidget* parent, int16_t& orientation, int16_t& paperSize,
                 const std::function<bool(QPrinter&)>& dialog) {
    if (!printer)
        return fw::mb::IdCancel;
    SetPrinterOrientation(printer, orientation, paperSize);
    bool ok = false;
    if (dialog) {
        ok = dialog(*printer);
    } else {
        QPageSetupDialog setup(printer, parent);
        ok = setup.exec() == QDialog::Accepted;
    }
    if (!ok)
        return fw::mb::IdCancel;
    QPageLayout layout = printer->pageLayout();
    orientation = fw::OrientationToCode(layout.orientation());
    if (int16_t code = fw::PaperCodeFromPageSize(layout.pageSize()))
        paperSize = code;
    return fw::mb::IdOk;
}
