// Merging the curves of a device's trip elements into one envelope.
//
// Everything here works on the graph's logical co-ordinates: X grows with the
// current, Y with the time, whole numbers held as doubles, so that equal
// positions compare equal. "Above" is a larger Y, "right" a larger X. Areas
// are tested with polygon regions (their shared units) rather than segment
// geometry.

#include "breakerdata/model/COneCurve.h"
#include "breakerdata/model/CdPointList.h"
#include "breakerdata/model/CurveNumbers.h"

#include "framework/DeviceContext.h"
#include "framework/Region.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>
#include <optional>
#include <vector>

namespace {

// How deep DoRectifiesPoints4 may call itself. Each level continues along
// the points cut off the level before; a sound envelope needs a handful of
// levels, and a pathological one must not exhaust the stack.
constexpr int kMaxRectifyDepth = 32;

using Iter = CdPointList::iterator;

bool SamePosition(const CdPoint& a, const CdPoint& b) {
    return a.m_dX == b.m_dX && a.m_dY == b.m_dY;
}

// The height at x of the line through j and i; none for a vertical segment,
// whose height is not defined.
std::optional<double> HeightAt(const CdPoint& j, const CdPoint& i, double x) {
    if (i.m_dX == j.m_dX)
        return std::nullopt;
    return j.m_dY - (j.m_dY - i.m_dY) / (i.m_dX - j.m_dX) * (x - j.m_dX);
}

// A slope as the text "%f" gives it (six decimals), so that slopes agreeing
// to six decimals compare equal. Two texts read back as equal numbers exactly
// when they are equal, except "-0.000000" and "0.000000" (both zero) and an
// undefined value (never equal), so the texts are compared with those two
// cases handled.
struct SixDecimals {
    char text[400];
    const char* begin = text;
    size_t size = 0;
    bool undefined = false;
    explicit SixDecimals(double v) {
        undefined = std::isnan(v);
        auto r = std::to_chars(text, text + sizeof text, v, std::chars_format::fixed, 6);
        size = r.ec == std::errc() ? static_cast<size_t>(r.ptr - text) : 0;
        if (size > 1 && text[0] == '-' &&
            std::all_of(text + 1, text + size, [](char c) { return c == '0' || c == '.'; })) {
            ++begin;
            --size;
        }
    }
    bool operator==(const SixDecimals& o) const {
        return !undefined && !o.undefined && size == o.size &&
               std::memcmp(begin, o.begin, size) == 0;
    }
};

// The heights of a polyline at x: where it arrives at x (top) and where it
// leaves it (bottom); the two differ at a vertical drop. The points rise in
// X, and for one X fall in Y. Left of its first point the polyline has no
// height; beyond its last point it keeps its last height, as the envelope is
// seen by DoCheckSkip.
struct Heights {
    double top;
    double bottom;
};

Heights HeightsAt(const std::vector<const CdPoint*>& pts, double x) {
    auto at = std::lower_bound(pts.begin(), pts.end(), x,
                               [](const CdPoint* p, double v) { return p->m_dX < v; });
    if (at == pts.end())
        return {pts.back()->m_dY, pts.back()->m_dY};
    if ((*at)->m_dX == x) {
        double top = (*at)->m_dY, bottom = top;
        for (auto it = at; it != pts.end() && (*it)->m_dX == x; ++it)
            bottom = (*it)->m_dY;
        return {top, bottom};
    }
    const CdPoint& a = **std::prev(at);
    const CdPoint& b = **at;
    double y = a.m_dY - (a.m_dY - b.m_dY) / (b.m_dX - a.m_dX) * (x - a.m_dX);
    return {y, y};
}

// Where a curve that starts on or above a part of the envelope first passes
// below it, as the point of the envelope there; none when it never does. The
// part of the envelope starts left of the curve's first point. Between two
// successive X of either polyline both are straight, so the first change of
// sign of their difference is found exactly, interval by interval.
std::optional<CdPoint> WhereCurvePassesBelow(const std::vector<const CdPoint*>& envelope,
                                             const CdPointList& curve) {
    std::vector<const CdPoint*> c;
    for (const auto& p : curve)
        c.push_back(p.get());
    const double x0 = c.front()->m_dX;
    std::vector<double> xs;
    for (const CdPoint* p : envelope)
        if (p->m_dX >= x0)
            xs.push_back(p->m_dX);
    for (const CdPoint* p : c)
        xs.push_back(p->m_dX);
    xs.push_back(x0);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());

