#pragma once

#include <QString>

namespace tolvani {

// Empties the system clipboard, then puts `text` on it as plain text.
void putOnClipboard(const QString &text);

} // namespace tolvani
