#pragma once

#include "ModelessSheet.h"

#include <cstdint>

class CDlgGapLine;
class CObjGraph;
class CTovarineDocData;

// What the gap-line sheet asks of the co-ordination view that opened it:
// the reference drawing switched per measure, erased before and drawn after
// a change of a standard, and the notice that the sheet closed.
class CGapLineSheetHost {
public:
    virtual ~CGapLineSheetHost() = default;
    virtual void DoToggleMeasureTime(int32_t flag) = 0;
    virtual void DoToggleMeasureCurrent(int32_t flag) = 0;
    virtual void DoRedrawMeasureTime(int32_t firstPass) = 0;
    virtual void DoRedrawMeasureCurrent(int32_t firstPass) = 0;
    virtual void OnGapSheetClosed() = 0;
};

// "measure lag of time and current": the modeless sheet with the one page
// that sets the document's reference gap lines. It owns its page and
// deletes itself after it closes.
class CDlgGapLineSheet : public CModelessSheet {
public:
    // The page works on the document's gap line within the graph's axes.
    CDlgGapLineSheet(CTovarineDocData& doc, const CObjGraph& graph, CGapLineSheetHost* host,
                     QWidget* parent);
    ~CDlgGapLineSheet() override;

    CGapLineSheetHost* GetHost() const { return m_pHost; }
    // The view forgets the sheet before it closes it itself: no notice then.
    void ClearHost() { m_pHost = nullptr; }
    void SetHost(CGapLineSheetHost* host) { m_pHost = host; }
    CDlgGapLine* GetGapPage() const { return m_pPage; }

protected:
    void OnSheetClosing() override;

private:
    CGapLineSheetHost* m_pHost;
    CDlgGapLine* m_pPage;
};
