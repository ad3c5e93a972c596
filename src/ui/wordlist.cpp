#include "wordlist.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStringListModel>

namespace tolvani {

WordList::WordList(QWidget *parent)
    : QListView(parent)
    , m_model(new QStringListModel(this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every row has the same height, so the view never measures 15,500 items.
    setUniformItemSizes(true);
    setLayoutMode(QListView::SinglePass);
    // The right button and the menu keys have their own menu, opened on the
    // press itself; the platform's context-menu event would open it twice.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void WordList::setWords(const QStringList &words)
{
    m_words = words;
    m_model->setStringList(words);
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
    return position >= 0 ? m_words.at(position) : QString();
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

void WordList::keyPressEvent(QKeyEvent *event)
{
    const bool menuKey = (event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier)
        || (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier);
    if (!menuKey) {
        QListView::keyPressEvent(event);
        return;
    }
    event->accept();
    // The menu opens below the selected row, which is scrolled into view;
    // with nothing selected, at the top of the list.
    QPoint position;
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    if (!selected.isEmpty()) {
        scrollTo(selected.first());
        position = visualRect(selected.first()).bottomLeft();
    }
    emit menuKeyPressed(position);
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
