#include "PaperCodes.h"

#include <utility>

namespace fw {

namespace {

const std::pair<int16_t, QPageSize::PageSizeId> kPapers[] = {
    {1, QPageSize::Letter},      {3, QPageSize::Tabloid},
    {4, QPageSize::Ledger},      {5, QPageSize::Legal},
    {6, QPageSize::Statement},   {7, QPageSize::Executive},
    {8, QPageSize::A3},          {9, QPageSize::A4},
    {11, QPageSize::A5},         {12, QPageSize::JisB4},
    {13, QPageSize::JisB5},      {14, QPageSize::Folio},
    {15, QPageSize::Quarto},     {20, QPageSize::Envelope10},
    {27, QPageSize::EnvelopeDL}, {28, QPageSize::EnvelopeC5},
    {29, QPageSize::EnvelopeC3}, {30, QPageSize::EnvelopeC4},
    {31, QPageSize::EnvelopeC6}, {34, QPageSize::EnvelopeB4},
    {35, QPageSize::EnvelopeB5}, {37, QPageSize::EnvelopeMonarch},
    {66, QPageSize::A2},         {70, QPageSize::A6},
};

} // namespace

QPageLayout::Orientation OrientationFromCode(int16_t code) {
    return code == DMORIENT_LANDSCAPE ? QPageLayout::Landscape : QPageLayout::Portrait;
}

int16_t OrientationToCode(QPageLayout::Orientation orientation) {
    return orientation == QPageLayout::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
}

QPageSize PageSizeFromPaperCode(int16_t code) {
    for (const auto& [c, id] : kPapers) {
        if (c == code)
            return QPageSize(id);
    }
    return QPageSize();
}

int16_t PaperCodeFromPageSize(const QPageSize& size) {
    for (const auto& [c, id] : kPapers) {
        if (size.id() == id)
            return c;
    }
    return 0;
}

} // namespace fw
