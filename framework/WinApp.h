#pragma once

#include "CmdTarget.h"
#include "CommandLineInfo.h"

#include <memory>
#include <string>
#include <vector>

class QObject;
class QPrinter;
class QSettings;

namespace fw {

class CDocTemplate;
class CDocument;
class CMDIFrameWnd;
class CRecentFileList;

// The application object of a program: its start-up (InitInstance) and
// shut-down (ExitInstance), its document templates, settings and
// recently-used files, its printer, and the application's own commands
// (File New, File Open, the recently-used files). One exists at a time.
class CWinApp : public CCmdTarget {
public:
    explicit CWinApp(std::string appName);
    ~CWinApp() override;

    virtual bool InitInstance();
    virtual int ExitInstance();
    // Runs the start-up, the event loop and the shut-down; the exit code.
    int Run();

    // Registers a template; the application owns it from now on.
    void AddDocTemplate(CDocTemplate* docTemplate);
    const std::vector<std::unique_ptr<CDocTemplate>>& GetDocTemplates() const {
        return m_templates;
    }
    // Opens a file as a document of the first template: null, with the
    // reason shown, when that fails. A file already open is activated.
    virtual CDocument* OpenDocumentFile(const std::string& path);
    bool SaveAllModified();
    void CloseAllDocuments();

    CMDIFrameWnd* GetMainFrame() const { return m_pMainWnd; }
    void SetMainFrame(CMDIFrameWnd* frame) { m_pMainWnd = frame; }
    void RequestCommandUpdate();

    // Settings live under organisation key / application name.
    void SetRegistryKey(const std::string& key);
    // Where the settings are kept: an INI file at path instead of the user's
    // settings (tests, portable use). Call before LoadStdProfileSettings.
    void SetSettingsFile(const std::string& path);
    // Reads the recently-used list with maxMRU entries.
    void LoadStdProfileSettings(size_t maxMRU = 4);
    void SaveStdProfileSettings();
    QSettings& Settings();
    virtual void AddToRecentFileList(const std::string& path);
    CRecentFileList* GetRecentFileList() const { return m_pRecentFileList.get(); }

    void ParseCommandLine(CCommandLineInfo& info) const;
    // Carries out the command line: a new document or the file to open.
    // False when the program should not go on.
    virtual bool ProcessShellCommand(CCommandLineInfo& info);
    void SetArguments(std::vector<std::string> arguments) { m_arguments = std::move(arguments); }

    // The application's printer, made on first use (a PDF file where the
    // machine has no printer).
    QPrinter* GetPrinter();

    std::string m_pszAppName;
    std::string m_pszRegistryKey;
    CMDIFrameWnd* m_pMainWnd = nullptr;

protected:
    // Deletes the main window (with its frames and views) and the templates
    // (with their documents). A derived application calls it in its own
    // destructor, so that nothing closing calls back into a half-destroyed
    // application object.
    void DestroyWindowsAndDocuments();

    // The framework's File New: a new document of the only template.
    void OnFileNew();
    // The framework's File Open: the file dialog, then OpenDocumentFile.
    void OnFileOpen();
    // Opens recently-used entry id; an entry that fails is taken off.
    bool OnOpenRecentFile(unsigned id);
    void OnUpdateRecentFileMenu(CCmdUI& ui);

private:
    std::vector<std::unique_ptr<CDocTemplate>> m_templates;
    std::unique_ptr<CRecentFileList> m_pRecentFileList;
    std::unique_ptr<QSettings> m_pSettings;
    std::string m_settingsFile;
    std::vector<std::string> m_arguments;
    std::unique_ptr<QPrinter> m_pPrinter;
    std::unique_ptr<QObject> m_pIdleWatcher;
};

// The running application object, or null.
CWinApp* AfxGetApp();

} // namespace fw
