#include "wordtypes.h"

#include <QString>

#include <algorithm>
#include <array>

namespace tolvani {
namespace {

struct WordType {
    QStringView code;
    QStringView name;
};

// Tried in this order; the first row whose code equals the field wins.
// The codes are written in lower case, as the field is lowered to match.
constexpr std::array<WordType, 28> kWordTypes = {{
    {u"a", u"Adjective"},
    {u"abbr:", u"Abbreviation"},
    {u"adv", u"Adverb"},
    {u"auxv", u"Auxiliary verb"},
    {u"comb form", u"Combination form"},
    {u"conj", u"Conjunct"},
    {u"det", u"Determiner"},
    {u"idm", u"Idiom"},
    {u"interj", u"Interjection"},
    {u"interro", u"Interrogative"},
    {u"mv", u"Modal verb"},
    {u"n", u"Noun"},
    {u"part", u"Particle"},
    {u"phrv", u"Phrasal verb"},
    {u"phrvi", u"Phrasal verb intransitive"},
    {u"phrvt", u"Phrasal verb transitive"},
    {u"pref", u"Prefix"},
    {u"prep", u"Preposition"},
    {u"pron", u"Pronoun"},
    {u"propn", u"Proper name"},
    {u"refl pron", u"Reflexive pronoun"},
    {u"rel pron", u"Relative pronoun"},
    {u"suffix", u"Suffix"},
    {u"v", u"Verb"},
    {u"vi", u"Verb intransitive"},
    {u"vneg", u"Verb negation"},
    {u"vt", u"Verb transitive"},
    {u"vti", u"Verb transitive, intransitive"},
}};

} // namespace

std::optional<QStringView> wordTypeName(QStringView code)
{
    // Lowered, not case-folded: "ſuffix" lowers to itself and is no code.
    const QString lowered = code.toString().toLower();
    const auto type = std::find_if(kWordTypes.begin(), kWordTypes.end(),
                                   [&](const WordType &row) { return row.code == lowered; });
    if (type == kWordTypes.end())
        return std::nullopt;
    return type->name;
}

} // namespace tolvani
