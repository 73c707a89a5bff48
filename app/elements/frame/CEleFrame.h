#pragma once

#include "app/elements/frame/CEleHead.h"
#include "app/records/CObjRefV1List.h"
#include "app/records/CObjRefV4List.h"
#include "app/records/DialogSeam.h"
#include "app/records/EleDocSettings.h"
#include "app/records/FileVersion.h"

#include <cstdint>
#include <functional>
#include <string>

class CCurrent;
class CObjAdjust;

// What the element object hands a model when a new element is set up: the
// element's number and the circuit values found on its neighbours (0 where
// none was found). Each model takes the values its kind uses.
struct CEleInitArgs {
    uint32_t nNumber = 0;
    int32_t nVoltage = 0;     // from the directions the kind asks
    int32_t nVoltageUp = 0;   // transformers: the voltage found above
    int32_t nVoltageDown = 0; // transformers: the voltage found below
    int32_t nSinglePhase = 0; // reported by the voltage query
    uint32_t nEarthing = 0;
    uint32_t nWireSystem = 0;
    double dBaseCapacity = 0.0;   // kVA; for the kinds that take it
    double dSupplyCapacity = 0.0; // kVA; the motor effect's supply above
    int32_t nFrequency = 50;      // Hz, the document's
};

// CEleDocSettings and CEleInvalidate: app/records/EleDocSettings.h.

// What an edit needs of the document and the view. The element object fills
// it; while the dialog runs, Current() gives it to the dialog side of the
// seam (mode locks, frequency).
struct CEleEditContext {
    CEleDocSettings settings;
    fw::CDC* pDC = nullptr;         // the view's context, for the labels
    std::function<void()> saveUndo; // before the copy is taken back
    CEleInvalidate invalidate;      // a logical area, erased
    // Takes the document back to checking the skeleton (mode 2, sub-mode 0),
    // marks it modified and redraws every view with hint 8: the conductors
    // call it when an edit makes a new calculation point in a calculated
    // mode, whose results do not exist yet.
    std::function<void()> returnToCheckMode;
    // Takes the document back to drawing (mode 1, sub-mode 0), marks it
    // modified and redraws every view with hint 8: a low-voltage breaker
    // given another rated current makes the check and everything after it
    // stale.
    std::function<void()> returnToDrawingMode;
    // Clears every selection marker of the document's low-voltage breakers
    // that names the breaker of this kind (1 high-, 2 low-voltage) and
    // number as upstream: its result was worked out for another type.
    std::function<void(uint32_t kind, uint32_t number)> clearUpstreamMarkers;
    // The generator's dialog (and the source's) change the document's
    // frequency: every element takes the new frequency (the conductors
    // re-read their reactances), then the document keeps it and the view is
    // redrawn. Unset: nothing outside the model changes.
    std::function<void(int32_t frequency)> setFrequency;
    // Above 0 when the neighbours fix the element's voltage: the protective
    // elements' dialogs then keep their voltage box disabled.
    int32_t nVoltageLock = 0;
    // The upstream breaker a low-voltage breaker's selection marker names
    // (the document's GetUpstreamAdjust): what its dialog needs to work a
    // cascade or discrimination result out again for another type. Unset:
    // no document, no upstream breaker.
    std::function<CObjAdjust*(CCurrent& marker, double* rated, double* iinst, double* icu)>
        findUpstream;

    // The context of the edit now running; null outside an edit.
    static const CEleEditContext* Current();

    // Makes a context current for as long as it lives.
    class Scope {
    public:
        explicit Scope(const CEleEditContext& context);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        const CEleEditContext* m_previous;
    };
};

// The dialog result of an edit that was not confirmed.
constexpr int32_t kEditCancelled = 2;

// The frame of the electrical element models (kinds 1 to 16): the head, the
// circuit values the element object reads and writes directly, the
// placements on the skeleton and the impedance map, the selection of both,
// the hit test, the marked fill of the symbol, the labels and the edit flow.
//
// A model derives from it and hides a member with its own of the same name
// where its kind answers differently (a transformer's voltage by side, the
// bus-bar's earthing setter). The element object calls the members on the
// model's own class, so hiding is enough; nothing here is virtual.
class CEleFrame : public CEleHead {
public:
    explicit CEleFrame(const fw::CRect& initialRect) : CEleHead(initialRect) {}

    // Circuit values. A voltage below 1 is refused: the argument comes back
    // and nothing changes. The setters return the old value.
    int32_t GetVoltage(int32_t side = 0) const;
    int32_t SetVoltage(int32_t volts, int32_t side = 0);
    uint32_t GetEarthingSystem() const { return m_nEarthing; }
    uint32_t SetEarthingSystem(uint32_t code);
    uint32_t GetWireSystem() const { return m_nWireSystem; }
    uint32_t SetWireSystem(uint32_t code);
    uint32_t GetErrorMark() const { return m_nErrorMark; }
    void SetErrorMark(uint32_t mark) { m_nErrorMark = mark; }

