// A dictionary that cannot be read ends the program before any window
// shows: the report goes to standard error and to a message box, and the
// exit status says it failed.

#include "store/dictionary.h"
#include "support/windowharness.h"

#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

#include <sys/stat.h>
#include <unistd.h>

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

TEST(StartupFailure, namedPipeAsDictionary_reportsWithoutWaitingAndExitsWithFailure)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    QTemporaryDir folder;
    const QString path = dictionaryPathIn(folder.path());
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    EXPECT_EXIT(
            {
                // A start-up that waits on the pipe is ended by the alarm,
                // which fails the test rather than hanging it.
                ::alarm(10);
                answerWindow(modalWindow, answerTheErrorBox, [&] { DicFrm window(path); });
                std::fprintf(stderr, "the window was built\n");
                std::_Exit(0);
            },
            ::testing::ExitedWithCode(1),
            "Error 75: Cannot open the dictionary file .*/Complete.dic: Is a named pipe, not a regular file\n"
            ".*box says: Error 75: ");
}

} // namespace