    double prevX = x0;
    Heights prevE{}, prevC{};
    for (size_t k = 0; k < xs.size(); ++k) {
        const double x = xs[k];
        const Heights e = HeightsAt(envelope, x);
        const Heights h = HeightsAt(c, x);
        if (k > 0) {
            // On (prevX, x) the curve leaves prevX on or above the envelope.
            const double left = prevC.bottom - prevE.bottom;
            const double right = h.top - e.top;
            if (right < 0) {
                const double f = left / (left - right);
                return CdPoint(prevX + (x - prevX) * f, prevE.bottom + (e.top - prevE.bottom) * f);
            }
        }
        // A drop of the curve at x below where the envelope leaves x.
        if (h.bottom < e.bottom)
            return CdPoint(x, e.top);
        prevX = x;
        prevE = e;
        prevC = h;
    }
    return std::nullopt;
}

} // namespace

void CdPointList::DoMakeOneCurve(COneCurveList& curves) {
    bool predecessorChecked = false;
    auto& list = curves.Items();
    for (auto it = list.begin(); it != list.end(); ++it) {
        CdPointList& points = (*it)->m_listPoint;
        if (DoCheckSkip(points) == 1)
            continue;

        // The neighbours in the list, whether skipped or not.
        std::optional<CdPoint> next;
        if (auto after = std::next(it); after != list.end() && !(*after)->m_listPoint.IsEmpty())
            next = *(*after)->m_listPoint.GetHead();
        COneCurve* previous = it == list.begin() ? nullptr : std::prev(it)->get();
        double level = 0.0;
        std::optional<CdPoint> p1, p2;
        if (previous) {
            level = previous->m_dSaturation;
            const CdPointList& pp = previous->m_listPoint;
            if (pp.GetCount() >= 1)
                p1 = *pp.GetTail();
            if (pp.GetCount() >= 2)
                p2 = **std::prev(pp.end(), 2);
        }

        CdPointList setAside;
        int r = DoRectifiesPoints1(points, next ? &*next : nullptr, level, setAside);
        if (r != 2) {
            DoCombinatePoints(points);
            bool done = false;
            if (previous && !predecessorChecked) {
                int cut = 0;
                if (r == 0)
                    cut = previous->m_listPoint.DoRectifiesPoints3(*this);
                else if (r == 1)
                    cut = DoRectifiesPoints4(previous->m_listPoint);
                predecessorChecked = true;
                done = cut == 1;
            }
            if (!done) {
                DoCombinatePoints(setAside);
                DoRectifiesPoints2(p2 ? &*p2 : nullptr, p1 ? &*p1 : nullptr,
                                   next ? &*next : nullptr, level);
            }
        }
        setAside.DoDeleteAllPoints();
    }
}

int CdPointList::DoCheckSkip(const CdPointList& curve) const {
    if (IsEmpty())
        return 0;
    if (curve.IsEmpty())
        return 1;
    // Everything under the envelope, continued 10000 units to the right.
    std::vector<fw::CPoint> under;
    for (const auto& p : *this)
        under.emplace_back(TruncToInt(p->m_dX), TruncToInt(p->m_dY));
    const fw::CPoint first = under.front(), last = under.back();
    under.emplace_back(last.x + 10000, last.y);
    under.emplace_back(last.x + 10000, -10000);
    under.emplace_back(first.x, -10000);
    // Everything above the curve.
    std::vector<fw::CPoint> over;
    for (const auto& p : curve)
        over.emplace_back(TruncToInt(p->m_dX), TruncToInt(p->m_dY));
    const fw::CPoint cFirst = over.front(), cLast = over.back();
    over.emplace_back(cLast.x, 10000);
    over.emplace_back(cFirst.x, 10000);
    bool made = false;
    bool overlap =
        fw::CRgn::PolygonsOverlap(under.data(), static_cast<int>(under.size()), over.data(),
                                  static_cast<int>(over.size()), fw::WINDING, &made);
    return made && overlap ? 0 : 1;
}

