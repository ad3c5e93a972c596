#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <vector>

namespace tolvani::dicbuild {

// A row of one of the builder's hand-written tables in data/.
struct TableRow {
    int line = 0; // 1-based, for messages
    QStringList fields;
};

// Reads a tab-separated UTF-8 table: lines beginning with "#" and blank
// lines are skipped, the first other line must be `header`, and every row
// must have as many fields (a missing last field counts as empty). Throws
// std::runtime_error naming `name` and the line when it is not so.
std::vector<TableRow> readTable(QByteArrayView text, const QStringList &header, const QString &name);

// "name:line: message", for errors about one row.
QString rowError(const QString &name, const TableRow &row, const QString &message);

} // namespace tolvani::dicbuild
