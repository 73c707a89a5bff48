#include "TestNetwork.h"

#include "app/calc/CCalcPoint.h"
#include "app/elements/protection/CEleContactor.h"
#include "app/elements/protection/CEleHVCB.h"
#include "app/elements/protection/CEleLVCB.h"
#include "app/elements/protection/CEleThermal.h"
#include "app/protection/CObjAdjust.h"
#include "app/records/ElementKinds.h"
#include "app/shell/model/CObjGroup.h"
#include "app/shell/model/ElementKindTable.h"

#include <memory>

namespace tvtest {

CObjElement* Place(CTovarineDocData& doc, int32_t kind, int col, int row, int32_t horizontal,
                   int cells) {
    auto owned = std::make_unique<CObjElement>(kind);
    CObjElement* e = owned.get();
    if (cells > 0) {
        fw::CRect r(0, 0, 40 * cells - 1, 39);
        e->SetSymbolRect(nullptr, &r);
    }
    if (horizontal != 0) {
        // A horizontal symbol lies on its side: its width and height swap.
        fw::CRect r;
        e->GetSymbolRect(&r);
        fw::CRect turned(0, 0, r.bottom - r.top, r.right - r.left);
        e->SetSymbolRect(nullptr, &turned);
        ElementKindTable::VisitVoid(
            kind, e->GetElement(), KindSet::Range(1, 16), [horizontal](auto& model) {
                if constexpr (requires { model.m_nHorizontal; })
                    model.m_nHorizontal = static_cast<decltype(model.m_nHorizontal)>(horizontal);
            });
    }
    fw::CPoint at(40 * col + 1, 40 * row + 1);
    e->SetSymbolRect(&at, nullptr);
    doc.m_listGroups.AddNewGroup()->SetElement(std::move(owned));
    return e;
}

CCalcPoint* CalcPointOf(const CObjElement* e) {
    if (!e)
        return nullptr;
    return ElementKindTable::Visit<CCalcPoint*>(
        e->GetKind(), e->GetElement(), KindSet::Range(1, 16), nullptr,
        [](auto& model) -> CCalcPoint* {
            if constexpr (requires { model.m_calcPoint; })
                return &model.m_calcPoint;
            else if constexpr (requires { model.m_part2.m_calcPoint; })
                return &model.m_part2.m_calcPoint; // the full winding
            else
                return nullptr;
        });
}

bool MarkCalcPoint(CObjElement* e, bool on) {
    if (!e)
        return false;
    return ElementKindTable::Visit<bool>(
        e->GetKind(), e->GetElement(), KindSet::Range(1, 16), false, [on](auto& model) {
            if constexpr (requires { model.m_nCalcPoint; }) {
                model.m_nCalcPoint = on ? 1 : 0;
                return true;
            } else if constexpr (requires { model.m_part2.m_nCalcPoint; }) {
                model.m_part2.m_nCalcPoint = on ? 1 : 0;
                return true;
            } else {
                return false;
            }
        });
}

namespace {

double At(const NetItem& item, size_t i, double otherwise = 0.0) {
    return i < item.values.size() ? item.values[i] : otherwise;
}

// The values every conductor kind takes alike.
template <class Conductor> void SetConductor(Conductor& c, const NetItem& item) {
    c.m_nVoltage = 400;
    c.m_basic.m_nWireSystem = 3;
    c.m_basic.m_dLength = At(item, 0);
    auto set = [&](auto& group, size_t i) {
        group.m_dRPerMetre = At(item, i);
        group.m_dXPerMetre = At(item, i + 1);
        if constexpr (requires { group.m_nCores; })
            group.m_nCores = 1;
    };
    set(c.m_phase3, 1);
    set(c.m_phaseN, 3);
    set(c.m_phasePE, 5);
    c.m_nHorizontal = static_cast<uint32_t>(item.horizontal);
    c.m_nCalcPoint = item.calcPoint ? 1 : 0;
}

} // namespace

CObjElement* PlaceElement(CTovarineDocData& doc, const NetItem& item) {
    const int cells = item.kind == kKindZeroCond ? static_cast<int>(At(item, 0, 6.0)) : 0;
    CObjElement* e = Place(doc, item.kind, item.col, item.row, item.horizontal, cells);
    switch (item.kind) {
    case kKindSource: {
        auto& m = ModelOf<CEleSource>(e);
        m.m_nVoltage = 6600;
        m.m_nCapacity = static_cast<int32_t>(At(item, 0));
        m.m_dXR = At(item, 1);
        break;
    }
    case kKindTrans3: {
        auto& m = ModelOf<CEleTrans3>(e);
        m.m_nVoltage = 6600;
        m.m_nVoltage2 = 400;
        m.m_dCapacity = At(item, 0);
        m.m_dPercentZ = At(item, 1);
        m.m_dXR = At(item, 2);
        m.m_nCalcPoint = item.calcPoint ? 1 : 0;
        break;
    }
    case kKindTrans1: {
        auto& m = ModelOf<CEleTrans1>(e);
        m.m_nVoltage = 6600;
        m.m_nVoltage2 = 210;
        m.m_dCapacity = At(item, 0);
        m.m_part2.m_dPercentZ = At(item, 1);
        m.m_part2.m_dXR = At(item, 2);
        m.m_part1.m_dPercentZ = At(item, 3, At(item, 1));
        m.m_part1.m_dXR = At(item, 4, At(item, 2));
        m.m_part2.m_nCalcPoint = item.calcPoint ? 1 : 0;
        break;
    }
    case kKindGenerator: {
        auto& m = ModelOf<CEleGenerator>(e);
        m.m_nVoltage = 400;
        m.m_dCapacity = At(item, 0);
        m.m_dSubReactance = At(item, 1);
        m.m_dTransientReactance = At(item, 1) * 1.5;
        m.m_dSubConstant = At(item, 2);
        m.m_dDcConstant = At(item, 3);
        m.m_nCalcPoint = item.calcPoint ? 1 : 0;
        break;
    }
    case kKindMotorEff: {
        auto& m = ModelOf<CEleMotorEff>(e);
        m.m_nVoltage = 400;
        m.m_dCapacity = At(item, 0);
        m.m_dSubReactance = At(item, 1);
        m.m_dRotorResistance = At(item, 2);
        m.m_dStatorResistance = At(item, 3);
        m.m_nCalcPoint = item.calcPoint ? 1 : 0;
        break;
    }
    case kKindZeroCond: {
        auto& m = ModelOf<CEleZeroCond>(e);
        m.m_nVoltage = 400;
        m.m_nCalcPoint = item.calcPoint ? 1 : 0;
        break;
    }
    case kKindBusBar:
        SetConductor(ModelOf<CEleBusBar>(e), item);
        break;
    case kKindWire:
        SetConductor(ModelOf<CEleWire>(e), item);
        break;
    case kKindBusDuct:
        SetConductor(ModelOf<CEleBusDuct>(e), item);
        break;
    case kKindLVCB: {
        // A 400 V breaker of the rated current given (100 A when none).
        auto& m = ModelOf<CEleLVCB>(e);
        CObjAdjust* adjust = m.GetAdjust();
        adjust->m_infoBase.m_nVoltage = 400;
        adjust->m_infoBase.m_dRatedValue = At(item, 0, 100.0);
        m.m_nVoltage = 400;
        m.m_nCalcPoint = item.calcPoint ? 1 : 0;
        m.m_nOff = item.off ? 1 : 0;
        break;
    }
    case kKindContactor: {
        auto& m = ModelOf<CEleContactor>(e);
        m.SetVoltage(400);
        m.m_nCalcPoint = item.calcPoint ? 1 : 0;
        break;
    }
    case kKindHVCB: {
        // A 6600 V breaker on a 200/5 A current transformer.
        auto& m = ModelOf<CEleHVCB>(e);
        m.SetVoltage(6600);
        m.GetAdjust()->m_infoBase.m_nCT1Current = 200;
        m.GetAdjust()->m_infoBase.m_nCT2Current = 5;
        m.m_nCalcPoint = item.calcPoint ? 1 : 0;
        m.m_nOff = item.off ? 1 : 0;
        break;
    }
    case kKindThermal: {
        auto& m = ModelOf<CEleThermal>(e);
        m.SetVoltage(400);
        m.m_nCalcPoint = item.calcPoint ? 1 : 0;
        break;
    }
    case kKindMotor:
        ModelOf<CEleMotor>(e).m_nVoltage = 400;
        break;
    case kKindLoad:
        ModelOf<CEleLoad>(e).m_nVoltage = 400;
        break;
    case kKindCapacitor:
        ModelOf<CEleCapacitor>(e).m_nVoltage = 400;
        break;
    default:
        break;
    }
    return e;
}

CalcNet::CalcNet(const std::vector<NetItem>& items, bool mirrored, int mirrorColumns) {
    for (NetItem item : items) {
        if (mirrored && item.horizontal != 0)
            item.horizontal = item.horizontal == 1 ? 2 : 1;
        CObjElement* e = PlaceElement(doc, item);
        if (mirrored) {
            // x becomes 40 c + 1 - x: a cell's left edge 40 k + 1 becomes the
            // left edge of the mirrored cell, and the symbol keeps its width.
            fw::CRect r;
            e->GetSymbolRect(&r);
            fw::CPoint at(40 * mirrorColumns + 1 - r.right, r.top);
            e->SetSymbolRect(&at, nullptr);
        }
        if (!m_byName.emplace(item.name, e).second)
            throw std::invalid_argument("two symbols named " + item.name);
    }
}

CObjElement* CalcNet::operator[](const std::string& name) const {
    auto it = m_byName.find(name);
    if (it == m_byName.end())
        throw std::invalid_argument("no symbol named " + name);
    return it->second;
}

const CCalcPoint* CalcNet::PointOf(const std::string& name) const {
    const CCalcPoint* point = CalcPointOf((*this)[name]);
    if (!point)
        throw std::invalid_argument(name + " has no calculation point");
    return point;
}

double CalcNet::Ik3(const std::string& name) const {
    double i = 0.0;
    PointOf(name)->DoCalcIk3Total(400, &i);
    return i;
}

double CalcNet::Ik1N(const std::string& name) const {
    return PointOf(name)->GetCurrentIk1NTotal(400);
}

double CalcNet::Ik1PE(const std::string& name) const {
    return PointOf(name)->GetCurrentIk1PETotal(400);
}

} // namespace tvtest
