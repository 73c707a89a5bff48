#pragma once

#include <cstdint>
#include <limits>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace fw {

class CArchive;
class CObject;

// The error of a damaged, truncated or misused archive. The message says what
// was wrong and where, so that it can be shown to the user as it stands.
class CArchiveException : public std::runtime_error {
public:
    enum Cause { generic, readOnly, endOfFile, writeOnly, badIndex, badClass, badSchema };

    CArchiveException(Cause cause, const std::string& message);
    Cause m_cause;
};

// What the archive needs to know of a serialisable class: its name, its
// schema number and how to make an empty object of it.
struct CRuntimeClass {
    const char* m_lpszClassName;
    uint32_t m_wSchema;              // VERSIONABLE_SCHEMA may be or'ed in
    CObject* (*m_pfnCreateObject)(); // null for abstract classes
};

constexpr uint32_t VERSIONABLE_SCHEMA = 0x80000000u;

// Base of every object that the archive writes as an object record.
class CObject {
public:
    virtual ~CObject() = default;
    virtual const CRuntimeClass* GetRuntimeClass() const = 0;
    virtual void Serialize(CArchive& ar);
};

// The class registry: objects are created by class name when read.
void RegisterRuntimeClass(const CRuntimeClass* cls);
const CRuntimeClass* FindRuntimeClass(const std::string& name);

// The serialisation archive: little-endian integers, IEEE doubles, counted
// strings, counts and object records with the well-known tag layout.
// Loading reads from a byte buffer that the archive owns; storing appends to
// a buffer that the caller takes with Bytes(). Every read is bounds-checked.
class CArchive {
public:
    enum Mode { store = 0, load = 1 };

    static CArchive ForStoring();
    static CArchive ForLoading(std::vector<uint8_t> bytes);

    CArchive(CArchive&&) = default;
    CArchive& operator=(CArchive&&) = default;

    bool IsLoading() const { return m_mode == load; }
    bool IsStoring() const { return m_mode == store; }

    const std::vector<uint8_t>& Bytes() const { return m_buffer; }
    size_t Position() const { return m_pos; }
    size_t Remaining() const { return m_buffer.size() - m_pos; }

    // Raw bytes.
    void Write(const void* data, size_t size);
    void Read(void* data, size_t size);

    CArchive& operator<<(uint8_t v);
    CArchive& operator<<(int16_t v);
    CArchive& operator<<(uint16_t v);
    CArchive& operator<<(int32_t v);
    CArchive& operator<<(uint32_t v);
    CArchive& operator<<(int64_t v);
    CArchive& operator<<(uint64_t v);
    CArchive& operator<<(float v);
    CArchive& operator<<(double v);

    CArchive& operator>>(uint8_t& v);
    CArchive& operator>>(int16_t& v);
    CArchive& operator>>(uint16_t& v);
    CArchive& operator>>(int32_t& v);
    CArchive& operator>>(uint32_t& v);
    CArchive& operator>>(int64_t& v);
    CArchive& operator>>(uint64_t& v);
    CArchive& operator>>(float& v);
    CArchive& operator>>(double& v);

    // The counted string. Texts are UTF-8 in memory and Windows-1252 on file;
    // a text that Windows-1252 cannot hold is written in the 16-bit form.
    void WriteString(const std::string& text);
    std::string ReadString();
    CArchive& operator<<(const std::string& text) {
        WriteString(text);
        return *this;
    }
    CArchive& operator>>(std::string& text) {
        text = ReadString();
        return *this;
    }

    // The 16-bit count, escaped to 32 bits from 0xFFFF on.
    void WriteCount(uint32_t count);
    uint32_t ReadCount();

    // Object records. WriteObject accepts null; an object written twice is
    // written once and then referred back to by its index.
    void WriteObject(const CObject* object);

    // An object record that gives the caller a new object to own: a new
    // object, or null for the null tag. A back-reference is refused
    // (badIndex): the object it names has an owner already. When T is given,
    // any other class is badClass, raised before the object's record is read.
    std::unique_ptr<CObject> ReadOwnedObject() {
        return std::unique_ptr<CObject>(ReadObjectImpl(owned, nullptr));
    }
    template <class T> std::unique_ptr<T> ReadOwned() {
        return std::unique_ptr<T>(static_cast<T*>(ReadObjectImpl(owned, &IsA<T>)));
    }

