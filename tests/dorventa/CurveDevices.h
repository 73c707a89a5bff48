#pragma once

// Devices of the reference databases read as a loaded document reads them,
// their curves computed as the protective-device elements compute them, and
// mapped onto a log-log graph for merging. Shared by the curve tests and the
// curve benchmark.

#include "breakerdata/model/CInfoBase.h"
#include "breakerdata/model/CInfoLine.h"
#include "breakerdata/model/CInfoPart.h"
#include "breakerdata/model/COneCurve.h"
#include "breakerdata/model/CReadBase.h"
#include "breakerdata/model/CReadPart.h"

#include "framework/Database.h"
#include "framework/ProgramFolder.h"

#include <cmath>
#include <stdexcept>
#include <string>

namespace dvtest {

struct CurveDevice {
    CInfoBase info;
    CReadBase base;
    CInfoPartList settings;
    CReadPartList parts;
    CInfoLine line; // band flag 1
};

struct OpenDatabases {
    fw::CDatabase breaker;
    fw::CDatabase curves;
    OpenDatabases() {
        breaker.Open(fw::GetProgramFolder() + "dorventa.mdb");
        curves.Open(fw::GetProgramFolder() + "orbelune.mdb");
    }
};

// The default selection of a type (kind flag, type id) at a circuit voltage,
// with its default settings and the curves of its trip elements; the
// operating kind is the index-th of the type.
inline void ReadDevice(OpenDatabases& db, CurveDevice& d, int kindFlag, int32_t typeID,
                       int32_t voltage, int opeKindIndex = 0) {
    d.info.m_nKindFlag = kindFlag;
    d.info.m_lTypeID = typeID;
    d.info.m_nVoltage = voltage;
    int32_t rated = typeID > 0 ? d.info.DoReadDefaultByTypeID(&db.breaker, &d.base, opeKindIndex)
                               : d.info.DoReadDefaultInfoBase(&db.breaker, &d.base, opeKindIndex);
    if (rated <= 0)
        throw std::runtime_error("no rating for the device");
    if (d.settings.DoReadDefaultAllInfoPart(&db.breaker, rated, &d.parts) <= 0)
        throw std::runtime_error("no trip elements for the device");
    if (d.parts.DoReadAllCurveInfos(&db.breaker, &db.curves, &d.settings) <= 0)
        throw std::runtime_error("no curves for the device");
}

// The typical, upper and lower curves of every trip element, in element
// order; a band curve an element lacks is derived from its typical curve.
struct DeviceCurves {
    COneCurveList typical, upper, lower;
};

inline void ComputeCurves(const CurveDevice& d, DeviceCurves& out, double offset = 0.0) {
    auto setting = d.settings.begin();
    for (auto part = d.parts.begin(); part != d.parts.end() && setting != d.settings.end();
         ++part, ++setting) {
        const CInfoPart& s = **setting;
        const CReadPart& p = **part;
        out.typical.DoCalcSetAllOneCurves(2, d.info, d.base, s, p, offset);
        if (out.upper.DoCalcSetAllOneCurves(1, d.info, d.base, s, p, offset) != 1)
            out.upper.DoCalcSetErrorCurves(1, d.info, d.base, s, p, d.line, offset);
        if (out.lower.DoCalcSetAllOneCurves(3, d.info, d.base, s, p, offset) != 1)
            out.lower.DoCalcSetErrorCurves(3, d.info, d.base, s, p, d.line, offset);
    }
}

// A log-log graph: 500 units a decade, currents from 10 A, times from 1 ms.
// A computed X is a current times the device's voltage.
struct Graph {
    double voltage = 400;
    static constexpr double kDecade = 500;
    static constexpr double kMinCurrent = 10;
    static constexpr double kMinTime = 0.001;

    double X(double currentTimesVoltage) const {
        return std::round(kDecade * std::log10(currentTimesVoltage / voltage / kMinCurrent));
    }
    static double Y(double time) { return std::round(kDecade * std::log10(time / kMinTime)); }

    // The points, and the saturation level where there is one, become graph
    // co-ordinates.
    void Map(COneCurveList& curves) const {
        for (auto& c : curves) {
            for (auto& p : c->m_listPoint)
                *p = CdPoint(X(p->m_dX), Y(p->m_dY));
            if (c->m_dSaturation > 0)
                c->m_dSaturation = Y(c->m_dSaturation);
        }
    }
};

// Maps a working copy of the curves and merges it into the envelope.
inline void MergeOnGraph(const COneCurveList& curves, const Graph& graph, CdPointList& envelope) {
    COneCurveList work;
    work.DoCopyAllOneCurves(curves);
    graph.Map(work);
    envelope.DoDeleteAllPoints();
    envelope.DoMakeOneCurve(work);
}

} // namespace dvtest
