#include "CTovarineDoc.h"

#include "CChildFrame1.h"
#include "CChildFrame2.h"
#include "CChildFrame3.h"
#include "CChildFrame4.h"
#include "CMainFrame.h"
#include "CTovarineSrvrItem.h"
#include "app/records/CTVUpdate.h"
#include "app/records/TovarineIds.h"
#include "app/shell/dialogs/CDlgSetup.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "shellcommon/CDlgSetupPage.h"

#include "framework/Archive.h"
#include "framework/CommandIds.h"
#include "framework/Format.h"

#include "framework/DocTemplate.h"
#include "framework/MessageBox.h"
#include "framework/StringTable.h"
#include <QGuiApplication>
#include <QString>

std::function<int(QDialog&)> CTovarineDoc::s_execDialog = [](QDialog& dialog) {
    return dialog.exec();
};

namespace {
uint64_t NextDocumentSerial() {
    static uint64_t serial = 0;
    return ++serial;
}
} // namespace

CTovarineDoc::CTovarineDoc() : m_nSerial(NextDocumentSerial()) {
    OnCommand(fw::id::EDIT_UNDO, [this] { OnEditUndo(); });
    OnUpdateCommandUI(fw::id::EDIT_UNDO, [this](fw::CCmdUI& ui) { ui.Enable(HasUndo()); });
    OnCommand(tvid::ID_SETUP_PROJECT, [this] { OnSetupProject(); });
    OnCommand(tvid::ID_SETUP_SKELETON, [this] { OnSetupSkeleton(); });
    OnCommand(tvid::ID_PAGE_SETUP_SKELETON, [this] { OnPageSetup(&m_infoSkeleton.m_rectMargins); });
    OnCommand(tvid::ID_PAGE_SETUP_REPORTS, [this] { OnPageSetup(&m_infoReport.m_rectMargins); });
    RegisterGraphOutputCommands();
    RegisterGraphCommands();
    // The mode ladder.
    OnCommand(tvid::ID_MODE_DRAWING, [this] { OnModeDrawing(); });
    OnCommand(tvid::ID_MODE_CHECK, [this] { OnModeCheck(); });
    OnCommand(tvid::ID_MODE_CALCULATION, [this] { OnModeCalculation(); });
    OnCommand(tvid::ID_MODE_ICU, [this] { OnModeSelect(2); });
    OnCommand(tvid::ID_MODE_ICS, [this] { OnModeSelect(1); });
    OnCommand(tvid::ID_MODE_CASCADE, [this] { DoModeWork(5); });
    OnCommand(tvid::ID_MODE_DISCRIMINATION, [this] { DoModeWork(6); });
    OnCommand(tvid::ID_MODE_WIRE_PROTECTION, [this] { DoModeWork(7); });
    OnCommand(tvid::ID_MODE_SHOCK, [this] { DoModeWork(8); });
    // The sub-mode commands on the selected elements; the wire checks by I2t
    // calculation ask their durations in a dialog first.
    for (unsigned id :
         {tvid::ID_SELECT_ONE_ICU, tvid::ID_SELECT_ONE_ICS, tvid::ID_SELECT_SECOND_POINT,
          tvid::ID_SELECT_CASCADE, tvid::ID_SELECT_BY_TABLE, tvid::ID_SELECT_BY_INST,
          tvid::ID_SELECT_BY_INST_DC, tvid::ID_SELECT_BY_INST_LIMITING, tvid::ID_PROTECT_ENERGY,
          tvid::ID_PROTECT_ENERGY_END, tvid::ID_SHOCK_CHECK, tvid::ID_DISPLAY_LIMIT_CURVE,
          tvid::ID_DISPLAY_I2T_CURVE}) {
        OnCommand(id, [this, id] { OnSubModeCommand(id); });
        OnUpdateCommandUI(id, [this](fw::CCmdUI& ui) {
            ui.Enable(IsSubModeCommandEnabled(ui.m_nID));
            ui.SetCheck(IsSubModeCommandChecked(ui.m_nID) ? 1 : 0);
        });
    }
    for (unsigned id : {tvid::ID_PROTECT_I2T, tvid::ID_PROTECT_I2T_END}) {
        OnCommand(id, [this, id] { DoWireCheckByI2tAsked(id); });
        OnUpdateCommandUI(id, [this](fw::CCmdUI& ui) {
            ui.Enable(IsSubModeCommandEnabled(ui.m_nID));
            ui.SetCheck(IsSubModeCommandChecked(ui.m_nID) ? 1 : 0);
        });
    }
    for (unsigned id :
         {tvid::ID_MODE_DRAWING, tvid::ID_MODE_CHECK, tvid::ID_MODE_CALCULATION, tvid::ID_MODE_ICU,
          tvid::ID_MODE_ICS, tvid::ID_MODE_CASCADE, tvid::ID_MODE_DISCRIMINATION,
          tvid::ID_MODE_WIRE_PROTECTION, tvid::ID_MODE_SHOCK}) {
        OnUpdateCommandUI(id, [this](fw::CCmdUI& ui) {
            ui.Enable(IsModeCommandEnabled(ui.m_nID, m_nMode, m_nSubMode));
            ui.SetCheck(IsModeCommandChecked(ui.m_nID, m_nMode, m_nSubMode) ? 1 : 0);
        });
    }
}

