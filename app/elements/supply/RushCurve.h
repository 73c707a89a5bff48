#pragma once

class CdPointList;

// The inrush (rush) current curve of a transformer, shared by the three-phase
// and the single-phase transformer. current is the rated current in amperes
// times the circuit voltage, peak the rush peak as a multiple of the rated
// current and dampingTime the damping time constant in milliseconds.
//
// The curve rises at the rated current from a thousand times the first
// scanned time at which the decaying rush current reaches it, follows the
// rush current down to 10 ms, where it peaks, and closes over four fixed
// points to a tenth of the rated current at 5 ms. The points hold (current,
// time in seconds). Returns 0, with the list emptied, when current is not
// above 0; otherwise 1.
int DoCalcRushCurvePoints(CdPointList& points, double current, double peak, double dampingTime);
