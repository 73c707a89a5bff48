#include "catalogue/CZedezuziDoc.h"

#include "catalogue/CZedezuziApp.h"
#include "catalogue/dialogs/CDlgCatalogue.h"
#include "catalogue/dialogs/CDlgCoordination.h"
#include "catalogue/dialogs/CDlgPairSearch.h"
#include "catalogue/dialogs/SearchDialogKit.h"
#include "catalogue/model/ZedezuziIds.h"

#include "shellcommon/CDlgSetupPage.h"

#include "framework/Archive.h"
#include "framework/CommandIds.h"
#include "framework/Format.h"
#include "framework/MessageBox.h"
#include "framework/StringTable.h"

#include <QDialog>

namespace {

constexpr const char* kContents = "Contents";

CZedezuziDoc::DialogRunner& Runner() {
    static CZedezuziDoc::DialogRunner runner;
    return runner;
}

fw::CDatabase* Breaker() {
    CZedezuziApp* app = ZedezuziApp();
    return app ? app->m_pDBDorventa : nullptr;
}

fw::CDatabase* List() {
    CZedezuziApp* app = ZedezuziApp();
    return app ? app->m_pDBQuenlor : nullptr;
}

} // namespace

int CZedezuziDoc::RunDialog(QDialog& dialog) {
    if (Runner())
        return Runner()(dialog);
    return dialog.exec();
}

CZedezuziDoc::DialogRunner CZedezuziDoc::SetDialogRunner(DialogRunner runner) {
    DialogRunner previous = std::move(Runner());
    Runner() = std::move(runner);
    return previous;
}

CZedezuziDoc::CZedezuziDoc() {
    OnCommand(zzid::ID_SEARCH_OPTIONAL, [this] { OnSearchOptional(); });
    OnCommand(zzid::ID_SEARCH_CASCADE, [this] { OnSearchCascade(); });
    OnCommand(zzid::ID_SEARCH_SELECTIVE, [this] { OnSearchSelective(); });
    OnCommand(zzid::ID_SEARCH_COORDINATION, [this] { OnSearchCoordination(); });
    OnCommand(fw::id::EDIT_UNDO, [this] { OnEditUndo(); });
    OnCommand(zzid::ID_FILE_PAGE_SETUP, [this] { OnFilePageSetup(); });
    OnCommand(zzid::ID_FILE_PRINT_SETUP, [this] { OnFilePrintSetup(); });

    const std::pair<unsigned, int32_t> checks[] = {{zzid::ID_SEARCH_OPTIONAL, kSearchOptional},
                                                   {zzid::ID_SEARCH_CASCADE, kSearchCascade},
                                                   {zzid::ID_SEARCH_SELECTIVE, kSearchSelective}};
    for (const auto& [id, kind] : checks) {
        int32_t k = kind;
        OnUpdateCommandUI(id, [this, k](fw::CCmdUI& ui) {
            ui.Enable(true);
            ui.SetCheck(m_nSearchKind == k ? 1 : 0);
        });
    }
    // The co-ordination search is never offered; a document of its kind
    // still shows the check mark.
    OnUpdateCommandUI(zzid::ID_SEARCH_COORDINATION, [this](fw::CCmdUI& ui) {
        ui.Enable(false);
        ui.SetCheck(m_nSearchKind == kSearchCoordination ? 1 : 0);
    });
    OnUpdateCommandUI(fw::id::EDIT_UNDO, [this](fw::CCmdUI& ui) { ui.Enable(CanUndo()); });
    OnUpdateCommandUI(zzid::ID_FILE_PAGE_SETUP, [](fw::CCmdUI& ui) { ui.Enable(true); });
    OnUpdateCommandUI(zzid::ID_FILE_PRINT_SETUP, [](fw::CCmdUI& ui) { ui.Enable(true); });
}

CZedezuziVersions CZedezuziDoc::Versions() {
    CZedezuziVersions v;
    if (CZedezuziApp* app = ZedezuziApp()) {
        v.m_pProgram = &app->m_versionProgram;
        v.m_pLastDocument = &app->m_versionLastDocument;
        v.m_pAccepted = &app->m_versionList;
    }
    return v;
}

bool CZedezuziDoc::OnNewDocument() {
    if (!fw::CDocument::OnNewDocument())
        return false;
    CVersion program;
    if (CZedezuziApp* app = ZedezuziApp())
        program = app->m_versionProgram;
    DoSetDefaults(Breaker(), List(), program);
    m_pFile.reset();
    return true;
}