void CdPointList::DoCombinatePoints(const CdPointList& points) {
    // The envelope's last point at the start decides for every point.
    std::optional<CdPoint> z;
    if (!IsEmpty())
        z = *GetTail();
    for (const auto& q : points) {
        if (!z || (q->m_dY <= z->m_dY && q->m_dX >= z->m_dX))
            AddTail(std::make_unique<CdPoint>(*q));
    }
}

int CdPointList::DoRectifiesPoints1(const CdPointList& curve, const CdPoint* next, double level,
                                    CdPointList& setAside) {
    if (curve.IsEmpty())
        return 0;
    const CdPoint c0 = *curve.GetHead();
    const CdPoint* c1 = curve.GetCount() >= 2 ? curve.GetAt(1) : nullptr;
    const CdPoint cN = *curve.GetTail();
    const int n = GetCount();
    auto& e = Items();
    int s = 0;

    // The point visited last (J, or the only point); it may be moved to T
    // after the walk. Once the envelope has been cut and continued along the
    // curve (s = 2), J may be gone with the cut-off points, and T is freed
    // anyway, so nothing is moved then.
    const CdPoint* lastVisited = e.empty() ? nullptr : e.back().get();

    // The crossing search from segment s0-s1 of the envelope ending at I.
    auto crossingSearch = [&](CdPoint& i, const CdPoint& j, const CdPoint& s0, const CdPoint& s1,
                              double a) {
        for (auto g = curve.begin(); g != curve.end(); ++g) {
            auto h = std::next(g);
            if (h == curve.end())
                break;
            if (auto x = DoGetCrossPoint(g->get(), h->get(), &s0, &s1)) {
                i = CdPoint(x->m_dX, x->m_dY);
                s = 1;
                return;
            }
        }
        if (i.m_dX < c0.m_dX)
            i = CdPoint(i.m_dX - a, cN.m_dY);
        if (next) {
            // A vertical segment has no slope to continue along: I stays.
            if (i.m_dX != j.m_dX) {
                double u = i.m_dY - (j.m_dY - i.m_dY) / (i.m_dX - j.m_dX) * (next->m_dX - i.m_dX);
                if (u <= cN.m_dY)
                    i = CdPoint(next->m_dX, u);
            }
            s = 1;
        } else {
            CdPoint* temp = AddTail(std::make_unique<CdPoint>(i.m_dX + 1000, i.m_dY));
            if (DoRectifiesPoints4(curve) == 1) {
                s = 2;
            } else {
                for (auto it = e.begin(); it != e.end(); ++it)
                    if (it->get() == temp) {
                        e.erase(it);
                        break;
                    }
                s = 1;
            }
        }
    };

    // The curve starts on or above the envelope, and the envelope goes on
    // right of the curve's start (from J: the segment J-I, the points set
    // aside, then its last height). The envelope is kept up to where the
    // curve first passes below it and the curve joins there, so that the
    // curve's drop is not lost; what lies right of the join stays set aside.
    // A curve that never passes below adds nothing: the envelope is put back
    // whole (2).
    bool joined = false;
    auto joinBelow = [&](Iter itJ) {
        joined = true;
        std::vector<const CdPoint*> part;
        for (Iter it = itJ; it != e.end(); ++it)
            part.push_back(it->get());
        for (const auto& p : setAside)
            part.push_back(p.get());
        const std::optional<CdPoint> x = WhereCurvePassesBelow(part, curve);
        if (!x) {
            while (!setAside.IsEmpty())
                AddTail(setAside.RemoveHead());
            s = 2;
            return;
        }
        while (!setAside.IsEmpty()) {
            const CdPoint& f = *setAside.GetHead();
            if (f.m_dX > x->m_dX || (f.m_dX == x->m_dX && f.m_dY <= x->m_dY))
                break;
            AddTail(setAside.RemoveHead());
        }
        CdPoint& last = *e.back();
        const CdPoint& before = **std::prev(e.end(), 2);
        if (last.m_dX > x->m_dX) {
            // The join lies on J-I.
            last = *x;
        } else if (!SamePosition(last, *x)) {
            // Beyond the envelope's end a level last segment is lengthened.
            if (x->m_dY == last.m_dY && before.m_dY == last.m_dY)
                last.m_dX = x->m_dX;
            else
                AddTail(std::make_unique<CdPoint>(*x));
        }
        s = 1;
    };

    if (!e.empty()) {
        Iter itI = std::prev(e.end());
        while (itI != e.begin()) {
            Iter itJ = std::prev(itI);
            CdPoint& j = **itJ;
            CdPoint& i = **itI;
            lastVisited = &j;
            if (j.m_dX >= c0.m_dX) {
                // Case 1: the envelope's segment lies right of the curve's start.
                if (i.m_dY < c0.m_dY && !next && DoRectifiesPoints4(curve) == 1)
                    return 2;
                setAside.AddHead(Detach(itI));
                itI = itJ;
                continue;
            }
            if (c0.m_dX < i.m_dX) {
                // Case 2: the curve starts inside the segment J-I.
                double t = *HeightAt(j, i, c0.m_dX);
                if (t > c0.m_dY) {
                    i = CdPoint(c0.m_dX, t);
                    s = 1;
                } else {
                    joinBelow(itJ);
                }
                break;
            }
            // Case 3: the curve starts at or right of the segment's end I.
            if (!setAside.IsEmpty()) {
                // I lies at the curve's start and the envelope goes on.
                std::optional<double> t = HeightAt(j, i, c0.m_dX);
                if (t && *t > c0.m_dY) {
                    i = CdPoint(c0.m_dX, *t);
                    s = 1;
                } else {
                    joinBelow(itJ);
                }
                break;
            }
            if (i.m_dY == level) {
                double x = c0.m_dX;
                // From the curve's first segment down to the level; a curve of
                // one point, or with a level first segment, has no slope to
                // follow and starts its step at its first point.
                if (level < c0.m_dY && c1 && c0.m_dY != c1->m_dY)
                    x = c0.m_dX + (c1->m_dX - c0.m_dX) / (c0.m_dY - c1->m_dY) * (c0.m_dY - level);
                AddTail(std::make_unique<CdPoint>(x, level));
                s = 1;
                break;
            }
            std::optional<double> t = HeightAt(j, i, c0.m_dX);
            if (t && *t > c0.m_dY) {
                i = CdPoint(c0.m_dX, *t);
                s = 1;
            } else if (cN.m_dY > i.m_dY) {
            } else if (i.m_dY != j.m_dY) {
                // I is the envelope's end (nothing is set aside here).
                if (level > 0) {
                    double x = i.m_dX - (i.m_dX - j.m_dX) / (j.m_dY - i.m_dY) * (level - i.m_dY);
                    i = CdPoint(x, level);
                    AddTail(std::make_unique<CdPoint>(c0.m_dX, level));
                } else if (i.m_dX < c0.m_dX) {
                    double a = (i.m_dX - j.m_dX) / (j.m_dY - i.m_dY) * (cN.m_dY - i.m_dY);
                    const CdPoint s0 = i, s1(i.m_dX - a, cN.m_dY);
                    crossingSearch(i, j, s0, s1, a);
                } else {
                    const CdPoint s0 = j, s1 = i;
                    crossingSearch(i, j, s0, s1, 0.0);
                }
            } else {
                if (i.m_dY <= c0.m_dY) {
                    // The level runs on to where the curve passes below it.
                    joinBelow(itJ);
                } else {
                    DeleteAt(itI);
                    itI = itJ;
                    continue;
                }
            }
            break;
        }
    }

    if (n == setAside.GetCount() + 1 && lastVisited && s != 2 && !joined) {
        for (auto it = e.begin(); it != e.end(); ++it)
            if (it->get() == lastVisited) {
                setAside.AddHead(Detach(it));
                break;
            }
    }
    return s;
}

