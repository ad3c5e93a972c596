#include "english/spellings.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

TEST(SpellingVariants, AddTheSpellingNoLineHas)
{
    SpellingVariants variants;
    variants.addTable("british\tamerican\ncolour\tcolor\ncentre\tcenter\ngrey\tgray\nlitre\tliter\n",
                      u"spellings.tsv"_s);
    const std::vector<DicLine> lines{{u"colour"_s, u"n"_s, u"rang"_s, u"Colours fade; my colour's gone."_s, 0,
                                      Origin::FreeDict, {u"Bright colours."_s, u"Colourful."_s}},
                                     {u"colour"_s, u"v"_s, u"rangna"_s, u"She coloured it, COLOURING all."_s, 1},
                                     {u"centre"_s, u"n"_s, u"kendra"_s, {}, 2},
                                     {u"center"_s, u"v"_s, u"kendrit karna"_s, {}, 3},
                                     {u"Gray"_s, u"a"_s, u"dhusar"_s, u"Grayish gray skies."_s, 4},
                                     {u"litre"_s, u"n"_s, u"litar"_s, u"Two litres of milk, litred and bottled."_s, 5}};
    const std::vector<DicLine> copies = variantLines(lines, variants);
    QStringList added;
    for (const DicLine &line : copies) {
        added.append(line.headword + u'/' + line.code + u'/' + line.meaning + u'/' + line.example);
        EXPECT_EQ(line.origin, Origin::Spelling);
    }
    EXPECT_EQ(added, (QStringList{u"color/n/rang/Colors fade; my color's gone."_s,
                                  u"color/v/rangna/She colored it, COLORING all."_s,
                                  u"grey/a/dhusar/Grayish grey skies."_s,
                                  u"liter/n/litar/Two liters of milk, litered and bottled."_s}))
        << "centre/center both have lines already";
    EXPECT_EQ(copies[0].sourceExamples, (QStringList{u"Bright colors."_s, u"Colourful."_s}))
        << "examples are chosen again later, from these";
    EXPECT_THROW(variants.addTable("british\tamerican\ncolour\tcolor\n", u"spellings.tsv"_s), std::runtime_error);
}

} // namespace
} // namespace tolvani::dicbuild
