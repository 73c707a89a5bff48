#include "CTovarineApp.h"

#include "app/records/ModelDatabases.h"

#include "CChildFrame1.h"
#include "CChildFrame2.h"
#include "CChildFrame3.h"
#include "CChildFrame4.h"
#include "CMainFrame.h"
#include "CSplashWnd.h"
#include "CTovarineDoc.h"
#include "TovarineViewClasses.h"
#include "app/records/FileVersion.h"
#include "app/records/TovarineIds.h"
#include "app/shell/RegisterDialogs.h"

#include "shellcommon/CAboutDlg.h"
#include "shellcommon/PrinterServices.h"

#include "framework/CommandIds.h"
#include "framework/DocTemplate.h"
#include "framework/FileDialog.h"
#include "framework/MdiChildFrame.h"
#include "framework/MessageBox.h"
#include "framework/RecentFileList.h"
#include "framework/Resources.h"
#include "framework/Shell.h"
#include "framework/StringTable.h"
#include "tools/Filvaron.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QPrinter>

namespace {

std::string AppName() {
    std::string name;
    if (!fw::TryLoadString(tvid::IDS_PRODUCT, name))
        name = "TOVARINE2";
    return name;
}

// The menus, toolbars and images of the program, kept in its resources.
void LoadResourceScript() {
    QFile file(QStringLiteral(":/tovarine/tovarine.rc"));
    if (file.open(QIODevice::ReadOnly))
        fw::RegisterResourceScript(file.readAll().toStdString());
}

// Offers every message of the application to the splash window first.
class CSplashFilter : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (CSplashWnd::PreTranslateAppMessage(event))
            return true;
        return QObject::eventFilter(watched, event);
    }
};

template <class Frame> fw::CDocTemplate::FrameFactory MakeFrame() {
    return []() -> fw::CMDIChildWnd* { return new Frame; };
}

} // namespace

CTovarineApp* TovarineApp() {
    return dynamic_cast<CTovarineApp*>(fw::AfxGetApp());
}

QString ClipboardFormatMimeType(const std::string& formatName) {
    return QStringLiteral("application/x-") + QString::fromStdString(formatName);
}

CTovarineApp::CTovarineApp(std::vector<std::string> arguments, CDatabaseFunctions databases)
    : fw::CWinApp(AppName()), m_databases(std::move(databases)) {
    SetArguments(std::move(arguments));
    fw::SetAppTitle(m_pszAppName);
    LoadResourceScript();

    OnCommand(fw::id::FILE_NEW, [this] { OnFileNew(); });
    OnCommand(fw::id::FILE_OPEN, [this] { OnFileOpen(); });
    OnCommandRange(fw::id::FILE_MRU_FILE1, fw::id::FILE_MRU_FILE1 + 3,
                   [this](unsigned id) { OnOpenRecentFile(id); });
    OnCommand(tvid::ID_HELP_HTML, [this] { OnHelpHtml(); });
    OnCommand(fw::id::APP_ABOUT, [this] { OnAppAbout(); });
    // The framework's help commands do nothing in this program.
    OnCommand(fw::id::CONTEXT_HELP, [] {});
    OnCommand(fw::id::HELP, [] {});
}

