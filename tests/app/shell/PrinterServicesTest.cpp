// The application's printer services: page size in printer pixels,
// orientation and paper by their stored codes, and the set-up dialog.

#include "ShellTestSupport.h"

#include "framework/PaperCodes.h"

#include <QPrinter>

#include <cmath>

#include <gtest/gtest.h>

using shelltest::StartedProgram;

TEST(PrinterServices, OrientationAndPaperGiveThePageSize) {
    StartedProgram p({"-Embedding"});
    fw::CSize size;
    fw::CPoint offsets(-1, -1);
    p.app->SetPrinterOrientation(1, 9); // portrait A4
    p.app->GetPrinterPageSize(size, &offsets);
    ASSERT_GT(size.cx, 0);
    EXPECT_NEAR(static_cast<double>(size.cy) / size.cx, 297.0 / 210.0, 0.01);
    EXPECT_GE(offsets.x, 0);
    EXPECT_GE(offsets.y, 0);
    fw::CSize a4 = size;
    p.app->SetPrinterOrientation(2, 8); // landscape A3
    p.app->GetPrinterPageSize(size);
    EXPECT_GT(size.cx, size.cy);
    EXPECT_NEAR(static_cast<double>(size.cx) / a4.cy, std::sqrt(2.0), 0.01);
}

TEST(PrinterServices, PrintSetupReturnsTheChosenCodesOrLeavesThemOnCancel) {
    StartedProgram p({"-Embedding"});
    int16_t orientation = 1;
    int16_t paper = 9;
    p.app->SetPrintSetupDialog([](QPrinter& printer) {
        // What the dialog shows is what the caller passed.
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait);
        EXPECT_EQ(printer.pageLayout().pageSize().id(), QPageSize::A4);
        printer.setPageSize(QPageSize(QPageSize::JisB4));
        printer.setPageOrientation(QPageLayout::Landscape);
        return true;
    });
    EXPECT_EQ(p.app->DoPrintSetup(orientation, paper), fw::mb::IdOk);
    EXPECT_EQ(orientation, 2);
    EXPECT_EQ(paper, 12);

    p.app->SetPrintSetupDialog([](QPrinter&) { return false; });
    orientation = 1;
    paper = 11;
    EXPECT_EQ(p.app->DoPrintSetup(orientation, paper), fw::mb::IdCancel);
    EXPECT_EQ(orientation, 1);
    EXPECT_EQ(paper, 11);
}

TEST(PrinterServices, PaperCodesMapBothWays) {
    struct Case {
        int16_t code;
        QPageSize::PageSizeId id;
    } cases[] = {{1, QPageSize::Letter}, {5, QPageSize::Legal}, {8, QPageSize::A3},
                 {9, QPageSize::A4},     {11, QPageSize::A5},   {12, QPageSize::JisB4},
                 {13, QPageSize::JisB5}, {66, QPageSize::A2}};
    for (const Case& c : cases) {
        EXPECT_EQ(fw::PageSizeFromPaperCode(c.code).id(), c.id) << c.code;
        EXPECT_EQ(fw::PaperCodeFromPageSize(QPageSize(c.id)), c.code) << c.code;
    }
    EXPECT_FALSE(fw::PageSizeFromPaperCode(999).isValid());
    EXPECT_EQ(fw::PaperCodeFromPageSize(QPageSize(QPageSize::A10)), 0);
    EXPECT_EQ(fw::OrientationFromCode(2), QPageLayout::Landscape);
    EXPECT_EQ(fw::OrientationFromCode(1), QPageLayout::Portrait);
}
