#include "CTovarineDocData.h"

namespace {

// Where each kind's counter sits among the fifteen stored counters.
int CounterSlot(int32_t kind) {
    switch (kind) {
    case 9: return 0;
    case 14: return 1;
    case 6: return 2;
    case 1: return 3;
    case 13: return 4;
    case 2: return 5;
    case 12: return 6;
    case 7: return 7;
    case 4: return 8;
    case 3: return 9;
    case 11: return 10;
    case 5: return 11;
    case 10: return 12;
    case 8: return 13;
    case 0: return 14; // co-ordination graphs
    default: return -1;
    }
}

} // namespace

CTovarineDocData::CTovarineDocData() = default;
CTovarineDocData::~CTovarineDocData() = default;

int32_t* CTovarineDocData::CounterOf(int32_t kind) {
    int slot = CounterSlot(kind);
    if (slot >= 0)
        return &m_nCounters[static_cast<size_t>(slot)];
    switch (kind) {
    case 15: return &m_nCountBusDuct;
    case 16: return &m_nCountTrans1;
    case 200: return &m_nTextCounter;
    default: return nullptr;
    }
}

int32_t CTovarineDocData::GetCounter(int32_t kind) const {
    const int32_t* counter = const_cast<CTovarineDocData*>(this)->CounterOf(kind);
    return counter ? *counter : 0;
}

int32_t CTovarineDocData::IncrementCounter(int32_t kind) {
    int32_t* counter = CounterOf(kind);
    if (!counter)
        return 0;
    return ++*counter;
}

void CTovarineDocData::SetCounter(int32_t kind, int32_t value) {
    if (int32_t* counter = CounterOf(kind))
        *counter = value;
}
