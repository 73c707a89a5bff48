#include "CAboutDlg.h"

#include "framework/Format.h"
#include "framework/ProgramFolder.h"
#include "framework/Resources.h"
#include "framework/StringTable.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QStorageInfo>
#include <QVBoxLayout>

#include <sys/sysinfo.h>

namespace {

// String and resource numbers both programs give the About box.
constexpr unsigned IDR_MAINFRAME = 128;
constexpr unsigned IDS_FREE_MEMORY = 105;
constexpr unsigned IDS_FREE_DISK = 106;
constexpr unsigned IDS_UNAVAILABLE = 107;
constexpr unsigned IDS_PRODUCT = 24963;
constexpr unsigned IDS_SHOWN_VERSION = 24964;

// The memory that programs can still have, in kilobytes.
unsigned long AvailableMemoryKb() {
    QFile meminfo(QStringLiteral("/proc/meminfo"));
    if (meminfo.open(QIODevice::ReadOnly)) {
        while (!meminfo.atEnd()) {
            QByteArray line = meminfo.readLine();
            if (line.startsWith("MemAvailable:")) {
                QList<QByteArray> words = line.simplified().split(' ');
                if (words.size() >= 2)
                    return words[1].toULong();
            }
        }
    }
    struct sysinfo info {};
    if (sysinfo(&info) == 0)
        return static_cast<unsigned long>(info.freeram) * info.mem_unit / 1024;
    return 0;
}

} // namespace

CAboutDlg::CAboutDlg(const CVersion& version, QWidget* parent, unsigned dialogId)
    : QDialog(parent), m_version(version) {
    fw::SetControlId(this, dialogId);
    setWindowTitle(QStringLiteral("About ") + QString::fromStdString(fw::LoadString(IDS_PRODUCT)));
    auto* top = new QVBoxLayout(this);
    auto* head = new QHBoxLayout;
    auto* icon = new QLabel(this);
    icon->setPixmap(fw::LoadIconResource(IDR_MAINFRAME).pixmap(48, 48));
    head->addWidget(icon, 0, Qt::AlignTop);
    auto* grid = new QGridLayout;
    auto addRow = [&](int row, const char* label, unsigned id) {
        grid->addWidget(new QLabel(QString::fromLatin1(label), this), row, 0);
        auto* value = new QLabel(this);
        fw::SetControlId(value, id);
        grid->addWidget(value, row, 1);
        return value;
    };
    m_wndVersion = addRow(0, "TOVARINE2 Version:", IDC_VERSION);
    m_wndDatabase = addRow(1, "Using database Version:", IDC_DATABASE);
    m_wndFreeMemory = addRow(2, "Free memory:", IDC_FREEMEM);
    m_wndFreeDisk = addRow(3, "Free disk space:", IDC_FREEDISK);
    head->addLayout(grid, 1);
    top->addLayout(head);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    top->addWidget(buttons);
    OnInitDialog();
}

std::string CAboutDlg::FormatFreeMemory(unsigned long kilobytes) {
    return fw::Format(fw::LoadString(IDS_FREE_MEMORY).c_str(), kilobytes);
}

std::string CAboutDlg::FormatFreeDisk(bool known, unsigned long kilobytes,
                                      const std::string& mountPoint) {
    if (!known)
        return fw::LoadString(IDS_UNAVAILABLE);
    // The text names a drive letter and its colon ("C:"); here the file
    // system is named by the folder it is mounted on, without a colon.
    std::string format = fw::LoadString(IDS_FREE_DISK);
    size_t at = format.find("%c");
    if (at != std::string::npos)
        format.replace(at, format.compare(at, 3, "%c:") == 0 ? 3 : 2, "%s");
    return fw::Format(format.c_str(), kilobytes, mountPoint.c_str());
}

void CAboutDlg::OnInitDialog() {
    m_wndFreeMemory->setText(QString::fromStdString(FormatFreeMemory(AvailableMemoryKb())));

    QStorageInfo storage(QString::fromStdString(fw::GetProgramFolder()));
    bool known = storage.isValid() && storage.isReady();
    unsigned long freeKb =
        known ? static_cast<unsigned long>(storage.bytesAvailable() / 1024) : 0ul;
    m_wndFreeDisk->setText(
        QString::fromStdString(FormatFreeDisk(known, freeKb, storage.rootPath().toStdString())));

    m_strVersion = fw::LoadString(IDS_SHOWN_VERSION);
    m_wndVersion->setText(QString::fromStdString(m_strVersion));
    m_strDatabase =
        m_version.m_strMdbVersion + " " + m_version.m_strLanguage + " " + m_version.m_strLocation;
    m_wndDatabase->setText(QString::fromStdString(m_strDatabase));
}
