#include "tests/fuzz/DocumentFuzzInput.h"

#include "app/shell/model/CTovarineDocData.h"
#include "framework/Archive.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void Stop(const char* what) {
    std::fprintf(stderr, "document fuzz: %s\n", what);
    std::abort();
}

std::vector<uint8_t> Store(CTovarineDocData& doc) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    doc.Serialize(ar);
    return ar.Bytes();
}

// Loads as the document opens a file; false for a stream it refuses.
bool Load(CTovarineDocData& doc, std::vector<uint8_t> bytes) {
    fw::CArchive ar = fw::CArchive::ForLoading(std::move(bytes));
    try {
        doc.Serialize(ar);
    } catch (const fw::CArchiveException&) {
        doc.DoResetData();
        return false;
    }
    if (ar.Remaining() != 0) {
        doc.DoResetData();
        return false;
    }
    return true;
}

} // namespace

void RunDocumentFuzzInput(const uint8_t* data, size_t size) {
    CTovarineDocData doc;
    if (!Load(doc, std::vector<uint8_t>(data, data + size)))
        return;
    const std::vector<uint8_t> first = Store(doc);
    {
        CTovarineDocData back;
        if (!Load(back, first))
            Stop("a stored project does not read back");
        if (Store(back) != first)
            Stop("a stored project reads back different");
    }
    doc.SaveUndo();
    if (!doc.DoRestoreUndo())
        Stop("an undo snapshot just taken is not there");
    if (Store(doc) != first)
        Stop("a project put back from its undo snapshot stores different");
}
