#include "framework/DeviceContext.h"

#include "framework/Region.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPolygonF>
#include <QTextLayout>
#include <QThread>
#include <QVarLengthArray>

#include <atomic>
#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>
#include <numbers>
#include <string>
#include <unordered_map>
#include <vector>

namespace fw {

// ---------------------------------------------------------------- objects

void LOGFONT::SetFaceName(const std::string& name) {
    std::memset(lfFaceName, 0, sizeof lfFaceName);
    std::memcpy(lfFaceName, name.data(), std::min(name.size(), sizeof lfFaceName - 1));
}

std::string LOGFONT::GetFaceName() const {
    return std::string(lfFaceName, strnlen(lfFaceName, sizeof lfFaceName));
}

CPen CPen::Geometric(int penStyle, int penWidth, COLORREF brushColor,
                     std::vector<uint32_t> userDashes) {
    CPen pen(penStyle | PS_GEOMETRIC, penWidth, brushColor);
    if (pen.BaseStyle() == PS_USERSTYLE)
        pen.dashes = std::move(userDashes);
    return pen;
}

namespace {

QColor ToQColor(COLORREF c) {
    return QColor(static_cast<int>(GetRValue(c)), static_cast<int>(GetGValue(c)),
                  static_cast<int>(GetBValue(c)));
}

// Fonts are made at one reference pixel size without hinting, so that their
// advances scale linearly; the painter's transform then brings them to the
// cell height asked for. Text extents therefore do not depend on the device.
constexpr int kRefPixelSize = 64;
constexpr double kDefaultCellHeight = 16.0;

struct FontSetup {
    QFont font;
    QFontMetricsF metrics{QFont()};
    double unit = 1.0;    // logical units per font pixel, vertically
    double stretch = 1.0; // horizontal factor from the description's width
    double cellPx = 1.0;  // cell height in font pixels
    double ascentPx = 1.0;
    double averageCharPx = 0.0; // of the font at its reference size
};

FontSetup MakeFontSetup(const LOGFONT& lf) {
    FontSetup s;
    std::string face = lf.GetFaceName();
    s.font = QFont(face.empty() ? QStringLiteral("Arial") : QString::fromStdString(face));
    s.font.setPixelSize(kRefPixelSize);
    s.font.setHintingPreference(QFont::PreferNoHinting);
    int weight = lf.lfWeight <= 0 ? 400 : std::clamp(lf.lfWeight, 1, 1000);
    s.font.setWeight(static_cast<QFont::Weight>(weight));
    s.font.setItalic(lf.lfItalic != 0);
    s.font.setUnderline(lf.lfUnderline != 0);
    s.font.setStrikeOut(lf.lfStrikeOut != 0);
    s.font.setKerning(false);
    s.metrics = QFontMetricsF(s.font);
    const QFontMetricsF& fm = s.metrics;
    s.cellPx = fm.height() > 0 ? fm.height() : kRefPixelSize;
    s.ascentPx = fm.ascent();
    s.averageCharPx = fm.averageCharWidth();
    double cell = kDefaultCellHeight;
    if (lf.lfHeight > 0)
        cell = lf.lfHeight;
    else if (lf.lfHeight < 0)
        cell = s.cellPx * (-static_cast<double>(lf.lfHeight)) / kRefPixelSize;
    s.unit = cell / s.cellPx;
    if (lf.lfWidth > 0) {
        double natural = s.averageCharPx * s.unit;
        if (natural > 0)
            s.stretch = lf.lfWidth / natural;
    }
    return s;
}

// Whether glyphs of the font, scaled by sx and sy into device pixels, can be
// drawn and seen. A cell lower or a character narrower than a pixel shows
// nothing, and the font engine fails on a glyph that is many pixels one way
// and none the other (a damaged description's width can make one so); a
// glyph larger than any device is no text either.
bool GlyphsCanBeDrawn(const FontSetup& s, double sx, double sy) {
    constexpr double kLargestGlyphPx = 32768.0;
    const double high = s.cellPx * sy;
    const double wide = s.averageCharPx * sx;
    return std::isfinite(high) && std::isfinite(wide) && high >= 1.0 && wide >= 1.0 &&
           high <= kLargestGlyphPx && wide <= kLargestGlyphPx;
}

// Dash patterns of one-pixel pens, in pixels.
std::vector<qreal> CosmeticPattern(int style) {
    switch (style) {
    case PS_DASH:
        return {18, 6};
    case PS_DOT:
        return {3, 3};
    case PS_DASHDOT:
        return {9, 6, 3, 6};
    case PS_DASHDOTDOT:
        return {9, 3, 3, 3, 3, 3};
    default:
        return {};
    }
}

QPen MakeQPen(const CPen& pen, double scale) {
    int base = pen.BaseStyle();
    if (base == PS_NULL)
        return QPen(Qt::NoPen);
    double widthDev = pen.width <= 0 ? 1.0 : std::max(1.0, pen.width * scale);
    QPen q(ToQColor(pen.color));
    q.setWidthF(widthDev);
    q.setJoinStyle(widthDev > 1.5 ? Qt::RoundJoin : Qt::MiterJoin);
    q.setCapStyle(widthDev > 1.5 ? Qt::RoundCap : Qt::FlatCap);
    QList<qreal> pattern;
    if (pen.IsGeometric() && base == PS_USERSTYLE && !pen.dashes.empty()) {
        // The pattern is in logical units; Qt counts in pen widths. An odd
        // count repeats with dashes and gaps swapped, as on the platform.
        std::vector<uint32_t> d = pen.dashes;
        if (d.size() % 2 != 0)
            d.insert(d.end(), pen.dashes.begin(), pen.dashes.end());
        for (uint32_t v : d)
            pattern.append(std::max(1e-3, v * scale / widthDev));
    } else if (base >= PS_DASH && base <= PS_DASHDOTDOT) {
        if (pen.IsGeometric()) {
            for (qreal v : CosmeticPattern(base))
                pattern.append(v / 3.0);
        } else if (widthDev <= 1.5) {
            for (qreal v : CosmeticPattern(base))
                pattern.append(v / widthDev);
        }
    }
    if (!pattern.isEmpty()) {
        q.setCapStyle(Qt::FlatCap);
        q.setDashPattern(pattern);
    }
    return q;
}

QBrush MakeQBrush(const CBrush& brush) {
    if (brush.style == BS_NULL)
        return QBrush(Qt::NoBrush);
    return QBrush(ToQColor(brush.color));
}

QPainter::CompositionMode RopMode(int rop) {
    switch (rop) {
    case R2_NOT:
        return QPainter::RasterOp_NotDestination;
    case R2_XORPEN:
        return QPainter::RasterOp_SourceXorDestination;
    case R2_NOTXORPEN:
        return QPainter::RasterOp_NotSourceXorDestination;
    default:
        return QPainter::CompositionMode_SourceOver;
    }
}

// The points of a figure in device units, most on the stack.
using DevicePoints = QVarLengthArray<QPointF, 16>;

void DevicePolygon(const std::vector<double>& d, size_t count, DevicePoints& poly) {
    poly.resize(static_cast<qsizetype>(count));
    for (size_t i = 0; i < count; ++i)
        poly[static_cast<qsizetype>(i)] = QPointF(d[2 * i], d[2 * i + 1]);
}

QRectF DeviceBox(const std::vector<double>& d) {
    double l = std::min(d[0], d[2]), r = std::max(d[0], d[2]);
    double t = std::min(d[1], d[3]), b = std::max(d[1], d[3]);
    return QRectF(l, t, r - l, b - t);
}

// The device angle (degrees counter-clockwise as seen) of a point around a
// centre on a device whose y grows downward.
double DeviceAngle(QPointF c, double x, double y) {
    return std::atan2(-(y - c.y()), x - c.x()) * 180.0 / std::numbers::pi;
}

} // namespace

// ---------------------------------------------------------------- context

// The last font asked for, kept because building metrics is not cheap and a
// drawing uses one font for many texts.
// The set-ups are kept for the whole program, with the advances of the
// texts measured in them: a diagram's labels are measured at every paint,
// in a handful of fonts, and shaping a text is most of the cost of drawing
// it. An advance depends on nothing but the description and the text.
//
// A text is also kept shaped, as the glyphs the painter sets for it and their
// places from its start on the base line, for the raster device at the
// resolution it was shaped for: a repaint draws those glyphs instead of
// shaping the text again.
struct CDC::FontCache {
    LOGFONT lf;
    FontSetup setup;

