#include "framework/DeviceContext.h"
#include "framework/Region.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

using fw::CPoint;
using fw::CRect;
using fw::CSize;

namespace {

fw::LOGFONT Font(int height, const char* face = "Arial") {
    fw::LOGFONT lf;
    lf.lfHeight = height;
    lf.lfWeight = 400;
    lf.SetFaceName(face);
    return lf;
}

// A white image of 254 dots per inch: one 0.1 mm is one dot.
QImage MetricImage(int w, int h) {
    QImage img(w, h, QImage::Format_RGB32);
    img.setDotsPerMeterX(10000);
    img.setDotsPerMeterY(10000);
    img.fill(Qt::white);
    return img;
}

bool IsDark(const QImage& img, int x, int y) {
    return qGray(img.pixel(x, y)) < 128;
}

// The dark dots of a text drawn at (x, y) on a white 200 x 200 image; with a
// window extent, the image shows that many units across and down.
int DarkDotsOfText(const fw::LOGFONT& lf, int x, int y, int windowExt = 0) {
    QImage img = MetricImage(200, 200);
    {
        QPainter painter(&img);
        fw::CDC dc(&painter);
        if (windowExt > 0) {
            dc.SetMapMode(fw::MM_ANISOTROPIC);
            dc.SetWindowExt(windowExt, windowExt);
            dc.SetViewportExt(200, 200);
        }
        dc.SelectObject(fw::CFont(lf));
        dc.SetBkMode(fw::TRANSPARENT);
        dc.TextOut(x, y, "Wiring");
    }
    int dark = 0;
    for (int row = 0; row < img.height(); ++row)
        for (int col = 0; col < img.width(); ++col)
            dark += IsDark(img, col, row) ? 1 : 0;
    return dark;
}

} // namespace

TEST(DeviceContextTest, TextMappingIsOneToOneWithOrigins) {
    fw::CRecordingDC dc;
    CPoint p{10, 20};
    dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(10, 20));
    dc.SetViewportOrg(-100, -50); // a scrolled view
    p = {10, 20};
    dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(-90, -30));
    dc.DPtoLP(&p);
    EXPECT_EQ(p, CPoint(10, 20));
}

TEST(DeviceContextTest, IsotropicZoomKeepsEqualScales) {
    fw::CRecordingDC dc;
    EXPECT_EQ(dc.SetMapMode(fw::MM_ISOTROPIC), fw::MM_TEXT);
    dc.SetWindowExt(1000, 1000);
    dc.SetViewportExt(500, 250); // the smaller scale wins
    EXPECT_EQ(dc.GetViewportExt(), CSize(250, 250));
    dc.SetWindowOrg(0, 0);
    CPoint pts[2] = {{400, 800}, {1000, 1000}};
    dc.LPtoDP(pts, 2);
    EXPECT_EQ(pts[0], CPoint(100, 200));
    EXPECT_EQ(pts[1], CPoint(250, 250));
    // Zoom 150 % as the skeleton view sets it.
    dc.SetWindowExt(400, 300);
    dc.SetViewportExt(400 * 150 / 100, 300 * 150 / 100);
    CRect r(40, 40, 80, 80);
    dc.LPtoDP(&r);
    EXPECT_EQ(r, CRect(60, 60, 120, 120));
}

TEST(DeviceContextTest, LoMetricIsTenthMillimetreWithYUp) {
    fw::CRecordingDC dc(254 * 2); // two dots per 0.1 mm
    dc.SetMapMode(fw::MM_LOMETRIC);
    CPoint p{100, -300};
    dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(200, 600));
    CSize s{50, 50};
    dc.LPtoDP(&s);
    EXPECT_EQ(s, CSize(100, 100));
}

TEST(DeviceContextTest, SelectingReturnsThePreviousObject) {
    fw::CRecordingDC dc;
    fw::CPen red(fw::PS_SOLID, 3, fw::RGB(255, 0, 0));
    fw::CPen old = dc.SelectObject(red);
    EXPECT_EQ(old, fw::CPen()); // black, one pixel
    EXPECT_EQ(dc.SelectObject(old), red);
    fw::CBrush oldBrush = dc.SelectObject(fw::CBrush::Null());
    EXPECT_EQ(oldBrush, fw::CBrush(0xFFFFFF));
    fw::CFont oldFont = dc.SelectObject(fw::CFont(Font(20)));
    EXPECT_EQ(dc.SelectObject(oldFont).lf.lfHeight, 20);
    EXPECT_EQ(dc.SetTextColor(0x123456), 0u);
    EXPECT_EQ(dc.SetBkMode(fw::TRANSPARENT), fw::OPAQUE);
    EXPECT_EQ(dc.SetROP2(fw::R2_NOTXORPEN), fw::R2_COPYPEN);
    EXPECT_EQ(dc.SetTextAlign(fw::TA_BASELINE), fw::TA_TOP | fw::TA_LEFT);
}

