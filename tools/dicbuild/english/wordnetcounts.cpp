#include "english/wordnetcounts.h"

#include <algorithm>
#include <array>
#include <utility>

namespace tolvani::dicbuild {

Commonness WordNetCounts::exact(const QString &lemma) const
{
    Commonness counts;
    if (!wordnet_)
        return counts;
    counts.taggedCount = wordnet_->tagCounts().value(lemma);
    for (WordNetPart part : {WordNetPart::Noun, WordNetPart::Verb, WordNetPart::Adj, WordNetPart::Adv}) {
        if (const auto found = wordnet_->lemmas(part).constFind(lemma); found != wordnet_->lemmas(part).cend())
            counts.senseCount += found->synsets;
    }
    return counts;
}

Commonness WordNetCounts::of(QStringView word) const
{
    const QString lemma = wordNetKey(word);
    if (const Commonness own = exact(lemma); own != Commonness{})
        return own;
    // Any part of speech's ending will do: the count is only a tie-breaker.
    using Ending = std::pair<QStringView, QStringView>;
    static constexpr std::array endings{
        Ending{u"ies", u"y"}, Ending{u"es", u""}, Ending{u"s", u""},   Ending{u"ied", u"y"},
        Ending{u"ed", u"e"},  Ending{u"ed", u""}, Ending{u"ing", u"e"}, Ending{u"ing", u""},
        Ending{u"ly", u""},   Ending{u"er", u""}, Ending{u"est", u""},
    };
    Commonness best;
    for (const auto &[ending, replacement] : endings) {
        if (lemma.size() > ending.size() + 2 && lemma.endsWith(ending))
            best = std::max(best, exact(lemma.first(lemma.size() - ending.size()).append(replacement)));
    }
    return best;
}

} // namespace tolvani::dicbuild
