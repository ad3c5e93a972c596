#include "selection.h"

#include "categories.h"
#include "devanagari.h"
#include "romanizer.h"
#include "store/letterranges.h"

#include <algorithm>
#include <iterator>
#include <utility>

namespace tolvani::dicbuild {
namespace {

bool isPhraseCode(const QString &code)
{
    return code == u"idm" || code.startsWith(u"phrv");
}

bool isFunctionWordCode(const QString &code)
{
    static constexpr QStringView codes[] = {u"prep", u"pron",     u"conj",      u"det",  u"auxV", u"mv",
                                            u"interro", u"rel pron", u"refl pron", u"part", u"vneg"};
    return std::find(std::begin(codes), std::end(codes), code) != std::end(codes);
}

void appendMeanings(QStringList &meanings, const QStringList &senses, RepairCounts &repairs)
{
    for (const QString &sense : senses) {
        for (const QString &piece : meaningPieces(sense)) {
            const QString romanized = simplified(romanize(repairMeaning(piece, repairs)));
            if (!romanized.isEmpty() && !meanings.contains(romanized))
                meanings.append(romanized);
        }
    }
}

QString exampleText(const QStringList &examples)
{
    for (const QString &example : examples) {
        const QString text = hasDevanagari(example) ? simplified(romanize(example)) : example;
        if (!text.isEmpty())
            return text;
    }
    return {};
}

int letterIndex(const QString &headword)
{
    return headword.front().toUpper().unicode() - u'A';
}

} // namespace

std::vector<DicLine> linesFromSource(const std::vector<SourceEntry> &entries, SourceStats &stats)
{
    std::vector<DicLine> lines;
    std::vector<QStringList> meanings;
    QHash<QString, std::size_t> byKey;
    for (const SourceEntry &entry : entries) {
        ++stats.articles;
        stats.recoveredSenses += entry.recoveredSenses;
        const std::optional<QString> headword = cleanHeadword(entry.headword);
        if (!headword) {
            ++stats.badHeadword;
            continue;
        }
        if (headword->front().toUpper() == u'X') {
            ++stats.outsideRanges;
            continue;
        }
        const std::optional<QString> code = wordTypeCode(entry.category);
        if (!code) {
            ++stats.unknownCategory;
            ++stats.unknownCategories[entry.category];
            continue;
        }
        const QString key = headword->toLower() + u'\n' + *code;
        if (const auto found = byKey.constFind(key); found != byKey.cend()) {
            ++stats.merged;
            appendMeanings(meanings[*found], entry.senses, stats.repairs);
            lines[*found].sourceExamples += entry.examples;
            if (lines[*found].example.isEmpty())
                lines[*found].example = exampleText(entry.examples);
            continue;
        }
        byKey.insert(key, lines.size());
        meanings.emplace_back();
        appendMeanings(meanings.back(), entry.senses, stats.repairs);
        lines.push_back({*headword, *code, {}, exampleText(entry.examples), int(lines.size()), Origin::FreeDict, entry.examples});
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i].meaning = meanings[i].join(u", ");
    return lines;
}

bool sortsBefore(const DicLine &a, const DicLine &b)
{
    const int order = QString::compare(a.headword.toLower(), b.headword.toLower(), Qt::CaseSensitive);
    if (order != 0)
        return order < 0;
    return a.sourceOrder < b.sourceOrder;
}

Rank rankOf(const DicLine &line, const WordFrequencies &frequencies, const UsageFrequencies &usage)
{
    const bool singleWord = !line.headword.contains(u' ') && !isPhraseCode(line.code);
    return {!line.meaning.isEmpty(),
            singleWord,
            singleWord ? usage.of(line.headword) : 0,
            !line.example.isEmpty(),
            isFunctionWordCode(line.code),
            frequencies.of(line.headword)};
}

std::vector<DicLine> selectLines(const std::vector<DicLine> &lines, const WordFrequencies &frequencies,
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
            ranked.emplace_back(rankOf(pool[i], frequencies, usage), i);
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
