#include "categories.h"

#include "lookup/wordtypes.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

struct CategoryCase {
    const char *name;
    const char16_t *category;
    const char16_t *code; // nullptr: no code
};

class CategoryMapping : public testing::TestWithParam<CategoryCase> {};

TEST_P(CategoryMapping, GivesTheWordTypeCode)
{
    const CategoryCase &c = GetParam();
    const std::optional<QString> code = wordTypeCode(QStringView(c.category));
    if (!c.code) {
        EXPECT_FALSE(code.has_value()) << code->toStdString();
        return;
    }
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, QStringView(c.code));
    EXPECT_TRUE(wordTypeName(*code).has_value()) << "the window cannot name " << code->toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Categories, CategoryMapping,
    testing::Values(
        CategoryCase{"Noun", u"N", u"n"}, CategoryCase{"Adjective", u"Adj", u"a"},
        CategoryCase{"Adverb", u"Adv", u"adv"}, CategoryCase{"AdverbWithFullStop", u"Adv.", u"adv"},
        CategoryCase{"PronounWithFullStop", u"Pron.", u"pron"}, CategoryCase{"Verb", u"V", u"v"},
        CategoryCase{"Transitive", u"VT", u"vt"}, CategoryCase{"Intransitive", u"VI", u"vi"},
        CategoryCase{"Both", u"VTI", u"vti"}, CategoryCase{"PhrasalVerb", u"PhrV", u"phrv"},
        CategoryCase{"PhrasalTransitive", u"PhrVT", u"phrvt"},
        CategoryCase{"PhrasalIntransitive", u"PhrVI", u"phrvi"}, CategoryCase{"VerbPhrase", u"VP", u"phrv"},
        CategoryCase{"Idiom", u"IDM", u"idm"}, CategoryCase{"Preposition", u"Prep", u"prep"},
        CategoryCase{"Pronoun", u"Pron", u"pron"}, CategoryCase{"Conjunction", u"Conj", u"conj"},
        CategoryCase{"Determiner", u"Det", u"det"}, CategoryCase{"Interjection", u"Interj", u"interj"},
        CategoryCase{"Prefix", u"Pref", u"pref"}, CategoryCase{"Suffix", u"Suffix", u"suffix"},
        CategoryCase{"CombiningForm", u"Comb form", u"comb form"}, CategoryCase{"Auxiliary", u"AuxV", u"auxV"},
        CategoryCase{"Modal", u"MV", u"mv"}, CategoryCase{"Interrogative", u"Interro", u"interro"},
        CategoryCase{"RelativePronoun", u"Rel Pron", u"rel pron"},
        CategoryCase{"ReflexivePronoun", u"Refl Pron", u"refl pron"}, CategoryCase{"Particle", u"Part", u"part"},
        CategoryCase{"Negation", u"Vneg", u"vneg"}, CategoryCase{"ProperName", u"PropN", u"propn"},
        CategoryCase{"BareAbbreviation", u"Abbr", u"abbr:"},
        CategoryCase{"AbbreviationWithExpansion", u"Abbr:mile per hour", u"abbr:"},
        CategoryCase{"MixedTakesFirstPart", u"N/Adj", u"n"}, CategoryCase{"MixedPronounFirst", u"Pron/Det", u"pron"},
        CategoryCase{"Unknown", u"Gerund", nullptr}, CategoryCase{"Empty", u"", nullptr},
        CategoryCase{"PrefixOfACodeIsNotACode", u"Ph", nullptr}),
    [](const testing::TestParamInfo<CategoryCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace tolvani::dicbuild
