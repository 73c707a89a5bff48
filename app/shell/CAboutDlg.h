#pragma once

#include "breakerdata/recordsets/CVersion.h"

#include <QDialog>

#include <string>

class QLabel;

// The About box (dialog 156): the program version, the database version with
// its language and location, the free memory and the free disk space of the
// file system the program lies on.
class CAboutDlg : public QDialog {
public:
    CAboutDlg(const CVersion& version, QWidget* parent = nullptr);

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