    // The glyphs of a text in the painter's font, or none where the text
    // must be set anew each time (see ShapeForDrawing). The painter's font
    // is the description's set-up completed from its device's own font, at
    // the device's resolution: glyphs kept for one are drawn in another only
    // where both are the same.
    struct Shaped {
        QGlyphRun run;
        QPointF origin; // where the text starts in the run's coordinates
        QFont font;
        int dpiX = 0;
        int dpiY = 0;
        bool kept = false;
    };

    std::shared_ptr<const Shaped> Shape(const std::string& text, const QFont& font, int dpiX,
                                        int dpiY) {
        {
            std::lock_guard lock(mutex);
            auto it = shaped.find(text);
            if (it != shaped.end() && it->second->dpiX == dpiX && it->second->dpiY == dpiY &&
                it->second->font == font)
                return it->second;
        }
        auto made = std::make_shared<Shaped>(ShapeForDrawing(QString::fromStdString(text), font));
        made->font = font;
        made->dpiX = dpiX;
        made->dpiY = dpiY;
        std::lock_guard lock(mutex);
        if (shaped.size() >= kMostTexts)
            shaped.clear();
        shaped[text] = made;
        return made;
    }

    double Advance(const std::string& text) {
        std::lock_guard lock(mutex);
        auto it = advances.find(text);
        if (it != advances.end())
            return it->second;
        if (advances.size() >= kMostTexts)
            advances.clear();
        const double px = setup.metrics.horizontalAdvance(QString::fromStdString(text));
        advances.emplace(text, px);
        return px;
    }

private:
    static Shaped ShapeForDrawing(const QString& text, const QFont& font);

