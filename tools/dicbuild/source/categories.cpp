#include "source/categories.h"

#include "lookup/wordtypes.h"

#include <QLatin1StringView>

#include <array>
#include <utility>

namespace tolvani::dicbuild {

std::optional<QString> wordTypeCode(QStringView category)
{
    QStringView name = category.trimmed();
    if (name.startsWith(u"Abbr", Qt::CaseInsensitive))
        return QStringLiteral("abbr:");
    if (const qsizetype slash = name.indexOf(u'/'); slash >= 0)
        name = name.first(slash).trimmed();
    if (name.endsWith(u'.'))
        name.chop(1);

    // The source writes most categories as the program's word-type codes,
    // in other letter case; these two it names otherwise. A handful of
    // entries say VP for a verb with its particle.
    using Alias = std::pair<QLatin1StringView, QLatin1StringView>;
    static constexpr std::array aliases{Alias{"adj", "a"}, Alias{"vp", "phrv"}};
    const QString lowered = name.toString().toLower();
    for (const auto &[source, code] : aliases) {
        if (lowered == source)
            return QString(code);
    }
    if (const WordType *type = findWordType(lowered))
        return type->code.toString();
    return std::nullopt;
}

} // namespace tolvani::dicbuild
