#include "english/spellings.h"

#include "common/table.h"

#include <QHash>
#include <QSet>

#include <stdexcept>

namespace tolvani::dicbuild {
namespace {

QString withEnding(QString word, QStringView ending)
{
    if (word.endsWith(u'e') && (ending.startsWith(u'e') || ending.startsWith(u'i')))
        word.chop(1);
    return word + ending.toString();
}

// An example of a copied line, with the headword and its regular forms in
// the copy's spelling ("The colours faded." under "color" => "The colors
// faded."), so that it does not spell the word the other way.
QString respelled(const QString &example, const QString &from, const QString &to)
{
    // The first ending that makes a form wins: "litres" is litre + s, not
    // litr(e) + es, and so becomes "liters", not "literes".
    QHash<QString, QString> forms;
    for (QStringView ending : {u"", u"s", u"es", u"ed", u"ing"}) {
        const QString form = withEnding(from, ending);
        if (!forms.contains(form))
            forms.insert(form, withEnding(to, ending));
    }
    QString result;
    result.reserve(example.size() + 8);
    qsizetype i = 0;
    while (i < example.size()) {
        qsizetype end = i;
        while (end < example.size() && example[end].isLetter())
            ++end;
        if (end == i) {
            result += example[i++];
            continue;
        }
        const QString word = example.sliced(i, end - i);
        const auto other = forms.constFind(word.toLower());
        if (other == forms.cend()) {
            result += word;
        } else if (word.size() > 1 && word == word.toUpper()) {
            result += other->toUpper();
        } else {
            QString replacement = *other;
            if (word.front().isUpper())
                replacement.front() = replacement.front().toUpper();
            result += replacement;
        }
        i = end;
    }
    return result;
}

} // namespace

void SpellingVariants::addTable(QByteArrayView table, const QString &name)
{
    for (const TableRow &row : readTable(table, {QStringLiteral("british"), QStringLiteral("american")}, name)) {
        const QString &british = row.fields[0];
        const QString &american = row.fields[1];
        if (british.isEmpty() || american.isEmpty() || british == american || other_.contains(british)
            || other_.contains(american))
            throw std::runtime_error(rowError(name, row, QStringLiteral("not a new pair of spellings")).toStdString());
        other_.insert(british, american);
        other_.insert(american, british);
    }
}

QString SpellingVariants::otherOf(const QString &word) const
{
    return other_.value(word.toLower());
}

std::vector<DicLine> variantLines(const std::vector<DicLine> &lines, const SpellingVariants &variants)
{
    QSet<QString> headwords;
    for (const DicLine &line : lines)
        headwords.insert(line.headword.toLower());
    std::vector<DicLine> added;
    for (const DicLine &line : lines) {
        const QString other = variants.otherOf(line.headword);
        if (other.isEmpty() || headwords.contains(other))
            continue;
        DicLine copy = line;
        copy.headword = other;
        copy.example = respelled(line.example, line.headword.toLower(), other);
        for (QString &example : copy.sourceExamples)
            example = respelled(example, line.headword.toLower(), other);
        copy.origin = Origin::Spelling;
        added.push_back(std::move(copy));
    }
    return added;
}

} // namespace tolvani::dicbuild
