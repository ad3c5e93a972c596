#include "source/entryparser.h"

#include "common/text.h"
#include "hindi/devanagari.h"

#include <QRegularExpression>

#include <algorithm>

namespace tolvani::dicbuild {
namespace {

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

// "--"2.धार/फल" (also written "--i2.", "*--"3.", "--"5'", with or
// without the number) is a sense line; the text after the marker, without
// a closing quote and any note in Latin letters after it ("#??"), or nullopt.
std::optional<QString> afterSenseMarker(const QString &example)
{
    static const QRegularExpression marker(
        QStringLiteral(R"(^[*?\s]*--\s*(?:"|i(?=\d))?\s*(?:\d+\s*[.']?)?\s*(.*?)(?:"[^\x{0900}-\x{097F}]*)?\s*$)"));
    const QRegularExpressionMatch match = marker.match(example);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1);
}

// Another article written into this one's examples as a row of quoted
// fields, ""aggressive","Adj","1.आक्रामक"": its header and first sense.
std::optional<SourceEntry> embeddedHeader(const QString &example)
{
    static const QRegularExpression row(QStringLiteral(R"re(^([^"]+)","([A-Za-z .]+)","(?:\d+\.)?(.*)$)re"));
    const QRegularExpressionMatch match = row.match(example);
    if (!match.hasMatch())
        return std::nullopt;
    SourceEntry entry;
    entry.headword = match.captured(1).trimmed();
    entry.category = match.captured(2).trimmed();
    if (const QString sense = match.captured(3).remove(u'"').trimmed(); !sense.isEmpty())
        entry.senses.append(sense);
    return entry;
}

} // namespace

std::optional<SourceEntry> parseEntry(QStringView article)
{
    std::vector<SourceEntry> entries = parseArticle(article);
    if (entries.empty())
        return std::nullopt;
    return std::move(entries.front());
}

std::vector<SourceEntry> parseArticle(QStringView article)
{
    const QList<QStringView> lines = article.split(u'\n');
    if (lines.isEmpty())
        return {};
    QStringView header = lines.front().trimmed();
    const qsizetype open = header.lastIndexOf(u'<');
    if (open < 0 || !header.endsWith(u'>'))
        return {};

    std::vector<SourceEntry> entries(1);
    SourceEntry *current = &entries.front();
    SourceEntry &entry = entries.front();
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
            if (std::optional<SourceEntry> inner = embeddedHeader(example)) {
                entries.push_back(std::move(*inner));
                current = &entries.back();
                continue;
            }
            if (const std::optional<QString> hidden = afterSenseMarker(example)) {
                if (hasDevanagariLetter(*hidden)) {
                    current->senses.append(*hidden);
                    ++current->recoveredSenses;
                    continue;
                }
                if (!std::any_of(hidden->begin(), hidden->end(), isAsciiLetter))
                    continue; // a sense number with no text
                example = *hidden; // an English example behind a stray marker
            }
            if (!example.isEmpty())
                current->examples.append(example);
        } else if (const auto sense = senseText(line)) {
            current->senses.append(sense->toString());
        } else {
            current->senses.append(line.trimmed().toString()); // a sense written without its number
        }
    }
    return entries;
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

QList<QStringView> splitOutsideBrackets(QStringView text)
{
    QList<QStringView> pieces;
    int depth = 0;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'{' || c == u'[' || c == u'(') {
            ++depth;
        } else if ((c == u'}' || c == u']' || c == u')') && depth > 0) {
            --depth;
        } else if (c == u',' && depth == 0) {
            pieces.append(text.sliced(start, i - start));
            start = i + 1;
        }
    }
    pieces.append(text.sliced(start));
    return pieces;
}

QStringList meaningPieces(QStringView sense)
{
    QStringList pieces;
    for (const QStringView raw : splitOutsideBrackets(sense)) {
        QString piece = raw.toString();
        piece.replace(u'_', u'~').replace(u'?', u' ');
        piece = piece.simplified();
        if (hasDevanagariLetter(piece))
            pieces.append(piece);
    }
    return pieces;
}

} // namespace tolvani::dicbuild
