#include "CEleText.h"

#include "app/records/DialogSeam.h"
#include "app/records/GeometryRecords.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

namespace {

constexpr unsigned IDS_PREFIX = 25102; // "Text"
constexpr unsigned IDS_FACE_ARIAL = 27008;
constexpr fw::COLORREF kSelectedColour = 255; // red

} // namespace

CEleText::CEleText() : CEleHead(fw::CRect(0, 0, 79, 39)) {}

void CEleText::DoInitNewElement(const CEleInitArgs& args) {
    const bool first = DoInitHead(fw::LoadString(IDS_PREFIX), args.nNumber);
    m_strText = m_strName;
    if (!first)
        return;
    m_logFont = fw::LOGFONT();
    m_logFont.lfHeight = 20;
    m_logFont.lfWeight = 400;
    m_logFont.lfOutPrecision = 4;   // true-type
    m_logFont.lfQuality = 2;        // proof
    m_logFont.lfPitchAndFamily = 2; // variable pitch
    m_logFont.SetFaceName(fw::LoadString(IDS_FACE_ARIAL));
}

void CEleText::Serialize(fw::CArchive& ar) {
    SerializeHeadPenFirst(ar);
    fw::LOGFONT& lf = m_logFont;
    if (ar.IsStoring()) {
        ar << m_strText;
        ar << lf.lfHeight << lf.lfWidth << lf.lfEscapement << lf.lfOrientation << lf.lfWeight;
        ar << lf.lfItalic << lf.lfUnderline << lf.lfStrikeOut << lf.lfCharSet << lf.lfOutPrecision
           << lf.lfClipPrecision << lf.lfQuality << lf.lfPitchAndFamily;
        ar.Write(lf.lfFaceName, sizeof lf.lfFaceName);
    } else {
        ar >> m_strText;
        ar >> lf.lfHeight >> lf.lfWidth >> lf.lfEscapement >> lf.lfOrientation >> lf.lfWeight;
        ar >> lf.lfItalic >> lf.lfUnderline >> lf.lfStrikeOut >> lf.lfCharSet >>
            lf.lfOutPrecision >> lf.lfClipPrecision >> lf.lfQuality >> lf.lfPitchAndFamily;
        ar.Read(lf.lfFaceName, sizeof lf.lfFaceName);
    }
}

fw::LOGFONT CEleText::GetUsableFont() const {
    fw::LOGFONT lf = m_logFont;
    lf.lfFaceName[sizeof lf.lfFaceName - 1] = '\0';
    return lf;
}

void CEleText::DoDrawSymbol(fw::CDC* pDC, int32_t) {
    if (!pDC)
        return;
    fw::COLORREF colour = m_crPen;
    if (pDC->IsPrinting())
        colour = 0;
    else if (m_nSelected == 1)
        colour = kSelectedColour;
    const fw::LOGFONT lf = GetUsableFont();
    DLLDrawTextSkeleton(pDC, m_strText, m_rectSymbol, &lf, colour);
}

fw::CSize CEleText::DoMeasureText(fw::CDC* pDC) const {
    if (!pDC)
        return fw::CSize(m_rectSymbol.Width(), m_rectSymbol.Height());
    const fw::LOGFONT lf = GetUsableFont();
    return DLLGetSizeText(pDC, m_strText, &lf);
}

void CEleText::GetSymbolRect(fw::CRect* rect, fw::CDC* pDC) {
    if (pDC) {
        // Measured in the font the text is drawn with, so that the symbol
        // rectangle (and its hit test) covers exactly what is drawn.
        const fw::CSize size = DoMeasureText(pDC);
        m_rectSymbol.right = m_rectSymbol.left + size.cx;
        m_rectSymbol.bottom = m_rectSymbol.top + size.cy;
    }
    *rect = m_rectSymbol;
}

int32_t CEleText::DoEditElement(const CEleEditContext& ctx) {
    const fw::CRect oldRect = m_rectSymbol;
    CEleEditContext::Scope scope(ctx);
    bool ok = DialogSeam<CEleText>::Edit(*this, [&ctx] {
        if (ctx.saveUndo)
            ctx.saveUndo();
    });
    if (!ok)
        return kEditCancelled;
    if (ctx.invalidate)
        ctx.invalidate(oldRect);
    if (ctx.pDC) {
        const fw::CSize size = DoMeasureText(ctx.pDC);
        m_rectSymbol.right = m_rectSymbol.left + size.cx;
        m_rectSymbol.bottom = m_rectSymbol.top + size.cy;
    }
    if (ctx.invalidate)
        ctx.invalidate(m_rectSymbol);
    return 1;
}
