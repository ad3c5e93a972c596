#pragma once

namespace tolvani {

// The windows ask for the Windows faces they were laid out in; where those
// are missing, the nearest faces from the system's packages stand in.
void installFontSubstitutes();

} // namespace tolvani
