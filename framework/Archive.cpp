#include "Archive.h"

#include "Ansi.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <mutex>

namespace fw {

namespace {

constexpr uint16_t wNullTag = 0;
constexpr uint16_t wNewClassTag = 0xFFFF;
constexpr uint16_t wClassTag = 0x8000;
constexpr uint32_t dwBigClassTag = 0x80000000u;
constexpr uint16_t wBigObjectTag = 0x7FFF;
constexpr uint32_t nMaxMapCount = 0x3FFFFFFE;

static_assert(std::endian::native == std::endian::little, "archive code assumes little-endian");

std::map<std::string, const CRuntimeClass*>& Registry() {
    static std::map<std::string, const CRuntimeClass*> registry;
    return registry;
}

std::mutex& RegistryMutex() {
    static std::mutex m;
    return m;
}

} // namespace

CArchiveException::CArchiveException(Cause cause, const std::string& message)
    : std::runtime_error(message), m_cause(cause) {}

void CObject::Serialize(CArchive&) {}

void RegisterRuntimeClass(const CRuntimeClass* cls) {
    std::lock_guard lock(RegistryMutex());
    Registry()[cls->m_lpszClassName] = cls;
}

const CRuntimeClass* FindRuntimeClass(const std::string& name) {
    std::lock_guard lock(RegistryMutex());
    auto it = Registry().find(name);
    return it == Registry().end() ? nullptr : it->second;
}

CArchive::CArchive(Mode mode, std::vector<uint8_t> bytes)
    : m_mode(mode), m_buffer(std::move(bytes)) {}

CArchive CArchive::ForStoring() {
    return CArchive(store, {});
}

CArchive CArchive::ForLoading(std::vector<uint8_t> bytes) {
    return CArchive(load, std::move(bytes));
}

void CArchive::Fail(CArchiveException::Cause cause, const std::string& message) {
    m_failed = true;
    throw CArchiveException(cause, message);
}

void CArchive::CheckLoading() {
    if (m_mode != load)
        throw CArchiveException(CArchiveException::writeOnly,
                                "Tried to read from an archive that is being written.");
    if (m_failed)
        throw CArchiveException(CArchiveException::generic,
                                "The file is damaged: nothing can be read after the first error.");
}

void CArchive::CheckStoring() {
    if (m_mode != store)
        throw CArchiveException(CArchiveException::readOnly,
                                "Tried to write to an archive that is being read.");
}

void CArchive::Need(size_t size, const char* what) {
    CheckLoading();
    if (Remaining() < size)
        Fail(CArchiveException::endOfFile,
             "The file is damaged or incomplete: it ends while reading " + std::string(what) +
                 " at byte " + std::to_string(m_pos) + " (" + std::to_string(size) +
                 " bytes needed, " + std::to_string(Remaining()) + " left).");
}

void CArchive::Write(const void* data, size_t size) {
    CheckStoring();
    const size_t at = m_buffer.size();
    if (m_buffer.capacity() - at < size) {
        // Grown in large steps: a project of a few megabytes is written in
        // a few thousand small pieces, and each reallocation of a buffer that
        // size goes to fresh pages.
        constexpr size_t kFirstChunk = 64 * 1024;
        m_buffer.reserve(std::max({kFirstChunk, 2 * m_buffer.capacity(), at + size}));
    }
    m_buffer.resize(at + size);
    if (size)
        std::memcpy(m_buffer.data() + at, data, size);
}

void CArchive::Read(void* data, size_t size) {
    Need(size, "data");
    if (size)
        std::memcpy(data, m_buffer.data() + m_pos, size);
    m_pos += size;
}

template <class T> void CArchive::WriteLE(T v) {
    Write(&v, sizeof v);
}

template <class T> T CArchive::ReadLE(const char* what) {
    Need(sizeof(T), what);
    T v;
    std::memcpy(&v, m_buffer.data() + m_pos, sizeof v);
    m_pos += sizeof v;
    return v;
}

#define FW_ARCHIVE_NUMBER(T, what)                                                                 \
    CArchive& CArchive::operator<<(T v) {                                                          \
        WriteLE(v);                                                                                \
        return *this;                                                                              \
    }                                                                                              \
    CArchive& CArchive::operator>>(T& v) {                                                         \
        v = ReadLE<T>(what);                                                                       \
        return *this;                                                                              \
    }

FW_ARCHIVE_NUMBER(uint8_t, "a byte")
FW_ARCHIVE_NUMBER(int16_t, "a 16-bit number")
FW_ARCHIVE_NUMBER(uint16_t, "a 16-bit number")
FW_ARCHIVE_NUMBER(int32_t, "a 32-bit number")
FW_ARCHIVE_NUMBER(uint32_t, "a 32-bit number")
FW_ARCHIVE_NUMBER(int64_t, "a 64-bit number")
FW_ARCHIVE_NUMBER(uint64_t, "a 64-bit number")
FW_ARCHIVE_NUMBER(float, "a real number")
FW_ARCHIVE_NUMBER(double, "a real number")

#undef FW_ARCHIVE_NUMBER

namespace {

void WriteLength(CArchive& ar, uint64_t len) {
    if (len < 0xFF) {
        ar << static_cast<uint8_t>(len);
        return;
    }
    ar << static_cast<uint8_t>(0xFF);
    if (len < 0xFFFE) {
        ar << static_cast<uint16_t>(len);
        return;
    }
    ar << static_cast<uint16_t>(0xFFFF);
    if (len >= 0xFFFFFFFFu)
        throw CArchiveException(CArchiveException::generic, "A text is too long to be stored.");
    ar << static_cast<uint32_t>(len);
}

} // namespace

void CArchive::WriteString(const std::string& text) {
    CheckStoring();
    std::string ansi;
    if (Utf8ToAnsi(text, ansi)) {
        WriteLength(*this, ansi.size());
        Write(ansi.data(), ansi.size());
        return;
    }
    // The 16-bit form: byte 0xFF and word 0xFFFE announce UTF-16 characters.
    std::u16string wide = Utf8ToUtf16(text);
    *this << static_cast<uint8_t>(0xFF) << static_cast<uint16_t>(0xFFFE);
    WriteLength(*this, wide.size());
    for (char16_t c : wide)
        *this << static_cast<uint16_t>(c);
}

std::string CArchive::ReadString() {
    bool wide = false;
    uint64_t len = ReadLE<uint8_t>("the length of a text");
    if (len == 0xFF) {
        uint16_t w = ReadLE<uint16_t>("the length of a text");
        if (w == 0xFFFE) {
            wide = true;
            len = ReadLE<uint8_t>("the length of a text");
            if (len == 0xFF)
                w = ReadLE<uint16_t>("the length of a text");
            else
                w = 0;
        }
        if (!wide || len == 0xFF) {
            if (w < 0xFFFF) {
                len = w;
            } else {
                uint32_t dw = ReadLE<uint32_t>("the length of a text");
                if (dw == 0xFFFFFFFFu)
                    Fail(CArchiveException::generic, "The file is damaged: a text length at byte " +
                                                         std::to_string(m_pos) +
                                                         " is out of range.");
                len = dw;
            }
        }
    }
    if (!wide) {
        Need(len, "a text");
        std::string_view raw(reinterpret_cast<const char*>(m_buffer.data() + m_pos), len);
        m_pos += len;
        return AnsiToUtf8(raw);
    }
    Need(len * 2, "a text");
    std::u16string units;
    units.reserve(len);
    for (uint64_t i = 0; i < len; ++i)
        units += static_cast<char16_t>(ReadLE<uint16_t>("a text"));
    return Utf16ToUtf8(units);
}

void CArchive::WriteCount(uint32_t count) {
    if (count < 0xFFFF) {
        *this << static_cast<uint16_t>(count);
    } else {
        *this << static_cast<uint16_t>(0xFFFF) << count;
    }
}

uint32_t CArchive::ReadCount() {
    uint16_t w = ReadLE<uint16_t>("a count");
    if (w != 0xFFFF)
        return w;
    return ReadLE<uint32_t>("a count");
}

void CArchive::CheckMapCount() {
    if (m_nMapCount >= nMaxMapCount)
        Fail(CArchiveException::generic, "Too many objects in one archive.");
}

void CArchive::WriteClass(const CRuntimeClass* cls) {
    CheckStoring();
    auto it = m_storeMap.find(cls);
    if (it != m_storeMap.end()) {
        uint32_t idx = it->second;
        if (idx < wBigObjectTag) {
            *this << static_cast<uint16_t>(wClassTag | idx);
        } else {
            *this << wBigObjectTag << static_cast<uint32_t>(dwBigClassTag | idx);
        }
        return;
    }
    size_t nameLen = std::strlen(cls->m_lpszClassName);
    *this << wNewClassTag << static_cast<uint16_t>(cls->m_wSchema)
          << static_cast<uint16_t>(nameLen);
    Write(cls->m_lpszClassName, nameLen);
    CheckMapCount();
    m_storeMap[cls] = m_nMapCount++;
}

void CArchive::WriteObject(const CObject* object) {
    CheckStoring();
    if (!object) {
        *this << wNullTag;
        return;
    }
    auto it = m_storeMap.find(object);
    if (it != m_storeMap.end()) {
        uint32_t idx = it->second;
        if (idx < wBigObjectTag) {
            *this << static_cast<uint16_t>(idx);
        } else {
            *this << wBigObjectTag << idx;
        }
        return;
    }
    WriteClass(object->GetRuntimeClass());
    CheckMapCount();
    m_storeMap[object] = m_nMapCount++;
    // The record is written through the object; the archive never changes it.
    const_cast<CObject*>(object)->Serialize(*this);
}

const CRuntimeClass* CArchive::ReadClassTag(uint32_t* schema, uint32_t* objectIndex) {
    size_t at = m_pos;
    uint16_t wTag = ReadLE<uint16_t>("an object tag");
    uint32_t obTag = wTag == wBigObjectTag
                         ? ReadLE<uint32_t>("an object tag")
                         : (uint32_t(wTag & wClassTag) << 16) | (wTag & ~wClassTag & 0xFFFF);
    if (!(obTag & dwBigClassTag)) {
        if (!objectIndex)
            Fail(CArchiveException::badIndex,
                 "The file is damaged: a class was expected at byte " + std::to_string(at) + ".");
        *objectIndex = obTag;
        return nullptr;
    }
    if (wTag == wNewClassTag) {
        uint16_t storedSchema = ReadLE<uint16_t>("a class record");
        uint16_t nameLen = ReadLE<uint16_t>("a class record");
        Need(nameLen, "a class name");
        std::string name(reinterpret_cast<const char*>(m_buffer.data() + m_pos), nameLen);
        m_pos += nameLen;
        const CRuntimeClass* cls = FindRuntimeClass(name);
        if (!cls)
            Fail(CArchiveException::badClass, "The file holds an object of an unknown kind (\"" +
                                                  name + "\") at byte " + std::to_string(at) + ".");
        if ((cls->m_wSchema & ~VERSIONABLE_SCHEMA) != storedSchema &&
            !(cls->m_wSchema & VERSIONABLE_SCHEMA))
            Fail(CArchiveException::badSchema, "The file holds \"" + name + "\" in version " +
                                                   std::to_string(storedSchema) +
                                                   ", which this program cannot read.");
        CheckMapCount();
        m_loadArray.push_back(LoadEntry{cls, storedSchema, nullptr});
        ++m_nMapCount;
        if (schema)
            *schema = storedSchema;
        return cls;
    }
    uint32_t classIndex = obTag & ~dwBigClassTag;
    if (classIndex == 0 || classIndex >= m_loadArray.size() || !m_loadArray[classIndex].cls ||
        m_loadArray[classIndex].obj)
        Fail(CArchiveException::badIndex, "The file is damaged: a class reference at byte " +
                                              std::to_string(at) + " is invalid.");
    if (schema)
        *schema = m_loadArray[classIndex].schema;
    return m_loadArray[classIndex].cls;
}

const CRuntimeClass* CArchive::ReadClass() {
    CheckLoading();
    uint32_t schema = 0;
    const CRuntimeClass* cls = ReadClassTag(&schema, nullptr);
    m_loadSchema = schema;
    return cls;
}

CObject* CArchive::ReadObjectImpl(ReadKind kind, Acceptor accepts) {
    CheckLoading();
    size_t at = m_pos;
    uint32_t schema = 0;
    uint32_t index = 0;
    const CRuntimeClass* cls = ReadClassTag(&schema, &index);
    if (!cls) {
        if (index == 0)
            return nullptr;
        if (kind == owned)
            Fail(CArchiveException::badIndex,
                 "The file is damaged: the object at byte " + std::to_string(at) +
                     " refers back to one read before, where a new object belongs.");
        if (index >= m_loadArray.size() || !m_loadArray[index].obj)
            Fail(CArchiveException::badIndex, "The file is damaged: an object reference at byte " +
                                                  std::to_string(at) + " is invalid.");
        CObject* prior = m_loadArray[index].obj;
        if (accepts && !accepts(prior))
            Fail(CArchiveException::badClass, "The file is damaged: an object reference at byte " +
                                                  std::to_string(at) +
                                                  " names an object of the wrong kind.");
        return prior;
    }
    if (kind == reference)
        Fail(CArchiveException::badIndex,
             "The file is damaged: a new object at byte " + std::to_string(at) +
                 " stands where a reference to one read before belongs.");
    if (!cls->m_pfnCreateObject)
        Fail(CArchiveException::badClass,
             std::string("The file holds an abstract kind \"") + cls->m_lpszClassName + "\".");
    std::unique_ptr<CObject> obj(cls->m_pfnCreateObject());
    if (accepts && !accepts(obj.get()))
        Fail(CArchiveException::badClass, std::string("The file holds \"") + cls->m_lpszClassName +
                                              "\" where another kind of object belongs (byte " +
                                              std::to_string(at) + ").");
    CheckMapCount();
    uint32_t myIndex = m_nMapCount++;
    m_loadArray.push_back(LoadEntry{nullptr, 0, obj.get()});
    uint32_t saved = m_loadSchema;
    m_loadSchema = schema;
    try {
        obj->Serialize(*this);
    } catch (...) {
        // The failed object is freed, and with it every object it had read:
        // none of them may be reachable by a later back-reference, and the
        // archive reads nothing more.
        for (size_t i = myIndex; i < m_loadArray.size(); ++i)
            m_loadArray[i].obj = nullptr;
        m_failed = true;
        throw;
    }
    m_loadSchema = saved;
    return obj.release();
}

uint32_t CArchive::GetObjectSchema() {
    uint32_t s = m_loadSchema;
    m_loadSchema = UINT32_MAX;
    return s;
}

} // namespace fw
