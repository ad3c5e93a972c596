#include "source/source.h"

#include "common/inputs.h"
#include "hindi/loanwords.h"
#include "hindi/romanizer.h"
#include "source/dictd.h"

#include <algorithm>
#include <iterator>

namespace tolvani::dicbuild {

std::vector<SourceEntry> readSourceEntries(const QString &index, const QString &data, SourceStats &stats)
{
    const std::vector<IndexEntry> entriesOfIndex = parseDictdIndex(readInput(index));
    const QByteArray bytes = readGzipInput(data);
    std::vector<SourceEntry> entries;
    for (const QString &article : dictdArticles(entriesOfIndex, bytes)) {
        std::vector<SourceEntry> parsed = parseArticle(article);
        if (parsed.empty()) {
            ++stats.unreadable;
            ++stats.articles;
        }
        stats.hiddenArticles += std::max(0, int(parsed.size()) - 1);
        std::move(parsed.begin(), parsed.end(), std::back_inserter(entries));
    }
    return entries;
}

HindiVocabulary vocabularyOf(const std::vector<SourceEntry> &entries, const HindiWordLists &words)
{
    const Romanizer plain({}, words);
    HindiVocabulary vocabulary;
    for (const SourceEntry &entry : entries) {
        for (const QString &sense : entry.senses)
            addMeaning(vocabulary, entry.headword, sense, plain);
        for (const QString &example : entry.examples)
            vocabulary.addText(example);
    }
    return vocabulary;
}

} // namespace tolvani::dicbuild
