#include "english/wordforms.h"

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

WordForms formsWithExceptions()
{
    WordNet wordnet;
    wordnet.addExceptions(WordNetPart::Verb, "took take\n");
    wordnet.addExceptions(WordNetPart::Noun, "children child\nbrothers-in-law brother-in-law\n");
    wordnet.addExceptions(WordNetPart::Adj, "better good well\n");
    return WordForms(wordnet);
}

TEST(WordForms, FindsTheHeadwordAndItsForms)
{
    const WordForms forms = formsWithExceptions();
    struct Case {
        const char16_t *headword;
        const char16_t *sentence;
        bool uses;
    };
    // Sentences of the source and of WordNet.
    const Case cases[] = {
        {u"abide", u"If you join, you have to abide by its rules.", true},
        {u"take", u"He took the blame for it", true},                   // verb.exc
        {u"child", u"The children played.", true},                      // noun.exc
        {u"good", u"This one is better.", true},                        // adj.exc
        {u"stop", u"The bus stopped here; stopping is allowed.", true}, // doubled consonant
        {u"abide", u"He was abiding by the rules.", true},              // e dropped
        {u"city", u"Many cities grew.", true},
        {u"die", u"The plant is dying.", true},
        {u"gentleman", u"Men in uniform are thorough gentlemen.", true},
        {u"ice cream", u"Two ice creams, please.", true},
        {u"playground", u"Nearly all schools have a play ground.", true}, // written open
        {u"colonise", u"European countries colonized Africa.", true},
        {u"house", u"This is Kambli's house.", true},
        {u"brother-in-law", u"His brothers-in-law came.", true},
        {u"cheese", u"I like pizza added with cheeze.", false},
        {u"ocean", u"Pacific is the deepest ocear.", false},
        {u"ice cream", u"The cream froze to ice.", false}, // words out of order
        {u"take", u"She is mistaken.", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(forms.uses(c.headword, c.sentence), c.uses) << QStringView(c.headword).toString().toStdString()
                                                              << " in " << QStringView(c.sentence).toString().toStdString();
}

} // namespace
} // namespace tolvani::dicbuild
