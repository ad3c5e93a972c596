#pragma once

#include "ui/twips.h"

#include <QColor>

namespace tolvani::about_layout {

// The About window, in twips. Everything but Frame1 sits inside Frame1.
inline constexpr TwipsSize kClientArea{6615, 2700};

inline constexpr Placement kFrame1{{30, -30, 6555, 2700}, 0};
inline constexpr Placement kCommand1{{5115, 2055, 1200, 375}, 6}; // "Thanks"
inline constexpr Placement kLabel11{{1155, 1080, 4335, 195}, 7};
inline constexpr Placement kLabel4{{2190, 1530, 1860, 195}, 4};
inline constexpr Placement kLabel2{{105, 150, 5505, 360}, 3};
inline constexpr Placement kLabel3{{135, 555, 2910, 195}, 2};
inline constexpr Placement kLabel10{{2100, 1800, 2025, 195}, 1};
inline constexpr Placement kLabel1{{105, 150, 5505, 360}, 5};

inline constexpr QColor kPanelColour{255, 255, 255};
inline constexpr QColor kTitleColour{255, 128, 0};
inline constexpr QColor kTextColour{64, 64, 64};
inline constexpr QColor kLinkColour{0, 0, 192};

} // namespace tolvani::about_layout
