#include "wordfrequency.h"

#include "dictd.h"
#include "lines.h"

#include <QByteArray>

#include <array>
#include <utility>

namespace tolvani::dicbuild {
namespace {

QList<QByteArrayView> fields(QByteArrayView line)
{
    QList<QByteArrayView> out;
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

QString lemmaKey(QStringView word)
{
    QString key = word.toString().toLower();
    key.replace(u' ', u'_');
    return key;
}

} // namespace

void WordFrequencies::addTagCounts(QByteArrayView cntlist)
{
    forEachLine(cntlist, [this](QByteArrayView line) {
        const QList<QByteArrayView> f = fields(line);
        const qsizetype percent = f.isEmpty() ? -1 : f[0].indexOf('%');
        if (f.size() < 3 || percent <= 0)
            return;
        counts_[QString::fromUtf8(f[0].first(percent)).toLower()].taggedCount += f[2].toInt();
    });
}

void WordFrequencies::addSenseCounts(QByteArrayView index)
{
    forEachLine(index, [this](QByteArrayView line) {
        if (line.startsWith(' '))
            return; // the licence that heads every index file
        const QList<QByteArrayView> f = fields(line);
        if (f.size() < 3)
            return;
        counts_[QString::fromUtf8(f[0]).toLower()].senseCount += f[2].toInt();
    });
}

void WordFrequencies::load(const QString &directory)
{
    addTagCounts(readInput(directory + QStringLiteral("/cntlist.rev")));
    for (const char *part : {"noun", "verb", "adj", "adv"})
        addSenseCounts(readInput(directory + QStringLiteral("/index.") + QLatin1StringView(part)));
}

Commonness WordFrequencies::exact(const QString &lemma) const
{
    return counts_.value(lemma);
}

Commonness WordFrequencies::of(QStringView word) const
{
    const QString lemma = lemmaKey(word);
    if (const Commonness own = exact(lemma); own != Commonness{})
        return own;
    using Ending = std::pair<QStringView, QStringView>;
    static constexpr std::array endings{
        Ending{u"ies", u"y"}, Ending{u"es", u""}, Ending{u"s", u""},   Ending{u"ied", u"y"},
        Ending{u"ed", u"e"},  Ending{u"ed", u""}, Ending{u"ing", u"e"}, Ending{u"ing", u""},
        Ending{u"ly", u""},   Ending{u"er", u""}, Ending{u"est", u""},
    };
    Commonness best;
    for (const auto &[ending, replacement] : endings) {
        if (lemma.size() > ending.size() + 2 && lemma.endsWith(ending))
            best = std::max(best, exact(lemma.first(lemma.size() - ending.size()).append(replacement)));
    }
    return best;
}

} // namespace tolvani::dicbuild
