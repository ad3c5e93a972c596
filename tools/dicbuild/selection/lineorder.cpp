#include "selection/lineorder.h"

#include "lookup/wordtypes.h"

#include <QSet>

#include <algorithm>

namespace tolvani::dicbuild {
namespace {

// How often WordNet's corpus tags the headword in the line's part of
// speech; 0 for a code WordNet has no part for.
int taggedUses(const DicLine &line, const WordNet &wordnet)
{
    const std::optional<WordNetPart> part = wordNetPart(line.code);
    return part ? wordnet.tagCount(line.headword, *part) : 0;
}

// The runs of lines that share a headword, as [begin, end) indexes.
template<typename Fn>
void forEachHeadword(const std::vector<DicLine> &lines, Fn fn)
{
    std::size_t begin = 0;
    while (begin < lines.size()) {
        const QString headword = lines[begin].headword.toLower();
        std::size_t end = begin + 1;
        while (end < lines.size() && lines[end].headword.toLower() == headword)
            ++end;
        fn(headword, begin, end);
        begin = end;
    }
}

} // namespace

LineOrderStats putMostUsedFirst(std::vector<DicLine> &lines, const WordNet &wordnet,
                                const QHash<QString, QString> &byHand)
{
    LineOrderStats stats;
    forEachHeadword(lines, [&](const QString &headword, std::size_t begin, std::size_t end) {
        if (end - begin < 2)
            return;
        auto first = lines.begin() + std::ptrdiff_t(begin);
        const auto last = lines.begin() + std::ptrdiff_t(end);
        auto chosen = first;
        int *counter = nullptr;
        if (const auto hand = byHand.constFind(headword); hand != byHand.cend()) {
            chosen = std::find_if(first, last, [&](const DicLine &l) { return l.code == *hand; });
            counter = &stats.byHand;
        } else if (const auto function = std::find_if(first, last, [](const DicLine &l) {
                       return wordClassOf(l.code) == WordClass::FunctionWord;
                   });
                   function != last) {
            chosen = function;
            counter = &stats.byFunction;
        } else {
            const auto most = std::max_element(first, last, [&](const DicLine &a, const DicLine &b) {
                return taggedUses(a, wordnet) < taggedUses(b, wordnet);
            });
            const int uses = taggedUses(*most, wordnet);
            if (uses >= 1 && uses >= 2 * taggedUses(*first, wordnet))
                chosen = most;
            counter = &stats.byCount;
        }
        if (chosen != first && chosen != last) {
            std::rotate(first, chosen, chosen + 1);
            ++*counter;
        }
    });
    return stats;
}

QStringList outnumberedFirstLines(const std::vector<DicLine> &lines, const WordNet &wordnet,
                                  const QStringList &headwords)
{
    const QSet<QString> wanted(headwords.begin(), headwords.end());
    QStringList out;
    forEachHeadword(lines, [&](const QString &headword, std::size_t begin, std::size_t end) {
        if (end - begin < 2 || !wanted.contains(headword) || !wordNetPart(lines[begin].code))
            return;
        int most = 0;
        for (std::size_t i = begin; i < end; ++i)
            most = std::max(most, taggedUses(lines[i], wordnet));
        if (most > 0 && most >= 2 * taggedUses(lines[begin], wordnet))
            out.append(headword);
    });
    return out;
}

} // namespace tolvani::dicbuild
