// The built program, started as a user starts it, in a folder of its own.

#include "support/sampledictionary.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

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

    // The program prints nothing when it starts well, and a failed start
    // also keeps running, behind its error box. So it must first have read
    // as many bytes as the dictionary holds (the toolkit reads little:
    // fonts and libraries are mapped, not read), then still be running,
    // with no report, a while after.
    void expectLoadedAndRunningWithoutError(qint64 dictionarySize)
    {
        const qint64 pid = m_process.processId();
        EXPECT_TRUE(QTest::qWaitFor([&] { return bytesReadBy(pid) >= dictionarySize; }, 10000))
                << "read " << bytesReadBy(pid) << " of the dictionary's " << dictionarySize << " bytes";
        EXPECT_FALSE(m_process.waitForFinished(1000));
        EXPECT_EQ(m_process.state(), QProcess::Running);
        const QByteArray errors = m_process.readAllStandardError();
        EXPECT_FALSE(errors.contains("Error ")) << errors.toStdString();
    }

    // What a process has read so far, through any means but mapping.
    static qint64 bytesReadBy(qint64 pid)
    {
        QFile io(u"/proc/%1/io"_s.arg(pid));
        if (!io.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray text = io.readAll();
        const auto match = QRegularExpression(u"^rchar: (\\d+)$"_s, QRegularExpression::MultilineOption)
                                   .match(QString::fromLatin1(text));
        return match.hasMatch() ? match.captured(1).toLongLong() : -1;
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
    const QByteArray dictionary = testdata::makeSampleDictionary().fileText;
    testdata::writeFile(m_folder.filePath(u"Complete.dic"_s), dictionary);
    start(m_program);
    expectLoadedAndRunningWithoutError(dictionary.size());
}

// The whole made-up dictionary, so that reading it cannot be mistaken
// for the toolkit's own reading.
TEST_F(Program, startedThroughASymlink_readsTheDictionaryBesideTheRealProgram)
{
    const QByteArray dictionary = testdata::makeSampleDictionary().fileText;
    testdata::writeFile(m_folder.filePath(u"Complete.dic"_s), dictionary);
    QTemporaryDir launchers;
    const QString launcher = launchers.filePath(u"tolvani"_s);
    ASSERT_TRUE(QFile::link(m_program, launcher));
    start(launcher);
    expectLoadedAndRunningWithoutError(dictionary.size());
}

TEST_F(Program, withoutItsDictionary_reportsThePathAndTheReason)
{
    start(m_program);
    EXPECT_EQ(errorReport(),
              u"Error 53: Cannot open the dictionary file "_s + m_folder.path()
                      + u"/Complete.dic: No such file or directory"_s);
    // Behind its error box it has done all but the load: what the toolkit
    // reads must stay short of a dictionary for the reading to show it.
    EXPECT_LT(bytesReadBy(m_process.processId()), testdata::makeSampleDictionary().fileText.size());
}

TEST_F(Program, withAnEmptyDictionary_reportsIt)
{
    testdata::writeFile(m_folder.filePath(u"Complete.dic"_s), QByteArray());
    start(m_program);
    EXPECT_EQ(errorReport(),
              u"Error 62: The dictionary file "_s + m_folder.path() + u"/Complete.dic is empty"_s);
}

} // namespace