TEST(DeviceContextTest, RecordsPrimitivesWithTheirObjects) {
    fw::CRecordingDC dc(254);
    dc.SetMapMode(fw::MM_LOMETRIC);
    dc.SelectObject(fw::CPen::Geometric(fw::PS_USERSTYLE, 3, 0xFF, {200, 100}));
    const CPoint pts[] = {{0, 0}, {100, -100}, {300, -100}};
    dc.Polyline(pts, 3);
    dc.SelectObject(fw::CFont(Font(50)));
    dc.SetTextColor(0x00FF00);
    dc.TextOut(10, -20, "I2t");
    ASSERT_EQ(dc.Records().size(), 2u);
    const fw::CDrawRecord& line = dc.Records()[0];
    EXPECT_EQ(line.kind, fw::CDrawRecord::Polyline);
    EXPECT_EQ(line.points, std::vector<CPoint>(pts, pts + 3));
    EXPECT_TRUE(line.pen.IsGeometric());
    EXPECT_EQ(line.pen.BaseStyle(), fw::PS_USERSTYLE);
    EXPECT_EQ(line.pen.dashes, (std::vector<uint32_t>{200, 100}));
    EXPECT_EQ(line.pen.width, 3);
    EXPECT_EQ(line.device, (std::vector<double>{0, 0, 100, 100, 300, 100}));
    const fw::CDrawRecord& text = dc.Records()[1];
    EXPECT_EQ(text.kind, fw::CDrawRecord::Text);
    EXPECT_EQ(text.text, "I2t");
    EXPECT_EQ(text.font.lfHeight, 50);
    EXPECT_EQ(text.textColor, 0x00FF00u);
    EXPECT_EQ(text.extent.cy, 50);
}

TEST(DeviceContextTest, TextExtentIsCellHeightAndAdvanceInLogicalUnits) {
    fw::CRecordingDC screen;
    fw::CRecordingDC printer(600, true);
    printer.SetMapMode(fw::MM_LOMETRIC);
    for (fw::CDC* dc : {static_cast<fw::CDC*>(&screen), static_cast<fw::CDC*>(&printer)}) {
        dc->SelectObject(fw::CFont(Font(20)));
        CSize ab = dc->GetTextExtent("ab");
        CSize abcd = dc->GetTextExtent("abcd");
        EXPECT_EQ(ab.cy, 20);
        EXPECT_EQ(abcd.cy, 20);
        EXPECT_GT(ab.cx, 0);
        EXPECT_NEAR(abcd.cx, 2 * ab.cx, 1);
        EXPECT_EQ(dc->GetTextExtent("").cx, 0);
    }
    // The extent does not depend on the device.
    EXPECT_EQ(screen.GetTextExtent("Short-circuit"), printer.GetTextExtent("Short-circuit"));
    fw::LOGFONT doubled = Font(40);
    screen.SelectObject(fw::CFont(doubled));
    EXPECT_NEAR(screen.GetTextExtent("abcd").cx, 2 * printer.GetTextExtent("abcd").cx, 2);
}

TEST(DeviceContextTest, TextStaysUprightInYUpMapping) {
    QImage img = MetricImage(400, 400);
    QPainter painter(&img);
    fw::CDC dc(&painter);
    dc.SetMapMode(fw::MM_LOMETRIC);
    dc.SelectObject(fw::CFont(Font(100)));
    dc.SetBkMode(fw::TRANSPARENT);
    dc.TextOut(50, -100, "T"); // top-left of the cell at device (50, 100)
    painter.end();
    // The bar of the T lies near the top of the cell, below the anchor on the
    // device; nothing is drawn above the anchor.
    int firstDark = -1, lastDark = -1;
    for (int y = 0; y < 400; ++y)
        for (int x = 0; x < 400; ++x)
            if (IsDark(img, x, y)) {
                if (firstDark < 0)
                    firstDark = y;
                lastDark = y;
            }
    ASSERT_GE(firstDark, 0);
    EXPECT_GE(firstDark, 100);
    EXPECT_LE(lastDark, 200);
    // The bar is wider than the stem: the row of the first dark dot holds
    // more dark dots than a row low in the letter.
    auto darkInRow = [&](int y) {
        int n = 0;
        for (int x = 0; x < 400; ++x)
            n += IsDark(img, x, y) ? 1 : 0;
        return n;
    };
    EXPECT_GT(darkInRow(firstDark + 2), 2 * darkInRow(lastDark - 3));
}

