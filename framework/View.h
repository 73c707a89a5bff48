#pragma once

#include "CmdTarget.h"

#include <QWidget>

#include <memory>

namespace fw {

class CDC;
class CDocument;
class CMDIChildWnd;
class CObject;
class CView;

// The run-time class of a view: a name and how to make one. Document
// templates open views by it, and a frame finds a document's view of a kind
// by comparing it.
struct CViewClass {
    const char* m_lpszClassName;
    CView* (*m_pfnCreateView)();
};

// A view of a document in a child frame. It is told of every change of its
// document through OnUpdate and receives the commands routed to the active
// view first.
class CView : public QWidget, public CCmdTarget {
public:
    CView();
    ~CView() override;

    CDocument* GetDocument() const { return m_pDocument; }
    const CViewClass* GetViewClass() const { return m_pViewClass; }
    bool IsKindOf(const CViewClass* cls) const { return cls && m_pViewClass == cls; }
    // The child frame that holds this view, or null.
    CMDIChildWnd* GetParentFrame() const;

    // Called once after the frame is created, before it is shown.
    virtual void OnInitialUpdate();
    // The document changed: the default repaints everything.
    virtual void OnUpdate(CView* sender, long hint, CObject* hintObject);
    // Sets the mapping of a context before the view draws on it.
    virtual void OnPrepareDC(CDC* pDC);
    // Draws the view's content through the device context; the default draws
    // nothing on the white background.
    virtual void OnDraw(CDC* pDC);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    friend class CDocument;
    friend class CMDIChildWnd;

    CDocument* m_pDocument = nullptr;
    const CViewClass* m_pViewClass = nullptr;
};

// Declares a view class's run-time class: a static member Class() giving it.
#define FW_DECLARE_VIEW(Class)                                                                     \
public:                                                                                            \
    static const ::fw::CViewClass* ViewClass();

#define FW_IMPLEMENT_VIEW(Class)                                                                   \
    const ::fw::CViewClass* Class::ViewClass() {                                                   \
        static const ::fw::CViewClass cls{#Class, []() -> ::fw::CView* { return new Class; }};     \
        return &cls;                                                                               \
    }

} // namespace fw
