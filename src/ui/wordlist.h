#pragma once

#include <QListView>

class QStringListModel;

namespace tolvani {

// The word list: a single-selection, unsorted list of display words that
// always keeps one item selected once one has been, and reports every
// mouse press before acting on it and the menu keys (the context-menu key,
// Shift+F10) with the place of the selected row.
class WordList final : public QListView
{
    Q_OBJECT

public:
    explicit WordList(QWidget *parent = nullptr);

    void setWords(const QStringList &words);
    const QStringList &words() const { return m_words; }

    int selectedIndex() const; // -1 when nothing is selected
    void setSelectedIndex(int position);
    QString selectedText() const; // empty when nothing is selected

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void menuKeyPressed(QPoint position); // in the viewport, at the selected row


protected:
    void mousePressEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;

private:
    QStringListModel *m_model;
    // The same list the model holds, shared, so reading an item for the
    // search costs no copy and no QVariant.
    QStringList m_words;
};

} // namespace tolvani
