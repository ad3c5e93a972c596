#include "common/table.h"

#include <stdexcept>

namespace tolvani::dicbuild {

QString rowError(const QString &name, const TableRow &row, const QString &message)
{
    return QStringLiteral("%1:%2: %3").arg(name).arg(row.line).arg(message);
}

std::vector<TableRow> readTable(QByteArrayView text, const QStringList &header, const QString &name)
{
    std::vector<TableRow> rows;
    bool headerSeen = false;
    int number = 0;
    for (QString line : QString::fromUtf8(text).split(u'\n')) {
        ++number;
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.startsWith(u'#') || line.trimmed().isEmpty())
            continue;
        TableRow row{number, line.split(u'\t')};
        if (!headerSeen) {
            if (row.fields != header)
                throw std::runtime_error(
                    rowError(name, row, QStringLiteral("the header must be: ") + header.join(u'\t')).toStdString());
            headerSeen = true;
            continue;
        }
        if (row.fields.size() == header.size() - 1)
            row.fields.append(QString());
        if (row.fields.size() != header.size())
            throw std::runtime_error(rowError(name, row,
                                              QStringLiteral("%1 fields instead of %2")
                                                  .arg(row.fields.size())
                                                  .arg(header.size()))
                                         .toStdString());
        for (QString &field : row.fields)
            field = field.trimmed();
        rows.push_back(std::move(row));
    }
    if (!headerSeen)
        throw std::runtime_error((name + QStringLiteral(": no header")).toStdString());
    return rows;
}

} // namespace tolvani::dicbuild