bool CZedezuziDoc::OnOpenDocument(const std::string& path) {
    try {
        auto file = std::make_unique<fw::CCompoundFile>(fw::CCompoundFile::Load(path));
        const std::vector<uint8_t>* contents = file->FindStream(kContents);
        if (!contents)
            throw fw::CCompoundFileException(
                path, "The file holds no \"Contents\" stream: it is not a catalogue document.");
        fw::CArchive ar = fw::CArchive::ForLoading(*contents);
        CZedezuziDocData::Serialize(ar, Versions());
        m_pFile = std::move(file);
    } catch (const std::exception& e) {
        ReportSaveLoadException(path, &e, false);
        SetModifiedFlag(false);
        return false;
    }
    SetModifiedFlag(false);
    // Breakers of types the database does not hold: said once for the file,
    // not once for each when the table is built.
    if (fw::CDatabase* breaker = Breaker()) {
        const std::string unknown = DoTextUnknownTypes(breaker);
        if (!unknown.empty())
            fw::AppMessageBox(path + " : " + unknown, fw::mb::Ok | fw::mb::IconExclamation);
    }
    return true;
}

bool CZedezuziDoc::OnSaveDocument(const std::string& path) {
    try {
        fw::CArchive ar = fw::CArchive::ForStoring();
        CZedezuziDocData::Serialize(ar, Versions());
        fw::CCompoundFile file = m_pFile ? *m_pFile : fw::CCompoundFile();
        file.SetStream(kContents, ar.Bytes());
        file.Save(path);
        m_pFile = std::make_unique<fw::CCompoundFile>(std::move(file));
    } catch (const std::exception& e) {
        ReportSaveLoadException(path, &e, true);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

void CZedezuziDoc::ReportSaveLoadException(const std::string& path, const std::exception* e, bool) {
    if (!e)
        return;
    std::string text;
    if (dynamic_cast<const fw::CArchiveException*>(e)) {
        text = fw::FormatStrings(fw::LoadString(zzid::IDS_VERSION_MESSAGE),
                                 {path + "(Ver" + m_version.m_strVersion + ")",
                                  m_version.m_strMaker, m_version.m_strProduct,
                                  m_version.m_strVersion, m_version.m_strMdbVersion});
    } else if (auto* file = dynamic_cast<const fw::CCompoundFileException*>(e)) {
        text = path + " : " + file->Reason();
    } else {
        text = path + " : " + e->what();
    }
    fw::AppMessageBox(text, fw::mb::Ok | fw::mb::IconStop);
}

void CZedezuziDoc::DoRebuildTables() {
    searchdlg::CWaitCursor wait;
    CZedezuziDocData::DoRebuildTables(Breaker());
}

void CZedezuziDoc::DoChanged() {
    SetModifiedFlag(true);
    UpdateAllViews(nullptr);
}

void CZedezuziDoc::OnSearchOptional() {
    CDlgCatalogue dlg(Breaker(), List());
    dlg.m_InfoBase = m_InfoBaseOptional;
    dlg.m_dCapacity = m_dOptionalCapacity;
    dlg.m_nPoles = m_nOptionalPoles;
    dlg.OnInitDialog();
    if (RunDialog(dlg) != QDialog::Accepted)
        return;
    {
        searchdlg::CWaitCursor wait;
        DoSaveUndo();
        m_InfoBaseOptional = dlg.m_InfoBase;
        m_dOptionalCapacity = dlg.m_dCapacity;
        m_nOptionalPoles = dlg.m_nPoles;
        m_nSearchKind = kSearchOptional;
        DoSearch(Breaker());
    }
    DoChanged();
    // A search that finds nothing says so, not only by an empty table.
    if (m_listCandidate.IsEmpty())
        fw::AppMessageBox("No breaker of the catalogue meets the search conditions.",
                          fw::mb::Ok | fw::mb::IconInformation);
}

void CZedezuziDoc::OnSearchCascade() {
    CDlgCascade dlg(Breaker(), List());
    dlg.m_InfoBaseUp = m_InfoBaseCascadeUp;
    dlg.m_InfoBaseDown = m_InfoBaseCascadeDown;
    dlg.m_dIcuBack = m_dIcuBack;
    dlg.m_nPoles = m_nCascadePoles;
    dlg.m_nMode = m_nCascadeMode;
    dlg.OnInitDialog();
    if (RunDialog(dlg) != QDialog::Accepted)
        return;
    {
        searchdlg::CWaitCursor wait;
        DoSaveUndo();
        m_InfoBaseCascadeUp = dlg.m_InfoBaseUp;
        m_InfoBaseCascadeDown = dlg.m_InfoBaseDown;
        m_dIcuBack = dlg.m_dIcuBack;
        m_nCascadePoles = dlg.m_nPoles;
        m_nCascadeMode = dlg.m_nMode;
        m_nSearchKind = kSearchCascade;
        DoSearch(Breaker());
    }
    DoChanged();
}

void CZedezuziDoc::OnSearchSelective() {
    CDlgSelective dlg(Breaker(), List());
    dlg.m_InfoBaseUp = m_InfoBaseSelectiveUp;
    dlg.m_InfoBaseDown = m_InfoBaseSelectiveDown;
    dlg.m_dIs = m_dIs;
    dlg.m_nPoles = m_nSelectivePoles;
    dlg.m_nMode = m_nSelectiveMode;
    dlg.OnInitDialog();
    if (RunDialog(dlg) != QDialog::Accepted)
        return;
    {
        searchdlg::CWaitCursor wait;
        DoSaveUndo();
        m_InfoBaseSelectiveUp = dlg.m_InfoBaseUp;
        m_InfoBaseSelectiveDown = dlg.m_InfoBaseDown;
        m_dIs = dlg.m_dIs;
        m_nSelectivePoles = dlg.m_nPoles;
        m_nSelectiveMode = dlg.m_nMode;
        m_nSearchKind = kSearchSelective;
        DoSearch(Breaker());
    }
    DoChanged();
}

void CZedezuziDoc::OnSearchCoordination() {
    CDlgCoordination dlg(Breaker());
    dlg.m_dMotorOutput = m_dMotorOutput;
    dlg.m_nCoordType = m_nCoordType;
    dlg.m_InfoBaseLVCB = m_InfoBaseCoordLVCB;
    dlg.m_InfoBaseContactor = m_InfoBaseCoordContactor;
    dlg.m_InfoBaseThermal = m_InfoBaseCoordThermal;
    dlg.m_nMode = m_nCoordMode;
    dlg.OnInitDialog();
    if (RunDialog(dlg) != QDialog::Accepted)
        return;
    {
        searchdlg::CWaitCursor wait;
        DoSaveUndo();
        m_dMotorOutput = dlg.m_dMotorOutput;
        m_nCoordType = dlg.m_nCoordType;
        m_InfoBaseCoordLVCB = dlg.m_InfoBaseLVCB;
        m_InfoBaseCoordContactor = dlg.m_InfoBaseContactor;
        m_InfoBaseCoordThermal = dlg.m_InfoBaseThermal;
        m_nCoordMode = dlg.m_nMode;
        m_nSearchKind = kSearchCoordination;
        DoSearch(Breaker());
    }
    DoChanged();
}

void CZedezuziDoc::OnEditUndo() {
    if (!DoRestoreUndo())
        return;
    DoChanged();
}

void CZedezuziDoc::OnFilePageSetup() {
    fw::CRect margins(m_infoPrint.m_nMarginLeft, m_infoPrint.m_nMarginTop,
                      m_infoPrint.m_nMarginRight, m_infoPrint.m_nMarginBottom);
    CDlgSetupPage dlg(margins, nullptr, zzid::IDD_INFOPRINT);
    if (RunDialog(dlg) != QDialog::Accepted)
        return;
    DoSaveUndo();
    m_infoPrint.m_nMarginLeft = dlg.m_rectMargins.left;
    m_infoPrint.m_nMarginTop = dlg.m_rectMargins.top;
    m_infoPrint.m_nMarginRight = dlg.m_rectMargins.right;
    m_infoPrint.m_nMarginBottom = dlg.m_rectMargins.bottom;
    SetModifiedFlag(true);
}

void CZedezuziDoc::OnFilePrintSetup() {
    CZedezuziApp* app = ZedezuziApp();
    if (!app)
        return;
    auto orientation = static_cast<int16_t>(m_infoPrint.m_nOrientation);
    auto paper = static_cast<int16_t>(m_infoPrint.m_nPaperSize);
    if (app->DoPrintSetup(orientation, paper) != fw::mb::IdOk)
        return;
    DoSaveUndo();
    m_infoPrint.m_nOrientation = static_cast<uint16_t>(orientation);
    m_infoPrint.m_nPaperSize = static_cast<uint16_t>(paper);
}
