#include "wordlist.h"

#include <QAbstractListModel>
#include <QMouseEvent>

namespace tolvani {

// The words as the view reads them: a row's word is made when the view
// draws that row, so filling the list makes no string per word.
class WordList::Model final : public QAbstractListModel
{
public:
    using QAbstractListModel::QAbstractListModel;

    const DisplayWords &words() const { return m_words; }

    void setWords(DisplayWords words)
    {
        beginResetModel();
        m_words = std::move(words);
        endResetModel();
    }

    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : int(m_words.size());
    }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_words.size()
            || (role != Qt::DisplayRole && role != Qt::EditRole)) {
            return {};
        }
        return m_words.at(index.row());
    }

    // The flags of a string-list model, which the list had before.
    Qt::ItemFlags flags(const QModelIndex &index) const override
    {
        if (!index.isValid())
            return QAbstractListModel::flags(index) | Qt::ItemIsDropEnabled;
        return QAbstractListModel::flags(index) | Qt::ItemIsEditable | Qt::ItemIsDragEnabled
                | Qt::ItemIsDropEnabled;
    }

private:
    DisplayWords m_words;
};

WordList::WordList(QWidget *parent)
    : QListView(parent)
    , m_model(new Model(this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every row has the same height, so the view never measures 15,500 items.
    setUniformItemSizes(true);
    setLayoutMode(QListView::SinglePass);
    // The right button has its own menu, opened on the press itself.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void WordList::setWords(const QStringList &words)
{
    m_model->setWords(DisplayWords(words));
}

void WordList::setWords(const DisplayWords &words)
{
    m_model->setWords(words);
}

const QStringList &WordList::words() const
{
    return m_model->words().list();
}

int WordList::selectedIndex() const
{
    // The selection, not the current item: a mouse press moves the current
    // item before it selects it.
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void WordList::setSelectedIndex(int position)
{
    setCurrentIndex(m_model->index(position));
}

QString WordList::selectedText() const
{
    const int position = selectedIndex();
    return position >= 0 ? m_model->words().at(position) : QString();
}

void WordList::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->modifiers(), event->position().toPoint());
    // A right press only opens the copy menu: the view would otherwise move
    // the current item to the row under the pointer.
    if (event->button() == Qt::RightButton) {
        event->accept();
        return;
    }
    QListView::mousePressEvent(event);
}

QItemSelectionModel::SelectionFlags WordList::selectionCommand(const QModelIndex &index,
                                                               const QEvent *event) const
{
    // Ctrl+click would toggle the selected item off; a word list always
    // shows the entry of one selected word.
    const auto flags = QListView::selectionCommand(index, event);
    if (flags & (QItemSelectionModel::Deselect | QItemSelectionModel::Toggle))
        return index.isValid() ? QItemSelectionModel::ClearAndSelect : QItemSelectionModel::NoUpdate;
    return flags;
}

} // namespace tolvani
