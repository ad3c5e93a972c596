#include "error.h"

namespace tolvani {

QString Error::report() const
{
    return QStringLiteral("Error %1: %2").arg(number).arg(description);
}

} // namespace tolvani