TEST(DeviceContextTest, UserDashPatternIsInLogicalUnits) {
    QImage img = MetricImage(1000, 50);
    QPainter painter(&img);
    fw::CDC dc(&painter);
    dc.SetMapMode(fw::MM_LOMETRIC);
    dc.SelectObject(fw::CPen::Geometric(fw::PS_USERSTYLE, 1, 0, {200, 100}));
    dc.MoveTo(0, -20);
    dc.LineTo(900, -20);
    painter.end();
    struct Case {
        int x;
        bool dark;
    };
    const Case cases[] = {{5, true},   {195, true},  {205, false}, {295, false}, {305, true},
                          {495, true}, {505, false}, {605, true},  {795, true},  {850, false}};
    for (const Case& c : cases)
        EXPECT_EQ(IsDark(img, c.x, 20), c.dark) << c.x;
}

TEST(DeviceContextTest, NotXorDrawnTwiceErases) {
    QImage img = MetricImage(100, 100);
    QPainter painter(&img);
    fw::CDC dc(&painter);
    dc.SetROP2(fw::R2_NOTXORPEN);
    for (int pass = 0; pass < 2; ++pass) {
        dc.MoveTo(10, 50);
        dc.LineTo(90, 50);
        if (pass == 0) {
            EXPECT_TRUE(IsDark(img, 50, 50));
        }
    }
    painter.end();
    EXPECT_FALSE(IsDark(img, 50, 50));
}

TEST(DeviceContextTest, ClippingAndFills) {
    QImage img = MetricImage(100, 100);
    QPainter painter(&img);
    fw::CDC dc(&painter);
    EXPECT_EQ(dc.IntersectClipRect(CRect(10, 10, 50, 50)), fw::SIMPLEREGION);
    CRect box;
    ASSERT_TRUE(dc.GetClipBox(&box));
    EXPECT_EQ(box, CRect(10, 10, 50, 50));
    EXPECT_TRUE(dc.RectVisible(CRect(40, 40, 60, 60)));
    EXPECT_FALSE(dc.RectVisible(CRect(60, 60, 70, 70)));
    dc.FillSolidRect(CRect(0, 0, 100, 100), 0);
    EXPECT_EQ(dc.SelectClipRgn(nullptr), fw::SIMPLEREGION);
    dc.SelectObject(fw::CBrush(0x0000FF));
    dc.Rectangle(70, 70, 90, 90);
    painter.end();
    EXPECT_TRUE(IsDark(img, 10, 10));
    EXPECT_TRUE(IsDark(img, 49, 49));
    EXPECT_FALSE(IsDark(img, 50, 50));
    EXPECT_FALSE(IsDark(img, 5, 5));
    EXPECT_EQ(img.pixel(80, 80), qRgb(255, 0, 0));     // filled with the red brush
    EXPECT_TRUE(IsDark(img, 70, 80));                  // black outline on the left
    EXPECT_EQ(img.pixel(90, 80), qRgb(255, 255, 255)); // right edge outside
}

TEST(DeviceContextTest, DrawsOnAPdfPrinter) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString path = dir.filePath("page.pdf");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        QPainter painter(&printer);
        fw::CDC dc(&painter, true);
        EXPECT_TRUE(dc.IsPrinting());
        EXPECT_GT(dc.GetDeviceCaps(fw::LOGPIXELSX), 96);
        dc.SetMapMode(fw::MM_LOMETRIC);
        dc.SelectObject(fw::CPen::Geometric(fw::PS_USERSTYLE, 3, 0, {100, 50, 50, 50}));
        const CPoint pts[] = {{100, -100}, {1000, -1000}};
        dc.Polyline(pts, 2);
        dc.SelectObject(fw::CFont(Font(50)));
        dc.TextOut(100, -1200, "Curve");
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    QByteArray head = f.read(5);
    EXPECT_EQ(head, QByteArray("%PDF-"));
    EXPECT_GT(f.size(), 500);
}

