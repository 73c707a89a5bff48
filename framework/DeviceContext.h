#pragma once

#include "framework/Geometry.h"

#include <QRegion>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QPainter;
class QPointF;

namespace fw {

class CRgn;

// Colours as stored in documents: 0x00BBGGRR.
using COLORREF = uint32_t;
constexpr COLORREF RGB(unsigned r, unsigned g, unsigned b) {
    return (r & 0xFFu) | (g & 0xFFu) << 8 | (b & 0xFFu) << 16;
}
constexpr unsigned GetRValue(COLORREF c) {
    return c & 0xFFu;
}
constexpr unsigned GetGValue(COLORREF c) {
    return (c >> 8) & 0xFFu;
}
constexpr unsigned GetBValue(COLORREF c) {
    return (c >> 16) & 0xFFu;
}

// Mapping modes.
constexpr int MM_TEXT = 1;      // one logical unit is one device unit, y down
constexpr int MM_LOMETRIC = 2;  // 0.1 mm, y up
constexpr int MM_ISOTROPIC = 7; // window/viewport extents, equal scale on both axes
constexpr int MM_ANISOTROPIC = 8;

// Pen styles; PS_GEOMETRIC is or'ed into the style of a pen made by
// CPen::Geometric.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;
constexpr int PS_USERSTYLE = 7;
constexpr int PS_STYLE_MASK = 0x0F;
constexpr int PS_GEOMETRIC = 0x10000;

// Brush styles.
constexpr int BS_SOLID = 0;
constexpr int BS_NULL = 1;

// Raster operations of lines and fills.
constexpr int R2_NOT = 6;
constexpr int R2_XORPEN = 7;
constexpr int R2_NOTXORPEN = 10;
constexpr int R2_COPYPEN = 13;

// Background modes of text.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Text alignment flags.
constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;

// Polygon fill modes (also used by regions).
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

// Device capabilities.
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

// The font description kept in documents, field for field (the face name is
// 32 bytes with a terminating zero). A positive height is the cell height, a
// negative one the character height, both in logical units; the escapement
// is the text angle in tenths of a degree, counter-clockwise.
struct LOGFONT {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[32] = {};

    void SetFaceName(const std::string& name);
    std::string GetFaceName() const;
    bool operator==(const LOGFONT&) const = default;
};

// A pen. Widths are in logical units; width 0 is one device pixel whatever
// the mapping. The dash styles of a plain pen (PS_DASH...) are drawn as
// such only one device pixel wide, as on the platform; wider they are solid.
// A geometric pen carries a user dash pattern in logical units (dash, gap,
// dash, ...) when its style is PS_USERSTYLE.
struct CPen {
    int style = PS_SOLID;
    int width = 0;
    COLORREF color = 0;
    std::vector<uint32_t> dashes;

    CPen() = default;
    CPen(int penStyle, int penWidth, COLORREF penColor)
        : style(penStyle), width(penWidth), color(penColor) {}
    static CPen Geometric(int penStyle, int penWidth, COLORREF brushColor,
                          std::vector<uint32_t> userDashes = {});

    int BaseStyle() const { return style & PS_STYLE_MASK; }
    bool IsGeometric() const { return (style & PS_GEOMETRIC) != 0; }
    bool operator==(const CPen&) const = default;
};

// A solid or a hollow brush.
struct CBrush {
    int style = BS_SOLID;
    COLORREF color = 0xFFFFFF;

    CBrush() = default;
    explicit CBrush(COLORREF c) : style(BS_SOLID), color(c) {}
    static CBrush Null() {
        CBrush b;
        b.style = BS_NULL;
        return b;
    }
    bool operator==(const CBrush&) const = default;
};

// A font made from a description.
struct CFont {
    LOGFONT lf;

