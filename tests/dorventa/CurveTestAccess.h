#pragma once

// The private steps of the curve merge, for the tests that pin them.

#include "breakerdata/model/CdPointList.h"

#include <initializer_list>
#include <memory>
#include <utility>
#include <vector>

struct CdPointListTestAccess {
    static std::unique_ptr<CdPoint> Cross(const CdPoint& a, const CdPoint& b, const CdPoint& c,
                                          const CdPoint& d) {
        return CdPointList::DoGetCrossPoint(&a, &b, &c, &d);
    }
    static int Rectify4(CdPointList& envelope, const CdPointList& other) {
        return envelope.DoRectifiesPoints4(other);
    }
    static int Rectify1(CdPointList& envelope, const CdPointList& curve, const CdPoint* next,
                        double level, CdPointList& setAside) {
        return envelope.DoRectifiesPoints1(curve, next, level, setAside);
    }
    static int CheckSkip(const CdPointList& envelope, const CdPointList& curve) {
        return envelope.DoCheckSkip(curve);
    }
};

namespace dvtest {

inline CdPointList MakePoints(std::initializer_list<std::pair<double, double>> pts) {
    CdPointList list;
    for (auto [x, y] : pts)
        *list.DoAddNewPoint() = CdPoint(x, y);
    return list;
}

inline std::vector<std::pair<double, double>> PointsOf(const CdPointList& list) {
    std::vector<std::pair<double, double>> out;
    for (const auto& p : list)
        out.emplace_back(p->m_dX, p->m_dY);
    return out;
}

} // namespace dvtest
