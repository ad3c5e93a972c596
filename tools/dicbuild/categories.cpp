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

    using Row = std::pair<const char *, const char *>;
    static constexpr std::array rows{
        Row{"N", "n"},           Row{"Adj", "a"},         Row{"Adv", "adv"},
        Row{"V", "v"},           Row{"VT", "vt"},         Row{"VI", "vi"},
        Row{"VTI", "vti"},       Row{"PhrV", "phrv"},     Row{"PhrVT", "phrvt"},
        Row{"PhrVI", "phrvi"},   Row{"IDM", "idm"},       Row{"Prep", "prep"},
        Row{"Pron", "pron"},     Row{"Conj", "conj"},     Row{"Det", "det"},
        Row{"Interj", "interj"}, Row{"Pref", "pref"},     Row{"Suffix", "suffix"},
        Row{"Comb form", "comb form"}, Row{"AuxV", "auxV"}, Row{"MV", "mv"},
        Row{"Interro", "interro"}, Row{"Rel Pron", "rel pron"}, Row{"Refl Pron", "refl pron"},
        Row{"Part", "part"},     Row{"Vneg", "vneg"},     Row{"PropN", "propn"},
        // A handful of entries say VP for a verb with its particle.
        Row{"VP", "phrv"},
    };
    for (const auto &[source, code] : rows) {
        if (name.compare(QLatin1StringView(source), Qt::CaseInsensitive) == 0)
            return QString::fromLatin1(code);
    }
    return std::nullopt;
}

} // namespace tolvani::dicbuild