void CTovarineDoc::BeginWaitCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void CTovarineDoc::EndWaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}

void CTovarineDoc::OnModeDrawing() {
    DoModeDrawing();
}

void CTovarineDoc::OnModeCheck() {
    const CModeResult result = DoModeCheck();
    if (!result.bRan)
        return;
    // The overlap and the single-phase tests speak with the program's own
    // caption; the others are the check's report.
    if (result.nMessage == tvid::IDS_OVERLAPS || result.nMessage == tvid::IDS_SINGLE_PHASE_WRONG) {
        fw::AppMessageBox(fw::LoadString(result.nMessage), fw::mb::Ok | fw::mb::IconExclamation);
        return;
    }
    std::string text = fw::LoadString(result.nMessage);
    if (result.bPassed)
        text += "\r\n" + fw::LoadString(tvid::IDS_CHECK_NEXT);
    else if (result.nMessage == tvid::IDS_ELCB_NOT_SUITABLE ||
             result.nMessage == tvid::IDS_ELCB_FOUR_POLES)
        text += result.strName + ".";
    fw::MessageBox(text, fw::LoadString(tvid::IDS_CAPTION_CHECK),
                   fw::mb::Ok | fw::mb::IconInformation);
}

void CTovarineDoc::OnModeCalculation() {
    const CModeResult result = DoModeCalculation();
    if (!result.bRan)
        return;
    fw::MessageBox(fw::LoadString(tvid::IDS_CALCULATION_DONE) + "\r\n" +
                       fw::LoadString(tvid::IDS_CALCULATION_NEXT),
                   fw::LoadString(tvid::IDS_CAPTION_CALCULATION),
                   fw::mb::Ok | fw::mb::IconInformation);
}

void CTovarineDoc::OnModeSelect(uint32_t criterion) {
    const CModeResult result = DoModeSelect(criterion);
    if (result.nMessage == 0)
        return;
    fw::MessageBox(GetSelectionMessage(result), fw::LoadString(tvid::IDS_CAPTION_SELECTION),
                   fw::mb::Ok | fw::mb::IconInformation);
}

void CTovarineDoc::OnSubModeCommand(uint32_t id) {
    if (!DoSubModeCommand(id))
        return;
    // A graph to show: the views learn of it, the co-ordination view comes up.
    UpdateAllViews(tvhint::kCommandFirst, nullptr);
    UpdateAllViews(tvhint::kEdited, nullptr);
    GetCoordinationView(0);
}

void CTovarineDoc::OnEditUndo() {
    DoRestoreUndo();
}

