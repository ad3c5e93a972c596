#pragma once

#include <QColor>

namespace tolvani {

// The WCAG 2 contrast ratio of two colours, from 1 (the same) to 21 (black
// on white). Text needs at least kReadableContrast against its background.
double contrastRatio(const QColor &a, const QColor &b);
inline constexpr double kReadableContrast = 4.5;

} // namespace tolvani
