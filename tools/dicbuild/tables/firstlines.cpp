#include "tables/firstlines.h"

#include "common/table.h"
#include "lookup/wordtypes.h"

#include <QSet>

#include <stdexcept>

namespace tolvani::dicbuild {

void FirstLineTable::addTable(QByteArrayView table, const QString &name)
{
    name_ = name;
    const QStringList header{QStringLiteral("headword"), QStringLiteral("first"), QStringLiteral("reason")};
    for (const TableRow &row : readTable(table, header, name)) {
        const QString headword = row.fields[0].toLower();
        auto fail = [&](const QString &message) {
            throw std::runtime_error(rowError(name, row, row.fields[0] + QStringLiteral(": ") + message).toStdString());
        };
        if (headword.isEmpty() || !findWordType(row.fields[1]))
            fail(QStringLiteral("needs a headword and a known code"));
        if (row.fields[2].isEmpty())
            fail(QStringLiteral("gives no reason"));
        if (codes_.contains(headword))
            fail(QStringLiteral("repeats an earlier row"));
        codes_.insert(headword, row.fields[1]);
        rowLines_.insert(headword, row.line);
    }
}

QStringList FirstLineTable::unmatched(const std::vector<DicLine> &lines) const
{
    QHash<QString, int> linesOf;
    QSet<QString> keys;
    for (const DicLine &line : lines) {
        ++linesOf[line.headword.toLower()];
        keys.insert(lineKey(line));
    }
    QStringList out;
    for (auto row = codes_.cbegin(); row != codes_.cend(); ++row) {
        if (!keys.contains(lineKey(row.key(), row.value())) || linesOf.value(row.key()) < 2)
            out.append(QStringLiteral("%1:%2: %3 %4").arg(name_).arg(rowLines_.value(row.key())).arg(row.key(), row.value()));
    }
    out.sort();
    return out;
}

} // namespace tolvani::dicbuild
