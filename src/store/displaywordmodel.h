#pragma once

#include "store/linetable.h"

#include <QAbstractListModel>

namespace tolvani {

// The word list's items: row i is the display word of line i, made from
// the line when a view asks for it, so only the rows drawn are ever
// decoded. The model shares the table's bytes, not a copy of them.
class DisplayWordModel final : public QAbstractListModel
{
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    void setLines(const LineTable &lines);
    const LineTable &lines() const { return m_lines; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

private:
    LineTable m_lines;
};

} // namespace tolvani
