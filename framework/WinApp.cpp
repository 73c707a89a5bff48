#include "WinApp.h"

#include "CommandIds.h"
#include "DocTemplate.h"
#include "Document.h"
#include "FileDialog.h"
#include "MdiChildFrame.h"
#include "MdiFrame.h"
#include "RecentFileList.h"
#include "View.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QPrinter>
#include <QPrinterInfo>
#include <QSettings>
#include <QStandardPaths>

namespace fw {

namespace {

CWinApp*& CurrentApp() {
    static CWinApp* app = nullptr;
    return app;
}

// Refreshes the commands after every input that may have changed something,
// as the framework's idle time does.
class CIdleWatcher : public QObject {
public:
    explicit CIdleWatcher(CWinApp* app) : m_app(app) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
        case QEvent::KeyRelease:
        case QEvent::WindowActivate:
        case QEvent::FocusIn:
            m_app->RequestCommandUpdate();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    CWinApp* m_app;
};

std::string NormalPath(const std::string& path) {
    QFileInfo info(QString::fromStdString(path));
    return info.absoluteFilePath().toStdString();
}

} // namespace

CWinApp* AfxGetApp() {
    return CurrentApp();
}

CWinApp::CWinApp(std::string appName) : m_pszAppName(std::move(appName)) {
    CurrentApp() = this;
    if (QCoreApplication::instance()) {
        m_pIdleWatcher = std::make_unique<CIdleWatcher>(this);
        QCoreApplication::instance()->installEventFilter(m_pIdleWatcher.get());
    }
    OnCommand(id::APP_EXIT, [this] {
        if (m_pMainWnd)
            m_pMainWnd->close();
    });
    OnCommandRange(id::FILE_MRU_FILE1, id::FILE_MRU_LAST,
                   [this](unsigned id) { OnOpenRecentFile(id); });
    OnUpdateCommandUIRange(id::FILE_MRU_FILE1, id::FILE_MRU_LAST,
                           [this](CCmdUI& ui) { OnUpdateRecentFileMenu(ui); });
}

CWinApp::~CWinApp() {
    if (m_pIdleWatcher && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(m_pIdleWatcher.get());
    DestroyWindowsAndDocuments();
    if (CurrentApp() == this)
        CurrentApp() = nullptr;
}

void CWinApp::DestroyWindowsAndDocuments() {
    // Frames and views go before the templates that own their documents.
    delete m_pMainWnd;
    m_pMainWnd = nullptr;
    m_templates.clear();
}

bool CWinApp::InitInstance() {
    return true;
}

int CWinApp::ExitInstance() {
    if (m_pRecentFileList)
        SaveStdProfileSettings();
    return 0;
}

int CWinApp::Run() {
    if (!InitInstance()) {
        // Nothing of a failed start may stay on the screen.
        delete m_pMainWnd;
        m_pMainWnd = nullptr;
        ExitInstance();
        return 1;
    }
    int code = QApplication::exec();
    delete m_pMainWnd;
    m_pMainWnd = nullptr;
    int exitCode = ExitInstance();
    return code != 0 ? code : exitCode;
}

void CWinApp::AddDocTemplate(CDocTemplate* docTemplate) {
    m_templates.emplace_back(docTemplate);
}

CDocument* CWinApp::OpenDocumentFile(const std::string& path) {
    std::string full = NormalPath(path);
    for (const auto& t : m_templates) {
        for (CDocument* doc : t->GetDocuments()) {
            if (!doc->GetPathName().empty() && doc->GetPathName() == full) {
                std::vector<CMDIChildWnd*> frames = doc->GetFrames();
                if (!frames.empty())
                    frames.front()->ActivateFrame();
                return doc;
            }
        }
    }
    if (m_templates.empty())
        return nullptr;
    return m_templates.front()->OpenDocumentFile(full);
}

bool CWinApp::SaveAllModified() {
    for (const auto& t : m_templates) {
        if (!t->SaveAllModified())
            return false;
    }
    return true;
}

void CWinApp::CloseAllDocuments() {
    for (const auto& t : m_templates)
        t->CloseAllDocuments();
}

void CWinApp::RequestCommandUpdate() {
    if (m_pMainWnd)
        m_pMainWnd->RequestCommandUpdate();
}

void CWinApp::SetRegistryKey(const std::string& key) {
    m_pszRegistryKey = key;
    m_pSettings.reset();
}

void CWinApp::SetSettingsFile(const std::string& path) {
    m_settingsFile = path;
    m_pSettings.reset();
}

QSettings& CWinApp::Settings() {
    if (!m_pSettings) {
        if (!m_settingsFile.empty())
            m_pSettings = std::make_unique<QSettings>(QString::fromStdString(m_settingsFile),
                                                      QSettings::IniFormat);
        else
            m_pSettings = std::make_unique<QSettings>(QString::fromStdString(m_pszRegistryKey),
                                                      QString::fromStdString(m_pszAppName));
    }
    return *m_pSettings;
}

void CWinApp::LoadStdProfileSettings(size_t maxMRU) {
    m_pRecentFileList = std::make_unique<CRecentFileList>("Recent File List", maxMRU);
    m_pRecentFileList->ReadList(Settings());
}

void CWinApp::SaveStdProfileSettings() {
    if (!m_pRecentFileList)
        return;
    // What another copy of the program wrote since is read first, so that
    // the file ends up holding this list, as written whole, and an unchanged
    // list leaves the file alone.
    Settings().sync();
    m_pRecentFileList->WriteList(Settings());
    Settings().sync();
}

void CWinApp::AddToRecentFileList(const std::string& path) {
    if (!m_pRecentFileList)
        return;
    m_pRecentFileList->Add(NormalPath(path));
    // Written at once, so that a second copy of the program sees it.
    SaveStdProfileSettings();
    RequestCommandUpdate();
}

void CWinApp::ParseCommandLine(CCommandLineInfo& info) const {
    info.ParseCommandLine(m_arguments);
}

bool CWinApp::ProcessShellCommand(CCommandLineInfo& info) {
    switch (info.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(id::FILE_NEW))
            OnFileNew();
        return true;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(info.m_strFileName) != nullptr;
    case CCommandLineInfo::FileNothing:
        return true;
    }
    return true;
}

QPrinter* CWinApp::GetPrinter() {
    if (!m_pPrinter) {
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        if (QPrinterInfo::defaultPrinter().isNull()) {
            // No printer on this machine: printing writes a PDF file.
            m_pPrinter->setOutputFormat(QPrinter::PdfFormat);
            QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            if (folder.isEmpty())
                folder = QDir::homePath();
            m_pPrinter->setOutputFileName(folder + QLatin1Char('/') +
                                          QString::fromStdString(m_pszAppName) +
                                          QStringLiteral(".pdf"));
        }
    }
    return m_pPrinter.get();
}

void CWinApp::OnFileNew() {
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(std::string());
}

void CWinApp::OnFileOpen() {
    FileDialogRequest req;
    req.open = true;
    req.fileMustExist = true;
    for (const auto& t : m_templates) {
        std::string name = t->GetDocString(CDocTemplate::filterName);
        std::string ext = t->GetDocString(CDocTemplate::filterExt);
        if (!name.empty() && !ext.empty())
            req.filter += name + "|*" + ext + "|";
    }
    req.filter += "All Files (*.*)|*||";
    std::optional<std::string> chosen = RunFileDialog(req, m_pMainWnd);
    if (chosen)
        OpenDocumentFile(*chosen);
}

bool CWinApp::OnOpenRecentFile(unsigned id) {
    if (!m_pRecentFileList)
        return false;
    size_t index = id - id::FILE_MRU_FILE1;
    if (index >= m_pRecentFileList->GetCount())
        return false;
    std::string path = (*m_pRecentFileList)[index];
    if (!OpenDocumentFile(path)) {
        // The file is gone or unreadable: it leaves the list.
        m_pRecentFileList->Remove(index);
        SaveStdProfileSettings();
    }
    return true;
}

void CWinApp::OnUpdateRecentFileMenu(CCmdUI& ui) {
    size_t index = ui.m_nID - id::FILE_MRU_FILE1;
    size_t count = m_pRecentFileList ? m_pRecentFileList->GetCount() : 0;
    size_t size = m_pRecentFileList ? m_pRecentFileList->GetSize() : 0;
    if (count == 0) {
        // The placeholder entry stays, disabled.
        ui.SetVisible(index == 0);
        ui.Enable(false);
        if (index == 0)
            ui.SetText("Recent File");
        return;
    }
    if (index < count && index < size) {
        ui.SetVisible(true);
        ui.Enable(true);
        ui.SetText(m_pRecentFileList->GetDisplayName(index));
    } else {
        ui.SetVisible(false);
        ui.Enable(false);
    }
}

} // namespace fw
