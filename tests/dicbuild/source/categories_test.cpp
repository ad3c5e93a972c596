#include "source/categories.h"

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
        CategoryCase{"Noun", u"N", u"n"}, CategoryCase{"AdjectiveIsA", u"Adj", u"a"},
        CategoryCase{"BothTransitivities", u"VTI", u"vti"}, CategoryCase{"PhrasalTransitive", u"PhrVT", u"phrvt"},
        CategoryCase{"AuxiliaryKeepsCapitalV", u"AuxV", u"auxV"},
        CategoryCase{"CombiningFormKeepsSpace", u"Comb form", u"comb form"},
        CategoryCase{"RelativePronoun", u"Rel Pron", u"rel pron"},
        CategoryCase{"AdverbWithFullStop", u"Adv.", u"adv"},
        CategoryCase{"BareAbbreviation", u"Abbr", u"abbr:"},
        CategoryCase{"AbbreviationWithExpansion", u"Abbr:mile per hour", u"abbr:"},
        CategoryCase{"MixedTakesFirstPart", u"N/Adj", u"n"}, CategoryCase{"MixedPronounFirst", u"Pron/Det", u"pron"},
        CategoryCase{"VerbPhraseIsPhrasalVerb", u"VP", u"phrv"}, CategoryCase{"Unknown", u"Gerund", nullptr},
        CategoryCase{"Empty", u"", nullptr}, CategoryCase{"PrefixOfACodeIsNotACode", u"Ph", nullptr},
        CategoryCase{"LongSLowersToItself", u"\u017Fuffix", nullptr}),
    [](const testing::TestParamInfo<CategoryCase> &info) { return std::string(info.param.name); });

} // namespace
} // namespace tolvani::dicbuild
