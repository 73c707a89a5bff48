#include "tests/fuzz/CompoundFuzzInput.h"

#include "tests/fuzz/CatalogueFuzzInput.h"
#include "tests/fuzz/DocumentFuzzInput.h"

#include "framework/CompoundFile.h"
#include "resources/StringTables.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

[[noreturn]] void Stop(const char* what) {
    std::fprintf(stderr, "compound fuzz: %s\n", what);
    std::abort();
}

bool SameTree(const fw::CCompoundFile::CEntry& a, const fw::CCompoundFile::CEntry& b) {
    if (a.name != b.name || a.storage != b.storage || a.data != b.data ||
        a.children.size() != b.children.size())
        return false;
    if (a.storage && a.classId != b.classId)
        return false;
    for (size_t i = 0; i < a.children.size(); ++i) {
        if (!SameTree(a.children[i], b.children[i]))
            return false;
    }
    return true;
}

} // namespace

void RunCompoundFuzzInput(const uint8_t* data, size_t size) {
    fw::CCompoundFile file;
    try {
        file = fw::CCompoundFile::FromBytes(std::vector<uint8_t>(data, data + size), "fuzz.tv2");
    } catch (const fw::CCompoundFileException&) {
        return;
    }
    // What the programs write back of a file they read: every storage and
    // stream as it was.
    std::vector<uint8_t> written;
    fw::CCompoundFile back;
    try {
        written = file.ToBytes();
        back = fw::CCompoundFile::FromBytes(written, "fuzz.tv2");
    } catch (const fw::CCompoundFileException& e) {
        std::fprintf(stderr, "compound fuzz: %s\n", e.what());
        Stop("a compound file read is not written and read back");
    }
    // The root's own name is the format's, whatever the file said.
    back.Root().name = file.Root().name;
    if (!SameTree(file.Root(), back.Root()))
        Stop("a compound file reads back different");
    if (back.ToBytes() != written)
        Stop("a compound file writes different the second time");

    const std::vector<uint8_t>* contents = file.FindStream("Contents");
    if (!contents)
        return;
    RegisterTovarineStrings();
    RunDocumentFuzzInput(contents->data(), contents->size());
    RegisterZedezuziStrings();
    RunCatalogueFuzzInput(contents->data(), contents->size());
}
