#include "wordnetexamples.h"

#include "dictd.h"

namespace tolvani::dicbuild {

std::optional<WordNetPart> wordNetPart(QStringView code)
{
    if (code == u"n")
        return WordNetPart::Noun;
    if (code == u"a")
        return WordNetPart::Adj;
    if (code == u"adv")
        return WordNetPart::Adv;
    if (code == u"v" || code == u"vt" || code == u"vi" || code == u"vti" || code.startsWith(u"phrv"))
        return WordNetPart::Verb;
    return std::nullopt;
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

void WordNetExamples::add(WordNetPart part, QByteArrayView index, QByteArray data)
{
    Part &p = parts_[std::size_t(part)];
    for (const QByteArray &line : index.toByteArray().split('\n')) {
        if (line.isEmpty() || line.startsWith(' '))
            continue; // the licence that heads every index file
        const QList<QByteArray> f = line.simplified().split(' ');
        // lemma pos synset_cnt p_cnt [ptr...] sense_cnt tagsense_cnt offsets...
        if (f.size() < 4)
            continue;
        const qsizetype synsets = f[2].toInt();
        const qsizetype first = 4 + f[3].toInt() + 2;
        if (first + synsets > f.size())
            continue;
        std::vector<qsizetype> &offsets = p.offsets[QString::fromUtf8(f[0]).toLower()];
        for (qsizetype i = first; i < first + synsets; ++i)
            offsets.push_back(f[i].toLongLong());
    }
    p.data = std::move(data);
}

void WordNetExamples::load(const QString &directory)
{
    static constexpr std::array<std::pair<WordNetPart, const char *>, 4> names{
        {{WordNetPart::Noun, "noun"}, {WordNetPart::Verb, "verb"}, {WordNetPart::Adj, "adj"}, {WordNetPart::Adv, "adv"}}};
    for (const auto &[part, name] : names) {
        const QString suffix = u'.' + QLatin1StringView(name);
        add(part, readInput(directory + QStringLiteral("/index") + suffix),
            readInput(directory + QStringLiteral("/data") + suffix));
    }
}

QStringList WordNetExamples::examplesOf(QStringView lemma, WordNetPart part) const
{
    const Part &p = parts_[std::size_t(part)];
    QString key = lemma.toString().toLower();
    key.replace(u' ', u'_');
    QStringList examples;
    for (const qsizetype offset : p.offsets.value(key)) {
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

} // namespace tolvani::dicbuild
