#pragma once

#include "app/calc/CPercentZList.h"
#include "app/elements/frame/CEleFrame.h"

class CObjElement;
class CObjElementList;

// Build stage of a network reduction: one node per supply chain (per
// transformer or generator chain for the loop), per motor-effect chain, per
// junction and per branch, taken from the working list of elements, which
// it consumes.
void DoBuildPhase(CPercentZList& nodes, const CEleDocSettings& settings, CObjElementList& elements,
                  CObjElement* fault);
void DoBuildLoop(CPercentZList& nodes, const CEleDocSettings& settings, CObjElementList& elements,
                 CObjElement* fault);
