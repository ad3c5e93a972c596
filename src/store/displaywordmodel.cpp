#include "displaywordmodel.h"

#include "store/dictionary.h"

namespace tolvani {

void DisplayWordModel::setLines(const LineTable &lines)
{
    beginResetModel();
    m_lines = lines;
    endResetModel();
}

int DisplayWordModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

QVariant DisplayWordModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)
        || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return {};
    }
    return displayWord(m_lines.lineBytes(index.row()));
}

} // namespace tolvani
