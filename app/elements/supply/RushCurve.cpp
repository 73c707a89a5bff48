#include "RushCurve.h"

#include "breakerdata/model/CdPointList.h"

#include <cmath>

namespace {

void Append(CdPointList& points, double x, double y) {
    CdPoint* point = points.DoAddNewPoint();
    point->m_dX = x;
    point->m_dY = y;
}

} // namespace

int DoCalcRushCurvePoints(CdPointList& points, double current, double peak, double dampingTime) {
    points.DoDeleteAllPoints();
    const double I = current;
    if (!(I > 0.0))
        return 0;
    const double k = peak;
    const double tau = dampingTime;
    // The scan starts far above the curve: ten time constants, read as
    // seconds, and steps down by a tenth each time.
    double t = 10.0 * tau;
    bool first = false;
    while (t >= 0.01) {
        double Ii = k * I * std::exp((0.01 - t) / (tau / 1000.0));
        if (Ii >= I) {
            if (!first) {
                Append(points, I, 1000.0 * t);
                Append(points, I, t + t / 5.0);
                Append(points, I + I / 30.0, t + t / 10.0);
                first = true;
                if (I + I / 30.0 < Ii)
                    Append(points, Ii, t);
                else
                    Append(points, I + I / 10.0, t);
            } else {
                Append(points, Ii, t);
            }
        }
        t -= t / 10.0;
    }
    const double kI = k * I;
    Append(points, kI, 0.01);
    Append(points, kI - kI / 100.0, 0.0095);
    Append(points, kI - kI / 30.0, 0.009);
    Append(points, kI - kI / 15.0, 0.0087);
    Append(points, kI - kI / 5.0, 0.0082);
    Append(points, I / 10.0, 0.005);
    return 1;
}
