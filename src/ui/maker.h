#pragma once

#include <QLatin1StringView>

namespace tolvani::maker {

// Who makes Tolvani; the title band, the About window and the feature
// notice all read these.
inline constexpr QLatin1StringView kAuthor("The Tolvani developers");
inline constexpr QLatin1StringView kEmail("tolvani@example.org");
inline constexpr QLatin1StringView kWebSite("https://tolvani.example.org");

} // namespace tolvani::maker
