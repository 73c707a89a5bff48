#pragma once

#include "framework/Archive.h"
#include "framework/DeviceContext.h"
#include "framework/Geometry.h"

#include <cstdint>
#include <string>

class CObjGraph;
class CdPointList;

// The reference lines at which curves are measured on co-ordination graphs:
// a current, at which each curve's time is read, and a time, at which each
// curve's current is read. One per document.
class CGapLine : public fw::CObject {
    FW_DECLARE_SERIAL(CGapLine)
public:
    CGapLine() = default;
    CGapLine(const CGapLine&) = default;
    CGapLine& operator=(const CGapLine&) = default;
    ~CGapLine() override = default;

    // The standards as text ("100", "0.1"), with "A" or "s" when withUnit is 1.
    std::string GetCurrentStdText(int withUnit) const;
    std::string GetTimeStdText(int withUnit) const;

    // Takes the other's two standards; the flags stay.
    void DoCopyValues(const CGapLine& other);

    // Where a curve, its points already in the graph's coordinates, crosses
    // the time standard (its current, referred to the graph's voltage) or
    // the current standard (its time); 0 when it does not reach the line.
    double GetCurrentAtTimeStd(const CObjGraph& graph, const CdPointList& points) const;
    double GetTimeAtCurrentStd(const CObjGraph& graph, const CdPointList& points) const;

    // The reference lines across the plot: blue, 20 wide, with two strokes
    // at each end; on screen drawn NOT-XOR (a second drawing takes them
    // away), on paper with the standard as a caption.
    void DoDrawCurrentStdLine(fw::CDC* pDC, const CObjGraph& graph) const;
    void DoDrawTimeStdLine(fw::CDC* pDC, const CObjGraph& graph) const;

    // The value labels of a curve's crossings and their leaders: a time on
    // the current standard line (index 1 or 2 sets how far right), a current
    // on the time standard line (index n stacks it n steps up). Nothing for
    // a value of 0 or less; the rectangles are then empty.
    fw::CRect GetTimeTextRect(fw::CDC* pDC, const CObjGraph& graph, double time,
                              int32_t index) const;
    fw::CRect GetCurrentTextRect(fw::CDC* pDC, const CObjGraph& graph, double current,
                                 int32_t index) const;
    void DoDrawTimeText(fw::CDC* pDC, const CObjGraph& graph, double time, int32_t index) const;
    void DoDrawCurrentText(fw::CDC* pDC, const CObjGraph& graph, double current,
                           int32_t index) const;
    void DoDrawTimeLeader(fw::CDC* pDC, const CObjGraph& graph, double time, int32_t index) const;
    void DoDrawCurrentLeader(fw::CDC* pDC, const CObjGraph& graph, double current,
                             int32_t index) const;

    // The label texts: at least four significant digits and the unit.
    static std::string GetTimeValueText(double time);
    static std::string GetCurrentValueText(double current);

    // 24 bytes: measure-time flag, current standard, measure-current flag,
    // time standard. No version of its own: the document decides whether a
    // file holds it.
    void Serialize(fw::CArchive& ar) override;

    uint32_t m_nMeasureTime = 1;    // draw the current standard line and times
    double m_dCurrentStd = 100.0;   // A
    uint32_t m_nMeasureCurrent = 1; // draw the time standard line and currents
    double m_dTimeStd = 0.1;        // s
};
