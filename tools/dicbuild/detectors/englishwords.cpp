#include "detectors/englishwords.h"

#include "common/table.h"
#include "common/text.h"

#include <stdexcept>

namespace tolvani::dicbuild {
namespace {

bool isApostrophe(QChar c)
{
    return c == u'\'' || c == u'\u2019';
}

} // namespace

void EnglishWords::addWordList(QByteArrayView list)
{
    forEachLine(list, [this](QByteArrayView line) {
        const QString word = QString::fromUtf8(line).trimmed();
        if (!word.isEmpty())
            words_.insert(word);
    });
}

void EnglishWords::addReviewed(QByteArrayView table, const QString &name)
{
    const QStringList header{QStringLiteral("word"), QStringLiteral("reason")};
    QSet<QString> seen;
    for (const TableRow &row : readTable(table, header, name)) {
        const QString &word = row.fields[0];
        if (word.isEmpty() || row.fields[1].isEmpty())
            throw std::runtime_error(rowError(name, row, QStringLiteral("needs a word and a reason")).toStdString());
        if (seen.contains(word))
            throw std::runtime_error(rowError(name, row, word + QStringLiteral(": repeats an earlier row")).toStdString());
        seen.insert(word);
        words_.insert(word);
    }
}

bool EnglishWords::listed(const QString &word) const
{
    return words_.contains(word) || words_.contains(word.toLower());
}

bool EnglishWords::knows(QStringView word) const
{
    QString plain = word.toString();
    plain.replace(u'\u2019', u'\'');
    if (listed(plain))
        return true;
    for (QStringView ending : {u"'s", u"'ll", u"'ve", u"'re", u"'d", u"'m"}) {
        if (plain.endsWith(ending, Qt::CaseInsensitive) && listed(plain.chopped(ending.size())))
            return true;
    }
    return plain.endsWith(u"s'") && listed(plain.chopped(1));
}

QStringList EnglishWords::unknownWords(QStringView example) const
{
    // An apostrophe belongs to a word only between two of its letters.
    auto inWord = [](QStringView text, qsizetype i) {
        return isAsciiLetter(text[i])
            || (isApostrophe(text[i]) && i > 0 && isAsciiLetter(text[i - 1]) && i + 1 < text.size()
                && isAsciiLetter(text[i + 1]));
    };
    QStringList unknown;
    forEachWord(example, inWord, [&](QStringView word, qsizetype start) {
        const qsizetype end = start + word.size();
        const bool nextToDigit =
            (start > 0 && example[start - 1].isDigit()) || (end < example.size() && example[end].isDigit());
        if (!nextToDigit && !knows(word))
            unknown.append(word.toString());
    });
    return unknown;
}

} // namespace tolvani::dicbuild
