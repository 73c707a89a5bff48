#include "CTovarineDoc.h"

#include "CChildFrame1.h"
#include "CMainFrame.h"
#include "app/records/TovarineIds.h"

#include "framework/Archive.h"
#include "framework/DocTemplate.h"
#include "framework/MessageBox.h"
#include "framework/StringTable.h"

CTovarineDoc::CTovarineDoc() = default;

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

bool CTovarineDoc::DoSave(const std::string&, bool) {
    // Projects cannot be written yet: say so rather than write a file that
    // could not be read back.
    fw::AppMessageBox("Saving a project is not available yet in this version of the program.",
                      fw::mb::Ok | fw::mb::IconInformation);
    return false;
}

void CTovarineDoc::Serialize(fw::CArchive& ar) {
    if (ar.IsLoading())
        throw fw::CArchiveException(
            fw::CArchiveException::generic,
            "Reading project files is not available yet in this version of the program.");
}
