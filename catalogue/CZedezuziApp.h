#pragma once

#include "breakerdata/recordsets/CVersion.h"
#include "shellcommon/DatabaseFunctions.h"

#include "framework/CommandLineInfo.h"
#include "framework/Geometry.h"
#include "framework/WinApp.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class CZedezuziDoc;
class QPrinter;

namespace fw {
class CDatabase;
class CDocTemplate;
} // namespace fw

// The application object of the catalogue program: its version records,
// the four reference databases (open for the whole run, borrowed by every
// search, dialog and table), the single-document template, and the printer
// services its document and view reach through it. One document is open at a
// time: a new or opened document replaces the open one, which stays as it
// was when the new one cannot be made or read.
class CZedezuziApp : public fw::CWinApp {
public:
    explicit CZedezuziApp(std::vector<std::string> arguments,
                          CDatabaseFunctions databases = CDatabaseFunctions::Libraries());
    ~CZedezuziApp() override;

    bool InitInstance() override;
    int ExitInstance() override;

    // The program version record, the last document version and the one
    // accepted document version, from the string table.
    void DoSetVersion();

    // Replaces the open document by the one read from path (the open one is
    // kept when the file cannot be read, or when the user cancels saving it).
    fw::CDocument* OpenDocumentFile(const std::string& path) override;
    // The open document, or null.
    CZedezuziDoc* GetDocument() const;

    void GetPrinterPageSize(fw::CSize& size, fw::CPoint* offsets = nullptr);
    void SetPrinterOrientation(int16_t orientation, int16_t paperSize);
    int DoPrintSetup(int16_t& orientation, int16_t& paperSize);
    // Replaces the print set-up dialog (tests).
    void SetPrintSetupDialog(std::function<bool(QPrinter&)> dialog) {
        m_printSetupDialog = std::move(dialog);
    }

    fw::CCommandLineInfo m_cmdInfo;
    fw::CDocTemplate* m_pDocTemplate = nullptr;
    CVersion m_versionProgram;
    CVersion m_versionLastDocument;
    CVersionList m_versionList;
    fw::CDatabase* m_pDBDorventa = nullptr;
    fw::CDatabase* m_pDBOrbelune = nullptr;
    fw::CDatabase* m_pDBQuenlor = nullptr;
    fw::CDatabase* m_pDBSarquine = nullptr;

private:
    void OnFileNew();
    void OnFileOpen();
    void OnOpenRecentFile(unsigned id);
    void OnFilePrintSetup();
    void OnAppAbout();
    bool ProcessShellCommand(fw::CCommandLineInfo& info) override;
    // Closes the document that a new one replaced.
    void DoCloseReplaced(fw::CDocument* old, fw::CDocument* now);

    CDatabaseFunctions m_databases;
    std::function<bool(QPrinter&)> m_printSetupDialog;
};

// The running catalogue application, or null.
CZedezuziApp* ZedezuziApp();
