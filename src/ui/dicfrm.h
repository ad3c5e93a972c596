#pragma once

// The main window and its handlers.
//
//   window created         -> Form_Load: LoadDictionary, then select position 0
//   list selection changes -> List1_Click: show the selected entry
//   search text changes    -> Text1_Change: select the first word it begins
//   mouse press on list    -> List1_MouseDown: right button pops up MFile
//   menu key on list       -> List1_MenuKey: pops up MFile at the selected row
//   MCopy chosen           -> MCopy_Click: selected word to the clipboard
//   buttons                -> Command1_Click (Exit) ... Command4_Click
//
// The dictionary lives here for the life of the program: Words (every line),
// Fields (the line shown last) and the search, which keeps RangeStart and
// RangeEnd (the scan range of the last letter searched). The list makes
// each display word from its line when it draws it.

#include "lookup/search.h"
#include "store/linetable.h"

#include <QStringList>
#include <QWidget>

class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;

namespace tolvani {

class WordList;

class DicFrm final : public QWidget
{
    Q_OBJECT

public:
    // Builds the window and loads the dictionary at `dictionaryPath`. A
    // dictionary that cannot be read ends the program before any window shows.
    explicit DicFrm(QString dictionaryPath, QWidget *parent = nullptr);

private slots:
    void List1_Click();
    void Text1_Change();
    void List1_MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint position);
    void List1_MenuKey(QPoint position);
    void MCopy_Click();
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();

private:
    void buildControls();
    void buildTitleBand();
    void setTabOrder();
    void connectHandlers();
    void Form_Load();
    void LoadDictionary();

    const QString m_dictionaryPath;

    LineTable Words;
    QStringList Fields;
    IncrementalSearch m_search; // SetLetterRange, RangeStart, RangeEnd

    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QPlainTextEdit *WExample = nullptr;
    QLineEdit *Text1 = nullptr;
    QLineEdit *WType = nullptr;
    QPlainTextEdit *WMeaning = nullptr;
    WordList *List1 = nullptr;
    QFrame *Frame1 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label6 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label9 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label1 = nullptr;
    QMenu *MFile = nullptr;
    QAction *MCopy = nullptr;
};

} // namespace tolvani