CTovarineApp::~CTovarineApp() {
    if (m_pSplashFilter && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(m_pSplashFilter.get());
    CSplashWnd::HideSplashScreen();
    // Frames and documents go while this object is still whole; databases
    // that an aborted run left open are closed.
    DestroyWindowsAndDocuments();
    m_pDocTemplate2.reset();
    m_pDocTemplate3.reset();
    m_pDocTemplate4.reset();
    if (m_pDBDorventa || m_pDBOrbelune || m_pDBSarquine || m_pDBQuenlor)
        ExitInstance();
}

void CTovarineApp::FillVersionTable() {
    m_versionProgram.m_strCountry = fw::LoadString(tvid::IDS_COUNTRY);
    m_versionProgram.m_strMaker = fw::LoadString(tvid::IDS_MAKER);
    m_versionProgram.m_strProduct = fw::LoadString(tvid::IDS_PRODUCT);
    m_versionProgram.m_strVersion = fw::LoadString(tvid::IDS_PROGRAM_VERSION);
    m_versionProgram.m_strLanguage = fw::LoadString(tvid::IDS_LANGUAGE);
    m_versionProgram.m_strMdbVersion = fw::LoadString(tvid::IDS_DATABASE_VERSION);
    m_versionReading = m_versionProgram;

    m_versionList.DoDeleteAllVersions();
    for (const std::string& version :
         {m_versionProgram.m_strVersion, std::string("0.99"), std::string("1.00"),
          std::string("1.01"), std::string("1.02"), std::string("1.10"), std::string("1.15")}) {
        CVersion* v = m_versionList.DoAddNewVersion();
        v->m_strCountry = m_versionProgram.m_strCountry;
        v->m_strMaker = m_versionProgram.m_strMaker;
        v->m_strProduct = m_versionProgram.m_strProduct;
        v->m_strVersion = version;
        v->m_strLanguage = m_versionProgram.m_strLanguage;
        v->m_strMdbVersion = m_versionProgram.m_strMdbVersion;
    }
}

void CTovarineApp::RegisterClipboardFormats() {
    m_cfSymbol = ClipboardFormatMimeType(fw::LoadString(tvid::IDS_CF_SYMBOL));
    m_cfReference1 = ClipboardFormatMimeType(fw::LoadString(tvid::IDS_CF_REFERENCE1));
    m_cfReference2 = ClipboardFormatMimeType(fw::LoadString(tvid::IDS_CF_REFERENCE2));
}

bool CTovarineApp::InitInstance() {
    FillVersionTable();
    RegisterClipboardFormats();
    RegisterDialogs();

    // Each database only when all before it opened; the library has shown
    // why one could not be opened.
    m_pDBDorventa = m_databases.openBreaker
                        ? m_databases.openBreaker(&m_versionProgram, &m_versionReading)
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
    // The models read from the same handles.
    SetModelDatabases({m_pDBDorventa, m_pDBOrbelune, m_pDBSarquine, m_pDBQuenlor});

    ParseCommandLine(m_cmdInfo);
    CSplashWnd::EnableSplashScreen(m_cmdInfo.m_bShowSplash);
    if (QCoreApplication::instance() && !m_pSplashFilter) {
        m_pSplashFilter = std::make_unique<CSplashFilter>();
        QCoreApplication::instance()->installEventFilter(m_pSplashFilter.get());
    }

    SetRegistryKey(fw::LoadString(tvid::IDS_MAKER));
    LoadStdProfileSettings(4);

    auto makeDocument = [] { return std::make_unique<CTovarineDoc>(); };
    m_pDocTemplate1 = new fw::CDocTemplate(tvid::IDR_SKELETON, makeDocument,
                                           MakeFrame<CChildFrame1>(), SkeletonViewClass());
    AddDocTemplate(m_pDocTemplate1);
    // The other three only open further views of an open project. The
    // co-ordination and report views show the project's menu with their own
    // page and print set-up (and the graph commands); the impedance map
    // prints with the skeleton's and shows its menu.
    m_pDocTemplate2 = std::make_unique<fw::CDocTemplate>(
        tvid::IDR_COORDINATION, makeDocument, MakeFrame<CChildFrame2>(), CoordinationViewClass());
    m_pDocTemplate3 = std::make_unique<fw::CDocTemplate>(
        tvid::IDR_REPORT, makeDocument, MakeFrame<CChildFrame3>(), ReportViewClass());
    m_pDocTemplate4 = std::make_unique<fw::CDocTemplate>(
        tvid::IDR_IMPEMAP, makeDocument, MakeFrame<CChildFrame4>(), ImpeMapViewClass());
    m_pDocTemplate2->SetMenuResourceId(tvid::IDR_COORDINATION);
    m_pDocTemplate3->SetMenuResourceId(tvid::IDR_REPORT);
    m_pDocTemplate4->SetMenuResourceId(tvid::IDR_SKELETON);

    auto* frame = new CMainFrame;
    m_pMainWnd = frame;
    if (!frame->LoadFrame(tvid::IDR_MAINFRAME))
        return false;
    frame->DragAcceptFiles(true);

    // There is no container to wait for when started for embedding: the
    // program shows its window all the same, without the splash.
    if (!ProcessShellCommand(m_cmdInfo))
        return false;
    frame->show();
    frame->UpdateCommandUI();
    return true;
}

int CTovarineApp::ExitInstance() {
    DestroyWindowsAndDocuments();
    m_pDocTemplate1 = nullptr;
    m_pDocTemplate2.reset();
    m_pDocTemplate3.reset();
    m_pDocTemplate4.reset();
    m_versionList.DoDeleteAllVersions();
    SetModelDatabases({});
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

double CTovarineApp::GetVersionNumber() const {
    return FileVersionNumber(m_versionReading.m_strVersion);
}

void CTovarineApp::GetPrinterPageSize(fw::CSize& size, fw::CPoint* offsets) {
    ::GetPrinterPageSize(GetPrinter(), size, offsets);
}

void CTovarineApp::SetPrinterOrientation(int16_t orientation, int16_t paperSize) {
    ::SetPrinterOrientation(GetPrinter(), orientation, paperSize);
}

int CTovarineApp::DoPrintSetup(int16_t& orientation, int16_t& paperSize) {
    return ::DoPrintSetup(GetPrinter(), m_pMainWnd, orientation, paperSize, m_printSetupDialog);
}

CTovarineDoc* CTovarineApp::GetActiveDocument() {
    fw::CMDIFrameWnd* main = GetMainFrame();
    if (!main) {
        fw::AppMessageBox(fw::LoadString(tvid::IDS_NO_MAINFRAME), fw::mb::Ok | fw::mb::IconStop);
        return nullptr;
    }
    if (m_cmdInfo.m_bRunEmbedded)
        return dynamic_cast<CTovarineDoc*>(main->GetActiveDocument());
    fw::CMDIChildWnd* child = main->MDIGetActive();
    if (!child)
        return nullptr;
    auto* doc = dynamic_cast<CTovarineDoc*>(child->GetActiveDocument());
    if (!doc) {
        fw::AppMessageBox(fw::LoadString(tvid::IDS_NO_DOCUMENT), fw::mb::Ok | fw::mb::IconStop);
        return nullptr;
    }
    return doc;
}

void CTovarineApp::OnFileNew() {
    // One project at a time: the open one closes first.
    if (CTovarineDoc* doc = GetActiveDocument()) {
        if (doc->DoCloseDocument() == 0)
            return;
    }
    fw::CWinApp::OnFileNew();
}

void CTovarineApp::OnFileOpen() {
    if (CTovarineDoc* doc = GetActiveDocument()) {
        if (doc->DoCloseDocument() != 1)
            return;
    }
    fw::FileDialogRequest req;
    req.open = true;
    req.defaultExt = "*.tv2";
    req.fileName = "*.tv2";
    req.filter = fw::LoadString(tvid::IDS_OPEN_FILTER);
    req.fileMustExist = true;
    std::optional<std::string> chosen = fw::RunFileDialog(req, m_pMainWnd);
    if (!chosen)
        return;
    OpenProjectOrCatalogue(*chosen);
}

bool CTovarineApp::IsCatalogueDocument(const std::string& path) {
    size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    size_t dot = name.rfind('.');
    // The test is exact: "A.RV2" is not a catalogue document.
    return dot != std::string::npos && name.substr(dot + 1) == "rv2";
}

bool CTovarineApp::OpenProjectOrCatalogue(const std::string& path) {
    if (!IsCatalogueDocument(path))
        return OpenDocumentFile(path) != nullptr;
    // A catalogue document goes to the catalogue program, started in the
    // document's folder with the file name alone.
    size_t slash = path.rfind('/');
    std::string folder = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (CMainFrame* main = TovarineMainFrame())
        main->StartCatalogueProgram(folder, name);
    return true;
}

void CTovarineApp::OnOpenRecentFile(unsigned id) {
    if (CTovarineDoc* doc = GetActiveDocument()) {
        if (doc->DoCloseDocument() <= 0)
            return;
    }
    // A catalogue document in the list goes where File Open sends it; it
    // stays in the list.
    size_t index = id - fw::id::FILE_MRU_FILE1;
    fw::CRecentFileList* list = GetRecentFileList();
    if (list && index < list->GetCount() && IsCatalogueDocument((*list)[index])) {
        OpenProjectOrCatalogue((*list)[index]);
        return;
    }
    fw::CWinApp::OnOpenRecentFile(id);
}

void CTovarineApp::OnHelpHtml() {
    std::string path = DLLGetPathHTMLHelp();
    std::error_code error = fw::ShellOpenFile(path);
    if (error)
        fw::MessageBox("The help file " + path + " cannot be opened: " + error.message() + ".",
                       "HTML Help", fw::mb::Ok | fw::mb::IconInformation);
}

void CTovarineApp::OnAppAbout() {
    CAboutDlg dialog(m_versionProgram, m_pMainWnd);
    dialog.exec();
}

bool CTovarineApp::ProcessShellCommand(fw::CCommandLineInfo& info) {
    if (info.m_nShellCommand == fw::CCommandLineInfo::FileOpen) {
        // A file that cannot be opened has been reported; the program goes on
        // without a project rather than end. A catalogue document goes to the
        // catalogue program.
        OpenProjectOrCatalogue(info.m_strFileName);
        return true;
    }
    return fw::CWinApp::ProcessShellCommand(info);
}
