#include "source/sourcelines.h"

#include "common/text.h"
#include "hindi/devanagari.h"
#include "source/categories.h"

#include <QHash>

namespace tolvani::dicbuild {
namespace {

void appendMeanings(QStringList &meanings, QStringList &hindi, const QStringList &senses, const Romanizer &romanizer,
                    RepairCounts &repairs)
{
    for (const QString &sense : senses) {
        for (const QString &piece : meaningPieces(sense)) {
            const QString repaired = repairMeaning(piece, repairs);
            const QString romanized = simplified(romanizer.romanize(repaired));
            if (!romanized.isEmpty() && !meanings.contains(romanized)) {
                meanings.append(romanized);
                hindi.append(repaired);
            }
        }
    }
}

QString exampleText(const QStringList &examples, const Romanizer &romanizer)
{
    for (const QString &example : examples) {
        const QString text = hasDevanagari(example) ? simplified(romanizer.romanize(example)) : example;
        if (!text.isEmpty())
            return text;
    }
    return {};
}

} // namespace

std::vector<SourceArticle> usableArticles(std::vector<SourceEntry> entries, SourceStats &stats)
{
    std::vector<SourceArticle> articles;
    articles.reserve(entries.size());
    for (SourceEntry &entry : entries) {
        ++stats.articles;
        stats.recoveredSenses += entry.recoveredSenses;
        std::optional<QString> headword = cleanHeadword(entry.headword);
        if (!headword) {
            ++stats.badHeadword;
            continue;
        }
        if (headword->front().toUpper() == u'X') {
            ++stats.outsideRanges;
            continue;
        }
        std::optional<QString> code = wordTypeCode(entry.category);
        if (!code) {
            ++stats.unknownCategory;
            ++stats.unknownCategories[entry.category];
            continue;
        }
        articles.push_back({std::move(*headword), std::move(*code), std::move(entry)});
    }
    return articles;
}

std::vector<DicLine> linesFromSource(const std::vector<SourceArticle> &articles, const Romanizer &romanizer,
                                     SourceStats &stats)
{
    std::vector<DicLine> lines;
    std::vector<QStringList> meanings;
    QHash<QString, std::size_t> byKey;
    for (const SourceArticle &article : articles) {
        const SourceEntry &entry = article.entry;
        const QString key = lineKey(article.headword, article.code);
        if (const auto found = byKey.constFind(key); found != byKey.cend()) {
            DicLine &line = lines[*found];
            ++stats.merged;
            appendMeanings(meanings[*found], line.hindi, entry.senses, romanizer, stats.repairs);
            line.sourceExamples += entry.examples;
            if (line.example.isEmpty())
                line.example = exampleText(entry.examples, romanizer);
            continue;
        }
        byKey.insert(key, lines.size());
        meanings.emplace_back();
        DicLine line{article.headword, article.code, {}, exampleText(entry.examples, romanizer), int(lines.size()),
                     Origin::FreeDict, entry.examples};
        appendMeanings(meanings.back(), line.hindi, entry.senses, romanizer, stats.repairs);
        lines.push_back(std::move(line));
    }
    for (std::size_t i = 0; i < lines.size(); ++i)
        lines[i].meaning = meanings[i].join(u", ");
    return lines;
}

} // namespace tolvani::dicbuild
