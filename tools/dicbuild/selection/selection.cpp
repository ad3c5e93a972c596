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

bool sortsBefore(const DicLine &a, const DicLine &b)
{
    const int order = QString::compare(a.headword.toLower(), b.headword.toLower(), Qt::CaseSensitive);
    if (order != 0)
        return order < 0;
    return a.sourceOrder < b.sourceOrder;
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
        std::vector<DicLine> &pool = byLetter[letter];
        const std::size_t quota = std::size_t(quotas[letter]);
        if (pool.size() < quota)
            shortLetters.emplace_back(QChar(u'A' + letter), int(pool.size()));
        std::vector<std::pair<Rank, std::size_t>> ranked;
        for (std::size_t i = 0; i < pool.size(); ++i)
            ranked.emplace_back(rankOf(pool[i], commonness, usage), i);
        std::sort(ranked.begin(), ranked.end(), [&](const auto &a, const auto &b) {
            if (a.first != b.first)
                return a.first > b.first;
            return sortsBefore(pool[a.second], pool[b.second]);
        });
        ranked.resize(std::min(ranked.size(), quota));
        std::vector<DicLine> best;
        for (const auto &[rank, i] : ranked)
            best.push_back(pool[i]);
        pool = std::move(best);
        std::sort(pool.begin(), pool.end(), sortsBefore);
        chosen.insert(chosen.end(), pool.begin(), pool.end());
    }
    return chosen;
}

} // namespace tolvani::dicbuild
