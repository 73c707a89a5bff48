#pragma once

#include "app/elements/frame/CEleFrame.h"
#include "app/elements/frame/CEleHead.h"
#include "framework/DeviceContext.h"

#include <cstdint>
#include <string>

// A free text on the skeleton (kind 200), drawn in its own font and colour
// from the top-left corner of its rectangle, which follows the text's size
// after every edit. It has no electrical data and no placements.
class CEleText : public CEleHead {
public:
    CEleText();
    CEleText(const CEleText&) = default;
    CEleText& operator=(const CEleText&) = default;
    ~CEleText() override = default;

    // Pen first, then the rectangle, name, number, selection, defaults
    // flag, the text and the font field by field with all 32 bytes of the
    // face name; the same in every file version.
    void Serialize(fw::CArchive& ar) override;

    // Name "Text<n>" and number, the text becomes the name (each time); the
    // first time also the default font.
    void DoInitNewElement(const CEleInitArgs& args);

    // The stored font made safe to use: the face name ends at the last byte
    // of its field at the latest, so a face read from a damaged file without
    // its terminating zero never runs into the bytes after it. The stored
    // bytes stay as they were read, to be written back unchanged.
    fw::LOGFONT GetUsableFont() const;

    // The text in its font: black when printing, red (255) while selected
    // on screen, else the pen colour.
    void DoDrawSymbol(fw::CDC* pDC, int32_t mode = 0);

    // The size the text covers in its font on the context.
    fw::CSize DoMeasureText(fw::CDC* pDC) const;
    // With a context, the rectangle first takes the measured size of the
    // text (its top-left stays); without one, the stored rectangle.
    void GetSymbolRect(fw::CRect* rect, fw::CDC* pDC = nullptr);

    // The dialog edits a copy; on OK the undo snapshot, the copy back, and
    // the rectangle resized to the text: 1. Otherwise kEditCancelled.
    int32_t DoEditElement(const CEleEditContext& ctx);

    std::string m_strText; // lines separated by CR LF
    fw::LOGFONT m_logFont; // all zero until set up
};
