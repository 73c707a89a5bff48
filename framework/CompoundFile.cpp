#include "CompoundFile.h"

#include "Archive.h"
#include "Combo.h"
#include "SafeFile.h"

#include <QFile>

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>
#include <gsf/gsf-utils.h>

#include <algorithm>
#include <memory>
#include <mutex>
#include <utility>

namespace fw {

namespace {

// Storages nest no deeper than this; a damaged directory cannot make the
// reader recurse without end.
constexpr int kMaxDepth = 64;

// What a file is read by beyond the size it told.
constexpr size_t kReadStep = 64 * 1024;

void InitGsf() {
    static std::once_flag once;
    std::call_once(once, [] {
        gsf_init();
        // A damaged file is reported to the user by the caller; the library's
        // own complaints about it would only clutter the terminal.
        for (const char* domain : {"libgsf", "libgsf:msole"})
            g_log_set_handler(
                domain,
                static_cast<GLogLevelFlags>(G_LOG_LEVEL_CRITICAL | G_LOG_LEVEL_WARNING |
                                            G_LOG_LEVEL_MESSAGE),
                [](const gchar*, GLogLevelFlags, const gchar*, gpointer) {}, nullptr);
    });
}

struct GObjectUnref {
    void operator()(void* object) const {
        if (object)
            g_object_unref(object);
    }
};
template <class T> using GPtr = std::unique_ptr<T, GObjectUnref>;

std::string TakeError(GError* error, const char* otherwise) {
    if (!error)
        return otherwise;
    std::string text = error->message ? error->message : otherwise;
    g_error_free(error);
    return text;
}

bool IsZero(const std::array<uint8_t, 16>& id) {
    return std::all_of(id.begin(), id.end(), [](uint8_t b) { return b == 0; });
}

class CReader {
public:
    CReader(const std::string& path, size_t fileSize) : m_path(path), m_fileSize(fileSize) {}

    void ReadStorage(GsfInfile* dir, CCompoundFile::CEntry& entry, int depth) {
        if (depth > kMaxDepth)
            Fail("its storages are nested too deeply");
        if (GSF_IS_INFILE_MSOLE(dir))
            gsf_infile_msole_get_class_id(GSF_INFILE_MSOLE(dir), entry.classId.data());
        int count = gsf_infile_num_children(dir);
        for (int i = 0; i < count; ++i) {
            const char* name = gsf_infile_name_by_index(dir, i);
            GPtr<GsfInput> child(gsf_infile_child_by_index(dir, i));
            if (!child)
                Fail("the entry \"" + std::string(name ? name : "") + "\" cannot be read");
            CCompoundFile::CEntry item;
            item.name = name ? name : "";
            int grandChildren =
                GSF_IS_INFILE(child.get()) ? gsf_infile_num_children(GSF_INFILE(child.get())) : -1;
            if (grandChildren >= 0) {
                item.storage = true;
                ReadStorage(GSF_INFILE(child.get()), item, depth + 1);
            } else {
                ReadStream(child.get(), item);
            }
            entry.children.push_back(std::move(item));
        }
    }

private:
    void ReadStream(GsfInput* input, CCompoundFile::CEntry& item) {
        gsf_off_t size = gsf_input_size(input);
        // The streams of a sound file lie in distinct parts of it, so
        // together they are never larger than the file: a larger size is
        // damage, and nothing is allocated for it.
        if (size < 0 || static_cast<uint64_t>(size) > m_fileSize - m_total)
            Fail("the stream \"" + item.name + "\" is larger than the file");
        m_total += static_cast<size_t>(size);
        item.data.resize(static_cast<size_t>(size));
        if (size > 0 && !gsf_input_read(input, static_cast<size_t>(size), item.data.data()))
            Fail("the stream \"" + item.name + "\" cannot be read");
    }

    [[noreturn]] void Fail(const std::string& why) const {
        throw CCompoundFileException(m_path, "The file is damaged: " + why + ".");
    }

    std::string m_path;
    size_t m_fileSize;
    size_t m_total = 0;
};

void WriteStorage(GsfOutfile* dir, const CCompoundFile::CEntry& entry, const std::string& path) {
    for (const CCompoundFile::CEntry& item : entry.children) {
        GPtr<GsfOutput> out(gsf_outfile_new_child(dir, item.name.c_str(), item.storage));
        if (!out)
            throw CCompoundFileException(path, "The entry \"" + item.name + "\" cannot be made.");
        bool ok = true;
        if (item.storage) {
            if (!IsZero(item.classId) && GSF_IS_OUTFILE_MSOLE(out.get()))
                gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(out.get()), item.classId.data());
            WriteStorage(GSF_OUTFILE(out.get()), item, path);
        } else if (!item.data.empty()) {
            ok = gsf_output_write(out.get(), item.data.size(), item.data.data());
        }
        if (!gsf_output_close(out.get()) || !ok)
            throw CCompoundFileException(path,
                                         "The stream \"" + item.name + "\" cannot be written.");
    }
}

CCompoundFile::CEntry* FindChild(CCompoundFile::CEntry& dir, const std::string& name) {
    for (CCompoundFile::CEntry& item : dir.children) {
        if (EqualsNoCase(item.name, name))
            return &item;
    }
    return nullptr;
}

} // namespace

