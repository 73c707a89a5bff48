#include "DocTemplate.h"

#include "Document.h"
#include "MdiChildFrame.h"
#include "MdiFrame.h"
#include "MessageBox.h"
#include "StringTable.h"
#include "WinApp.h"

#include <algorithm>

namespace fw {

CDocTemplate::CDocTemplate(unsigned resourceId, DocumentFactory makeDocument,
                           FrameFactory makeFrame, const CViewClass* viewClass)
    : m_nIDResource(resourceId), m_nIDMenu(resourceId), m_makeDocument(std::move(makeDocument)),
      m_makeFrame(std::move(makeFrame)), m_pViewClass(viewClass) {}

CDocTemplate::~CDocTemplate() {
    // Documents still open at exit go without their frames.
    for (auto& doc : m_documents)
        doc->m_pDocTemplate = nullptr;
}

std::string CDocTemplate::GetDocString(DocStringIndex index) const {
    std::string text;
    if (!TryLoadString(m_nIDResource, text))
        return {};
    int field = 0;
    std::string piece;
    for (char c : text) {
        if (c == '\n') {
            if (field == index)
                return piece;
            ++field;
            piece.clear();
        } else {
            piece += c;
        }
    }
    return field == index ? piece : std::string();
}

CDocument* CDocTemplate::CreateNewDocument() {
    if (!m_makeDocument)
        return nullptr;
    std::unique_ptr<CDocument> doc = m_makeDocument();
    if (!doc)
        return nullptr;
    doc->m_pDocTemplate = this;
    m_documents.push_back(std::move(doc));
    return m_documents.back().get();
}

std::unique_ptr<CDocument> CDocTemplate::RemoveDocument(CDocument* doc) {
    auto it = std::find_if(m_documents.begin(), m_documents.end(),
                           [doc](const auto& d) { return d.get() == doc; });
    if (it == m_documents.end())
        return nullptr;
    std::unique_ptr<CDocument> owned = std::move(*it);
    m_documents.erase(it);
    owned->m_pDocTemplate = nullptr;
    return owned;
}

std::vector<CDocument*> CDocTemplate::GetDocuments() const {
    std::vector<CDocument*> docs;
    for (const auto& d : m_documents)
        docs.push_back(d.get());
    return docs;
}

CMDIChildWnd* CDocTemplate::CreateNewFrame(CDocument* doc) {
    CWinApp* app = AfxGetApp();
    CMDIFrameWnd* main = app ? app->GetMainFrame() : nullptr;
    if (!main || !m_makeFrame)
        return nullptr;
    CMDIChildWnd* frame = m_makeFrame();
    if (!frame)
        return nullptr;
    CCreateContext context;
    context.m_pCurrentDoc = doc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    if (!frame->LoadFrame(main, context)) {
        // The frame could not make its bars or view: it is discarded whole.
        frame->DestroyFrame();
        return nullptr;
    }
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CMDIChildWnd* frame, CDocument* doc, bool makeVisible) {
    if (frame)
        frame->InitialUpdateFrame(doc, makeVisible);
}

void CDocTemplate::SetDefaultTitle(CDocument* doc) {
    std::string name = GetDocString(docName);
    if (name.empty())
        name = "Untitled";
    doc->SetTitle(name + std::to_string(++m_nUntitledCount));
}

CDocument* CDocTemplate::OpenDocumentFile(const std::string& path, bool makeVisible) {
    CDocument* doc = CreateNewDocument();
    if (!doc) {
        AppMessageBox("Failed to create empty document.", mb::Ok | mb::IconExclamation);
        return nullptr;
    }
    // The document must not close itself while its first frame is made.
    bool autoDelete = doc->m_bAutoDelete;
    doc->m_bAutoDelete = false;
    CMDIChildWnd* frame = CreateNewFrame(doc);
    doc->m_bAutoDelete = autoDelete;
    if (!frame) {
        AppMessageBox("Failed to create empty document.", mb::Ok | mb::IconExclamation);
        RemoveDocument(doc);
        return nullptr;
    }
    if (path.empty()) {
        SetDefaultTitle(doc);
        if (!doc->OnNewDocument()) {
            frame->DestroyFrame();
            return nullptr;
        }
    } else {
        if (!doc->OnOpenDocument(path)) {
            // The reason was shown by the document; the frame goes with it.
            frame->DestroyFrame();
            return nullptr;
        }
        doc->SetPathName(path);
    }
    InitialUpdateFrame(frame, doc, makeVisible);
    return doc;
}

void CDocTemplate::CloseAllDocuments() {
    for (CDocument* doc : GetDocuments())
        doc->OnCloseDocument();
}

bool CDocTemplate::SaveAllModified() {
    for (CDocument* doc : GetDocuments()) {
        if (!doc->SaveModified())
            return false;
    }
    return true;
}

} // namespace fw