    CFont() = default;
    explicit CFont(const LOGFONT& f) : lf(f) {}
    bool operator==(const CFont&) const = default;
};

// One primitive as it reaches the device: what the recording device keeps
// and what the painting device draws. Points are the caller's logical ones;
// `device` holds them mapped to device units.
struct CDrawRecord {
    enum Kind { Polyline, Polygon, Rectangle, Ellipse, Arc, FillRect, FocusRect, Text };
    Kind kind = Polyline;
    std::vector<CPoint> points; // Arc: bounding box corners, then start and end points
    std::vector<double> device; // x0, y0, x1, y1, ...
    CPen pen;
    CBrush brush;
    int rop2 = R2_COPYPEN;
    int polyFillMode = ALTERNATE;
    // Text only.
    std::string text;
    LOGFONT font;
    COLORREF textColor = 0;
    COLORREF bkColor = 0xFFFFFF;
    int bkMode = OPAQUE;
    unsigned textAlign = TA_TOP | TA_LEFT;
    CSize extent; // logical size of the text cell
};

// The device context every drawing of the system goes through: a logical
// coordinate system mapped onto a device, the selected drawing objects and
// text attributes, clipping, and the primitives. It paints with a QPainter
// on whatever device that painter was opened on (a widget, a QImage, a
// QPrinter); the recording subclass keeps the primitives instead.
//
// Mappings: MM_TEXT (one unit one pixel, y down), MM_LOMETRIC (0.1 mm after
// the device's resolution, y up; text stays upright), MM_ISOTROPIC and
// MM_ANISOTROPIC (window and viewport extents and origins; isotropic keeps
// both scales equal by shrinking the larger viewport extent).
//
// Selecting a pen, brush or font returns the one it replaces, so that the
// caller can put it back.
class CDC {
public:
    // painter may be null: nothing is painted then (a measuring context).
    explicit CDC(QPainter* painter, bool printing = false);
    virtual ~CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;

    bool IsPrinting() const { return m_printing; }
    void SetPrinting(bool printing) { m_printing = printing; }
    QPainter* GetPainter() const { return m_painter; }

    int GetDeviceCaps(int index) const;

    // Mapping.
    int SetMapMode(int mode);
    int GetMapMode() const { return m_mapMode; }
    CPoint SetWindowOrg(int x, int y);
    CPoint GetWindowOrg() const { return m_winOrg; }
    CSize SetWindowExt(int cx, int cy);
    CSize GetWindowExt() const { return m_winExt; }
    CPoint SetViewportOrg(int x, int y);
    CPoint GetViewportOrg() const { return m_vpOrg; }
    CSize SetViewportExt(int cx, int cy);
    CSize GetViewportExt() const { return m_vpExt; }
    // Device units per logical unit on each axis (negative: axis reversed).
    double ScaleX() const;
    double ScaleY() const;
    void LPtoDP(CPoint* points, int count = 1) const;
    void LPtoDP(CRect* rect) const;
    void DPtoLP(CPoint* points, int count = 1) const;
    void DPtoLP(CRect* rect) const;
    void DPtoLP(CSize* size) const;
    void LPtoDP(CSize* size) const;

    // Drawing objects and attributes.
    CPen SelectObject(const CPen& pen);
    CBrush SelectObject(const CBrush& brush);
    CFont SelectObject(const CFont& font);
    const CPen& GetCurrentPen() const { return m_pen; }
    const CBrush& GetCurrentBrush() const { return m_brush; }
    const CFont& GetCurrentFont() const { return m_font; }
    COLORREF SetTextColor(COLORREF c);
    COLORREF GetTextColor() const { return m_textColor; }
    COLORREF SetBkColor(COLORREF c);
    COLORREF GetBkColor() const { return m_bkColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_bkMode; }
    unsigned SetTextAlign(unsigned align);
    unsigned GetTextAlign() const { return m_textAlign; }
    int SetROP2(int rop);
    int GetROP2() const { return m_rop2; }
    int SetPolyFillMode(int mode);
    int GetPolyFillMode() const { return m_polyFillMode; }

    // Primitives, in logical units.
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(CPoint p) { return MoveTo(p.x, p.y); }
    bool LineTo(int x, int y);
    bool LineTo(CPoint p) { return LineTo(p.x, p.y); }
    CPoint GetCurrentPosition() const { return m_current; }
    bool Polyline(const CPoint* points, int count);
    bool Polygon(const CPoint* points, int count);
    bool Rectangle(int l, int t, int r, int b);
    bool Rectangle(const CRect& r) { return Rectangle(r.left, r.top, r.right, r.bottom); }
    bool Ellipse(int l, int t, int r, int b);
    bool Ellipse(const CRect& r) { return Ellipse(r.left, r.top, r.right, r.bottom); }
    // Counter-clockwise (as seen on the device) along the ellipse of the box,
    // from the ray through start to the ray through end.
    bool Arc(const CRect& box, CPoint start, CPoint end);
    void FillRect(const CRect& r, const CBrush& brush);
    void FillSolidRect(const CRect& r, COLORREF c) { FillRect(r, CBrush(c)); }
    void DrawFocusRect(const CRect& r);
    // One line of text at (x, y) after the text alignment, in the selected
    // font, text colour and background mode.
    bool TextOut(int x, int y, const std::string& text);
    // The size of a line of text in logical units: its advance and the
    // font's cell height.
    CSize GetTextExtent(const std::string& text) const;

