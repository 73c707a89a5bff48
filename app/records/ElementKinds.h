#pragma once

#include <cstdint>

// The kinds of the elements on the skeleton, as the project file stores them
// (a signed 32-bit word before each element's model record). 1 to 16 are the
// electrical elements, 200 the text box; any other value is a kind this
// program does not know, kept as it stands with no model.
constexpr int32_t kKindHVCB = 1;    // high-voltage circuit breaker
constexpr int32_t kKindLVCB = 2;    // low-voltage circuit breaker
constexpr int32_t kKindThermal = 3; // thermal relay
constexpr int32_t kKindSource = 4;
constexpr int32_t kKindTrans3 = 5; // three-phase transformer
constexpr int32_t kKindGenerator = 6;
constexpr int32_t kKindMotorEff = 7; // motor effect
constexpr int32_t kKindZeroCond = 8; // zero conductor (junction)
constexpr int32_t kKindBusBar = 9;
constexpr int32_t kKindWire = 10;
constexpr int32_t kKindContactor = 11;
constexpr int32_t kKindMotor = 12;
constexpr int32_t kKindLoad = 13; // general load
constexpr int32_t kKindCapacitor = 14;
constexpr int32_t kKindBusDuct = 15;
constexpr int32_t kKindTrans1 = 16; // single-phase transformer
constexpr int32_t kKindText = 200;  // text box

// Whether the kind is one of the electrical elements (1 to 16).
constexpr bool IsElectricalKind(int32_t kind) {
    return kind >= kKindHVCB && kind <= kKindTrans1;
}

// The kinds whose model carries an orientation word (0 vertical, 1 or 2
// horizontal).
constexpr bool IsRotatableKind(int32_t kind) {
    return kind == kKindLVCB || kind == kKindBusBar || kind == kKindWire || kind == kKindBusDuct;
}

// The kinds that show a characteristic curve on co-ordination graphs.
constexpr bool IsCurveKind(int32_t kind) {
    return kind == kKindHVCB || kind == kKindLVCB || kind == kKindThermal || kind == kKindTrans3 ||
           kind == kKindMotor || kind == kKindCapacitor || kind == kKindTrans1;
}

// Direction codes of the skeleton's connections; masks combine them.
constexpr int32_t kDirUp = 16;
constexpr int32_t kDirRight = 32;
constexpr int32_t kDirDown = 64;
constexpr int32_t kDirLeft = 128;
