#include "categories.h"

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

    // The source's categories in lower case, matched as wordTypeName
    // matches a code: the category is lowered and compared exactly.
    using Row = std::pair<QLatin1StringView, QLatin1StringView>;
    static constexpr std::array rows{
        Row{"n", "n"},           Row{"adj", "a"},         Row{"adv", "adv"},
        Row{"v", "v"},           Row{"vt", "vt"},         Row{"vi", "vi"},
        Row{"vti", "vti"},       Row{"phrv", "phrv"},     Row{"phrvt", "phrvt"},
        Row{"phrvi", "phrvi"},   Row{"idm", "idm"},       Row{"prep", "prep"},
        Row{"pron", "pron"},     Row{"conj", "conj"},     Row{"det", "det"},
        Row{"interj", "interj"}, Row{"pref", "pref"},     Row{"suffix", "suffix"},
        Row{"comb form", "comb form"}, Row{"auxv", "auxV"}, Row{"mv", "mv"},
        Row{"interro", "interro"}, Row{"rel pron", "rel pron"}, Row{"refl pron", "refl pron"},
        Row{"part", "part"},     Row{"vneg", "vneg"},     Row{"propn", "propn"},
        // A handful of entries say VP for a verb with its particle.
        Row{"vp", "phrv"},
    };
    const QString lowered = name.toString().toLower();
    for (const auto &[source, code] : rows) {
        if (lowered == source)
            return QString(code);
    }
    return std::nullopt;
}

} // namespace tolvani::dicbuild