void CdPointList::DoRectifiesPoints2(const CdPoint* p2, const CdPoint* p1, const CdPoint* next,
                                     double level) {
    if (!p2 || !p1 || !next)
        return;
    const double g = p2->m_dY == p1->m_dY ? 0.0 : (p1->m_dX - p2->m_dX) / (p2->m_dY - p1->m_dY);
    const double slope = p1->m_dX == p2->m_dX ? 0.0 : (p2->m_dY - p1->m_dY) / (p1->m_dX - p2->m_dX);
    const double h = p1->m_dY - slope * (next->m_dX - p1->m_dX);
    const CdPoint w(next->m_dX, h);

    auto& e = Items();
    if (e.empty())
        return;
    Iter itQ = std::prev(e.end());
    while (itQ != e.begin()) {
        Iter itR = std::prev(itQ);
        CdPoint& q = **itQ;
        const CdPoint& r = **itR;
        if (level > q.m_dY || q.m_dY <= h)
            return;
        if (q.m_dY <= r.m_dY) {
            q.m_dY = q.m_dY + (r.m_dY - q.m_dY) * 0.5;
            q.m_dX = g * (p1->m_dY - q.m_dY) + p1->m_dX;
            AddTail(std::make_unique<CdPoint>(w));
            return;
        }
        if (next->m_dX <= q.m_dX)
            DeleteAt(itQ);
        itQ = itR;
    }
}