CCompoundFileException::CCompoundFileException(const std::string& path, const std::string& reason)
    : std::runtime_error(path + "\n" + reason), m_path(path), m_reason(reason) {}

CCompoundFile::CCompoundFile() {
    m_root.storage = true;
    m_root.name = "Root Entry";
}

CCompoundFile CCompoundFile::Load(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        throw CCompoundFileException(path, file.errorString().toStdString());
    // Read straight into the bytes that are parsed, not through a copy: a
    // project's file is megabytes.
    auto read = [&](uint8_t* at, size_t room) {
        qint64 got = file.read(reinterpret_cast<char*>(at), static_cast<qint64>(room));
        if (got < 0 || file.error() != QFileDevice::NoError)
            throw CCompoundFileException(path, file.errorString().toStdString());
        return static_cast<size_t>(got);
    };
    std::vector<uint8_t> bytes(static_cast<size_t>(std::max<qint64>(file.size(), 0)));
    size_t filled = 0;
    while (filled < bytes.size()) {
        size_t got = read(bytes.data() + filled, bytes.size() - filled);
        if (got == 0)
            break;
        filled += got;
    }
    bytes.resize(filled);
    // A file that grew meanwhile, or tells no size, is read to its end.
    std::vector<uint8_t> more(kReadStep);
    while (size_t got = read(more.data(), more.size()))
        bytes.insert(bytes.end(), more.begin(), more.begin() + static_cast<std::ptrdiff_t>(got));
    return FromBytes(bytes, path);
}

CCompoundFile CCompoundFile::FromBytes(const std::vector<uint8_t>& bytes, const std::string& path) {
    InitGsf();
    GPtr<GsfInput> input(
        gsf_input_memory_new(bytes.data(), static_cast<gsf_off_t>(bytes.size()), FALSE));
    if (!input)
        throw CCompoundFileException(path, "The file cannot be read.");
    GError* error = nullptr;
    GPtr<GsfInfile> root(gsf_infile_msole_new(input.get(), &error));
    if (!root)
        throw CCompoundFileException(
            path, "The file is not a document of this program (not a compound file: " +
                      TakeError(error, "unknown format") + ").");
    if (error)
        g_error_free(error);
    CCompoundFile file;
    CReader(path, bytes.size()).ReadStorage(root.get(), file.m_root, 0);
    return file;
}

std::vector<uint8_t> CCompoundFile::ToBytes() const {
    InitGsf();
    const std::string path = "(memory)";
    GPtr<GsfOutput> sink(gsf_output_memory_new());
    GPtr<GsfOutfile> root(gsf_outfile_msole_new(sink.get()));
    if (!sink || !root)
        throw CCompoundFileException(path, "The file cannot be made.");
    if (!IsZero(m_root.classId))
        gsf_outfile_msole_set_class_id(GSF_OUTFILE_MSOLE(root.get()), m_root.classId.data());
    WriteStorage(root.get(), m_root, path);
    if (!gsf_output_close(GSF_OUTPUT(root.get())))
        throw CCompoundFileException(path, "The file cannot be written.");
    gsf_off_t size = gsf_output_size(sink.get());
    const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(sink.get()));
    std::vector<uint8_t> bytes;
    if (data && size > 0)
        bytes.assign(data, data + size);
    return bytes;
}

void CCompoundFile::Save(const std::string& path) const {
    std::vector<uint8_t> bytes;
    try {
        bytes = ToBytes();
    } catch (const CCompoundFileException& e) {
        throw CCompoundFileException(path, e.Reason());
    }
    try {
        WriteFileSafely(path, bytes);
    } catch (const CSafeFileException& e) {
        throw CCompoundFileException(path, e.Reason());
    }
}

const std::vector<uint8_t>* CCompoundFile::FindStream(const std::string& name) const {
    for (const CEntry& item : m_root.children) {
        if (!item.storage && EqualsNoCase(item.name, name))
            return &item.data;
    }
    return nullptr;
}

std::vector<uint8_t>* CCompoundFile::FindStream(const std::string& name) {
    return const_cast<std::vector<uint8_t>*>(std::as_const(*this).FindStream(name));
}

void CCompoundFile::SetStream(const std::string& name, std::vector<uint8_t> data) {
    CEntry* item = FindChild(m_root, name);
    if (!item) {
        m_root.children.emplace_back();
        item = &m_root.children.back();
    }
    item->name = name;
    item->storage = false;
    item->classId = {};
    item->children.clear();
    item->data = std::move(data);
}

bool CCompoundFile::RemoveEntry(const std::string& name) {
    auto it = std::find_if(m_root.children.begin(), m_root.children.end(),
                           [&](const CEntry& item) { return EqualsNoCase(item.name, name); });
    if (it == m_root.children.end())
        return false;
    m_root.children.erase(it);
    return true;
}

void SerializeEmbeddedItems(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(0);
        return;
    }
    if (ar.ReadCount() != 0)
        ar.Fail(CArchiveException::generic,
                "The file is damaged: it holds embedded objects, which this program cannot read.");
}

} // namespace fw
