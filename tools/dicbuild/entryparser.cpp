#include "entryparser.h"

#include "romanizer.h"

#include <QRegularExpression>

#include <algorithm>

namespace tolvani::dicbuild {
namespace {

bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// "12. text" gives "text"; anything else is not a numbered sense.
std::optional<QStringView> senseText(QStringView line)
{
    qsizetype i = 0;
    while (i < line.size() && line[i].isDigit())
        ++i;
    if (i == 0 || i >= line.size() || line[i] != u'.')
        return std::nullopt;
    return line.sliced(i + 1).trimmed();
}

QString stripQuotes(QStringView text)
{
    QStringView t = text.trimmed();
    while (t.startsWith(u'"'))
        t = t.sliced(1);
    while (t.endsWith(u'"'))
        t.chop(1);
    return simplified(t);
}

bool hasDevanagari(QStringView text)
{
    for (QChar c : text) {
        if (isDevanagariLetter(c))
            return true;
    }
    return false;
}

// "--"2.धार/फल" (also written "--i2.", "*--"3.", "--"5'", with or
// without the number) is a sense line; the text after the marker, or nullopt.
std::optional<QString> afterSenseMarker(const QString &example)
{
    static const QRegularExpression marker(QStringLiteral(R"(^[*?\s]*--\s*(?:"|i(?=\d))?\s*(?:\d+\s*[.']?)?\s*(.*?)["\s]*$)"));
    const QRegularExpressionMatch match = marker.match(example);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

} // namespace

QString simplified(QStringView text)
{
    return text.toString().simplified();
}

std::optional<SourceEntry> parseEntry(QStringView article)
{
    const QList<QStringView> lines = article.split(u'\n');
    if (lines.isEmpty())
        return std::nullopt;
    QStringView header = lines.front().trimmed();
    const qsizetype open = header.lastIndexOf(u'<');
    if (open < 0 || !header.endsWith(u'>'))
        return std::nullopt;

    SourceEntry entry;
    entry.category = header.sliced(open + 1, header.size() - open - 2).trimmed().toString();
    QStringView head = header.first(open).trimmed();
    // The pronunciation is the last /.../ before the category; headwords
    // may themselves hold slashes ("brownish/browny").
    if (head.endsWith(u'/')) {
        const qsizetype start = head.first(head.size() - 1).lastIndexOf(u'/');
        if (start >= 0)
            head = head.first(start).trimmed();
    }
    entry.headword = head.toString();

    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QStringView line = lines[i];
        if (line.trimmed().isEmpty())
            continue;
        if (line.front().isSpace() || line.trimmed().front() == u'"') {
            QString example = stripQuotes(line);
            if (const std::optional<QString> hidden = afterSenseMarker(example)) {
                if (hasDevanagari(*hidden)) {
                    entry.senses.append(*hidden);
                    ++entry.recoveredSenses;
                    continue;
                }
                if (!std::any_of(hidden->begin(), hidden->end(), isAsciiLetter))
                    continue; // a sense number with no text
                example = *hidden; // an English example behind a stray marker
            }
            if (!example.isEmpty())
                entry.examples.append(example);
        } else if (const auto sense = senseText(line)) {
            entry.senses.append(sense->toString());
        } else {
            entry.senses.append(line.trimmed().toString()); // a sense written without its number
        }
    }
    return entry;
}

std::optional<QString> cleanHeadword(QStringView headword)
{
    QString text = headword.toString();
    text.replace(u'_', u' ').replace(u'~', u' ');
    text = text.simplified();
    if (text.isEmpty() || !isAsciiLetter(text.front()))
        return std::nullopt;
    for (QChar c : text) {
        if (!isAsciiLetter(c) && c != u' ' && c != u'-' && c != u'\'' && c != u'.')
            return std::nullopt;
    }
    return text;
}

QStringList meaningPieces(QStringView sense)
{
    QStringList pieces;
    int depth = 0;
    qsizetype start = 0;
    auto take = [&](qsizetype end) {
        QString piece = sense.sliced(start, end - start).toString();
        piece.replace(u'_', u'~').replace(u'?', u' ');
        piece = piece.simplified();
        if (hasDevanagari(piece))
            pieces.append(piece);
        start = end + 1;
    };
    for (qsizetype i = 0; i < sense.size(); ++i) {
        const QChar c = sense[i];
        if (c == u'{' || c == u'[' || c == u'(')
            ++depth;
        else if ((c == u'}' || c == u']' || c == u')') && depth > 0)
            --depth;
        else if (c == u',' && depth == 0)
            take(i);
    }
    take(sense.size());
    return pieces;
}

} // namespace tolvani::dicbuild