void CTovarineDoc::OnSetupProject() {
    CInfoProject copy = m_infoProject;
    CDlgSetupProject dialog(copy, machinedlg::DialogParent());
    if (s_execDialog(dialog) != QDialog::Accepted)
        return;
    SaveUndo();
    m_infoProject = copy;
    SetModifiedFlag();
}

void CTovarineDoc::OnPageSetup(fw::CRect* margins) {
    CDlgSetupPage dialog(*margins, machinedlg::DialogParent());
    if (s_execDialog(dialog) != QDialog::Accepted)
        return;
    SaveUndo();
    const fw::CRect copy = dialog.m_rectMargins;
    *margins = copy;
    // The impedance map prints with the skeleton's page set-up.
    if (margins == &m_infoSkeleton.m_rectMargins)
        m_infoImpeMap.m_rectMargins = copy;
    SetModifiedFlag();
}

void CTovarineDoc::OnSetupSkeleton() {
    CInfoSkeleton copy = m_infoSkeleton;
    CDlgSetupSkeleton dialog(copy, m_nMode, machinedlg::DialogParent());
    if (s_execDialog(dialog) != QDialog::Accepted)
        return;
    SaveUndo();
    if (copy.m_nFrequency != m_infoSkeleton.m_nFrequency) {
        // The conductors' impedances depend on the frequency.
        CObjElementList all;
        CollectElements(all);
        for (CObjElement* e : all)
            e->DoReadZFromDB(copy.m_nFrequency);
    }
    m_infoSkeleton = copy;
    SetModifiedFlag();
    UpdateAllViews(tvhint::kPagesGrown, nullptr);
}

int CTovarineDoc::DoCloseDocument() {
    if (IsModified() && !SaveModified())
        return 0;
    OnCloseDocument();
    return 1;
}

std::string CTovarineDoc::GetTitleWithExtension() const {
    std::string title = GetTitle();
    if (title.find('.') != std::string::npos)
        return title;
    // The extension of the project file type, from the first template's
    // string, which every view of the project shares.
    std::string text = fw::LoadString(tvid::IDR_SKELETON);
    int field = 0;
    std::string piece;
    for (char c : text + "\n") {
        if (c != '\n') {
            piece += c;
            continue;
        }
        if (field == fw::CDocTemplate::filterExt)
            return title + piece;
        ++field;
        piece.clear();
    }
    return title;
}

void CTovarineDoc::ShowElementBar(int show) {
    CMainFrame* main = TovarineMainFrame();
    if (!main || !main->SkeletonFrame)
        return;
    main->SkeletonFrame->ShowElementBar(show == 1);
}

void CTovarineDoc::UpdateAllViews(int32_t hint, const fw::CObject* object) {
    fw::CDocument::UpdateAllViews(nullptr, hint, const_cast<fw::CObject*>(object));
}

void CTovarineDoc::DeleteContents() {
    // The item points into the groups that go now.
    ClipboardItem.reset();
    DoResetData();
    m_file = fw::CCompoundFile();
}

bool CTovarineDoc::OnOpenDocument(const std::string& path) {
    try {
        fw::CCompoundFile file = fw::CCompoundFile::Load(path);
        std::vector<uint8_t>* contents = file.FindStream("Contents");
        if (!contents)
            throw fw::CArchiveException(fw::CArchiveException::generic,
                                        "The file holds no project (no \"Contents\" stream).");
        DeleteContents();
        SetModifiedFlag(true); // dirty while the load runs
        // The project is read from the stream once and a save writes it
        // anew: the bytes go to the archive, and the document keeps the
        // file's other entries for its saves.
        fw::CArchive ar = fw::CArchive::ForLoading(std::move(*contents));
        Serialize(ar);
        // A stream with more than the project in it was not written by
        // this program's format.
        if (ar.Remaining() != 0)
            throw fw::CArchiveException(
                fw::CArchiveException::generic,
                "The file holds more than a project: " + std::to_string(ar.Remaining()) +
                    " bytes follow the project's data.");
        m_file = std::move(file);
    } catch (const std::exception& e) {
        // Keep what the file carried for the version message.
        const CVersion carried = m_version;
        DeleteContents();
        m_version = carried;
        ReportSaveLoadException(path, &e, false);
        m_version = CVersion();
        SetModifiedFlag(false);
        return false;
    }
    SetModifiedFlag(false);
    return true;
}

