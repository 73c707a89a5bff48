#pragma once

#include "breakerdata/recordsets/CVersion.h"
#include "shellcommon/DatabaseFunctions.h"

#include "framework/CommandLineInfo.h"
#include "framework/Geometry.h"
#include "framework/WinApp.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CTovarineDoc;
class QObject;
class QPrinter;

namespace fw {
class CDatabase;
class CDocTemplate;
} // namespace fw

// The application object of the main program: its version records and the
// document versions it accepts, its clipboard formats, the four reference
// databases (open for the whole run), the four document templates of the
// project, the command line, and the services the rest of the program reaches
// through it (file version being read, printer page size and set-up, active
// document).
class CTovarineApp : public fw::CWinApp {
public:
    // arguments: the command line after the program's name. databases: the
    // open and close functions of the four databases.
    explicit CTovarineApp(std::vector<std::string> arguments,
                          CDatabaseFunctions databases = CDatabaseFunctions::Libraries());
    ~CTovarineApp() override;

    bool InitInstance() override;
    int ExitInstance() override;

    // The application's reading version record as a number: the program's
    // own, 1.2, outside a load. Records read the version of the file they
    // load from their archive (fw::CArchive::GetReadVersion), never from here.
    double GetVersionNumber() const;
    // The physical page size of the application's printer in printer pixels
    // and, when asked, the offsets of the printable area; zeros without one.
    void GetPrinterPageSize(fw::CSize& size, fw::CPoint* offsets = nullptr);
    // Orientation (1 portrait, 2 landscape) and paper size as stored numbers.
    void SetPrinterOrientation(int16_t orientation, int16_t paperSize);
    // The print set-up dialog on the given orientation and paper size; on OK
    // they are replaced by the chosen ones. Returns the dialog's result
    // (fw::mb::IdOk or fw::mb::IdCancel).
    int DoPrintSetup(int16_t& orientation, int16_t& paperSize);
    // The active project document, or null (with a message when the main
    // window or the frame's document cannot be reached).
    CTovarineDoc* GetActiveDocument();

    void FillVersionTable();
    void RegisterClipboardFormats();

    // Replaces the print set-up dialog (tests): it gets the printer and says
    // whether the user pressed OK.
    void SetPrintSetupDialog(std::function<bool(QPrinter&)> dialog) {
        m_printSetupDialog = std::move(dialog);
    }

    fw::CCommandLineInfo m_cmdInfo;
    // Template 129 belongs to the framework once registered; 130 to 132
    // belong to the application.
    fw::CDocTemplate* m_pDocTemplate1 = nullptr;
    std::unique_ptr<fw::CDocTemplate> m_pDocTemplate2;
    std::unique_ptr<fw::CDocTemplate> m_pDocTemplate3;
    std::unique_ptr<fw::CDocTemplate> m_pDocTemplate4;
    CVersion m_versionProgram;
    CVersion m_versionReading;
    CVersionList m_versionList;
    // The clipboard formats as MIME types: symbol, reference 1, reference 2.
    QString m_cfSymbol;
    QString m_cfReference1;
    QString m_cfReference2;
    fw::CDatabase* m_pDBDorventa = nullptr;
    fw::CDatabase* m_pDBOrbelune = nullptr;
    fw::CDatabase* m_pDBQuenlor = nullptr;
    fw::CDatabase* m_pDBSarquine = nullptr;

private:
    void OnFileNew();
    void OnFileOpen();
    void OnOpenRecentFile(unsigned id);
    void OnHelpHtml();
    void OnAppAbout();
    bool ProcessShellCommand(fw::CCommandLineInfo& info) override;
    // Whether the file is a catalogue document (extension "rv2", exactly).
    static bool IsCatalogueDocument(const std::string& path);
    // Opens a project, or hands a catalogue document to the catalogue
    // program; false when a project could not be opened (it was reported).
    bool OpenProjectOrCatalogue(const std::string& path);

    CDatabaseFunctions m_databases;
    std::function<bool(QPrinter&)> m_printSetupDialog;
    std::unique_ptr<QObject> m_pSplashFilter;
};

// The running application object, or null.
CTovarineApp* TovarineApp();

// The MIME type that carries a clipboard format of the given name.
QString ClipboardFormatMimeType(const std::string& formatName);
