// A dictionary that cannot be read ends the program before any window
// shows: the report goes to standard error and to a message box, and the
// exit status says it failed.

#include "store/dictionary.h"
#include "support/windowharness.h"

#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

using namespace tolvani;
using namespace tolvani::windowtest;
using namespace Qt::StringLiterals;

namespace {

// Answers the error box as a user would, echoing what it said.
void answerTheErrorBox(QWidget *window)
{
    auto *box = qobject_cast<QMessageBox *>(window);
    if (!box) {
        std::fprintf(stderr, "no message box\n");
        std::_Exit(99);
    }
    std::fprintf(stderr, "box says: %s\n", qPrintable(box->text()));
    box->accept();
}

TEST(StartupFailure, missingDictionary_reportsAndExitsWithFailure)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir folder;
    const QString path = dictionaryPathIn(folder.path());
    EXPECT_EXIT(
            {
                answerWindow(modalWindow, answerTheErrorBox, [&] { DicFrm window(path); });
                std::fprintf(stderr, "the window was built\n");
                std::_Exit(0);
            },
            ::testing::ExitedWithCode(1),
            "Error 53: Cannot open the dictionary file .*/Complete.dic: No such file or directory\n"
            ".*box says: Error 53: Cannot open the dictionary file .*/Complete.dic: No such file or directory");
}

} // namespace
