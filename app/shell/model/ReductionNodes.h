#pragma once

#include "app/calc/CPercentZList.h"
#include "app/elements/frame/CEleFrame.h"

class CCalcTerms;
class CObjElement;
class CObjElementList;

// Build stage of a network reduction: one node per supply chain (per
// transformer or generator chain for the loop), per motor-effect chain, per
// junction and per branch, taken from the working list of elements, which
// it consumes. terms, when given, are the command's values of the
// elements of the list's skeleton.
void DoBuildPhase(CPercentZList& nodes, const CEleDocSettings& settings, CObjElementList& elements,
                  CObjElement* fault, CCalcTerms* terms = nullptr);
void DoBuildLoop(CPercentZList& nodes, const CEleDocSettings& settings, CObjElementList& elements,
                 CObjElement* fault, CCalcTerms* terms = nullptr);
