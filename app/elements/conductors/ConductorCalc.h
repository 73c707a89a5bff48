#pragma once

#include "framework/Geometry.h"

#include <cstdint>

class CPercentZ;

// Turns a conductor's symbol rectangle by 90 degrees about its centre onto
// the 40-unit grid (divisions truncate toward zero) and inverts the
// horizontal flag.
void DoRotateConductorRect(fw::CRect& rect, uint32_t& horizontal);

// The percent impedance of one conductor group, the same rule for the wire,
// the bus-bar and the bus-duct. V is the circuit voltage (whole volts), P
// the base capacity (kVA), L the length (m), R and X the group's values in
// use per metre (mohms/m) and n its parallel cores (1 for bars and ducts).
// out is reset first; then:
//  - V <= 0: all zero;
//  - group 1, three-phase: %R = R P L / n / V^2 x 100, %X alike;
//  - group 1, single-phase three-wire circuit: mode 1 the loop at V/2
//    (whole-number halving) with a factor 2; mode 2 the same at V, with the
//    difference to the V/2 value in the half-voltage pair; other modes zero;
//  - group 2 (N) when the wire system is 2 or 3, group 3 (PE) when it is 3:
//    the N or PE pair by the three-phase formula.
void DoCalcConductorPercentZ(CPercentZ& out, int32_t voltage, double baseCapacity, double length,
                             uint32_t group, uint32_t mode, uint32_t singlePhase,
                             uint32_t wireSystem, double rPerMetre, double xPerMetre, double cores);
