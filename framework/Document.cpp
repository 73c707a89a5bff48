#include "Document.h"

#include "Archive.h"
#include "CommandIds.h"
#include "DocTemplate.h"
#include "FileDialog.h"
#include "Format.h"
#include "MdiChildFrame.h"
#include "MessageBox.h"
#include "SafeFile.h"
#include "View.h"
#include "WinApp.h"

#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <memory>

namespace fw {

namespace {

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        throw CFileException(path, file.errorString().toStdString());
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw CFileException(path, file.errorString().toStdString());
    return std::vector<uint8_t>(data.begin(), data.end());
}

void WriteWholeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
    try {
        WriteFileSafely(path, bytes);
    } catch (const CSafeFileException& e) {
        throw CFileException(path, e.Reason());
    }
}

} // namespace

CFileException::CFileException(std::string path, std::string reason)
    : m_path(std::move(path)), m_message(m_path + "\n" + reason) {}

CDocument::CDocument() {
    OnCommand(id::FILE_SAVE, [this] { DoFileSave(); });
    OnCommand(id::FILE_SAVE_AS, [this] { DoSave(std::string()); });
    OnCommand(id::FILE_CLOSE, [this] {
        if (SaveModified())
            OnCloseDocument();
    });
}

CDocument::~CDocument() {
    // Views outliving their document (a test that owns both) must not call back.
    for (CView* view : m_views)
        view->m_pDocument = nullptr;
}

void CDocument::SetTitle(const std::string& title) {
    m_strTitle = title;
    // The main window's title shows it.
    if (CWinApp* app = AfxGetApp())
        app->RequestCommandUpdate();
}

void CDocument::SetPathName(const std::string& path, bool addToMRU) {
    QFileInfo info(QString::fromStdString(path));
    m_strPathName = info.absoluteFilePath().toStdString();
    SetTitle(info.fileName().toStdString());
    if (addToMRU) {
        if (CWinApp* app = AfxGetApp())
            app->AddToRecentFileList(m_strPathName);
    }
}

bool CDocument::IsModified() {
    return m_bModified;
}

void CDocument::SetModifiedFlag(bool modified) {
    m_bModified = modified;
    if (CWinApp* app = AfxGetApp())
        app->RequestCommandUpdate();
}

void CDocument::AddView(CView* view) {
    if (!view || std::find(m_views.begin(), m_views.end(), view) != m_views.end())
        return;
    m_views.push_back(view);
    view->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* view) {
    auto it = std::find(m_views.begin(), m_views.end(), view);
    if (it == m_views.end())
        return;
    m_views.erase(it);
    view->m_pDocument = nullptr;
    OnChangedViewList();
}

void CDocument::OnChangedViewList() {
    if (m_views.empty() && m_bAutoDelete && !m_bInClose)
        OnCloseDocument();
}

void CDocument::UpdateAllViews(CView* sender, long hint, CObject* hintObject) {
    // A view may close while it is told; tell only those still attached.
    std::vector<CView*> views = m_views;
    for (CView* view : views) {
        if (view == sender)
            continue;
        if (std::find(m_views.begin(), m_views.end(), view) != m_views.end())
            view->OnUpdate(sender, hint, hintObject);
    }
    if (CWinApp* app = AfxGetApp())
        app->RequestCommandUpdate();
}

std::vector<CMDIChildWnd*> CDocument::GetFrames() const {
    std::vector<CMDIChildWnd*> frames;
    for (CView* view : m_views) {
        CMDIChildWnd* frame = view->GetParentFrame();
        if (frame && std::find(frames.begin(), frames.end(), frame) == frames.end())
            frames.push_back(frame);
    }
    return frames;
}

bool CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.clear();
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnOpenDocument(const std::string& path) {
    try {
        std::vector<uint8_t> bytes = ReadWholeFile(path);
        DeleteContents();
        SetModifiedFlag(true); // dirty while the load runs
        CArchive ar = CArchive::ForLoading(std::move(bytes));
        Serialize(ar);
    } catch (const std::exception& e) {
        DeleteContents();
        ReportSaveLoadException(path, &e, false);
        SetModifiedFlag(false);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CDocument::OnSaveDocument(const std::string& path) {
    try {
        CArchive ar = CArchive::ForStoring();
        Serialize(ar);
        WriteWholeFile(path, ar.Bytes());
    } catch (const std::exception& e) {
        ReportSaveLoadException(path, &e, true);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

void CDocument::OnCloseDocument() {
    if (m_bInClose)
        return;
    m_bInClose = true;
    for (CMDIChildWnd* frame : GetFrames())
        frame->DestroyFrame();
    // A frame whose view was not found through its frame still lets go.
    while (!m_views.empty())
        RemoveView(m_views.front());
    DeleteContents();
    m_bInClose = false;
    if (m_bAutoDelete && m_pDocTemplate) {
        // The template hands the document over; it is deleted at the end of
        // this statement, the last thing this function does.
        std::unique_ptr<CDocument> self = m_pDocTemplate->RemoveDocument(this);
        if (CWinApp* app = AfxGetApp())
            app->RequestCommandUpdate();
    }
}

void CDocument::DeleteContents() {}

void CDocument::Serialize(CArchive&) {}

bool CDocument::SaveModified() {
    if (!IsModified())
        return true;
    std::string name = m_strPathName.empty() ? m_strTitle : m_strPathName;
    int answer = AppMessageBox(Format("Save changes to %s?", name.c_str()),
                               mb::YesNoCancel | mb::IconExclamation);
    if (answer == mb::IdCancel)
        return false;
    if (answer == mb::IdYes)
        return DoFileSave();
    return true;
}

bool CDocument::CanCloseFrame(CMDIChildWnd* frame) {
    for (CMDIChildWnd* other : GetFrames()) {
        if (other != frame)
            return true;
    }
    return SaveModified();
}

bool CDocument::DoSave(const std::string& path, bool replace) {
    std::string newName = path;
    if (newName.empty()) {
        FileDialogRequest req;
        req.open = false;
        if (m_pDocTemplate) {
            req.defaultExt = m_pDocTemplate->GetDocString(CDocTemplate::filterExt);
            std::string filterName = m_pDocTemplate->GetDocString(CDocTemplate::filterName);
            if (!filterName.empty() && !req.defaultExt.empty())
                req.filter = filterName + "|*" + req.defaultExt + "||";
        }
        req.fileName = m_strPathName.empty() ? m_strTitle + req.defaultExt : m_strPathName;
        std::optional<std::string> chosen = RunFileDialog(req);
        if (!chosen)
            return false;
        newName = *chosen;
    }
    if (!OnSaveDocument(newName))
        return false;
    if (replace)
        SetPathName(newName);
    return true;
}

bool CDocument::DoFileSave() {
    return DoSave(m_strPathName);
}

void CDocument::ReportSaveLoadException(const std::string& path, const std::exception* e,
                                        bool saving) {
    std::string reason = e ? e->what() : std::string();
    std::string text;
    if (dynamic_cast<const CFileException*>(e))
        text = reason; // it names the file itself
    else if (saving)
        text = Format("Failed to save document %s.\n%s", path.c_str(), reason.c_str());
    else
        text = Format("Failed to open document %s.\n%s", path.c_str(), reason.c_str());
    AppMessageBox(text, mb::Ok | mb::IconExclamation);
}

} // namespace fw