int CdPointList::DoRectifiesPoints3(const CdPointList& other) {
    if (other.IsEmpty() || IsEmpty())
        return 0;
    auto& m = Items();
    std::unique_ptr<CdPoint> x;
    for (Iter q1 = std::prev(m.end()); q1 != m.begin() && !x; --q1) {
        Iter q0 = std::prev(q1);
        if ((*q0)->m_dX == (*q1)->m_dX)
            return 0;
        for (auto e1 = std::prev(other.end()); e1 != other.begin(); --e1) {
            auto e0 = std::prev(e1);
            if ((*q0)->m_dY < (*e0)->m_dY && (*q0)->m_dY < (*e1)->m_dY)
                break;
            x = DoGetCrossPoint(e0->get(), e1->get(), q0->get(), q1->get());
            if (x)
                break;
        }
    }
    if (!x)
        return 0;
    const CdPoint cross = *x;
    // Cut this curve at the crossing.
    while (!m.empty()) {
        if (m.back()->m_dX > cross.m_dX) {
            m.pop_back();
            continue;
        }
        AddTail(std::move(x));
        break;
    }
    for (const auto& p : other)
        if (p->m_dY < cross.m_dY)
            AddTail(std::make_unique<CdPoint>(*p));
    return 1;
}

int CdPointList::DoRectifiesPoints4(const CdPointList& other, int depth) {
    if (IsEmpty() || other.IsEmpty())
        return 0;
    if (depth >= kMaxRectifyDepth)
        return 0;
    auto& e = Items();
    std::unique_ptr<CdPoint> x;
    for (auto e1 = std::next(e.begin()); e1 != e.end() && !x; ++e1) {
        const CdPoint& pe0 = **std::prev(e1);
        const CdPoint& pe1 = **e1;
        for (auto p1 = std::next(other.begin()); p1 != other.end(); ++p1) {
            const CdPoint& pp0 = **std::prev(p1);
            const CdPoint& pp1 = **p1;
            if ((SamePosition(pp0, pe0) && SamePosition(pp1, pe1)) || SamePosition(pe0, pp1) ||
                SamePosition(pp0, pe1))
                break;
            x = DoGetCrossPoint(&pp0, &pp1, &pe0, &pe1);
            if (x)
                break;
        }
    }
    if (!x)
        return 0;
    const CdPoint cross = *x;

    // Cut the envelope at the crossing; what lies right of it goes to U.
    CdPointList rest;
    while (!e.empty()) {
        if (e.back()->m_dX > cross.m_dX) {
            rest.AddHead(RemoveTail());
            continue;
        }
        rest.AddHead(std::make_unique<CdPoint>(*e.back()));
        AddTail(std::move(x));
        break;
    }
    // Continue along the other curve below the crossing.
    for (const auto& p : other)
        if (p->m_dY < cross.m_dY)
            AddTail(std::make_unique<CdPoint>(*p));
    // And rejoin what was cut off, where it comes out again.
    if (DoRectifiesPoints4(rest, depth + 1) != 1 && !IsEmpty()) {
        const CdPoint tail = *GetTail();
        CdPoint* extra = AddTail(std::make_unique<CdPoint>(tail.m_dX + 1000, tail.m_dY));
        if (DoRectifiesPoints4(rest, depth + 1) != 1) {
            for (auto it = e.begin(); it != e.end(); ++it)
                if (it->get() == extra) {
                    e.erase(it);
                    break;
                }
        }
    }
    rest.DoDeleteAllPoints();
    return 1;
}