namespace {

// A view drawing in its paint event, as the program's views do.
class DrawingWidget : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        fw::CDC dc(&painter);
        dc.SetMapMode(fw::MM_ISOTROPIC);
        dc.SetWindowExt(400, 400);
        dc.SetViewportExt(100, 100); // a quarter of the logical size
        dc.FillSolidRect(CRect(0, 0, 400, 400), 0xFFFFFF);
        dc.SelectObject(fw::CBrush(0xFF0000)); // blue
        dc.SelectObject(fw::CPen(fw::PS_NULL, 0, 0));
        const CPoint triangle[] = {{40, 40}, {360, 40}, {40, 360}};
        dc.Polygon(triangle, 3);
    }
};

} // namespace

TEST(DeviceContextTest, DrawsOnAWidget) {
    DrawingWidget w;
    w.resize(100, 100);
    QImage img = w.grab().toImage();
    ASSERT_FALSE(img.isNull());
    EXPECT_EQ(img.pixel(20, 20), qRgb(0, 0, 255));     // logical (80, 80)
    EXPECT_EQ(img.pixel(80, 80), qRgb(255, 255, 255)); // past the diagonal
    EXPECT_EQ(img.pixel(5, 5), qRgb(255, 255, 255));   // left of the triangle
}

// Text of a damaged description (a width a million units wide on a cell 20
// high) seen from far out, so that each glyph would be far wider than a
// pixel and far lower than one: the font engine cannot render such a glyph
// (it read from a null bitmap). Nothing of the text can be seen at that
// size; it is left out, and the same text at a readable scale still shows.
TEST(DeviceContextTest, TextFlatterThanAPixelIsLeftOut) {
    fw::LOGFONT lf = Font(20);
    lf.lfWidth = 1048576;
    // 39 200 units onto 200 dots: a cell of 20 units is 0.1 dot high.
    EXPECT_EQ(DarkDotsOfText(lf, 0, 0, 39200), 0);
    // A plain cell 20 units high at one unit a dot is drawn.
    EXPECT_GT(DarkDotsOfText(Font(20), 10, 10), 0);
}

// A damaged description's escapement of -2^31 tenths of a degree: the angle
// is worked out in floating point (negating the integer overflowed), and the
// text is drawn turned by it like any other.
TEST(DeviceContextTest, TextOfTheLowestEscapementIsTurnedAndDrawn) {
    fw::LOGFONT lf = Font(20);
    lf.lfEscapement = std::numeric_limits<int32_t>::min();
    EXPECT_GT(DarkDotsOfText(lf, 100, 100), 0);
}

namespace {

struct TextScene {
    fw::LOGFONT font;
    int zoom; // viewport units per 100 window units
    unsigned align;
    int dpi; // of the image
};

// The texts of the scene drawn at anchors a quarter unit apart across the
// image, in the 0.1 mm mapping scaled as the skeleton view scales it, with
// texts kept or set anew.
QImage DrawTexts(const TextScene& scene, const std::vector<std::string>& texts, bool keep) {
    fw::CDC::SetKeepShapedTexts(keep);
    QImage img(400, 300, QImage::Format_RGB32);
    img.setDotsPerMeterX(static_cast<int>(std::lround(scene.dpi / 0.0254)));
    img.setDotsPerMeterY(static_cast<int>(std::lround(scene.dpi / 0.0254)));
    img.fill(Qt::white);
    {
        QPainter painter(&img);
        fw::CDC dc(&painter);
        dc.SetMapMode(fw::MM_ISOTROPIC);
        dc.SetWindowExt(100, 100);
        dc.SetViewportExt(scene.zoom, scene.zoom);
        dc.SetViewportOrg(3, 7);
        dc.SelectObject(fw::CFont(scene.font));
        dc.SetTextAlign(scene.align);
        dc.SetBkMode(fw::TRANSPARENT);
        int i = 0;
        for (const std::string& text : texts) {
            for (int step = 0; step < 4; ++step, ++i)
                dc.TextOut(40 + (i % 7) * 97 + step, 20 + (i / 7) * 43 + step, text);
        }
    }
    fw::CDC::SetKeepShapedTexts(true);
    return img;
}

} // namespace

