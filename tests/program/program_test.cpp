// The built program, started as a user starts it, in a folder of its own.

#include "support/sampledictionary.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace tolvani;

namespace {

class Program : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_program = m_folder.filePath(u"tolvani"_s);
        ASSERT_TRUE(QFile::copy(QString::fromUtf8(TOLVANI_PROGRAM), m_program));
    }

    void TearDown() override
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    void start(const QString &path)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
        m_process.setProcessEnvironment(environment);
        m_process.start(path, {});
        ASSERT_TRUE(m_process.waitForStarted(5000));
    }

    // A failed start also keeps running, behind its error box: only the
    // absence of a report tells the two apart.
    void expectRunningWithoutError()
    {
        EXPECT_FALSE(m_process.waitForFinished(1500));
        EXPECT_EQ(m_process.state(), QProcess::Running);
        const QByteArray errors = m_process.readAllStandardError();
        EXPECT_FALSE(errors.contains("Error ")) << errors.toStdString();
    }

    // The program's own report: the first line of standard error that
    // starts like one (the toolkit may warn before it).
    QString errorReport()
    {
        m_process.setReadChannel(QProcess::StandardError);
        QByteArray text;
        const QRegularExpression report(u"^Error \\d+: .*$"_s, QRegularExpression::MultilineOption);
        while (m_process.waitForReadyRead(10000)) {
            text += m_process.readAllStandardError();
            const auto match = report.match(QString::fromUtf8(text));
            if (match.hasMatch())
                return match.captured();
        }
        return QString::fromUtf8(text);
    }

    QTemporaryDir m_folder;
    QString m_program;
    QProcess m_process;
};

TEST_F(Program, withItsDictionary_comesUpAndStaysUp)
{
    testdata::writeFile(m_folder.filePath(u"Complete.dic"_s), testdata::makeSampleDictionary().fileText);
    start(m_program);
    expectRunningWithoutError();
}

TEST_F(Program, startedThroughASymlink_readsTheDictionaryBesideTheRealProgram)
{
    testdata::writeFile(m_folder.filePath(u"Complete.dic"_s), "apple||n||seb||An apple.\r\n");
    QTemporaryDir launchers;
    const QString launcher = launchers.filePath(u"tolvani"_s);
    ASSERT_TRUE(QFile::link(m_program, launcher));
    start(launcher);
    expectRunningWithoutError();
}

TEST_F(Program, withoutItsDictionary_reportsThePathAndTheReason)
{
    start(m_program);
    EXPECT_EQ(errorReport(),
              u"Error 53: Cannot open the dictionary file "_s + m_folder.path()
                      + u"/Complete.dic: No such file or directory"_s);
}

TEST_F(Program, withAnEmptyDictionary_reportsIt)
{
    testdata::writeFile(m_folder.filePath(u"Complete.dic"_s), QByteArray());
    start(m_program);
    EXPECT_EQ(errorReport(),
              u"Error 62: The dictionary file "_s + m_folder.path() + u"/Complete.dic is empty"_s);
}

} // namespace
