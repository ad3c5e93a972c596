#pragma once

#include <QListView>

namespace tolvani {

class DisplayWordModel;
class LineTable;

// The word list: a single-selection, unsorted list of display words that
// always keeps one item selected once one has been, and reports every
// mouse press before acting on it and the menu keys (the context-menu key,
// Shift+F10) with the place of the selected row. It shows only whole rows:
// the part of a row that its bottom edge would cut off stays blank.
class WordList final : public QListView
{
    Q_OBJECT

public:
    explicit WordList(QWidget *parent = nullptr);

    // Lists the display word of every line, in order.
    void setLines(const LineTable &lines);

    int selectedIndex() const; // -1 when nothing is selected
    void setSelectedIndex(int position);
    QString selectedText() const; // empty when nothing is selected

    void scrollTo(const QModelIndex &index, ScrollHint hint = EnsureVisible) override;

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void menuKeyPressed(QPoint position); // in the viewport, at the selected row


protected:
    QModelIndex moveCursor(CursorAction cursorAction, Qt::KeyboardModifiers modifiers) override;
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;

private:
    void finishItemsLayout();

    DisplayWordModel *m_model;
};

} // namespace tolvani
