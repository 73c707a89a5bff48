#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class CDocument;
class CMDIChildWnd;
struct CViewClass;

// What a new child frame is made of: the document it shows and the view
// class to create in it.
struct CCreateContext {
    CDocument* m_pCurrentDoc = nullptr;
    const CViewClass* m_pNewViewClass = nullptr;
    class CDocTemplate* m_pNewDocTemplate = nullptr;
};

// A multiple-document template: a document class, a child-frame class and a
// view class, with the template's string (window title, document name, new
// file name, filter name, filter extension, registry type id and name) read
// from the string table under the template's resource id. It owns the
// documents it made.
class CDocTemplate {
public:
    enum DocStringIndex {
        windowTitle,
        docName,
        fileNewName,
        filterName,
        filterExt,
        regFileTypeId,
        regFileTypeName
    };

    using DocumentFactory = std::function<std::unique_ptr<CDocument>()>;
    using FrameFactory = std::function<CMDIChildWnd*()>;

    CDocTemplate(unsigned resourceId, DocumentFactory makeDocument, FrameFactory makeFrame,
                 const CViewClass* viewClass);
    virtual ~CDocTemplate();
    CDocTemplate(const CDocTemplate&) = delete;
    CDocTemplate& operator=(const CDocTemplate&) = delete;

    unsigned GetResourceId() const { return m_nIDResource; }
    const CViewClass* GetViewClass() const { return m_pViewClass; }
    // The menu shown while one of this template's frames is active.
    unsigned GetMenuResourceId() const { return m_nIDMenu; }
    void SetMenuResourceId(unsigned id) { m_nIDMenu = id; }
    std::string GetDocString(DocStringIndex index) const;

    // A new document with its first frame (empty path), or a document read
    // from path. Null, with the reason shown, when that fails.
    virtual CDocument* OpenDocumentFile(const std::string& path, bool makeVisible = true);
    // A new frame with a view of this template on doc (which may belong to
    // another template).
    CMDIChildWnd* CreateNewFrame(CDocument* doc);
    void InitialUpdateFrame(CMDIChildWnd* frame, CDocument* doc, bool makeVisible = true);
    virtual void SetDefaultTitle(CDocument* doc);

    CDocument* CreateNewDocument();
    // Hands a document back to whoever closes it.
    std::unique_ptr<CDocument> RemoveDocument(CDocument* doc);
    std::vector<CDocument*> GetDocuments() const;
    // Closes every document without asking.
    void CloseAllDocuments();
    // Asks every modified document whether to save it; false on cancel.
    bool SaveAllModified();

private:
    unsigned m_nIDResource;
    unsigned m_nIDMenu;
    DocumentFactory m_makeDocument;
    FrameFactory m_makeFrame;
    const CViewClass* m_pViewClass;
    std::vector<std::unique_ptr<CDocument>> m_documents;
    unsigned m_nUntitledCount = 0;
};

} // namespace fw
