#pragma once

#include "CmdTarget.h"
#include "PrintInfo.h"

#include <QWidget>

#include <functional>
#include <memory>

class QDialog;
class QPrinter;

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

    // --- printing ------------------------------------------------------------
    // A print job: OnPreparePrinting (the default asks the print dialog
    // through DoPreparePrinting), OnBeginPrinting, then for each page
    // OnPrepareDC (with GetPrintInfo() telling the page) and OnPrint, and
    // OnEndPrinting. Every job that began ends, whatever a page did.
    virtual bool OnPreparePrinting(CPrintInfo* pInfo);
    virtual void OnBeginPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The default draws the page with OnDraw.
    virtual void OnPrint(CDC* pDC, CPrintInfo* pInfo);
    virtual void OnEndPrinting(CDC* pDC, CPrintInfo* pInfo);
    // The print dialog on the application's printer, unless the job prints
    // directly or previews; false when the user cancels.
    bool DoPreparePrinting(CPrintInfo* pInfo);
    // Prints the pages of a prepared job on a printer: the number printed (0
    // when the printer could not be started, which is reported).
    int DoPrintPages(QPrinter* printer, CPrintInfo& info);
    // The job being printed, or null: OnPrepareDC reads the page from it.
    CPrintInfo* GetPrintInfo() const { return m_pPrintInfo; }

    // The framework's print commands: Print (with the print dialog), Print
    // Direct (the application's printer as set up) and Print Preview. A view
    // that prints calls EnablePrintCommands in its constructor.
    void OnFilePrint();
    void OnFilePrintDirect();
    void OnFilePrintPreview();

    // Tests stand in for the modal print dialog and the preview window: the
    // hook gets the dialog instead of its exec() and says whether it was
    // accepted. Returns the hook it replaces.
    using DialogHook = std::function<bool(QDialog&)>;
    static DialogHook SetPrintDialogHook(DialogHook hook);

protected:
    void paintEvent(QPaintEvent* event) override;
    void EnablePrintCommands();

private:
    friend class CDocument;
    friend class CMDIChildWnd;

    void RunPrintJob(CPrintInfo& info);

    CDocument* m_pDocument = nullptr;
    const CViewClass* m_pViewClass = nullptr;
    CPrintInfo* m_pPrintInfo = nullptr;
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
