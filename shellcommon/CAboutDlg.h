#pragma once

#include "breakerdata/recordsets/CVersion.h"

#include <QDialog>

#include <string>

class QLabel;

// The About box of both programs (dialog 156 in the main program, 100 in the
// catalogue program): the program version, the database version with its
// language and location, the free memory and the free disk space of the file
// system the program lies on. Its texts come from the running program's
// string table, which both programs fill under the same numbers.
class CAboutDlg : public QDialog {
public:
    static constexpr unsigned IDD_MAIN_PROGRAM = 156;
    static constexpr unsigned IDC_FREEDISK = 1003;
    static constexpr unsigned IDC_FREEMEM = 1004;
    static constexpr unsigned IDC_DATABASE = 1005;
    static constexpr unsigned IDC_VERSION = 1220;

    CAboutDlg(const CVersion& version, QWidget* parent = nullptr,
              unsigned dialogId = IDD_MAIN_PROGRAM);

    // Fills the variable texts, as the dialog does when it opens.
    void OnInitDialog();

    // The texts of the free-memory and free-disk lines for the given values
    // (kilobytes; a mount point, or nothing when the disk cannot be asked).
    static std::string FormatFreeMemory(unsigned long kilobytes);
    static std::string FormatFreeDisk(bool known, unsigned long kilobytes,
                                      const std::string& mountPoint);

    std::string m_strDatabase;         // 1005
    QLabel* m_wndFreeMemory = nullptr; // 1004
    QLabel* m_wndFreeDisk = nullptr;   // 1003
    std::string m_strVersion;          // 1220
    CVersion m_version;

private:
    QLabel* m_wndDatabase = nullptr;
    QLabel* m_wndVersion = nullptr;
};
