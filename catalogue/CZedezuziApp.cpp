#include "catalogue/CZedezuziApp.h"

#include "catalogue/CMainFrame.h"
#include "catalogue/CZedezuziDoc.h"
#include "catalogue/CZedezuziView.h"
#include "catalogue/model/ZedezuziIds.h"

#include "shellcommon/CAboutDlg.h"
#include "shellcommon/PrinterServices.h"

#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/FileDialog.h"
#include "framework/MdiChildFrame.h"
#include "framework/MessageBox.h"
#include "framework/RecentFileList.h"
#include "framework/Resources.h"
#include "framework/StringTable.h"

#include <QFile>
#include <QFileInfo>

namespace {

// The program's name: the window title of its template string.
std::string AppName() {
    std::string text;
    if (fw::TryLoadString(zzid::IDR_MAINFRAME, text)) {
        std::string name = text.substr(0, text.find('\n'));
        if (!name.empty())
            return name;
    }
    return "QUORVANDE";
}

// The menus, toolbar and icons of the program, kept in its resources.
void LoadResourceScript() {
    QFile file(QStringLiteral(":/zedezuzi/zedezuzi.rc"));
    if (file.open(QIODevice::ReadOnly))
        fw::RegisterResourceScript(file.readAll().toStdString());
}

std::string NormalPath(const std::string& path) {
    return QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
}

} // namespace

CZedezuziApp* ZedezuziApp() {
    return dynamic_cast<CZedezuziApp*>(fw::AfxGetApp());
}

CZedezuziApp::CZedezuziApp(std::vector<std::string> arguments, CDatabaseFunctions databases)
    : fw::CWinApp(AppName()), m_databases(std::move(databases)) {
    Q_INIT_RESOURCE(zedezuzi);
    SetArguments(std::move(arguments));
    fw::SetAppTitle(m_pszAppName);
    LoadResourceScript();

    OnCommand(fw::id::FILE_NEW, [this] { OnFileNew(); });
    OnCommand(fw::id::FILE_OPEN, [this] { OnFileOpen(); });
    OnCommandRange(fw::id::FILE_MRU_FILE1, fw::id::FILE_MRU_FILE1 + 3,
                   [this](unsigned id) { OnOpenRecentFile(id); });
    OnCommand(fw::id::FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });
    OnCommand(fw::id::APP_ABOUT, [this] { OnAppAbout(); });
}

CZedezuziApp::~CZedezuziApp() {
    // Frames and documents go while this object is still whole; databases
    // that an aborted run left open are closed.
    DestroyWindowsAndDocuments();
    if (m_pDBDorventa || m_pDBOrbelune || m_pDBSarquine || m_pDBQuenlor)
        ExitInstance();
}

void CZedezuziApp::DoSetVersion() {
    m_versionProgram.m_strCountry = fw::LoadString(zzid::IDS_COUNTRY);
    m_versionProgram.m_strMaker = fw::LoadString(zzid::IDS_MAKER);
    m_versionProgram.m_strProduct = fw::LoadString(zzid::IDS_PRODUCT);
    m_versionProgram.m_strVersion = fw::LoadString(zzid::IDS_PROGRAM_VERSION);
    m_versionProgram.m_strLanguage = fw::LoadString(zzid::IDS_LANGUAGE);
    m_versionProgram.m_strMdbVersion = fw::LoadString(zzid::IDS_DATABASE_VERSION);
    m_versionLastDocument = m_versionProgram;
    m_versionList.DoDeleteAllVersions();
    *m_versionList.DoAddNewVersion() = m_versionProgram;
}

bool CZedezuziApp::InitInstance() {
    DoSetVersion();

    // Each database only when all before it opened; the library has shown
    // why one could not be opened.
    m_pDBDorventa = m_databases.openBreaker
                        ? m_databases.openBreaker(&m_versionProgram, &m_versionLastDocument)
                        : nullptr;
    if (!m_pDBDorventa)
        return false;
    m_pDBOrbelune = m_databases.openCurve ? m_databases.openCurve(&m_versionProgram) : nullptr;
    if (!m_pDBOrbelune)
        return false;
    m_pDBQuenlor = m_databases.openList ? m_databases.openList() : nullptr;
    if (!m_pDBQuenlor)
        return false;
    m_pDBSarquine = m_databases.openEquipment ? m_databases.openEquipment() : nullptr;
    if (!m_pDBSarquine)
        return false;

    SetRegistryKey("Local AppWizard-Generated Applications");
    LoadStdProfileSettings(4);

    m_pDocTemplate = new fw::CDocTemplate(
        zzid::IDR_MAINFRAME, [] { return std::make_unique<CZedezuziDoc>(); },
        []() -> fw::CMDIChildWnd* { return new CZedezuziDocFrame; }, CZedezuziView::ViewClass());
    AddDocTemplate(m_pDocTemplate);

    auto* frame = new CMainFrame;
    m_pMainWnd = frame;
    if (!frame->LoadFrame(zzid::IDR_MAINFRAME))
        return false;

    // The switches that start the program for another program are accepted
    // and ignored: there is no embedding here, so the program starts as the
    // user would start it.
    ParseCommandLine(m_cmdInfo);
    if (m_cmdInfo.m_nShellCommand == fw::CCommandLineInfo::FileNothing)
        m_cmdInfo.m_nShellCommand = m_cmdInfo.m_strFileName.empty()
                                        ? fw::CCommandLineInfo::FileNew
                                        : fw::CCommandLineInfo::FileOpen;
    if (!ProcessShellCommand(m_cmdInfo))
        return false;
    frame->show();
    frame->UpdateCommandUI();
    return true;
}

