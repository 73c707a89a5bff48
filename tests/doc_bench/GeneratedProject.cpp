#include "GeneratedProject.h"

#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"
#include "framework/Archive.h"
#include "framework/CompoundFile.h"

#include <memory>

namespace benchproject {

namespace {

CObjElement* Place(CTovarineDocData& doc, int32_t kind, int col, int row) {
    CObjGroup* group = doc.m_listGroups.AddNewGroup();
    auto e = std::make_unique<CObjElement>(kind);
    fw::CPoint at(kGridUnit * col + 1, kGridUnit * row + 1);
    e->SetSymbolRect(&at, nullptr);
    CObjElement* raw = e.get();
    group->SetElement(std::move(e));
    raw->DoInitNewElement(doc);
    return raw;
}

} // namespace

// The installations on a grid of 20 a row, each 7 cells wide and 16 high.
void Generate(CTovarineDocData& doc, int installations) {
    doc.m_infoProject.m_strProject = "Benchmark";
    doc.m_listGraphs.DoAddNewGraph(1, 0, 10.0, 1e5, 0.01, 1e5);
    for (int k = 0; k < installations; ++k) {
        const int col = (k % 20) * 7;
        const int row = (k / 20) * 16;
        Place(doc, kKindSource, col + 2, row);
        Place(doc, kKindTrans3, col + 2, row + 2);
        Place(doc, kKindBusBar, col + 2, row + 5);
        Place(doc, kKindZeroCond, col, row + 9);
        for (int f = 0; f < 3; ++f) {
            CObjElement* cable = Place(doc, kKindWire, col + 2 * f, row + 10);
            CObjElement* consumer =
                Place(doc, f == 1 ? kKindLoad : kKindMotor, col + 2 * f, row + 14);
            if (consumer->GetKind() == kKindMotor)
                consumer->AddToGraph(1, 0);
            if ((k + f) % 2 != 0)
                continue;
            for (auto& group : doc.m_listGroups)
                if (group->GetElement() == cable || group->GetElement() == consumer)
                    group->m_nSelected = 1;
            CObjGroup* feeder = doc.m_listGroups.AddNewGroup();
            feeder->DoGroupSelected(nullptr, doc.m_listGroups);
            feeder->m_strName = "Feeder";
            doc.m_listGroups.SetSelectAll(0, true, true);
        }
    }
}

void SaveFile(CTovarineDocData& doc, const std::string& path) {
    fw::CArchive ar = fw::CArchive::ForStoring();
    doc.Serialize(ar);
    fw::CCompoundFile file;
    file.SetStream("Contents", ar.Bytes());
    file.Save(path);
}

} // namespace benchproject
