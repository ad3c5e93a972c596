#include "detectors/detectors.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

const VerbWords verbWords{{u"khana"_s, u"sena"_s}, {u"kar"_s}};

TEST(Detectors, FlagWordClassExampleAndResidueFaults)
{
    const WordForms forms;
    const Romanizer romanizer;
    const std::vector<DicLine> lines{
        {u"chase"_s, u"n"_s, u"pichha karna"_s, u"The police abandoned their chase."_s, 0, Origin::FreeDict, {}},
        {u"lunch"_s, u"n"_s, u"dopahar ka khana"_s, u"I will meet you over lunch."_s, 1, Origin::FreeDict, {}},
        {u"collide"_s, u"v"_s, u"takkar"_s, u"The car collided with a truck."_s, 2, Origin::FreeDict, {}},
        {u"use"_s, u"vti"_s, u"prayog kar"_s, u"She uses it rarely."_s, 3, Origin::FreeDict, {}},
        {u"house"_s, u"n"_s, u"ghar"_s, romanizer.romanize(u"यह काम्बली का 'house' है."), 4, Origin::FreeDict, {u"यह काम्बली का 'house' है."_s}},
        {u"ocean"_s, u"n"_s, u"sagar"_s, u"Pacific is the deepest ocear."_s, 5, Origin::FreeDict, {}},
        {u"motto"_s, u"n"_s, u"AxarSa vakya"_s, u"That's my motto."_s, 6, Origin::FreeDict, {}},
    };
    QStringList found;
    for (const Finding &f : detectSuspicious(lines, {forms, romanizer, verbWords}))
        found.append(f.line->headword + u' ' + suspicionName(f.kind));
    EXPECT_EQ(found, (QStringList{u"chase noun-or-adjective-means-verb"_s, u"collide verb-without-verb"_s,
                                  u"house hindi-example"_s, u"ocean example-lacks-headword"_s,
                                  u"motto latin-in-meaning"_s}));
}

TEST(Detectors, TellVerbPhrasesFromNounsThatEndInNa)
{
    struct Case {
        const char16_t *meaning;
        bool verbPhrase; // isVerbMeaning: counts against a noun line
        bool verbForm;   // hasVerbForm: counts for a verb line
    };
    const Case cases[] = {
        {u"pichha karna", true, true},     {u"dhyan dena.", true, true},
        {u"samajhna", false, true},        {u"dopahar ka khana", false, true},
        {u"samudri sena", false, true},    {u"prayog kar", false, true},
        {u"takkar", false, false},         {u"bhrimit", false, false},
        {u"karne vala", false, false},     {u"", false, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(isVerbMeaning(c.meaning, verbWords), c.verbPhrase) << QStringView(c.meaning).toString().toStdString();
        EXPECT_EQ(hasVerbForm(c.meaning, verbWords), c.verbForm) << QStringView(c.meaning).toString().toStdString();
    }
}

} // namespace
} // namespace tolvani::dicbuild