    // Selection: code 0 the element, code 100 its first skeleton placement.
    // Setting the element's flag to anything but 1 also clears that
    // placement's selection.
    void SetSelect(int32_t value);
    void DoSelect(int32_t code, int32_t value, uint32_t flags);
    int32_t IsSelected(int32_t code) const;
    // The first skeleton placement when it is selected, else null.
    CObjRefV1* GetOnlyRefV1() const;

    // Code 0: the point on the symbol; code 100: on the label of the first
    // skeleton placement.
    int32_t IsHittedSymbol(fw::CPoint point, int32_t code) const;
    // The symbol with the name and label of every skeleton placement.
    void GetUnionRect(fw::CRect* rect) const;

    int32_t m_nVoltage = 0;      // V
    uint32_t m_nEarthing = 0;    // earthing code, 1 TN-S .. 5 IT
    uint32_t m_nWireSystem = 0;  // 1 3 phases, 2 with N, 3 with N and PE
    uint32_t m_nErrorMark = 0;   // set by the skeleton check
    uint32_t m_nSinglePhase = 0; // kinds that carry it; others leave it 0
    CObjRefV1List m_listRefV1;   // placements on the skeleton
    CObjRefV4List m_listRefV4;   // placements on the impedance map

protected:
    CEleFrame(const CEleFrame&) = default;
    CEleFrame& operator=(const CEleFrame&) = default;

    // Items of the version tail, written in this order; on loading each is
    // read only from its file version on and otherwise takes its default.
    enum TailItem : uint32_t {
        kTailEarthing = 1,    // from 1.1, else 4 (TT)
        kTailWireSystem = 2,  // from 1.1, else 1 (three phases)
        kTailErrorMark = 4,   // from 1.15, else 0
        kTailSinglePhase = 8, // from 1.2, else 0
    };
    void SerializeTail(fw::CArchive& ar, uint32_t items);

    // One value of a record that files have held only since a version.
    template <class T>
    static void SerializeFrom(fw::CArchive& ar, double version, T& value, T fallback);

    // The two placement lists, skeleton first, as object lists.
    void SerializeRefLists(fw::CArchive& ar);

    // Steps 1 to 5 of the set-up: name and number; then, only the first
    // time, the voltage, the earthing code (the list database's default when
    // none is given) and the wire system (the default of the earthing code
    // when none is given). True when the class defaults are to be filled.
    bool DoInitCircuit(const std::string& prefix, const CEleInitArgs& args);

    // The symbol's fill and pen: the fill is magenta while the error mark is
    // 1 on the skeleton on screen (mode 0), else white, and is kept in the
    // fill field; the geometry is drawn by draw(pDC, centre) with the
    // model's pen selected; the context's pen and background come back.
    void DoDrawSymbolFrame(fw::CDC* pDC, int32_t mode,
                           const std::function<void(fw::CDC*, fw::CPoint)>& draw);

    // Name (layout 8) and label (layout 4) at every placement; the union
    // rectangle of the last one.
    fw::CRect DoLayoutLabelsV1(fw::CDC* pDC, const std::string& label);
    fw::CRect DoLayoutLabelsV4(fw::CDC* pDC, const std::string& label);
    // Name and label drawn at every placement, red when the element is
    // selected.
    void DoDrawLabelsV1(fw::CDC* pDC, const std::string& label);
    void DoDrawLabelsV4(fw::CDC* pDC, const std::string& label);

    // The edit flow of every electrical model: the dialog (through the
    // model's seam) edits a copy; on OK the document's undo snapshot is
    // taken, the copy comes back, the labels are laid out again and the old
    // area, the symbol and the new label area are invalidated; 1. Otherwise
    // kEditCancelled and nothing changed. The model's own DoLayoutRefV1List
    // (pDC, settings) lays out the labels.
    template <class Model> static int32_t DoEditWithSeam(Model& self, const CEleEditContext& ctx);
};

template <class T>
void CEleFrame::SerializeFrom(fw::CArchive& ar, double version, T& value, T fallback) {
    if (ar.IsStoring())
        ar << value;
    else if (GetFileVersionNumber(ar) >= version)
        ar >> value;
    else
        value = fallback;
}

template <class Model> int32_t CEleFrame::DoEditWithSeam(Model& self, const CEleEditContext& ctx) {
    const fw::CRect oldArea = self.m_listRefV1.GetRect(0);
    CEleEditContext::Scope scope(ctx);
    bool ok = DialogSeam<Model>::Edit(self, [&ctx] {
        if (ctx.saveUndo)
            ctx.saveUndo();
    });
    if (!ok)
        return kEditCancelled;
    const fw::CRect newArea = self.DoLayoutRefV1List(ctx.pDC, ctx.settings);
    if (ctx.invalidate) {
        ctx.invalidate(oldArea);
        ctx.invalidate(self.m_rectSymbol);
        ctx.invalidate(newArea);
    }
    return 1;
}
