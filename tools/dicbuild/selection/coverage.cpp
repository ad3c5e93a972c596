#include "selection/coverage.h"

#include "selection/selection.h"

#include <QSet>

#include <algorithm>
#include <utility>

namespace tolvani::dicbuild {

std::vector<Coverage> coverageOf(const std::vector<DicLine> &lines, const UsageFrequencies &usage,
                                 const SpellingVariants &variants)
{
    QSet<QString> headwords;
    for (const DicLine &line : lines)
        headwords.insert(line.headword.toLower());
    std::vector<Coverage> out;
    for (int top : {1000, 3000, 5000}) {
        Coverage coverage{top, 0, {}};
        for (const QString &lemma : usage.topLemmas(top)) {
            if (headwords.contains(lemma) || headwords.contains(variants.otherOf(lemma)))
                ++coverage.covered;
            else
                coverage.missing.append(lemma);
        }
        out.push_back(std::move(coverage));
    }
    return out;
}

NotKept notKept(const std::vector<DicLine> &candidates, const std::vector<DicLine> &kept,
                const UsageFrequencies &usage)
{
    QSet<QString> keys;
    for (const DicLine &line : kept)
        keys.insert(lineKey(line));
    NotKept out;
    std::vector<std::pair<qint64, QString>> dropped;
    for (const DicLine &line : candidates) {
        if (keys.contains(lineKey(line)))
            continue;
        ++out.byLetter[std::size_t(letterIndex(line.headword))];
        if (!line.headword.contains(u' '))
            dropped.emplace_back(-usage.of(line.headword), line.headword + u'/' + line.code);
    }
    std::sort(dropped.begin(), dropped.end());
    for (std::size_t i = 0; i < std::min<std::size_t>(dropped.size(), 20); ++i)
        out.mostUsed.append(dropped[i].second);
    return out;
}

} // namespace tolvani::dicbuild
