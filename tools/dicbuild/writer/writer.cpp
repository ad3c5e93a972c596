#include "writer/writer.h"

#include "platform/codepage.h"

#include <numeric>
#include <utility>

namespace tolvani::dicbuild {
namespace {

QString repaired(const QString &field, WriteStats &stats)
{
    QString text = field;
    text.replace(u'\r', u' ').replace(u'\n', u' ');
    while (text.contains(QStringView(u"||")))
        text.replace(QStringLiteral("||"), QStringLiteral("|"));
    if (text != field)
        ++stats.fieldsRepaired;
    return text;
}

} // namespace

int WriteStats::dropped() const
{
    return std::accumulate(droppedChars.begin(), droppedChars.end(), 0,
                           [](int sum, const auto &entry) { return sum + entry.second; });
}

QString formatLine(const DicLine &line, WriteStats &stats)
{
    const QString separator = QStringLiteral("||");
    return repaired(line.headword, stats) + separator + repaired(line.code, stats) + separator
        + repaired(line.meaning, stats) + separator + repaired(line.example, stats);
}

QByteArray encodeDictionary(const std::vector<DicLine> &lines, WriteStats &stats)
{
    QString text;
    for (const DicLine &line : lines) {
        text += formatLine(line, stats);
        text += QStringLiteral("\r\n");
    }
    QString kept(text.size(), Qt::Uninitialized);
    qsizetype size = 0;
    for (QChar c : std::as_const(text)) {
        if (isWindows1252(c))
            kept[size++] = c;
        else
            ++stats.droppedChars[c.unicode()];
    }
    kept.truncate(size);
    return encodeWindows1252(kept);
}

} // namespace tolvani::dicbuild