    // Clipping. SelectClipRgn takes a region in device units (null: no
    // clipping); IntersectClipRect a rectangle in logical units. Both return
    // the kind of the resulting clip region (NULLREGION, SIMPLEREGION,
    // COMPLEXREGION; SIMPLEREGION when clipping is removed).
    int SelectClipRgn(const CRgn* rgn);
    int IntersectClipRect(const CRect& r);
    bool HasClipRgn() const { return m_hasClip; }
    const QRegion& GetClipRegion() const { return m_clip; }
    // The clip box in logical units; false without clipping.
    bool GetClipBox(CRect* r) const;
    bool RectVisible(const CRect& r) const;

    // A font's set-up and the advances measured in it, kept for the program.
    struct FontCache;

    // Whether texts are drawn by the glyphs kept from their first drawing
    // (the default) or set anew every time: the latter to compare with.
    static void SetKeepShapedTexts(bool keep);

protected:
    // A context of a given resolution (dots per inch) and device size.
    CDC(QPainter* painter, bool printing, int dpiX, int dpiY, int width, int height);

    // Where every primitive ends: paints it with the painter.
    virtual void Output(const CDrawRecord& rec);

private:
    struct PaintObjects;

    void MapDevice(CDrawRecord& rec) const;
    void Paint(const CDrawRecord& rec);
    void PaintText(QPainter& p, const CDrawRecord& rec);
    bool DrawShaped(QPainter& p, const CDrawRecord& rec, QPointF at);
    // The record of a primitive: the context's own, reused from one
    // primitive to the next, or the local one while the context's is being
    // put out.
    CDrawRecord& Begin(CDrawRecord::Kind kind, std::optional<CDrawRecord>& local);
    // Maps the record and puts it out.
    void Put(CDrawRecord& rec);
    void AdjustIsotropic();
    const FontCache& Font(const LOGFONT& lf) const;
    // The advance of the text in the font's reference pixels.
    double TextAdvancePx(const LOGFONT& lf, const std::string& text) const;

    QPainter* m_painter;
    bool m_printing;
    int m_dpiX = 96;
    int m_dpiY = 96;
    int m_devWidth = 0;
    int m_devHeight = 0;
    int m_mapMode = MM_TEXT;
    CPoint m_winOrg;
    CSize m_winExt{1, 1};
    CPoint m_vpOrg;
    CSize m_vpExt{1, 1};
    CPen m_pen;
    CBrush m_brush;
    CFont m_font;
    COLORREF m_textColor = 0;
    COLORREF m_bkColor = 0xFFFFFF;
    int m_bkMode = OPAQUE;
    unsigned m_textAlign = TA_TOP | TA_LEFT;
    int m_rop2 = R2_COPYPEN;
    int m_polyFillMode = ALTERNATE;
    CPoint m_current;
    bool m_hasClip = false;
    QRegion m_clip;
    mutable std::shared_ptr<FontCache> m_fontCache;
    CDrawRecord m_record;
    bool m_putting = false;
    std::unique_ptr<PaintObjects> m_objects;
};

// A device context that keeps every primitive with the pen, brush, font and
// text attributes it was drawn with, for tests. It can also paint on a
// painter at the same time. Its resolution (for the 0.1 mm mapping and the
// device capabilities) is given; 254 dots per inch makes one 0.1 mm one dot.
class CRecordingDC : public CDC {
public:
    explicit CRecordingDC(int dpi = 96, bool printing = false, QPainter* painter = nullptr);

    const std::vector<CDrawRecord>& Records() const { return m_records; }
    void Clear() { m_records.clear(); }
    int Dpi() const { return m_dpi; }

protected:
    void Output(const CDrawRecord& rec) override;

private:
    int m_dpi;
    std::vector<CDrawRecord> m_records;
};

} // namespace fw
