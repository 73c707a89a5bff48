#include "tests/fuzz/GroupLibraryFuzzInput.h"

#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CRegistGroup.h"

#include "framework/Archive.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

[[noreturn]] void Fault(const char* what) {
    std::fprintf(stderr, "group library fuzz: %s\n", what);
    std::abort();
}

std::vector<CObjGroup*> Pointers(CObjGroupList& list) {
    std::vector<CObjGroup*> groups;
    for (auto& g : list)
        groups.push_back(g.get());
    return groups;
}

} // namespace

void RunGroupLibraryFuzzInput(const uint8_t* data, size_t size) {
    CObjGroupList list;
    try {
        CRegistGroup::Load(std::vector<uint8_t>(data, data + size), list);
    } catch (const fw::CArchiveException&) {
        if (!list.IsEmpty())
            Fault("a refused library handed out groups");
        return;
    }
    const std::vector<uint8_t> stored = CRegistGroup::Store(Pointers(list));
    CObjGroupList again;
    try {
        CRegistGroup::Load(stored, again);
    } catch (const fw::CArchiveException& e) {
        std::fprintf(stderr, "%s\n", e.what());
        Fault("an accepted library, stored, does not read back");
    }
    if (again.GetCount() != list.GetCount())
        Fault("the library read back holds another number of groups");
    if (CRegistGroup::Store(Pointers(again)) != stored)
        Fault("the library read back stores other bytes");
    // What a copy to the clipboard or a paste takes: deep copies.
    CObjGroupList copies;
    for (auto& group : list)
        copies.AddTail(std::make_unique<CObjGroup>(*group));
    if (CRegistGroup::Store(Pointers(copies)) != stored)
        Fault("a copy of the library stores other bytes");
}
