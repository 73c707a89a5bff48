#pragma once

#include <QPageLayout>
#include <QPageSize>

#include <cstdint>

namespace fw {

// Orientation and paper codes as the documents store them (1 portrait,
// 2 landscape; paper sizes numbered as the printer settings of the platform
// number them, 9 for A4) and the page settings of the printer they stand for.
constexpr int16_t DMORIENT_PORTRAIT = 1;
constexpr int16_t DMORIENT_LANDSCAPE = 2;
constexpr int16_t DMPAPER_A4 = 9;

QPageLayout::Orientation OrientationFromCode(int16_t code);
int16_t OrientationToCode(QPageLayout::Orientation orientation);
// An unknown code gives an invalid page size.
QPageSize PageSizeFromPaperCode(int16_t code);
// A size without a code of its own gives 0.
int16_t PaperCodeFromPageSize(const QPageSize& size);

} // namespace fw