    static constexpr size_t kMostTexts = 8192;
    std::mutex mutex;
    std::unordered_map<std::string, double> advances;
    std::unordered_map<std::string, std::shared_ptr<const Shaped>> shaped;
};

// Whether the painter sets the text as one item of one direction: printable
// characters of one script (besides those common to all), left to right,
// no tab, no control or format character, no character outside the basic
// plane. Another text is set in several pieces, each placed on its own.
namespace {
bool SetAsOnePiece(const QString& text) {
    if (text.isEmpty() || text.size() > 256)
        return false;
    QChar::Script script = QChar::Script_Common;
    for (QChar c : text) {
        if (c.isSurrogate())
            return false;
        switch (c.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_NotAssigned:
        case QChar::Other_PrivateUse:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return false;
        default:
            break;
        }
        switch (c.direction()) {
        case QChar::DirL:
        case QChar::DirEN:
        case QChar::DirES:
        case QChar::DirET:
        case QChar::DirCS:
        case QChar::DirWS:
        case QChar::DirON:
        case QChar::DirNSM:
            break;
        default:
            return false;
        }
        const QChar::Script s = c.script();
        if (s == QChar::Script_Common || s == QChar::Script_Inherited)
            continue;
        if (script != QChar::Script_Common && s != script)
            return false;
        script = s;
    }
    return true;
}
} // namespace

CDC::FontCache::Shaped CDC::FontCache::ShapeForDrawing(const QString& text, const QFont& font) {
    Shaped s;
    if (!SetAsOnePiece(text))
        return s;
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    if (!line.isValid()) {
        layout.endLayout();
        return s;
    }
    layout.endLayout();
    const QList<QGlyphRun> runs = layout.glyphRuns();
    // Glyphs from more than one font are placed piece by piece.
    if (runs.size() != 1 || layout.lineCount() != 1)
        return s;
    const QGlyphRun& run = runs.front();
    if (run.flags() != QGlyphRun::GlyphRunFlags() || run.glyphIndexes().isEmpty() ||
        run.glyphIndexes().size() != run.positions().size())
        return s;
    s.run = run;
    s.origin = QPointF(line.x(), line.y() + line.ascent());
    s.kept = true;
    return s;
}

namespace {

struct FontRegistry {
    std::mutex mutex;
    std::vector<std::shared_ptr<CDC::FontCache>> fonts;
};

FontRegistry& Fonts() {
    // Never destroyed: the fonts must not outlive the font database at exit.
    static FontRegistry* registry = new FontRegistry;
    return *registry;
}

} // namespace

const CDC::FontCache& CDC::Font(const LOGFONT& lf) const {
    if (m_fontCache && m_fontCache->lf == lf)
        return *m_fontCache;
    constexpr size_t kMostFonts = 64;
    FontRegistry& registry = Fonts();
    std::lock_guard lock(registry.mutex);
    for (const auto& font : registry.fonts) {
        if (font->lf == lf) {
            m_fontCache = font;
            return *m_fontCache;
        }
    }
    if (registry.fonts.size() >= kMostFonts)
        registry.fonts.clear();
    auto font = std::make_shared<FontCache>();
    font->lf = lf;
    font->setup = MakeFontSetup(lf);
    registry.fonts.push_back(font);
    m_fontCache = font;
    return *m_fontCache;
}

double CDC::TextAdvancePx(const LOGFONT& lf, const std::string& text) const {
    return const_cast<FontCache&>(Font(lf)).Advance(text);
}

CDC::CDC(QPainter* painter, bool printing) : m_painter(painter), m_printing(printing) {
    if (painter && painter->device()) {
        QPaintDevice* dev = painter->device();
        m_dpiX = dev->logicalDpiX() > 0 ? dev->logicalDpiX() : 96;
        m_dpiY = dev->logicalDpiY() > 0 ? dev->logicalDpiY() : 96;
        m_devWidth = dev->width();
        m_devHeight = dev->height();
    }
}

CDC::CDC(QPainter* painter, bool printing, int dpiX, int dpiY, int width, int height)
    : m_painter(painter), m_printing(printing), m_dpiX(dpiX > 0 ? dpiX : 96),
      m_dpiY(dpiY > 0 ? dpiY : 96), m_devWidth(width), m_devHeight(height) {}

CDC::~CDC() = default;

int CDC::GetDeviceCaps(int index) const {
    switch (index) {
    case HORZRES:
        return m_devWidth;
    case VERTRES:
        return m_devHeight;
    case LOGPIXELSX:
        return m_dpiX;
    case LOGPIXELSY:
        return m_dpiY;
    default:
        return 0;
    }
}

int CDC::SetMapMode(int mode) {
    int old = m_mapMode;
    if (mode != MM_TEXT && mode != MM_LOMETRIC && mode != MM_ISOTROPIC && mode != MM_ANISOTROPIC)
        return 0;
    if (mode == MM_ISOTROPIC) {
        // Starts from the 0.1 mm scale, as the platform does.
        m_winExt = CSize(254, 254);
        m_vpExt = CSize(m_dpiX, -m_dpiY);
    } else if (mode == MM_ANISOTROPIC && old != MM_ISOTROPIC) {
        if (old == MM_LOMETRIC) {
            m_winExt = CSize(254, 254);
            m_vpExt = CSize(m_dpiX, -m_dpiY);
        } else {
            m_winExt = CSize(1, 1);
            m_vpExt = CSize(1, 1);
        }
    }
    m_mapMode = mode;
    return old;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    CPoint old = m_winOrg;
    m_winOrg = CPoint(x, y);
    return old;
}

CSize CDC::SetWindowExt(int cx, int cy) {
    CSize old = m_winExt;
    if ((m_mapMode == MM_ISOTROPIC || m_mapMode == MM_ANISOTROPIC) && cx != 0 && cy != 0) {
        m_winExt = CSize(cx, cy);
        AdjustIsotropic();
    }
    return old;
}

CPoint CDC::SetViewportOrg(int x, int y) {
    CPoint old = m_vpOrg;
    m_vpOrg = CPoint(x, y);
    return old;
}

CSize CDC::SetViewportExt(int cx, int cy) {
    CSize old = m_vpExt;
    if ((m_mapMode == MM_ISOTROPIC || m_mapMode == MM_ANISOTROPIC) && cx != 0 && cy != 0) {
        m_vpExt = CSize(cx, cy);
        AdjustIsotropic();
    }
    return old;
}

void CDC::AdjustIsotropic() {
    if (m_mapMode != MM_ISOTROPIC)
        return;
    // Physical length of one logical unit on each axis; the longer one is cut
    // down to the shorter by shrinking its viewport extent.
    double ax = std::abs(static_cast<double>(m_vpExt.cx) / m_winExt.cx) / m_dpiX;
    double ay = std::abs(static_cast<double>(m_vpExt.cy) / m_winExt.cy) / m_dpiY;
    if (ax > ay) {
        long v = std::lround(ay * m_dpiX * std::abs(static_cast<double>(m_winExt.cx)));
        m_vpExt.cx = static_cast<int32_t>((m_vpExt.cx < 0 ? -1 : 1) * std::max(1L, v));
    } else if (ay > ax) {
        long v = std::lround(ax * m_dpiY * std::abs(static_cast<double>(m_winExt.cy)));
        m_vpExt.cy = static_cast<int32_t>((m_vpExt.cy < 0 ? -1 : 1) * std::max(1L, v));
    }
}

double CDC::ScaleX() const {
    switch (m_mapMode) {
    case MM_LOMETRIC:
        return m_dpiX / 254.0;
    case MM_ISOTROPIC:
    case MM_ANISOTROPIC:
        return static_cast<double>(m_vpExt.cx) / m_winExt.cx;
    default:
        return 1.0;
    }
}

double CDC::ScaleY() const {
    switch (m_mapMode) {
    case MM_LOMETRIC:
        return -m_dpiY / 254.0;
    case MM_ISOTROPIC:
    case MM_ANISOTROPIC:
        return static_cast<double>(m_vpExt.cy) / m_winExt.cy;
    default:
        return 1.0;
    }
}

void CDC::LPtoDP(CPoint* points, int count) const {
    double sx = ScaleX(), sy = ScaleY();
    for (int i = 0; i < count; ++i) {
        points[i].x =
            static_cast<int32_t>(std::lround((points[i].x - m_winOrg.x) * sx) + m_vpOrg.x);
        points[i].y =
            static_cast<int32_t>(std::lround((points[i].y - m_winOrg.y) * sy) + m_vpOrg.y);
    }
}

void CDC::LPtoDP(CRect* rect) const {
    CPoint p[2] = {rect->TopLeft(), rect->BottomRight()};
    LPtoDP(p, 2);
    *rect = CRect(p[0].x, p[0].y, p[1].x, p[1].y);
}

void CDC::DPtoLP(CPoint* points, int count) const {
    double sx = ScaleX(), sy = ScaleY();
    for (int i = 0; i < count; ++i) {
        points[i].x =
            static_cast<int32_t>(std::lround((points[i].x - m_vpOrg.x) / sx) + m_winOrg.x);
        points[i].y =
            static_cast<int32_t>(std::lround((points[i].y - m_vpOrg.y) / sy) + m_winOrg.y);
    }
}

void CDC::DPtoLP(CRect* rect) const {
    CPoint p[2] = {rect->TopLeft(), rect->BottomRight()};
    DPtoLP(p, 2);
    *rect = CRect(p[0].x, p[0].y, p[1].x, p[1].y);
}

void CDC::DPtoLP(CSize* size) const {
    size->cx = static_cast<int32_t>(std::lround(size->cx / std::abs(ScaleX())));
    size->cy = static_cast<int32_t>(std::lround(size->cy / std::abs(ScaleY())));
}

void CDC::LPtoDP(CSize* size) const {
    size->cx = static_cast<int32_t>(std::lround(size->cx * std::abs(ScaleX())));
    size->cy = static_cast<int32_t>(std::lround(size->cy * std::abs(ScaleY())));
}

CPen CDC::SelectObject(const CPen& pen) {
    CPen old = m_pen;
    m_pen = pen;
    return old;
}

CBrush CDC::SelectObject(const CBrush& brush) {
    CBrush old = m_brush;
    m_brush = brush;
    return old;
}

CFont CDC::SelectObject(const CFont& font) {
    CFont old = m_font;
    m_font = font;
    return old;
}

COLORREF CDC::SetTextColor(COLORREF c) {
    COLORREF old = m_textColor;
    m_textColor = c;
    return old;
}

COLORREF CDC::SetBkColor(COLORREF c) {
    COLORREF old = m_bkColor;
    m_bkColor = c;
    return old;
}

int CDC::SetBkMode(int mode) {
    int old = m_bkMode;
    if (mode == TRANSPARENT || mode == OPAQUE)
        m_bkMode = mode;
    return old;
}

unsigned CDC::SetTextAlign(unsigned align) {
    unsigned old = m_textAlign;
    m_textAlign = align;
    return old;
}

int CDC::SetROP2(int rop) {
    int old = m_rop2;
    m_rop2 = rop;
    return old;
}

int CDC::SetPolyFillMode(int mode) {
    int old = m_polyFillMode;
    if (mode == ALTERNATE || mode == WINDING)
        m_polyFillMode = mode;
    return old;
}

CDrawRecord& CDC::Begin(CDrawRecord::Kind kind, std::optional<CDrawRecord>& local) {
    // Reusing the record keeps its vectors and text: a drawing allocates
    // nothing for its primitives once they have grown.
    CDrawRecord& rec = m_putting ? local.emplace() : m_record;
    rec.kind = kind;
    rec.pen = m_pen;
    rec.brush = m_brush;
    rec.rop2 = m_rop2;
    rec.polyFillMode = m_polyFillMode;
    rec.text.clear();
    rec.font = LOGFONT();
    rec.textColor = 0;
    rec.bkColor = 0xFFFFFF;
    rec.bkMode = OPAQUE;
    rec.textAlign = TA_TOP | TA_LEFT;
    rec.extent = CSize();
    return rec;
}

void CDC::Put(CDrawRecord& rec) {
    MapDevice(rec);
    struct Putting {
        bool& flag;
        bool was;
        ~Putting() { flag = was; }
    } putting{m_putting, m_putting};
    m_putting = true;
    Output(rec);
}

void CDC::MapDevice(CDrawRecord& rec) const {
    double sx = ScaleX(), sy = ScaleY();
    rec.device.resize(rec.points.size() * 2);
    for (size_t i = 0; i < rec.points.size(); ++i) {
        rec.device[2 * i] = (rec.points[i].x - m_winOrg.x) * sx + m_vpOrg.x;
        rec.device[2 * i + 1] = (rec.points[i].y - m_winOrg.y) * sy + m_vpOrg.y;
    }
}

CPoint CDC::MoveTo(int x, int y) {
    CPoint old = m_current;
    m_current = CPoint(x, y);
    return old;
}

bool CDC::LineTo(int x, int y) {
    std::optional<CDrawRecord> local;
    CDrawRecord& rec = Begin(CDrawRecord::Polyline, local);
    rec.points = {m_current, CPoint(x, y)};
    m_current = CPoint(x, y);
    Put(rec);
    return true;
}

bool CDC::Polyline(const CPoint* points, int count) {
    if (!points || count < 2)
        return false;
    std::optional<CDrawRecord> local;
    CDrawRecord& rec = Begin(CDrawRecord::Polyline, local);
    rec.points.assign(points, points + count);
    Put(rec);
    return true;
}

bool CDC::Polygon(const CPoint* points, int count) {
    if (!points || count < 2)
        return false;
    std::optional<CDrawRecord> local;
    CDrawRecord& rec = Begin(CDrawRecord::Polygon, local);
    rec.points.assign(points, points + count);
    Put(rec);
    return true;
}

bool CDC::Rectangle(int l, int t, int r, int b) {
    std::optional<CDrawRecord> local;
    CDrawRecord& rec = Begin(CDrawRecord::Rectangle, local);
    rec.points = {CPoint(l, t), CPoint(r, b)};
    Put(rec);
    return true;
}

bool CDC::Ellipse(int l, int t, int r, int b) {
    std::optional<CDrawRecord> local;
    CDrawRecord& rec = Begin(CDrawRecord::Ellipse, local);
    rec.points = {CPoint(l, t), CPoint(r, b)};
    Put(rec);
    return true;
}

bool CDC::Arc(const CRect& box, CPoint start, CPoint end) {
    std::optional<CDrawRecord> local;
    CDrawRecord& rec = Begin(CDrawRecord::Arc, local);
    rec.points = {box.TopLeft(), box.BottomRight(), start, end};
    Put(rec);
    return true;
}

void CDC::FillRect(const CRect& r, const CBrush& brush) {
    std::optional<CDrawRecord> local;
    CDrawRecord& rec = Begin(CDrawRecord::FillRect, local);
    rec.brush = brush;
    rec.rop2 = R2_COPYPEN;
    rec.points = {r.TopLeft(), r.BottomRight()};
    Put(rec);
}

void CDC::DrawFocusRect(const CRect& r) {
    std::optional<CDrawRecord> local;
    CDrawRecord& rec = Begin(CDrawRecord::FocusRect, local);
    rec.points = {r.TopLeft(), r.BottomRight()};
    Put(rec);
}

bool CDC::TextOut(int x, int y, const std::string& text) {
    std::optional<CDrawRecord> local;
    CDrawRecord& rec = Begin(CDrawRecord::Text, local);
    rec.points = {CPoint(x, y)};
    rec.text = text;
    rec.font = m_font.lf;
    rec.textColor = m_textColor;
    rec.bkColor = m_bkColor;
    rec.bkMode = m_bkMode;
    rec.textAlign = m_textAlign;
    rec.extent = GetTextExtent(text);
    Put(rec);
    return true;
}

CSize CDC::GetTextExtent(const std::string& text) const {
    const FontSetup& s = Font(m_font.lf).setup;
    double width = text.empty() ? 0.0 : TextAdvancePx(m_font.lf, text) * s.unit * s.stretch;
    return CSize(static_cast<int32_t>(std::lround(width)),
                 static_cast<int32_t>(std::lround(s.cellPx * s.unit)));
}

int CDC::SelectClipRgn(const CRgn* rgn) {
    if (!rgn || !rgn->IsCreated()) {
        m_hasClip = false;
        m_clip = QRegion();
        if (m_painter)
            m_painter->setClipping(false);
        return rgn ? RGN_ERROR : SIMPLEREGION;
    }
    m_hasClip = true;
    m_clip = rgn->Region();
    if (m_painter)
        m_painter->setClipRegion(m_clip);
    return rgn->GetRegionType();
}

int CDC::IntersectClipRect(const CRect& r) {
    CRect d = r;
    LPtoDP(&d);
    d.NormalizeRect();
    QRegion rect(d.left, d.top, d.Width(), d.Height());
    m_clip = m_hasClip ? m_clip.intersected(rect) : rect;
    m_hasClip = true;
    if (m_painter)
        m_painter->setClipRegion(m_clip);
    if (m_clip.isEmpty())
        return NULLREGION;
    return m_clip.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

bool CDC::GetClipBox(CRect* r) const {
    if (!m_hasClip)
        return false;
    QRect b = m_clip.boundingRect();
    CRect box(b.left(), b.top(), b.left() + b.width(), b.top() + b.height());
    DPtoLP(&box);
    box.NormalizeRect();
    *r = box;
    return true;
}

bool CDC::RectVisible(const CRect& r) const {
    CRect d = r;
    LPtoDP(&d);
    d.NormalizeRect();
    QRect q(d.left, d.top, std::max(1, d.Width()), std::max(1, d.Height()));
    if (m_hasClip)
        return m_clip.intersects(q);
    if (m_devWidth > 0 && m_devHeight > 0)
        return q.intersects(QRect(0, 0, m_devWidth, m_devHeight));
    return true;
}

void CDC::Output(const CDrawRecord& rec) {
    if (m_painter)
        Paint(rec);
}

// The painter's pen and brush made for the last primitive, kept while the
// next ones draw with the same.
struct CDC::PaintObjects {
    bool hasPen = false;
    CPen pen;
    double scale = 0;
    QPen qpen;
    bool hasBrush = false;
    CBrush brush;
    QBrush qbrush;

    const QPen& Pen(const CPen& p, double s) {
        if (!hasPen || s != scale || !(p == pen)) {
            qpen = MakeQPen(p, s);
            pen = p;
            scale = s;
            hasPen = true;
        }
        return qpen;
    }
    const QBrush& Brush(const CBrush& b) {
        if (!hasBrush || !(b == brush)) {
            qbrush = MakeQBrush(b);
            brush = b;
            hasBrush = true;
        }
        return qbrush;
    }
};

// A figure changes the painter's pen and brush only: every figure sets both
// before it draws (a fill and a text use neither), so they are left as the
// figure set them instead of saving and restoring the painter's whole
// state for each. The composition mode of a raster operation is put back.
void CDC::Paint(const CDrawRecord& rec) {
    QPainter& p = *m_painter;
    if (rec.kind == CDrawRecord::Text) {
        if (rec.text.empty())
            return;
        p.save();
        PaintText(p, rec);
        p.restore();
        return;
    }
    if (!m_objects)
        m_objects = std::make_unique<PaintObjects>();
    PaintObjects& objects = *m_objects;
    const bool ropModes =
        p.paintEngine() && p.paintEngine()->hasFeature(QPaintEngine::RasterOpModes);
    const QPainter::CompositionMode mode = p.compositionMode();
    if (rec.rop2 != R2_COPYPEN && ropModes)
        p.setCompositionMode(RopMode(rec.rop2));
    double scale = std::abs(ScaleX());
    const std::vector<double>& d = rec.device;
    switch (rec.kind) {
    case CDrawRecord::Polyline: {
        DevicePoints poly;
        DevicePolygon(d, rec.points.size(), poly);
        p.setPen(objects.Pen(rec.pen, scale));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(poly.constData(), static_cast<int>(poly.size()));
        break;
    }
    case CDrawRecord::Polygon: {
        DevicePoints poly;
        DevicePolygon(d, rec.points.size(), poly);
        p.setPen(objects.Pen(rec.pen, scale));
        p.setBrush(objects.Brush(rec.brush));
        p.drawPolygon(poly.constData(), static_cast<int>(poly.size()),
                      rec.polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
        break;
    }
    case CDrawRecord::Rectangle:
    case CDrawRecord::Ellipse: {
        QRectF box = DeviceBox(d);
        const QPen& pen = objects.Pen(rec.pen, scale);
        p.setPen(pen);
        p.setBrush(objects.Brush(rec.brush));
        // The right and bottom edges lie outside the figure.
        if (pen.style() != Qt::NoPen)
            box.adjust(0, 0, -1, -1);
        if (rec.kind == CDrawRecord::Rectangle)
            p.drawRect(box);
        else
            p.drawEllipse(box);
        break;
    }
    case CDrawRecord::Arc: {
        QRectF box = DeviceBox(d);
        QPointF c = box.center();
        double a0 = DeviceAngle(c, d[4], d[5]);
        double a1 = DeviceAngle(c, d[6], d[7]);
        double span = a1 - a0;
        while (span <= 0)
            span += 360.0;
        p.setPen(objects.Pen(rec.pen, scale));
        p.setBrush(Qt::NoBrush);
        p.drawArc(box, static_cast<int>(std::lround(a0 * 16)),
                  static_cast<int>(std::lround(span * 16)));
        break;
    }
    case CDrawRecord::FillRect:
        if (rec.brush.style != BS_NULL)
            p.fillRect(DeviceBox(d), ToQColor(rec.brush.color));
        break;
    case CDrawRecord::FocusRect: {
        QRectF box = DeviceBox(d).adjusted(0, 0, -1, -1);
        QPen pen(Qt::black, 1, Qt::DotLine);
        if (ropModes) {
            pen.setColor(Qt::white);
            p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        }
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(box);
        break;
    }
    case CDrawRecord::Text:
        break;
    }
    if (p.compositionMode() != mode)
        p.setCompositionMode(mode);
}

void CDC::PaintText(QPainter& p, const CDrawRecord& rec) {
    if (rec.rop2 != R2_COPYPEN && p.paintEngine() &&
        p.paintEngine()->hasFeature(QPaintEngine::RasterOpModes))
        p.setCompositionMode(RopMode(rec.rop2));
    const std::vector<double>& d = rec.device;
    {
        const FontSetup& s = Font(rec.font).setup;
        double widthPx = TextAdvancePx(rec.font, rec.text);
        double dx = 0, dy = 0;
        switch (rec.textAlign & TA_CENTER) {
        case TA_RIGHT:
            dx = -widthPx;
            break;
        case TA_CENTER:
            dx = -widthPx / 2;
            break;
        default:
            break;
        }
        switch (rec.textAlign & TA_BASELINE) {
        case TA_BOTTOM:
            dy = -s.cellPx;
            break;
        case TA_BASELINE:
            dy = -s.ascentPx;
            break;
        default:
            break;
        }
        // Text stays upright whatever the direction of the y axis: it is set
        // in device space at the mapped anchor, turned by the escapement.
        const double sx = std::abs(ScaleX()) * s.unit * s.stretch;
        const double sy = std::abs(ScaleY()) * s.unit;
        p.translate(d[0], d[1]);
        // In floating point: a stored escapement can be the lowest integer.
        p.rotate(-(rec.font.lfEscapement / 10.0));
        p.scale(sx, sy);
        if (rec.bkMode == OPAQUE)
            p.fillRect(QRectF(dx, dy, widthPx, s.cellPx), ToQColor(rec.bkColor));
        if (GlyphsCanBeDrawn(s, sx, sy)) {
            p.setFont(s.font);
            p.setPen(ToQColor(rec.textColor));
            const QPointF at(dx, dy + s.ascentPx);
            if (!DrawShaped(p, rec, at))
                p.drawText(at, QString::fromStdString(rec.text));
        }
    }
}

namespace {
std::atomic<bool> g_keepShapedTexts{true};
} // namespace

void CDC::SetKeepShapedTexts(bool keep) {
    g_keepShapedTexts = keep;
}

// Draws the text by the glyphs kept for it, where that gives the pixels the
// painter gives for the text set anew: on a raster device, the text scaled
// on both axes, neither turned nor at one pixel per font pixel (the engine
// then places the glyphs after the painter's transform, as here), small
// enough for the engine's glyph cache, and not underlined or struck out.
// The painter sets a text from its start rounded to its fixed point, so the
// glyphs are placed from there. Only the program's main thread keeps glyphs:
// each thread has font engines of its own.
bool CDC::DrawShaped(QPainter& p, const CDrawRecord& rec, QPointF at) {
    if (!g_keepShapedTexts || rec.font.lfUnderline || rec.font.lfStrikeOut)
        return false;
    const QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() != app->thread())
        return false;
    const QPaintEngine* engine = p.paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || !p.device())
        return false;
    const QTransform& m = p.deviceTransform();
    if (m.type() != QTransform::TxScale || std::abs(m.m11() * m.m22()) > 0.5 ||
        !(std::abs(at.x()) < 1e6))
        return false;
    QPaintDevice* dev = p.device();
    auto shaped = const_cast<FontCache&>(Font(rec.font))
                      .Shape(rec.text, p.font(), dev->logicalDpiX(), dev->logicalDpiY());
    if (!shaped->kept)
        return false;
    // The fixed point of the painter's text: 1/64 of a pixel, cut toward 0.
    const double startX = static_cast<int>(at.x() * 64.0) / 64.0;
    p.translate(startX, at.y());
    p.drawGlyphRun(-shaped->origin, shaped->run);
    return true;
}

// ---------------------------------------------------------------- recorder

CRecordingDC::CRecordingDC(int dpi, bool printing, QPainter* painter)
    : CDC(painter, printing, dpi, dpi, 0, 0), m_dpi(dpi) {}

void CRecordingDC::Output(const CDrawRecord& rec) {
    m_records.push_back(rec);
    CDC::Output(rec);
}

} // namespace fw