bool CTovarineDoc::OnSaveDocument(const std::string& path) {
    try {
        fw::CArchive ar = fw::CArchive::ForStoring();
        Serialize(ar);
        fw::CCompoundFile file = m_file;
        file.SetStream("Contents", ar.Bytes());
        file.Save(path);
        m_file = std::move(file);
    } catch (const std::exception& e) {
        ReportSaveLoadException(path, &e, true);
        return false;
    }
    SetModifiedFlag(false);

    // The frames take the file's name without folder and extension.
    CMainFrame* main = TovarineMainFrame();
    if (!main)
        return true;
    std::string title = path;
    if (size_t slash = title.find_last_of('/'); slash != std::string::npos)
        title.erase(0, slash + 1);
    if (size_t dot = title.find_last_of('.'); dot != std::string::npos)
        title.erase(dot);
    struct Frame {
        fw::CMDIChildWnd* frame;
        unsigned name;
    };
    const Frame frames[] = {{main->SkeletonFrame, tvid::IDS_VIEW_SKELETON},
                            {main->CoordinationFrame, tvid::IDS_VIEW_COORDINATION},
                            {main->ReportFrame, tvid::IDS_VIEW_REPORT},
                            {main->ImpeMapFrame, tvid::IDS_VIEW_IMPEMAP}};
    for (const Frame& f : frames) {
        if (f.frame)
            f.frame->setWindowTitle(QString::fromStdString(title + " - " + fw::LoadString(f.name)));
    }
    return true;
}

void CTovarineDoc::ReportSaveLoadException(const std::string& path, const std::exception* e,
                                           bool saving) {
    if (!e)
        return;
    const auto* archive = dynamic_cast<const fw::CArchiveException*>(e);
    if (!saving && archive && archive->m_cause == fw::CArchiveException::badSchema) {
        // A version this program does not read: what the file carried.
        std::string first = path + "(Ver" + m_version.m_strVersion + ")";
        fw::AppMessageBox(fw::FormatStrings(fw::LoadString(tvid::IDS_UNSUPPORTED_VERSION),
                                            {first, m_version.m_strMaker, m_version.m_strProduct,
                                             m_version.m_strVersion, m_version.m_strMdbVersion}),
                          fw::mb::Ok | fw::mb::IconStop);
        return;
    }
    if (!saving) {
        // Truncated, damaged or not a project at all: say so, not that
        // another program version is needed.
        fw::AppMessageBox(fw::FormatStrings(fw::LoadString(tvid::IDS_DAMAGED_PROJECT),
                                            {path, std::string(e->what()).substr(0, 255)}),
                          fw::mb::Ok | fw::mb::IconStop);
        return;
    }
    // The file's own exception names the path already: name it once.
    const auto* file = dynamic_cast<const fw::CCompoundFileException*>(e);
    const std::string reason = file ? file->Reason() : std::string(e->what());
    fw::AppMessageBox(path + " : " + reason.substr(0, 255), fw::mb::Ok | fw::mb::IconStop);
}

// ---------------------------------------------------------------- transfer

CTovarineDoc::~CTovarineDoc() = default;

CTovarineSrvrItem1* CTovarineDoc::GetClipboardItem() {
    if (!ClipboardItem)
        ClipboardItem = std::make_unique<CTovarineSrvrItem1>(m_nSerial);
    return ClipboardItem.get();
}

void CTovarineDoc::DeleteClipboardItem() {
    ClipboardItem.reset();
}
