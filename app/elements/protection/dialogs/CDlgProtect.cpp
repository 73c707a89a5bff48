#include "CDlgProtect.h"

#include "app/elements/protection/dialogs/ProtectDialogKit.h"
#include "tools/Filvaron.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

using namespace machinedlg;

namespace {

constexpr unsigned kIds[3] = {1172, 1174, 1176};
constexpr const char* kLabels[3] = {"3Phases(cycles):", "N(cycles):", "PE(cycles):"};

// The largest time a frequency admits; 0 where no limit applies.
double LimitOf(int32_t frequency) {
    if (frequency == 50)
        return 250.0;
    if (frequency == 60)
        return 300.0;
    return 0.0;
}

bool IsWholeHalfCycles(double cycles) {
    return DLLGetBeamsNumber(cycles * 2.0, 0) == 0;
}

} // namespace

CDlgProtect::CDlgProtect(CProtectCycles& cycles, QWidget* parent)
    : CRowDialog(197, "Interception cycle", parent), m_cycles(cycles) {
    Rows()->addRow(
        new QLabel(QStringLiteral("Please input by the integral multiple of 0.5 cycles."), this));
    for (int i = 0; i < 3; ++i) {
        m_wndCycles[i] = AddEdit(kIds[i], kLabels[i], false, 5);
        OnEdited(m_wndCycles[i], [this, i](const std::string& text) {
            const std::optional<double> value = protectdlg::ParseNumber(text);
            if (!value || *value < 0.0) {
                EnableOk(false);
                return;
            }
            m_cycles.dCycles[i] = *value;
            if (*value <= 0.0 || !IsWholeHalfCycles(*value)) {
                EnableOk(false);
                return;
            }
            const double limit = LimitOf(m_cycles.nFrequency);
            if (limit > 0.0)
                EnableOk(*value <= limit);
        });
    }
    SetCheck([this]() -> uint32_t {
        const unsigned bad = protectdlg::DoCheckTypedFields(
            *this, {{kIds[0], kLabels[0]}, {kIds[1], kLabels[1]}, {kIds[2], kLabels[2]}});
        if (bad != 0)
            return bad;
        return DoCheckCycles();
    });
    // Each time with the decimals it needs: with one significant digit, as
    // first written, 2.5 cycles would show as "2" while 2.5 is kept.
    Quietly([this] {
        for (int i = 0; i < 3; ++i)
            SetText(m_wndCycles[i], DLLGetTextByBeams(m_cycles.dCycles[i], 0));
    });
    if (m_cycles.nWireSystem == 1) {
        m_wndCycles[1]->setEnabled(false);
        m_wndCycles[2]->setEnabled(false);
    } else if (m_cycles.nWireSystem == 2) {
        m_wndCycles[2]->setEnabled(false);
    }
}

bool CDlgProtect::IsGoodCycles(double cycles, int32_t frequency) {
    // Only typing asks for a value above 0: a group the wire system lacks
    // may hold 0, and the wire's check takes such a time as one cycle.
    if (!IsWholeHalfCycles(cycles))
        return false;
    const double limit = LimitOf(frequency);
    return limit <= 0.0 || cycles <= limit;
}

uint32_t CDlgProtect::DoCheckCycles() const {
    for (int i = 0; i < 3; ++i) {
        if (!IsGoodCycles(m_cycles.dCycles[i], m_cycles.nFrequency))
            return kIds[i];
    }
    return 0;
}
