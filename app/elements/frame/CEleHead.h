#pragma once

#include "framework/Archive.h"
#include "framework/DeviceContext.h"
#include "framework/Geometry.h"

#include <cstdint>
#include <string>

// The head that every element model starts with, the text box's included:
// pen, symbol rectangle, reference name, number and the selection. The
// element object owns a model through this class and reaches the model's own
// members by a switch on the element kind; the only virtual operations are
// destruction and the record.
class CEleHead {
public:
    explicit CEleHead(const fw::CRect& initialRect) : m_rectSymbol(initialRect) {}
    virtual ~CEleHead() = default;

    // The model's record, without any class name or tag before it.
    virtual void Serialize(fw::CArchive& ar) = 0;

    // The fields the element object reads and writes directly.
    uint32_t GetNumber() const { return m_nNumber; }
    void DoSetNewNumber(uint32_t number) { m_nNumber = number; }
    std::string GetName() const { return m_strName; }
    void SetName(const std::string& name) { m_strName = name; }
    int32_t GetSelect() const { return static_cast<int32_t>(m_nSelected); }
    // Stores the selected flag (the electrical frame also clears the
    // placements' selection unless the value is 1).
    void SetSelect(int32_t value) { m_nSelected = static_cast<uint32_t>(value); }

    // Code 0: the selected flag becomes value, or with flag 4 and a value of
    // 1 it toggles (flag 4 with another value changes nothing). Other codes
    // belong to the electrical frame; here they change nothing.
    void DoSelect(int32_t code, int32_t value, uint32_t flags);
    // Code 0: the selected flag; other codes 0.
    int32_t IsSelected(int32_t code) const;

    // The symbol rectangle. The device context is for the text box, which
    // measures its text on it; the others ignore it.
    void GetSymbolRect(fw::CRect* rect, fw::CDC* pDC = nullptr) const;
    // A rectangle replaces the symbol rectangle; a top-left alone moves it
    // keeping its size; neither changes nothing.
    void SetSymbolRect(const fw::CPoint* topLeft, const fw::CRect* rect);
    // The symbol and its labels together (the head alone: the symbol).
    void GetUnionRect(fw::CRect* rect) const { *rect = m_rectSymbol; }

    // Code 0: whether the logical point lies on the symbol, both ends of the
    // rectangle included; other codes 0 here.
    int32_t IsHittedSymbol(fw::CPoint point, int32_t code) const;

    // Head fields, in the order of the model's data.
    uint32_t m_nPenWidth = 1;
    uint32_t m_nPenStyle = 0; // a pen style, 0 solid
    fw::COLORREF m_crPen = 0x000000;
    fw::COLORREF m_crFill = 0xFFFFFF; // rewritten by each symbol drawing
    fw::CRect m_rectSymbol;           // skeleton logical units, inclusive
    std::string m_strName;
    uint32_t m_nNumber = 0;
    uint32_t m_nSelected = 0;
    uint32_t m_nReserved = 0;    // kept, copied and stored only
    uint32_t m_nDefaultsSet = 0; // 1 once the class defaults were filled

protected:
    CEleHead(const CEleHead&) = default;
    CEleHead& operator=(const CEleHead&) = default;

    // The standard head record: the symbol rectangle (16 bytes; a shorter
    // rest raises the end-of-file error and leaves the rectangle), pen width,
    // pen style, FILL colour, PEN colour, name, number, selected, reserved,
    // defaults set.
    void SerializeHead(fw::CArchive& ar);
    // The head record of the single-phase transformer, the text box and the
    // bus-duct: pen width, pen style, PEN colour, FILL colour, then the
    // rectangle, name, number, selected, reserved, defaults set.
    void SerializeHeadPenFirst(fw::CArchive& ar);

    // Steps 1 to 3 of the set-up of a new element: name "<prefix><number>"
    // and number; then false when the class defaults were filled before (a
    // copied or re-initialised element keeps its data), else the defaults
    // flag becomes 1 and true says to fill them.
    bool DoInitHead(const std::string& prefix, uint32_t number);

private:
    void SerializeTrailer(fw::CArchive& ar);
};