    // An object record that refers back to an object read before, which some
    // other record owns: the object, or null for the null tag. A new object
    // is refused (badIndex): nobody would own it.
    CObject* ReadReferenceObject() { return ReadObjectImpl(reference, nullptr); }
    template <class T> T* ReadReference() {
        return static_cast<T*>(ReadObjectImpl(reference, &IsA<T>));
    }

    // The version of the file being read, as a number (the file's version
    // text "1.15" gives 1.15): records that gained fields in a later file
    // version compare it when they load. A new archive reads the newest
    // layout (every comparison "at least x" holds) until the loader sets the
    // version it has read from the file; since the version belongs to the
    // archive, nothing of a load outlives it.
    static constexpr double kNewestVersion = std::numeric_limits<double>::infinity();
    double GetReadVersion() const { return m_readVersion; }
    void SetReadVersion(double version) { m_readVersion = version; }

    // Class records on their own (without an object).
    void WriteClass(const CRuntimeClass* cls);
    const CRuntimeClass* ReadClass();

    // Raises the archive error for data that a record refuses (or that the
    // archive itself cannot read). Every later read raises an error too:
    // whatever was read before the fault may have been freed with the record
    // that failed, and must not be reached by a later back-reference.
    [[noreturn]] void Fail(CArchiveException::Cause cause, const std::string& message);
    bool HasFailed() const { return m_failed; }

    // The schema read with the object now being loaded (versionable classes).
    uint32_t GetObjectSchema();

private:
    CArchive(Mode mode, std::vector<uint8_t> bytes);

    void Need(size_t size, const char* what);
    void CheckLoading();
    void CheckStoring();
    template <class T> void WriteLE(T v);
    template <class T> T ReadLE(const char* what);
    using Acceptor = bool (*)(const CObject*);
    template <class T> static bool IsA(const CObject* o) {
        return dynamic_cast<const T*>(o) != nullptr;
    }
    enum ReadKind { owned, reference };
    CObject* ReadObjectImpl(ReadKind kind, Acceptor accepts);

    // Reads a tag: a class (returned, with its schema) or an object index.
    const CRuntimeClass* ReadClassTag(uint32_t* schema, uint32_t* objectIndex);
    void CheckMapCount();

    Mode m_mode;
    std::vector<uint8_t> m_buffer;
    size_t m_pos = 0;
    uint32_t m_loadSchema = UINT32_MAX;
    double m_readVersion = kNewestVersion;
    // Set by the first failed read: the archive refuses every read after it,
    // so that nothing read after a failure can refer to what the failure freed.
    bool m_failed = false;

    // One map numbers classes and objects from 1, in the order first seen.
    uint32_t m_nMapCount = 1;
    std::map<const void*, uint32_t> m_storeMap;
    struct LoadEntry {
        const CRuntimeClass* cls = nullptr;
        uint32_t schema = 0;
        CObject* obj = nullptr;
    };
    std::vector<LoadEntry> m_loadArray{LoadEntry{}};
};

} // namespace fw

// Declares and implements the run-time class of a serialisable class.
#define FW_DECLARE_SERIAL(class_name)                                                              \
public:                                                                                            \
    static const ::fw::CRuntimeClass class##class_name;                                            \
    const ::fw::CRuntimeClass* GetRuntimeClass() const override {                                  \
        return &class##class_name;                                                                 \
    }                                                                                              \
    static ::fw::CObject* CreateObject();

#define FW_IMPLEMENT_SERIAL(class_name, schema)                                                    \
    ::fw::CObject* class_name::CreateObject() {                                                    \
        return new class_name;                                                                     \
    }                                                                                              \
    const ::fw::CRuntimeClass class_name::class##class_name = {#class_name, (schema),              \
                                                               &class_name::CreateObject};         \
    namespace {                                                                                    \
    const bool g_registered##class_name =                                                          \
        (::fw::RegisterRuntimeClass(&class_name::class##class_name), true);                        \
    }

#define FW_RUNTIME_CLASS(class_name) (&class_name::class##class_name)
