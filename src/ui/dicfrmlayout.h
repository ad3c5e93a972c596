#pragma once

#include "ui/twips.h"

#include <QColor>

namespace tolvani::dicfrm_layout {

// The main window, in twips. Positions inside Frame1 are relative to it.
inline constexpr TwipsSize kClientArea{7665, 4890};

inline constexpr Placement kCommand1{{6090, 4380, 1470, 345}, 3};  // "Exit"
inline constexpr Placement kCommand2{{6090, 4050, 1470, 345}, 12}; // "About"
inline constexpr Placement kCommand4{{6090, 3720, 1470, 345}, 18}; // "Charactors"
inline constexpr Placement kCommand3{{6090, 3375, 1470, 360}, 17}; // "Pronounce"
inline constexpr Placement kWExample{{2475, 3360, 3450, 1365}, 15};
inline constexpr Placement kText1{{60, 1230, 2280, 300}, 14};
inline constexpr Placement kWType{{2475, 1545, 1860, 330}, 7};
inline constexpr Placement kWMeaning{{2475, 2265, 5145, 735}, 2};
inline constexpr Placement kList1{{60, 1545, 2280, 3180}, 1};
inline constexpr Placement kFrame1{{15, -30, 7770, 900}, 0};
inline constexpr Placement kLabel10{{105, 615, 4440, 195}, 13}; // in Frame1
inline constexpr Placement kLabel7{{105, 405, 2910, 195}, 11};  // in Frame1
inline constexpr Placement kLabel6{{105, 75, 4650, 315}, 10};   // in Frame1
inline constexpr Placement kLabel5{{120, 90, 4650, 315}, 9};    // in Frame1
inline constexpr Placement kLabel9{{4545, 1035, 3195, 825}, 19};
inline constexpr Placement kLabel11{{5835, 2025, 1770, 240}, 16};
inline constexpr Placement kLabel4{{2475, 1320, 795, 195}, 8};
inline constexpr Placement kLabel3{{2475, 3120, 1035, 195}, 6};
inline constexpr Placement kLabel2{{2475, 2025, 2220, 195}, 5};
inline constexpr Placement kLabel1{{45, 990, 1020, 195}, 4};

inline constexpr QColor kBandColour{64, 64, 64};
inline constexpr QColor kTitleColour{255, 128, 0};
inline constexpr QColor kTitleShadowColour{0, 0, 0};
inline constexpr QColor kCreditColour{192, 192, 192};
inline constexpr QColor kContactColour{192, 192, 255};
inline constexpr QColor kNoteColour{64, 64, 64};

} // namespace tolvani::dicfrm_layout
