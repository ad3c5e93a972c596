#include "lookup/entry.h"
#include "lookup/wordtypes.h"

#include <gtest/gtest.h>

using namespace tolvani;
using namespace Qt::StringLiterals;

namespace {

struct TypeCase {
    const char *name;
    QString code;
    std::optional<QString> typeName;
};

class WordTypeTable : public ::testing::TestWithParam<TypeCase> {};

TEST_P(WordTypeTable, matchesTheWholeCodeIgnoringCase)
{
    const auto name = wordTypeName(GetParam().code);
    ASSERT_EQ(name.has_value(), GetParam().typeName.has_value());
    if (name) {
        EXPECT_EQ(name->toString(), *GetParam().typeName);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Entry, WordTypeTable,
    ::testing::Values(
        TypeCase{"adjective", u"a"_s, u"Adjective"_s},
        TypeCase{"abbreviationNeedsColon", u"abbr:"_s, u"Abbreviation"_s},
        TypeCase{"abbreviationUpperCase", u"ABBR:"_s, u"Abbreviation"_s},
        TypeCase{"abbreviationWithoutColon", u"abbr"_s, std::nullopt},
        TypeCase{"auxVAsStored", u"auxV"_s, u"Auxiliary verb"_s},
        TypeCase{"auxVLowerCase", u"auxv"_s, u"Auxiliary verb"_s},
        TypeCase{"auxVUpperCase", u"AUXV"_s, u"Auxiliary verb"_s},
        TypeCase{"combinationForm", u"comb form"_s, u"Combination form"_s},
        TypeCase{"combinationFormTwoSpaces", u"comb  form"_s, std::nullopt},
        TypeCase{"nounUpperCase", u"N"_s, u"Noun"_s},
        // Lowered, not case-folded: long s stays itself, dotted I gains a dot.
        TypeCase{"suffixWithLongS", u"\u017Fuffix"_s, std::nullopt},
        TypeCase{"idiomWithDottedCapitalI", u"\u0130dm"_s, std::nullopt},
        TypeCase{"nounTrailingSpace", u"n "_s, std::nullopt},
        TypeCase{"nounLeadingSpace", u" n"_s, std::nullopt},
        TypeCase{"doubledNoun", u"nn"_s, std::nullopt},
        TypeCase{"empty", QString(), std::nullopt},
        TypeCase{"phrasalVerbTransitiveNotPrefix", u"phrvt"_s, u"Phrasal verb transitive"_s},
        TypeCase{"phrasalVerb", u"phrv"_s, u"Phrasal verb"_s},
        TypeCase{"reflexivePronoun", u"refl pron"_s, u"Reflexive pronoun"_s},
        TypeCase{"relativePronoun", u"Rel Pron"_s, u"Relative pronoun"_s},
        TypeCase{"verbTransitiveMixedCase", u"Vt"_s, u"Verb transitive"_s},
        TypeCase{"lastRow", u"vti"_s, u"Verb transitive, intransitive"_s},
        TypeCase{"verbNegation", u"vneg"_s, u"Verb negation"_s}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PresentEntry, fullLineFillsEveryBox)
{
    const EntryView view = presentEntry({u"head"_s, u"n"_s, u"ek prakar ka"_s, u"example text"_s},
                                        u"Head");
    EXPECT_EQ(view.meaning, u"Ek Prakar Ka"_s);
    EXPECT_EQ(view.typeName, u"Noun"_s);
    EXPECT_EQ(view.example, u"example text"_s);
    EXPECT_EQ(view.copyCaption, u"Copy \"Head\""_s);
}

TEST(PresentEntry, meaningIsProperCasedAndExampleKeptExactly)
{
    const EntryView view = presentEntry(
            {u"x"_s, u"n"_s, u"EK BADA sHaBd"_s, u"  Keep THIS as-is.  "_s}, u"X");
    EXPECT_EQ(view.meaning, u"Ek Bada Shabd"_s);
    EXPECT_EQ(view.example, u"  Keep THIS as-is.  "_s);
}

TEST(PresentEntry, missingFieldsLeaveTheirBoxesAlone)
{
    const EntryView three = presentEntry({u"w"_s, u"vt"_s, u"karna"_s}, u"W");
    EXPECT_EQ(three.meaning, u"Karna"_s);
    EXPECT_EQ(three.typeName, u"Verb transitive"_s);
    EXPECT_FALSE(three.example);

    const EntryView two = presentEntry({u"w"_s, u"adv"_s}, u"W");
    EXPECT_FALSE(two.meaning);
    EXPECT_FALSE(two.example);
    EXPECT_EQ(two.typeName, u"Adverb"_s);

    const EntryView one = presentEntry({u"w"_s}, u"W");
    EXPECT_FALSE(one.meaning || one.example || one.typeName);
    EXPECT_EQ(one.copyCaption, u"Copy \"W\""_s);

    const EntryView none = presentEntry({}, u"");
    EXPECT_FALSE(none.meaning || none.example || none.typeName);
    EXPECT_EQ(none.copyCaption, u"Copy \"\""_s);
}

TEST(PresentEntry, emptyExampleFieldClearsTheBox)
{
    const EntryView view = presentEntry({u"w"_s, u"n"_s, u"m"_s, QString()}, u"W");
    ASSERT_TRUE(view.example);
    EXPECT_TRUE(view.example->isEmpty());
}

TEST(PresentEntry, unknownCodeLeavesTheTypeAlone)
{
    const EntryView view = presentEntry({u"w"_s, u"zz"_s, u"m"_s, u"e"_s}, u"W");
    EXPECT_FALSE(view.typeName);
    EXPECT_EQ(view.meaning, u"M"_s);
}

TEST(PresentEntry, fieldsPastTheExampleAreIgnored)
{
    const EntryView view = presentEntry({u"w"_s, u"n"_s, u"m"_s, u"e"_s, u"extra"_s, u"more"_s}, u"W");
    EXPECT_EQ(view.example, u"e"_s);
    EXPECT_EQ(view.meaning, u"M"_s);
}

TEST(SplitFields, keepsEmptyFieldsAndGivesNoneForAnEmptyLine)
{
    EXPECT_EQ(splitFields(u"head||n||||ex"), (QStringList{u"head"_s, u"n"_s, QString(), u"ex"_s}));
    EXPECT_TRUE(splitFields(u"").isEmpty());
}

TEST(LastLineFields, areThoseOfTheLastLineListed)
{
    EXPECT_EQ(lastLineFields(LineTable("apple||n\r\nbat||n||balla\r\n")),
              (QStringList{u"bat"_s, u"n"_s, u"balla"_s}));
    EXPECT_EQ(lastLineFields(LineTable("apple||n\r\n\r\n")), QStringList());
    EXPECT_EQ(lastLineFields(LineTable()), QStringList());
}

} // namespace
