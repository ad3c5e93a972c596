#include "english/usage.h"

#include "common/inputs.h"
#include "common/text.h"
#include "english/lemmatizer.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tolvani::dicbuild {
namespace {

// A form that WordNet has as a lemma of its own keeps its count when its
// base is this many times rarer: "physics" (482) is not "physic" (13),
// "clothes" (5,158) not "clothe" (42); "years" (29,003) is "year" (14,174).
constexpr qint64 ownLemmaRatio = 8;

} // namespace

void UsageFrequencies::addForms(QByteArrayView table)
{
    forEachLine(table, [this](QByteArrayView line) {
        const qsizetype tab = line.indexOf('\t');
        if (line.startsWith('#') || tab <= 0)
            return;
        forms_[QString::fromUtf8(line.first(tab)).toLower()] += line.sliced(tab + 1).trimmed().toLongLong();
    });
}

void UsageFrequencies::load(const QString &path)
{
    addForms(readInput(path));
}

void UsageFrequencies::countLemmas(const Lemmatizer &lemmatizer, const QStringList &notInflected)
{
    lemmas_.clear();
    lemmaOfForm_.clear();
    for (auto form = forms_.cbegin(); form != forms_.cend(); ++form) {
        QString lemma = lemmatizer.baseOf(form.key());
        if (lemma != form.key()
            && (notInflected.contains(form.key())
                || (lemmatizer.isLemma(form.key()) && forms_.value(lemma) * ownLemmaRatio < form.value())))
            lemma = form.key();
        lemmas_[lemma] += form.value();
        lemmaOfForm_.insert(form.key(), lemma);
    }
}

void UsageFrequencies::addVariant(const QString &word, const QString &other)
{
    variants_.insert(word, other);
    variants_.insert(other, word);
}

QString UsageFrequencies::lemmaOf(const QString &form) const
{
    return lemmaOfForm_.value(form, form);
}

qint64 UsageFrequencies::ownCount(const QString &word) const
{
    return std::max(lemmas_.value(word), forms_.value(word));
}

qint64 UsageFrequencies::of(QStringView headword) const
{
    const QString word = headword.toString().toLower();
    qint64 count = ownCount(word);
    if (const auto other = variants_.constFind(word); other != variants_.cend())
        count = std::max(count, ownCount(*other));
    return count;
}

QStringList UsageFrequencies::topLemmas(int n) const
{
    std::vector<std::pair<qint64, QString>> ranked;
    ranked.reserve(std::size_t(lemmas_.size()));
    for (auto lemma = lemmas_.cbegin(); lemma != lemmas_.cend(); ++lemma)
        ranked.emplace_back(lemma.value(), lemma.key());
    const auto cut = ranked.begin() + std::min<std::ptrdiff_t>(n, std::ptrdiff_t(ranked.size()));
    std::partial_sort(ranked.begin(), cut, ranked.end(), [](const auto &a, const auto &b) {
        return a.first != b.first ? a.first > b.first : a.second < b.second;
    });
    QStringList top;
    for (auto it = ranked.begin(); it != cut; ++it)
        top.append(it->second);
    return top;
}

} // namespace tolvani::dicbuild