// A text drawn by the glyphs kept from an earlier drawing of it shows the
// pixels of the text set anew: at zooms whose units are no whole number of
// pixels, in each alignment, in several fonts, for texts of one script and
// texts mixing scripts or needing another font for some characters. Each
// scene is drawn twice, the second time from what the first kept.
TEST(DeviceContextTest, TextsDrawnByTheirKeptGlyphsShowWhatSettingThemAnewShows) {
    const std::vector<std::string> texts = {
        "Ik3 = 12.4 kA",
        "400 V",
        "Q1",
        "WL-07 3x(1x240) Cu",
        "u% 1.27",
        "\xce\xa9 m",
        "cos \xcf\x86 0.85",
        "1.5 mm\xc2\xb2",
        "  padded  ",
        "x\xe2\x88\x9a"
        "3",
    };
    fw::LOGFONT bold = Font(-9);
    bold.lfWeight = 700;
    fw::LOGFONT narrow = Font(-10, "DejaVu Sans Mono");
    narrow.lfWidth = 4;
    fw::LOGFONT italic = Font(12);
    italic.lfItalic = 1;
    const std::vector<fw::LOGFONT> fonts = {Font(-10), bold, narrow, italic};
    const std::vector<unsigned> aligns = {fw::TA_LEFT | fw::TA_TOP, fw::TA_CENTER | fw::TA_BASELINE,
                                          fw::TA_RIGHT | fw::TA_BOTTOM};
    for (const fw::LOGFONT& font : fonts) {
        for (int zoom : {25, 50, 75, 100, 150, 200}) {
            for (unsigned align : aligns) {
                const TextScene scene{font, zoom, align, 96};
                const QImage anew = DrawTexts(scene, texts, false);
                const QImage first = DrawTexts(scene, texts, true);
                const QImage again = DrawTexts(scene, texts, true);
                const std::string what = font.GetFaceName() + " " + std::to_string(font.lfHeight) +
                                         ", zoom " + std::to_string(zoom) + ", align " +
                                         std::to_string(align);
                EXPECT_TRUE(first == anew) << what;
                EXPECT_TRUE(again == anew) << what;
            }
        }
    }
}

// What is kept for a text serves that text alone: another text drawn in the
// same font and place, the same text in another font or at another zoom,
// and the same text on a device of another resolution each show what
// setting them anew shows.
TEST(DeviceContextTest, KeptGlyphsServeNoOtherTextFontZoomOrResolution) {
    const TextScene plain{Font(-10), 50, fw::TA_LEFT | fw::TA_TOP, 96};
    const std::vector<std::string> edited = {"Ik3 = 13.9 kA"};
    DrawTexts(plain, {"Ik3 = 12.4 kA"}, true);
    EXPECT_TRUE(DrawTexts(plain, edited, true) == DrawTexts(plain, edited, false));
    EXPECT_FALSE(DrawTexts(plain, edited, true) == DrawTexts(plain, {"Ik3 = 12.4 kA"}, false));

    TextScene mono = plain;
    mono.font = Font(-10, "DejaVu Sans Mono");
    EXPECT_TRUE(DrawTexts(mono, edited, true) == DrawTexts(mono, edited, false));

    TextScene zoomed = plain;
    zoomed.zoom = 75;
    EXPECT_TRUE(DrawTexts(zoomed, edited, true) == DrawTexts(zoomed, edited, false));

    TextScene fine = plain;
    fine.dpi = 254;
    EXPECT_TRUE(DrawTexts(fine, edited, true) == DrawTexts(fine, edited, false));
}

