#include "source/dictd.h"

#include <QList>

#include <set>
#include <stdexcept>
#include <utility>

namespace tolvani::dicbuild {
namespace {

int base64Digit(char c)
{
    if (c >= 'A' && c <= 'Z')
        return c - 'A';
    if (c >= 'a' && c <= 'z')
        return c - 'a' + 26;
    if (c >= '0' && c <= '9')
        return c - '0' + 52;
    if (c == '+')
        return 62;
    if (c == '/')
        return 63;
    return -1;
}

std::runtime_error failure(const QString &message)
{
    return std::runtime_error(message.toStdString());
}

} // namespace

std::optional<qint64> decodeDictdNumber(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > 10)
        return std::nullopt;
    qint64 value = 0;
    for (char c : digits) {
        const int digit = base64Digit(c);
        if (digit < 0)
            return std::nullopt;
        value = value * 64 + digit;
    }
    return value;
}

std::vector<IndexEntry> parseDictdIndex(QByteArrayView index)
{
    std::vector<IndexEntry> entries;
    qsizetype lineNumber = 0;
    for (QByteArrayView line : QByteArray::fromRawData(index.data(), index.size()).split('\n')) {
        ++lineNumber;
        if (line.isEmpty() || line.startsWith("00database") || line.startsWith("00-database"))
            continue;
        const qsizetype firstTab = line.indexOf('\t');
        const qsizetype secondTab = firstTab < 0 ? -1 : line.indexOf('\t', firstTab + 1);
        const auto offset = secondTab < 0 ? std::nullopt : decodeDictdNumber(line.sliced(firstTab + 1, secondTab - firstTab - 1));
        const auto length = secondTab < 0 ? std::nullopt : decodeDictdNumber(line.sliced(secondTab + 1).trimmed());
        if (!offset || !length)
            throw failure(QStringLiteral("index line %1 is not \"word<TAB>offset<TAB>length\"").arg(lineNumber));
        entries.push_back({QString::fromUtf8(line.first(firstTab)), *offset, *length});
    }
    return entries;
}

std::vector<QString> dictdArticles(const std::vector<IndexEntry> &index, QByteArrayView data)
{
    std::vector<QString> articles;
    std::set<std::pair<qint64, qint64>> seen;
    for (const IndexEntry &entry : index) {
        if (entry.offset < 0 || entry.length < 0 || entry.offset + entry.length > data.size())
            throw failure(QStringLiteral("index entry \"%1\" points past the end of the data").arg(entry.headword));
        if (!seen.insert({entry.offset, entry.length}).second)
            continue;
        articles.push_back(QString::fromUtf8(data.sliced(entry.offset, entry.length)));
    }
    return articles;
}

} // namespace tolvani::dicbuild
