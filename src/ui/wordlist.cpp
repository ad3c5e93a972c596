#include "wordlist.h"

#include "store/dictionary.h"
#include "store/displaywordmodel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>

namespace tolvani {
namespace {
constexpr int kRowsPlacedFirst = 512;
}

WordList::WordList(QWidget *parent)
    : QListView(parent)
    , m_model(new DisplayWordModel(this))
{
    setModel(m_model);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // Every row has the same height, so the view never measures 15,500 items.
    setUniformItemSizes(true);
    // Placing all 15,500 rows took a tenth of start-up, before the first
    // paint. The first batch, far more rows than the list shows and enough
    // to draw the scroll bar as it will stay, is placed before the window
    // shows; the rest follow on the next turns of the event loop.
    setLayoutMode(QListView::Batched);
    setBatchSize(kRowsPlacedFirst);
    // The right button and the menu keys have their own menu, opened on the
    // press itself; the platform's context-menu event would open it twice.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

void WordList::setLines(const LineTable &lines)
{
    m_model->setLines(lines);
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
    return position >= 0 ? displayWord(m_model->lines().lineBytes(position)) : QString();
}

void WordList::scrollTo(const QModelIndex &index, ScrollHint hint)
{
    // Showing the window scrolls to the first row, which is placed already.
    if (index.isValid() && !rectForIndex(index).isValid())
        finishItemsLayout();
    QListView::scrollTo(index, hint);
}

QModelIndex WordList::moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers)
{
    finishItemsLayout();
    return QListView::moveCursor(cursorAction, modifiers);
}

void WordList::finishItemsLayout()
{
    // A row not yet placed has no rectangle to scroll to, and keys such as
    // End would stop at the last row placed: place the rest at once. By the
    // time anyone presses a key, the batches have usually placed them all.
    const int rows = m_model->rowCount();
    if (rows == 0 || rectForIndex(m_model->index(rows - 1)).isValid())
        return;
    setLayoutMode(QListView::SinglePass);
    doItemsLayout();
    setLayoutMode(QListView::Batched);
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

void WordList::paintEvent(QPaintEvent *event)
{
    // Rows scroll by whole rows, so the top one is whole; of a row cut off
    // at the bottom only the top of its letters would show, and more of
    // them at a fractional scale.
    const QRect topRow = visualRect(indexAt(QPoint(0, 0)));
    if (!topRow.isValid()) {
        QListView::paintEvent(event);
        return;
    }
    const int wholeRows = (viewport()->height() - topRow.top()) / topRow.height();
    const QRect shown(0, 0, viewport()->width(), topRow.top() + wholeRows * topRow.height());
    QPaintEvent wholeRowsOnly(event->region() & shown);
    QListView::paintEvent(&wholeRowsOnly);
}

void WordList::scrollContentsBy(int dx, int dy)
{
    QListView::scrollContentsBy(dx, dy);
    // Scrolling moves what is drawn, the blank below the rows with it, and
    // draws only what it uncovers: the rows the blank lands on need drawing.
    if (dy != 0)
        viewport()->update();
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