std::unique_ptr<CdPoint> CdPointList::DoGetCrossPoint(const CdPoint* pa, const CdPoint* pb,
                                                      const CdPoint* pc, const CdPoint* pd) {
    if (!pa || !pb || !pc || !pd)
        return nullptr;
    const CdPoint &a = *pa, &b = *pb, &c = *pc, &d = *pd;
    if (b.m_dX < a.m_dX || d.m_dX < c.m_dX || c.m_dX > b.m_dX || c.m_dY < b.m_dY ||
        a.m_dX > d.m_dX || a.m_dY < d.m_dY)
        return nullptr;

    const double m1 = b.m_dX == a.m_dX ? 0.0 : (a.m_dY - b.m_dY) / (b.m_dX - a.m_dX);
    const double w1 = a.m_dY == b.m_dY ? 0.0 : (b.m_dX - a.m_dX) / (a.m_dY - b.m_dY);
    const double m2 = d.m_dX == c.m_dX ? 0.0 : (c.m_dY - d.m_dY) / (d.m_dX - c.m_dX);
    if (SixDecimals(m1) == SixDecimals(m2))
        return nullptr;

    // Do the areas above a-b and below c-d overlap? X is taken at ten times
    // its scale, measured from the leftmost start.
    const double o = 10 * std::min(c.m_dX, a.m_dX);
    auto px = [o](double v) { return RoundAsText(10 * v - o); };
    auto py = [](double v) { return RoundAsText(v); };
    const std::vector<fw::CPoint> r1 = {{px(a.m_dX), py(a.m_dY) + 1000},
                                        {px(a.m_dX), py(a.m_dY)},
                                        {px(b.m_dX), py(b.m_dY)},
                                        {px(b.m_dX) + 1000, py(b.m_dY)},
                                        {px(b.m_dX) + 1000, py(a.m_dY) + 1000}};
    const std::vector<fw::CPoint> r2 = {{px(c.m_dX), py(c.m_dY) - 10000},
                                        {px(c.m_dX), py(c.m_dY)},
                                        {px(d.m_dX), py(d.m_dY)},
                                        {px(d.m_dX), py(d.m_dY) - 10000}};
    if (!fw::CRgn::PolygonsOverlap(r1.data(), static_cast<int>(r1.size()), r2.data(),
                                   static_cast<int>(r2.size()), fw::WINDING))
        return nullptr;

    const double e = std::min(d.m_dX, b.m_dX);
    double x;
    if (a.m_dX >= c.m_dX) {
        const double h = c.m_dY - (a.m_dX + (e - a.m_dX) * 0.5 - c.m_dX) * m2;
        if (d.m_dY > h)
            return nullptr;
        x = a.m_dX + (a.m_dY - h) * w1;
    } else {
        const double j = a.m_dY - (c.m_dX - a.m_dX) * m1;
        const double x0 = (a.m_dY - j) * w1 + a.m_dX;
        const double h = c.m_dY - (x0 + (e - x0) * 0.5 - c.m_dX) * m2;
        if (d.m_dY > h)
            return nullptr;
        x = x0 + w1 * (j - h);
    }
    const double y = c.m_dY - m2 * (x - c.m_dX);
    if (a.m_dX <= x && x <= b.m_dX && b.m_dY <= y && y <= a.m_dY && c.m_dX <= x && x <= d.m_dX &&
        d.m_dY <= y && y <= c.m_dY)
        return std::make_unique<CdPoint>(x, y);
    return nullptr;
}