// The pen and brush made for one figure serve the next only while they are
// the same: a figure in another pen colour, width or style, another brush,
// or the same pen at another scale is drawn in its own. The colours are
// read at the figures' middles (hand-placed: each line and box lies on whole
// pixels of a one-to-one mapping, or of a doubled one).
TEST(DeviceContextTest, EachFigureIsDrawnInItsOwnPenAndBrush) {
    QImage img(120, 120, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    fw::CDC dc(&painter);
    dc.SelectObject(fw::CPen(fw::PS_SOLID, 0, fw::RGB(255, 0, 0)));
    dc.MoveTo(10, 10);
    dc.LineTo(50, 10);
    dc.SelectObject(fw::CPen(fw::PS_SOLID, 0, fw::RGB(0, 0, 255)));
    dc.MoveTo(10, 20);
    dc.LineTo(50, 20);
    dc.SelectObject(fw::CPen(fw::PS_SOLID, 5, fw::RGB(0, 0, 255)));
    dc.MoveTo(10, 30);
    dc.LineTo(50, 30);
    // The same pen at twice the scale: ten pixels wide.
    dc.SetMapMode(fw::MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(2, 2);
    dc.MoveTo(5, 45);
    dc.LineTo(25, 45);
    dc.SetMapMode(fw::MM_TEXT);
    dc.SelectObject(fw::CPen(fw::PS_NULL, 0, 0));
    dc.SelectObject(fw::CBrush(fw::RGB(0, 255, 0)));
    dc.Rectangle(60, 10, 80, 30);
    dc.SelectObject(fw::CBrush(fw::RGB(255, 0, 255)));
    dc.Rectangle(60, 40, 80, 60);
    dc.SelectObject(fw::CPen(fw::PS_SOLID, 0, fw::RGB(255, 0, 0)));
    dc.SelectObject(fw::CBrush::Null());
    dc.Rectangle(85, 10, 105, 30);
    painter.end();
    EXPECT_EQ(img.pixel(30, 10), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(30, 20), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(30, 32), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(30, 34), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(70, 20), qRgb(0, 255, 0));
    EXPECT_EQ(img.pixel(70, 50), qRgb(255, 0, 255));
    EXPECT_EQ(img.pixel(95, 20), qRgb(255, 255, 255));
    EXPECT_EQ(img.pixel(95, 10), qRgb(255, 0, 0));
    EXPECT_EQ(img.pixel(30, 94), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(30, 86), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(30, 84), qRgb(255, 255, 255));
}

// A figure after a raster operation is drawn over what is there, and a
// figure after a text keeps no text of it in its record: each primitive's
// record holds its own attributes only.
TEST(DeviceContextTest, EachPrimitiveKeepsItsOwnModeAndRecord) {
    QImage img(100, 100, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter painter(&img);
    fw::CRecordingDC dc(96, false, &painter);
    dc.SetROP2(fw::R2_NOTXORPEN);
    dc.MoveTo(10, 50);
    dc.LineTo(90, 50);
    dc.SetROP2(fw::R2_COPYPEN);
    dc.SelectObject(fw::CPen(fw::PS_SOLID, 0, fw::RGB(0, 0, 255)));
    dc.MoveTo(50, 10);
    dc.LineTo(50, 90);
    dc.SelectObject(fw::CFont(Font(20)));
    dc.SetTextColor(0x00FF00);
    dc.SetBkMode(fw::TRANSPARENT);
    dc.TextOut(10, 10, "I2t");
    dc.MoveTo(10, 80);
    dc.LineTo(30, 80);
    painter.end();
    // Blue over the not-xor line's black: copied, not xor-ed.
    EXPECT_EQ(img.pixel(50, 50), qRgb(0, 0, 255));
    EXPECT_EQ(img.pixel(50, 30), qRgb(0, 0, 255));
    ASSERT_EQ(dc.Records().size(), 4u);
    const fw::CDrawRecord& last = dc.Records()[3];
    EXPECT_EQ(last.kind, fw::CDrawRecord::Polyline);
    EXPECT_TRUE(last.text.empty());
    EXPECT_EQ(last.font, fw::LOGFONT());
    EXPECT_EQ(last.textColor, 0u);
    EXPECT_EQ(last.bkMode, fw::OPAQUE);
    EXPECT_EQ(last.extent, CSize());
    EXPECT_EQ(last.points, (std::vector<CPoint>{{10, 80}, {30, 80}}));
    EXPECT_EQ(last.device, (std::vector<double>{10, 80, 30, 80}));
    EXPECT_EQ(dc.Records()[2].text, "I2t");
}

// The painter completes a font description from its device's own font: a
// device whose font asks for glyphs without smoothing has the text drawn
// so, not in the glyphs kept from a device of the program's usual font.
TEST(DeviceContextTest, KeptGlyphsServeOnlyThePainterFontTheyWereKeptFor) {
    const TextScene plain{Font(-10), 100, fw::TA_LEFT | fw::TA_TOP, 96};
    const std::vector<std::string> texts = {"Ik3 = 12.4 kA"};
    const QImage smooth = DrawTexts(plain, texts, true);
    const QFont usual = QGuiApplication::font();
    QFont rough = usual;
    rough.setStyleStrategy(QFont::NoAntialias);
    QGuiApplication::setFont(rough);
    const QImage kept = DrawTexts(plain, texts, true);
    const QImage anew = DrawTexts(plain, texts, false);
    QGuiApplication::setFont(usual);
    EXPECT_FALSE(anew == smooth);
    EXPECT_TRUE(kept == anew);
}
