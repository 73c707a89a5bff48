#include "CRegistGroup.h"

#include "app/shell/model/CObjGroup.h"

#include "framework/Archive.h"
#include "framework/SafeFile.h"

#include <QFile>
#include <QFileInfo>

CRegistGroup::CRegistGroup(std::string path) : m_strPath(std::move(path)) {}

std::vector<uint8_t> CRegistGroup::Store(const std::vector<CObjGroup*>& groups) {
    // The object list's layout: the count, then each group as an object.
    fw::CArchive ar = fw::CArchive::ForStoring();
    ar.WriteCount(static_cast<uint32_t>(groups.size()));
    for (CObjGroup* group : groups)
        ar.WriteObject(group);
    return ar.Bytes();
}

void CRegistGroup::Load(const std::vector<uint8_t>& bytes, CObjGroupList& list) {
    if (bytes.empty())
        return;
    fw::CArchive ar = fw::CArchive::ForLoading(bytes);
    CObjGroupList read;
    read.Serialize(ar);
    // Bytes after the list are not ours to understand; a save would drop
    // them, so the file counts as damaged.
    if (ar.Remaining() != 0)
        throw fw::CArchiveException(
            fw::CArchiveException::generic,
            "The library file is damaged: " + std::to_string(ar.Remaining()) +
                " bytes follow the list of groups.");
    for (auto it = read.begin(); it != read.end();)
        list.AddTail(read.Detach(it++));
}

void CRegistGroup::Read(CObjGroupList& list) const {
    const QString path = QString::fromStdString(m_strPath);
    if (!QFileInfo::exists(path))
        return;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CReadError(m_strPath + " : " + file.errorString().toStdString());
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw CReadError(m_strPath + " : " + file.errorString().toStdString());
    Load(std::vector<uint8_t>(data.begin(), data.end()), list);
}

void CRegistGroup::Write(const std::vector<CObjGroup*>& groups) const {
    fw::WriteFileSafely(m_strPath, Store(groups));
}
