// The short-circuit calculation end to end on hand networks: prune, build,
// reduce and store in the calculation point, against values worked by hand.

#include "app/elements/supply/CEleSource.h"
#include "app/elements/supply/CEleTrans3.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjElement.h"
#include "app/shell/model/CObjElementList.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/CTovarineDocData.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class Network {
public:
    CObjElement* Place(int32_t kind, int col, int row) {
        CObjGroup* group = doc.m_listGroups.AddNewGroup();
        auto e = std::make_unique<CObjElement>(kind);
        fw::CPoint at(40 * col + 1, 40 * row + 1);
        e->SetSymbolRect(&at, nullptr);
        CObjElement* raw = e.get();
        group->SetElement(std::move(e));
        return raw;
    }
    // Source 6600 V, 500 MVA, X/R 25.
    CObjElement* Source(int col, int row) {
        CObjElement* e = Place(kKindSource, col, row);
        auto* m = static_cast<CEleSource*>(e->GetElement());
        m->m_nVoltage = 6600;
        m->m_nCapacity = 500;
        m->m_dXR = 25.0;
        return e;
    }
    // Transformer 6600/400 V, 1000 kVA, %Z 5, X/R 5, a calculation point.
    CObjElement* Transformer(int col, int row) {
        CObjElement* e = Place(kKindTrans3, col, row);
        auto* m = static_cast<CEleTrans3*>(e->GetElement());
        m->m_nVoltage = 6600;
        m->m_nVoltage2 = 400;
        m->m_dCapacity = 1000.0;
        m->m_dPercentZ = 5.0;
        m->m_dXR = 5.0;
        m->m_nCalcPoint = 1;
        return e;
    }
    CTovarineDocData doc;
};

// Hand values on P = 1000 kVA:
//   source   %Z = 1000 / 500 000 x 100 = 0.2 %, %R = 0.2 / sqrt(1 + 25^2) = 0.0079936,
//            %X = 25 %R = 0.1998402;
//   transformer %R = 5 / sqrt(1 + 5^2) = 0.9805807, %X = 4.9029034;
//   total %R = 0.9885743, %X = 5.1027436, |%Z| = 5.1976221;
//   In = 1000 / (sqrt 3 x 0.4) = 1443.3757 A; I"k3 = In x 100 / |%Z| = 27 769.9 A.
TEST(Calculation, TransformerBelowASourceGivesTheKnownFaultCurrent) {
    Network n;
    n.Source(0, 0);
    CObjElement* trans = n.Transformer(0, 2);
    CObjElementList all;
    n.doc.CollectElements(all);
    CPercentZ total = n.doc.CalcFromSourceElement(all, trans, 1);
    EXPECT_NEAR(total.m_dR, 0.9885743, 1e-6);
    EXPECT_NEAR(total.m_dX, 5.1027436, 1e-6);
    double ik3 = 0.0;
    static_cast<CEleTrans3*>(trans->GetElement())->m_calcPoint.DoCalcIk3Total(400, &ik3);
    EXPECT_NEAR(ik3, 27769.9, 0.05);
}

} // namespace
