#include "tests/fuzz/ArchiveFuzzInput.h"

#include "app/calc/CCalcPoint.h"
#include "app/calc/CPercentZ.h"
#include "app/protection/CGraphNoList.h"
#include "app/records/CObjRefV1List.h"
#include "app/records/CObjRefV2List.h"
#include "app/records/CObjRefV4List.h"
#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CInfoLine.h"
#include "breakerdata/model/CInfoPart.h"
#include "framework/Archive.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

using fw::CArchive;

[[noreturn]] void Stop(const char* what) {
    std::fprintf(stderr, "archive fuzz: %s\n", what);
    std::abort();
}

std::vector<uint8_t> StoreObject(const fw::CObject* object) {
    CArchive ar = CArchive::ForStoring();
    ar.WriteObject(object);
    return ar.Bytes();
}

// An object stored, loaded in a new archive (the newest layout) and stored
// again gives the same bytes.
void CheckObjectStable(const fw::CObject* object) {
    std::vector<uint8_t> first = StoreObject(object);
    CArchive in = CArchive::ForLoading(first);
    std::unique_ptr<fw::CObject> back = in.ReadOwnedObject();
    if (in.Remaining() != 0)
        Stop("a stored object does not read back whole");
    if (StoreObject(back.get()) != first)
        Stop("a stored object reads back different");
}

template <class Record> std::vector<uint8_t> StoreRecord(Record& record) {
    CArchive ar = CArchive::ForStoring();
    record.Serialize(ar);
    return ar.Bytes();
}

// An embedded record (no class tag) read from the input, then the same check.
// The record lives as long as the archive, as a document's records do while
// it loads: the objects it owns may be referred to later.
template <class Record> void ReadRecord(CArchive& ar, std::vector<std::shared_ptr<void>>& keep) {
    auto owner = std::make_shared<Record>();
    keep.push_back(owner);
    Record& record = *owner;
    record.Serialize(ar);
    std::vector<uint8_t> first = StoreRecord(record);
    CArchive in = CArchive::ForLoading(first);
    Record back;
    back.Serialize(in);
    if (in.Remaining() != 0)
        Stop("a stored record does not read back whole");
    if (StoreRecord(back) != first)
        Stop("a stored record reads back different");
}

} // namespace

void RunArchiveFuzzInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return;
    static const double kVersions[] = {1.0, 1.02, 1.1, 1.15, 1.2};
    CArchive ar = CArchive::ForLoading(std::vector<uint8_t>(data + 1, data + size));
    if (data[0] < 5)
        ar.SetReadVersion(kVersions[data[0]]);
    std::vector<std::unique_ptr<fw::CObject>> owned;
    std::vector<std::shared_ptr<void>> records;
    int errors = 0;
    while (errors < 3 && ar.Remaining() > 0) {
        try {
            uint8_t op = 0;
            ar >> op;
            switch (op % 12) {
            case 0:
                owned.push_back(ar.ReadOwnedObject());
                break;
            case 1:
                // Looking into the object finds one that was freed.
                if (const fw::CObject* object = ar.ReadReferenceObject())
                    if (!object->GetRuntimeClass())
                        Stop("an object without a class");
                break;
            case 2:
                ar.ReadString();
                break;
            case 3:
                ar.ReadCount();
                break;
            case 4:
                ReadRecord<CGraphNoList>(ar, records);
                break;
            case 5:
                ReadRecord<CObjRefV1List>(ar, records);
                break;
            case 6:
                ReadRecord<CObjRefV2List>(ar, records);
                break;
            case 7:
                ReadRecord<CObjRefV4List>(ar, records);
                break;
            case 8:
                ReadRecord<CCalcPoint>(ar, records);
                break;
            case 9:
                ReadRecord<CInfoBase>(ar, records);
                break;
            case 10:
                ReadRecord<CInfoLine>(ar, records);
                break;
            case 11:
                ReadRecord<CPercentZ>(ar, records);
                break;
            }
        } catch (const fw::CArchiveException&) {
            ++errors;
        }
    }
    for (const auto& object : owned)
        if (object)
            CheckObjectStable(object.get());
}
