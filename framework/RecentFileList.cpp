#include "RecentFileList.h"

#include <QSettings>
#include <QString>
#include <QVariant>

#include <algorithm>

namespace fw {

CRecentFileList::CRecentFileList(std::string section, size_t size)
    : m_section(std::move(section)), m_size(size) {}

void CRecentFileList::Add(const std::string& path) {
    if (path.empty() || m_size == 0)
        return;
    auto it = std::find(m_files.begin(), m_files.end(), path);
    if (it != m_files.end())
        m_files.erase(it);
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > m_size)
        m_files.resize(m_size);
}

void CRecentFileList::Remove(size_t index) {
    if (index < m_files.size())
        m_files.erase(m_files.begin() + static_cast<std::ptrdiff_t>(index));
}

std::string CRecentFileList::GetDisplayName(size_t index) const {
    const std::string& path = m_files.at(index);
    constexpr size_t kMaxLength = 40;
    std::string shown = path;
    if (shown.size() > kMaxLength) {
        size_t slash = path.rfind('/');
        std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
        size_t head = kMaxLength > name.size() + 4 ? kMaxLength - name.size() - 4 : 0;
        size_t firstSlash = path.find('/', 1);
        if (firstSlash != std::string::npos && firstSlash < head)
            head = firstSlash;
        shown = path.substr(0, head) + "/.../" + name;
    }
    // A "&" in a path would be read as the menu's mnemonic.
    std::string escaped;
    for (char c : shown) {
        if (c == '&')
            escaped += '&';
        escaped += c;
    }
    return "&" + std::to_string(index + 1) + " " + escaped;
}

void CRecentFileList::ReadList(QSettings& settings) {
    m_files.clear();
    settings.beginGroup(QString::fromStdString(m_section));
    for (size_t i = 0; i < m_size; ++i) {
        QString value = settings.value(QStringLiteral("File%1").arg(i + 1)).toString();
        if (!value.isEmpty())
            m_files.push_back(value.toStdString());
    }
    settings.endGroup();
}

void CRecentFileList::WriteList(QSettings& settings) const {
    // Only the entries that differ are set or removed: QSettings writes its
    // file (and waits for the disk) on every set or remove, even of a value
    // it already holds, and the list mostly is written unchanged.
    settings.beginGroup(QString::fromStdString(m_section));
    for (size_t i = 0; i < m_size; ++i) {
        QString key = QStringLiteral("File%1").arg(i + 1);
        if (i < m_files.size()) {
            QString value = QString::fromStdString(m_files[i]);
            QVariant held = settings.value(key);
            if (!held.isValid() || held.toString() != value)
                settings.setValue(key, value);
        } else if (settings.contains(key)) {
            settings.remove(key);
        }
    }
    settings.endGroup();
}

} // namespace fw
