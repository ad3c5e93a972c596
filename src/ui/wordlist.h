#pragma once

#include "store/dictionary.h"

#include <QListView>

namespace tolvani {

// The word list: a single-selection, unsorted list of display words that
// always keeps one item selected once one has been, and reports every
// mouse press before acting on it.
class WordList final : public QListView
{
    Q_OBJECT

public:
    explicit WordList(QWidget *parent = nullptr);

    void setWords(const QStringList &words);
    void setWords(const DisplayWords &words);
    // Every word as a list, made the first time it is asked for.
    const QStringList &words() const;

    int selectedIndex() const; // -1 when nothing is selected
    void setSelectedIndex(int position);
    QString selectedText() const; // empty when nothing is selected

signals:
    void mousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index,
                                                         const QEvent *event) const override;

private:
    class Model;
    Model *m_model;
};

} // namespace tolvani
