#include "wordtypes.h"

#include <QString>

#include <algorithm>
#include <array>

namespace tolvani {
namespace {

using enum WordClass;

// Tried in this order; the first row whose code equals the field wins.
constexpr std::array<WordType, 28> kWordTypes = {{
    {u"a", u"Adjective", Adjective},
    {u"abbr:", u"Abbreviation", Other},
    {u"adv", u"Adverb", Adverb},
    {u"auxV", u"Auxiliary verb", FunctionWord},
    {u"comb form", u"Combination form", Other},
    {u"conj", u"Conjunct", FunctionWord},
    {u"det", u"Determiner", FunctionWord},
    {u"idm", u"Idiom", Idiom},
    {u"interj", u"Interjection", Other},
    {u"interro", u"Interrogative", FunctionWord},
    {u"mv", u"Modal verb", FunctionWord},
    {u"n", u"Noun", Noun},
    {u"part", u"Particle", FunctionWord},
    {u"phrv", u"Phrasal verb", PhrasalVerb},
    {u"phrvi", u"Phrasal verb intransitive", PhrasalVerb},
    {u"phrvt", u"Phrasal verb transitive", PhrasalVerb},
    {u"pref", u"Prefix", Other},
    {u"prep", u"Preposition", FunctionWord},
    {u"pron", u"Pronoun", FunctionWord},
    {u"propn", u"Proper name", Other},
    {u"refl pron", u"Reflexive pronoun", FunctionWord},
    {u"rel pron", u"Relative pronoun", FunctionWord},
    {u"suffix", u"Suffix", Other},
    {u"v", u"Verb", Verb},
    {u"vi", u"Verb intransitive", Verb},
    {u"vneg", u"Verb negation", FunctionWord},
    {u"vt", u"Verb transitive", Verb},
    {u"vti", u"Verb transitive, intransitive", Verb},
}};

} // namespace

const WordType *findWordType(QStringView code)
{
    // Lowered, not case-folded: "ſuffix" lowers to itself and is no code.
    // The codes are ASCII, so lowering them letter by letter is enough.
    const QString lowered = code.toString().toLower();
    const auto type = std::find_if(kWordTypes.begin(), kWordTypes.end(), [&](const WordType &row) {
        return std::equal(row.code.begin(), row.code.end(), lowered.begin(), lowered.end(),
                          [](QChar written, QChar field) { return written.toLower() == field; });
    });
    return type == kWordTypes.end() ? nullptr : &*type;
}

WordClass wordClassOf(QStringView code)
{
    const WordType *type = findWordType(code);
    return type ? type->wordClass : WordClass::Other;
}

std::optional<QStringView> wordTypeName(QStringView code)
{
    if (const WordType *type = findWordType(code))
        return type->name;
    return std::nullopt;
}

} // namespace tolvani
