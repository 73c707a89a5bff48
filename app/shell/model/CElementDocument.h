#pragma once

#include <cstdint>

class CCurrent;
class CObjAdjust;
class CObjElement;

// What the element object needs of the project document: the numbering
// counters, the settings a new or edited element takes, the undo snapshot,
// the circuit-value queries over the neighbours and the propagations that
// push an element's values along the skeleton. The document implements it;
// tests give a small document of their own.
//
// Directions are the codes 16 up, 32 right, 64 down, 128 left (masks combine
// them). Values of 0 found by a query mean that none was found.
class CElementDocument {
public:
    virtual ~CElementDocument() = default;

    // The last number given to an element of the kind (the text box's
    // counter included); 0 for a kind without one.
    virtual int32_t GetCounter(int32_t kind) const = 0;
    // Raises the kind's counter and returns the new value.
    virtual int32_t IncrementCounter(int32_t kind) = 0;

    virtual int32_t GetMode() const = 0;        // 1 drawing .. 8
    virtual int32_t GetFrequency() const = 0;   // Hz
    virtual double GetBaseCapacity() const = 0; // kVA, the skeleton's
    // Replaces the one-level undo snapshot by the current state.
    virtual void SaveUndo() = 0;
    // A new frequency for the whole document: every element re-reads its
    // frequency-dependent values (CObjElement::DoReadZFromDB), the settings
    // keep the frequency, the views are redrawn. The default has no elements
    // to tell and keeps nothing.
    virtual void DoChangeFrequency(int32_t frequency) { (void)frequency; }
    // Back to checking the skeleton after an edit that invalidated the
    // calculation: mode 2, sub-mode 0, modified, every view redrawn with
    // hint 8. A document without modes has nothing to go back from.
    virtual void DoReturnToCheckMode() {}
    // Back to drawing after an edit that made the check stale: mode 1,
    // sub-mode 0, modified, every view redrawn with hint 8.
    virtual void DoReturnToDrawingMode() {}
    // Clears the selection marker of every low-voltage breaker that names
    // the breaker of the kind and number as upstream.
    virtual void DoClearUpstreamMarkers(uint32_t kind, uint32_t number) {
        (void)kind;
        (void)number;
    }
    // The upstream breaker a low-voltage breaker's selection marker names:
    // its characteristic, rated current, instantaneous start current and
    // (low-voltage) Icu, in A. A document without elements finds none.
    virtual CObjAdjust* GetUpstreamAdjust(CCurrent& marker, double* rated, double* iinst,
                                          double* icu) {
        (void)marker;
        *rated = *iinst = *icu = 0.0;
        return nullptr;
    }

    // The voltage of the connected supply side in the directions of the
    // mask, with its single-phase flag through singlePhase when given.
    virtual int32_t FindVoltage(CObjElement* element, int32_t* singlePhase, int32_t mask) = 0;
    virtual uint32_t FindWireSystem(CObjElement* element, int32_t mask) = 0;
    virtual uint32_t FindEarthingSystem(CObjElement* element, int32_t mask) = 0;
    // The supply capacity above the element (kVA).
    virtual double GetUpstreamCapacity(CObjElement* element) = 0;

    // Push values to the connected elements below, above, left and right.
    // Earthing and wire system 0 and poles -1 leave those values as they are.
    virtual void DoPropagateDown(CObjElement* element, int32_t singlePhase, int32_t volts,
                                 int32_t earthing, int32_t wireSystem, int32_t poles) = 0;
    virtual void DoPropagateUp(CObjElement* element, int32_t singlePhase, int32_t volts,
                               int32_t earthing, int32_t wireSystem, int32_t poles) = 0;
    virtual void DoPropagateLeft(CObjElement* element, int32_t volts, int32_t earthing,
                                 int32_t wireSystem, int32_t poles) = 0;
    virtual void DoPropagateRight(CObjElement* element, int32_t volts, int32_t earthing,
                                  int32_t wireSystem, int32_t poles) = 0;
};
