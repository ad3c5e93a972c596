#include "selection/selection.h"

#include "lookup/wordtypes.h"
#include "store/letterranges.h"

#include <algorithm>
#include <array>

namespace tolvani::dicbuild {

int letterIndex(const QString &headword)
{
    return headword.front().toUpper().unicode() - u'A';
}

namespace {

// sortsBefore, for headwords already lowered.
bool loweredBefore(const QString &a, int aOrder, const QString &b, int bOrder)
{
    const int order = QString::compare(a, b, Qt::CaseSensitive);
    return order != 0 ? order < 0 : aOrder < bOrder;
}

} // namespace

bool sortsBefore(const DicLine &a, const DicLine &b)
{
    return loweredBefore(a.headword.toLower(), a.sourceOrder, b.headword.toLower(), b.sourceOrder);
}

Rank rankOf(const DicLine &line, const WordNetCounts &commonness, const UsageFrequencies &usage)
{
    const WordClass wordClass = wordClassOf(line.code);
    const bool phrase = wordClass == WordClass::Idiom || wordClass == WordClass::PhrasalVerb;
    const bool singleWord = !line.headword.contains(u' ') && !phrase;
    return {!line.meaning.isEmpty(),
            singleWord,
            singleWord ? usage.of(line.headword) : 0,
            !line.example.isEmpty(),
            wordClass == WordClass::FunctionWord,
            commonness.of(line.headword)};
}

std::vector<DicLine> selectLines(const std::vector<DicLine> &lines, const WordNetCounts &commonness,
                                 const UsageFrequencies &usage, std::vector<std::pair<QChar, int>> &shortLetters)
{
    std::array<std::vector<DicLine>, 26> byLetter;
    for (const DicLine &line : lines)
        byLetter[letterIndex(line.headword)].push_back(line);

    const std::array<int, 26> quotas = letterLineCounts();
    std::vector<DicLine> chosen;
    for (int letter = 0; letter < 26; ++letter) {
        const std::vector<DicLine> &pool = byLetter[letter];
        const std::size_t quota = std::size_t(quotas[letter]);
        if (pool.size() < quota)
            shortLetters.emplace_back(QChar(u'A' + letter), int(pool.size()));
        std::vector<QString> lowered;
        std::vector<std::pair<Rank, std::size_t>> ranked;
        for (std::size_t i = 0; i < pool.size(); ++i) {
            lowered.push_back(pool[i].headword.toLower());
            ranked.emplace_back(rankOf(pool[i], commonness, usage), i);
        }
        auto before = [&](std::size_t a, std::size_t b) {
            return loweredBefore(lowered[a], pool[a].sourceOrder, lowered[b], pool[b].sourceOrder);
        };
        std::sort(ranked.begin(), ranked.end(), [&](const auto &a, const auto &b) {
            return a.first != b.first ? a.first > b.first : before(a.second, b.second);
        });
        ranked.resize(std::min(ranked.size(), quota));
        std::vector<std::size_t> best;
        for (const auto &[rank, i] : ranked)
            best.push_back(i);
        std::sort(best.begin(), best.end(), before);
        for (std::size_t i : best)
            chosen.push_back(pool[i]);
    }
    return chosen;
}

} // namespace tolvani::dicbuild
