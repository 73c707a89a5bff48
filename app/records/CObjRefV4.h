#pragma once

#include "framework/Archive.h"
#include "framework/DeviceContext.h"
#include "framework/Geometry.h"

#include <cstdint>
#include <string>

// The two label texts of an element beside its symbol: where they stand and
// the colours they were last drawn in. The skeleton and the impedance-map
// placements share it; colours are Windows colour values (0x00BBGGRR).
struct CObjRefLabels {
    fw::COLORREF m_crLabel2 = 0xFF0000;
    fw::COLORREF m_crLabel2Back = 0xFFFFFF; // kept and copied only
    fw::COLORREF m_crLabel1 = 0xFF0000;
    fw::COLORREF m_crLabel1Back = 0xFFFFFF; // kept and copied only
    int32_t m_nSpare = 0;                   // kept and copied only
    fw::CRect m_rectLabel1;
    fw::CRect m_rectLabel2;

    // The 52 bytes both placements start with: the two rectangles, then the
    // second text's colours, the first text's colours and the spare word.
    void Serialize(fw::CArchive& ar);

    // Lays the two texts out beside the symbol (the program font of kind
    // 100 measures them); the second text is then shifted by offset. A
    // layout from the same texts, codes, symbol, offset, font and mapping
    // whose rectangles nobody has changed since stands: the texts are not
    // measured again (every paint lays out each label it draws).
    void DoLayout(fw::CDC* pDC, const fw::CRect& symbol, const std::string& text1, uint32_t flags1,
                  const std::string& text2, uint32_t flags2, fw::CPoint offset);
    // How many layouts measured their texts in this process.
    static long GetMeasuredLayouts();

    // label1Rect with label2Rect, unless label2Rect is empty or lies inside
    // label1Rect.
    fw::CRect GetUnion() const;

    // Draws both texts in the colours the state asks for and keeps them.
    void DoDraw(fw::CDC* pDC, const std::string& text1, const std::string& text2, bool red);

    bool operator==(const CObjRefLabels&) const = default;

private:
    // What the last measured layout was made from and what it gave. It is
    // no part of the record: it is neither stored nor compared.
    struct LayoutMemo {
        bool valid = false;
        fw::LOGFONT font;
        int mapMode = 0;
        fw::CSize windowExt;
        fw::CSize viewportExt;
        fw::CRect symbol;
        std::string text1;
        std::string text2;
        uint32_t flags1 = 0;
        uint32_t flags2 = 0;
        fw::CPoint offset;
        fw::CRect label1;
        fw::CRect label2;
        bool operator==(const LayoutMemo&) const { return true; }
    };
    LayoutMemo m_layout;
};

// Where an element's name and label stand on the impedance map.
class CObjRefV4 : public fw::CObject {
    FW_DECLARE_SERIAL(CObjRefV4)
public:
    CObjRefV4() = default;
    CObjRefV4(const CObjRefV4&) = default;
    CObjRefV4& operator=(const CObjRefV4&) = default;
    ~CObjRefV4() override = default;

    // 52 bytes, the same in every file version.
    void Serialize(fw::CArchive& ar) override;

    CObjRefLabels m_labels;
};
