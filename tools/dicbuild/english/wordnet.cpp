#include "english/wordnet.h"

#include "common/inputs.h"
#include "common/text.h"
#include "lookup/wordtypes.h"

#include <utility>

namespace tolvani::dicbuild {
namespace {

// The fields of a line, split at runs of blanks.
QList<QByteArrayView> fields(QByteArrayView line)
{
    QList<QByteArrayView> out;
    out.reserve(16);
    qsizetype start = 0;
    for (qsizetype i = 0; i <= line.size(); ++i) {
        if (i == line.size() || line[i] == ' ') {
            if (i > start)
                out.append(line.sliced(start, i - start));
            start = i + 1;
        }
    }
    return out;
}

} // namespace

std::optional<WordNetPart> wordNetPart(QStringView code)
{
    switch (wordClassOf(code)) {
    case WordClass::Noun: return WordNetPart::Noun;
    case WordClass::Verb:
    case WordClass::PhrasalVerb: return WordNetPart::Verb;
    case WordClass::Adjective: return WordNetPart::Adj;
    case WordClass::Adverb: return WordNetPart::Adv;
    default: return std::nullopt;
    }
}

QString wordNetKey(QStringView word)
{
    QString key = word.toString().toLower();
    key.replace(u' ', u'_');
    return key;
}

WordNet WordNet::load(const QString &directory)
{
    static constexpr std::array<std::pair<WordNetPart, const char *>, 4> names{
        {{WordNetPart::Noun, "noun"}, {WordNetPart::Verb, "verb"}, {WordNetPart::Adj, "adj"}, {WordNetPart::Adv, "adv"}}};
    WordNet wordnet;
    for (const auto &[part, name] : names) {
        const QLatin1StringView suffix(name);
        wordnet.addIndex(part, readInput(directory + QStringLiteral("/index.") + suffix));
        wordnet.addData(part, readInput(directory + QStringLiteral("/data.") + suffix));
        wordnet.addExceptions(part, readInput(directory + u'/' + suffix + QStringLiteral(".exc")));
    }
    wordnet.addTagCounts(readInput(directory + QStringLiteral("/cntlist.rev")));
    return wordnet;
}

void WordNet::addIndex(WordNetPart part, QByteArrayView index)
{
    QHash<QString, Lemma> &lemmas = parts_[std::size_t(part)].lemmas;
    lemmas.reserve(lemmas.size() + index.count('\n'));
    forEachLine(index, [&](QByteArrayView line) {
        const QList<QByteArrayView> f = fields(line);
        if (line.startsWith(' ') || f.size() < 3)
            return; // the licence that heads every index file
        Lemma &lemma = lemmas[QString::fromUtf8(f[0]).toLower()];
        lemma.synsets += f[2].toInt();
        const qsizetype synsets = f[2].toInt();
        const qsizetype first = f.size() < 4 ? f.size() : 4 + f[3].toInt() + 2;
        if (first + synsets > f.size())
            return;
        for (qsizetype i = first; i < first + synsets; ++i)
            lemma.offsets.push_back(f[i].toLongLong());
    });
}

void WordNet::addData(WordNetPart part, QByteArray data)
{
    parts_[std::size_t(part)].data = std::move(data);
}

void WordNet::addExceptions(WordNetPart part, QByteArrayView exceptions)
{
    std::vector<QStringList> &lines = parts_[std::size_t(part)].exceptions;
    forEachLine(exceptions, [&](QByteArrayView line) {
        QStringList words;
        for (QByteArrayView field : fields(line.trimmed()))
            words.append(QString::fromUtf8(field));
        if (words.size() >= 2)
            lines.push_back(std::move(words));
    });
}

void WordNet::addTagCounts(QByteArrayView cntlist)
{
    forEachLine(cntlist, [this](QByteArrayView line) {
        const QList<QByteArrayView> f = fields(line);
        const qsizetype percent = f.isEmpty() ? -1 : f[0].indexOf('%');
        if (f.size() < 3 || percent <= 0)
            return;
        const QString lemma = QString::fromUtf8(f[0].first(percent)).toLower();
        const int count = f[2].toInt();
        tagCounts_[lemma] += count;
        // The sense key's synset type follows the "%": 1 noun, 2 verb,
        // 3 adjective, 4 adverb, 5 adjective satellite.
        static constexpr WordNetPart partOfType[] = {WordNetPart::Noun, WordNetPart::Verb, WordNetPart::Adj,
                                                     WordNetPart::Adv, WordNetPart::Adj};
        const char type = percent + 1 < f[0].size() ? f[0][percent + 1] : '0';
        if (type >= '1' && type <= '5')
            parts_[std::size_t(partOfType[type - '1'])].tagCounts[lemma] += count;
    });
}

int WordNet::tagCount(QStringView lemma, WordNetPart part) const
{
    return parts_[std::size_t(part)].tagCounts.value(wordNetKey(lemma));
}

QStringList WordNet::examplesOf(QStringView lemma, WordNetPart part) const
{
    const Part &p = parts_[std::size_t(part)];
    QStringList examples;
    const auto found = p.lemmas.constFind(wordNetKey(lemma));
    if (found == p.lemmas.cend())
        return examples;
    for (const qsizetype offset : found->offsets) {
        if (offset < 0 || offset >= p.data.size())
            continue;
        qsizetype end = p.data.indexOf('\n', offset);
        if (end < 0)
            end = p.data.size();
        const QByteArrayView synset = QByteArrayView(p.data).sliced(offset, end - offset);
        const qsizetype bar = synset.indexOf(" | ");
        if (bar >= 0)
            examples += glossExamples(synset.sliced(bar + 3));
    }
    return examples;
}

QStringList glossExamples(QByteArrayView gloss)
{
    QStringList examples;
    qsizetype open = gloss.indexOf('"');
    while (open >= 0) {
        const qsizetype close = gloss.indexOf('"', open + 1);
        if (close < 0)
            break;
        // WordNet opens quotes inside an example with a backtick: "his `Hamlet'".
        const QString example =
            QString::fromUtf8(gloss.sliced(open + 1, close - open - 1)).replace(u'`', u'\'').simplified();
        if (!example.isEmpty())
            examples.append(example);
        open = gloss.indexOf('"', close + 1);
    }
    return examples;
}

} // namespace tolvani::dicbuild