int CZedezuziApp::ExitInstance() {
    DestroyWindowsAndDocuments();
    m_pDocTemplate = nullptr;
    m_versionList.DoDeleteAllVersions();
    if (m_databases.closeBreaker)
        m_databases.closeBreaker(m_pDBDorventa);
    m_pDBDorventa = nullptr;
    if (m_databases.closeCurve)
        m_databases.closeCurve(m_pDBOrbelune);
    m_pDBOrbelune = nullptr;
    if (m_databases.closeEquipment)
        m_databases.closeEquipment(m_pDBSarquine);
    m_pDBSarquine = nullptr;
    if (m_databases.closeList)
        m_databases.closeList(m_pDBQuenlor);
    m_pDBQuenlor = nullptr;
    return fw::CWinApp::ExitInstance();
}

CZedezuziDoc* CZedezuziApp::GetDocument() const {
    if (!m_pDocTemplate)
        return nullptr;
    for (fw::CDocument* doc : m_pDocTemplate->GetDocuments()) {
        if (auto* z = dynamic_cast<CZedezuziDoc*>(doc))
            return z;
    }
    return nullptr;
}

void CZedezuziApp::DoCloseReplaced(fw::CDocument* old, fw::CDocument* now) {
    if (old && old != now) {
        // Already asked whether to save it; it goes without asking again.
        old->SetModifiedFlag(false);
        old->OnCloseDocument();
    }
    if (now) {
        for (fw::CMDIChildWnd* frame : now->GetFrames())
            frame->ActivateFrame();
    }
}

fw::CDocument* CZedezuziApp::OpenDocumentFile(const std::string& path) {
    if (!m_pDocTemplate)
        return nullptr;
    std::string full = NormalPath(path);
    CZedezuziDoc* old = GetDocument();
    if (old && old->GetPathName() == full)
        return old;
    if (old && !old->SaveModified())
        return nullptr;
    fw::CDocument* doc = m_pDocTemplate->OpenDocumentFile(full);
    if (!doc)
        return nullptr; // reported; the open document stays
    DoCloseReplaced(old, doc);
    return doc;
}

void CZedezuziApp::OnFileNew() {
    if (!m_pDocTemplate)
        return;
    CZedezuziDoc* old = GetDocument();
    if (old && !old->SaveModified())
        return;
    fw::CDocument* doc = m_pDocTemplate->OpenDocumentFile(std::string());
    if (doc)
        DoCloseReplaced(old, doc);
}

void CZedezuziApp::OnFileOpen() {
    fw::FileDialogRequest req;
    req.open = true;
    req.fileMustExist = true;
    req.defaultExt = m_pDocTemplate->GetDocString(fw::CDocTemplate::filterExt);
    req.filter = m_pDocTemplate->GetDocString(fw::CDocTemplate::filterName) + "|*" +
                 req.defaultExt + "|All Files (*.*)|*||";
    std::optional<std::string> chosen = fw::RunFileDialog(req, m_pMainWnd);
    if (chosen)
        OpenDocumentFile(*chosen);
}

void CZedezuziApp::OnOpenRecentFile(unsigned id) {
    fw::CRecentFileList* list = GetRecentFileList();
    size_t index = id - fw::id::FILE_MRU_FILE1;
    if (!list || index >= list->GetCount())
        return;
    std::string path = (*list)[index];
    if (!OpenDocumentFile(path) && !QFile::exists(QString::fromStdString(path))) {
        // The file is gone: it leaves the list.
        list->Remove(index);
        SaveStdProfileSettings();
    }
}

void CZedezuziApp::OnFilePrintSetup() {
    int16_t orientation = 2;
    int16_t paper = 9;
    if (CZedezuziDoc* doc = GetDocument()) {
        orientation = static_cast<int16_t>(doc->m_infoPrint.m_nOrientation);
        paper = static_cast<int16_t>(doc->m_infoPrint.m_nPaperSize);
    }
    DoPrintSetup(orientation, paper);
}

void CZedezuziApp::OnAppAbout() {
    CAboutDlg dialog(m_versionProgram, m_pMainWnd, zzid::IDD_ABOUTBOX);
    CZedezuziDoc::RunDialog(dialog);
}

bool CZedezuziApp::ProcessShellCommand(fw::CCommandLineInfo& info) {
    if (info.m_nShellCommand == fw::CCommandLineInfo::FileOpen)
        return OpenDocumentFile(info.m_strFileName) != nullptr;
    OnFileNew();
    return GetDocument() != nullptr;
}

void CZedezuziApp::GetPrinterPageSize(fw::CSize& size, fw::CPoint* offsets) {
    ::GetPrinterPageSize(GetPrinter(), size, offsets);
}

void CZedezuziApp::SetPrinterOrientation(int16_t orientation, int16_t paperSize) {
    ::SetPrinterOrientation(GetPrinter(), orientation, paperSize);
}

int CZedezuziApp::DoPrintSetup(int16_t& orientation, int16_t& paperSize) {
    return ::DoPrintSetup(GetPrinter(), m_pMainWnd, orientation, paperSize, m_printSetupDialog);
}
