#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace tolvani {

// The credits window. It is created for one showing and closed by "Thanks"
// (Command1_Click) or by its own close control; Escape closes nothing.
class about final : public QDialog
{
    Q_OBJECT

public:
    explicit about(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private slots:
    void Command1_Click();

private:
    QFrame *Frame1 = nullptr;
    QPushButton *Command1 = nullptr;
    QLabel *Label11 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label10 = nullptr;
    QLabel *Label1 = nullptr;
};

} // namespace tolvani
