#include "tests/fuzz/CatalogueFuzzInput.h"

#include "catalogue/model/CZedezuziDocData.h"
#include "catalogue/model/ZedezuziIds.h"

#include "breakerdata/recordsets/DorventaDatabases.h"
#include "framework/Archive.h"
#include "framework/MessageBox.h"
#include "framework/StringTable.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

[[noreturn]] void Stop(const char* what) {
    std::fprintf(stderr, "catalogue fuzz: %s\n", what);
    std::abort();
}

// The versions as the catalogue program sets them up at start.
struct CVersions {
    CVersions() {
        program.m_strCountry = fw::LoadString(zzid::IDS_COUNTRY);
        program.m_strMaker = fw::LoadString(zzid::IDS_MAKER);
        program.m_strProduct = fw::LoadString(zzid::IDS_PRODUCT);
        program.m_strVersion = fw::LoadString(zzid::IDS_PROGRAM_VERSION);
        program.m_strLanguage = fw::LoadString(zzid::IDS_LANGUAGE);
        program.m_strMdbVersion = fw::LoadString(zzid::IDS_DATABASE_VERSION);
        last = program;
        *accepted.DoAddNewVersion() = program;
        versions.m_pProgram = &program;
        versions.m_pLastDocument = &last;
        versions.m_pAccepted = &accepted;
    }
    CVersion program;
    CVersion last;
    CVersionList accepted;
    CZedezuziVersions versions;
};

// The breaker database beside the program, opened once for the whole run.
fw::CDatabase* Breaker(const CVersions& v) {
    static fw::CDatabase* db = [&v] {
        CVersion expected = v.program;
        CVersion reading = v.program;
        fw::CDatabase* opened = DLLGetMDBDorventa(&expected, &reading);
        if (!opened)
            Stop("the breaker database beside the program cannot be opened");
        return opened;
    }();
    return db;
}

size_t g_messages = 0;

std::vector<uint8_t> Store(CZedezuziDocData& doc, const CZedezuziVersions& v) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    doc.Serialize(ar, v);
    return ar.Bytes();
}

bool Load(CZedezuziDocData& doc, std::vector<uint8_t> bytes, const CZedezuziVersions& v,
          std::string* message = nullptr) {
    fw::CArchive ar = fw::CArchive::ForLoading(std::move(bytes));
    try {
        doc.Serialize(ar, v);
    } catch (const fw::CArchiveException& e) {
        if (message)
            *message = e.what();
        return false;
    }
    return true;
}

std::vector<uint8_t> CheckStable(CZedezuziDocData& doc, CVersions& v) {
    std::vector<uint8_t> first = Store(doc, v.versions);
    CZedezuziDocData back;
    std::string message;
    if (!Load(back, first, v.versions, &message)) {
        std::fprintf(stderr, "catalogue fuzz: %s\n", message.c_str());
        Stop("a stored document does not read back");
    }
    if (Store(back, v.versions) != first)
        Stop("a stored document reads back different");
    return first;
}

} // namespace

void RunCatalogueFuzzInput(const uint8_t* data, size_t size) {
    static CVersions v;
    g_messages = 0;
    CZedezuziDocData doc;
    if (!Load(doc, std::vector<uint8_t>(data, data + size), v.versions))
        return;
    const std::vector<uint8_t> stored = CheckStable(doc, v);
    {
        fw::MessageSink previous = fw::SetMessageSink([](const fw::MessageRequest&) {
            ++g_messages;
            return fw::mb::IdOk;
        });
        doc.DoRebuildTables(Breaker(v));
        fw::SetMessageSink(previous);
    }
    doc.DoSaveUndo();
    if (!doc.DoRestoreUndo())
        Stop("an undo snapshot just taken is not there");
    if (Store(doc, v.versions) != stored)
        Stop("a document put back from its undo snapshot stores different");
}

size_t CatalogueFuzzMessages() {
    return g_messages;
}
