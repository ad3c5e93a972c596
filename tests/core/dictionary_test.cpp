#include "support/sampledictionary.h"
#include "store/dictionary.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <memory>
#include <thread>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace tolvani;
using namespace Qt::StringLiterals;

namespace {

// The display words of every line, as the list shows them.
QStringList words(const Dictionary &dictionary)
{
    QStringList words;
    for (qsizetype i = 0; i < dictionary.lines.size(); ++i)
        words.append(displayWord(dictionary.lines.lineBytes(i)));
    return words;
}

class LoadDictionary : public ::testing::Test
{
protected:
    // Writes `text` as Complete.dic in a fresh folder and loads it.
    Dictionary load(const QByteArray &text)
    {
        testdata::writeFile(path(), text);
        auto loaded = loadDictionary(path());
        if (const auto *error = std::get_if<Error>(&loaded)) {
            ADD_FAILURE() << error->report().toStdString();
            return {};
        }
        return std::get<Dictionary>(std::move(loaded));
    }

    // Loads on a thread of its own, so a load that blocks (in open() on a
    // named pipe, say) fails the test instead of hanging the suite; such a
    // thread is left behind, blocked, and ends with the process.
    Error loadError()
    {
        auto result = std::make_shared<std::promise<std::variant<Dictionary, Error>>>();
        auto loaded = result->get_future();
        std::thread([result, path = path()] { result->set_value(loadDictionary(path)); }).detach();
        if (loaded.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            ADD_FAILURE() << "the load did not end";
            return {};
        }
        auto outcome = loaded.get();
        if (!std::holds_alternative<Error>(outcome)) {
            ADD_FAILURE() << "the file loaded";
            return {};
        }
        return std::get<Error>(std::move(outcome));
    }

    QString path() const { return dictionaryPathIn(m_folder.path()); }

    QTemporaryDir m_folder;
};

TEST_F(LoadDictionary, load_crLfFile_listsProperCasedHeadwordsInFileOrder)
{
    const Dictionary dictionary = load("zebra||n||zebra||A zebra.\r\n"
                                       "apple||n||seb||An apple.\r\n"
                                       "ice cream||n||aais kreem||Cold.\r\n"
                                       "TV||n||doordarshan||On TV.\r\n"
                                       "x-ray||n||eks re||An x-ray.\r\n");
    EXPECT_EQ(words(dictionary),
              (QStringList{u"Zebra"_s, u"Apple"_s, u"Ice Cream"_s, u"Tv"_s, u"X-ray"_s}));
    ASSERT_EQ(dictionary.lines.size(), 5);
    EXPECT_EQ(dictionary.lines.line(1), u"apple||n||seb||An apple."_s);
}

TEST_F(LoadDictionary, load_lineWithoutSeparator_wholeLineIsTheWord)
{
    const Dictionary dictionary = load("apple||n\r\nplain words here\r\nbat||n\r\n");
    EXPECT_EQ(words(dictionary), (QStringList{u"Apple"_s, u"Plain Words Here"_s, u"Bat"_s}));
}

TEST_F(LoadDictionary, load_codePageBytes_decodeOneCharacterEach)
{
    const Dictionary dictionary = load("caf\xE9||n||kafe||A caf\xE9.\r\n\x93quoted\x94||n\r\n");
    EXPECT_EQ(words(dictionary), (QStringList{u"Café"_s, u"“quoted”"_s}));
    EXPECT_EQ(dictionary.lines.line(0), u"café||n||kafe||A café."_s);
}

TEST_F(LoadDictionary, load_emptyLines_keepPositionsEqualToLineIndexes)
{
    const Dictionary dictionary = load("apple||n\r\n\r\nbat||n\r\n\r\n\r\ncat||n\r\n");
    EXPECT_EQ(words(dictionary),
              (QStringList{u"Apple"_s, QString(), u"Bat"_s, QString(), QString(), u"Cat"_s}));
    EXPECT_EQ(dictionary.lines.line(5), u"cat||n"_s);
}

TEST_F(LoadDictionary, load_fileBeginningWithLineBreak_firstWordIsEmpty)
{
    const Dictionary dictionary = load("\r\napple||n||seb\r\n");
    EXPECT_EQ(words(dictionary), (QStringList{QString(), u"Apple"_s}));
}

TEST_F(LoadDictionary, load_lfOnlyLineEnds_listsEveryHeadword)
{
    const Dictionary dictionary = load("apple||n||seb\nbat||n||balla\ncat||n||billi\n");
    EXPECT_EQ(words(dictionary), (QStringList{u"Apple"_s, u"Bat"_s, u"Cat"_s}));
}

TEST_F(LoadDictionary, load_crOnlyLineEnds_keepsFirstLetters)
{
    const Dictionary dictionary = load("apple||n||seb\rbat||n||balla\rcat||n||billi\r");
    EXPECT_EQ(words(dictionary), (QStringList{u"Apple"_s, u"Bat"_s, u"Cat"_s}));
    EXPECT_EQ(dictionary.lines.line(2), u"cat||n||billi"_s);
}

TEST_F(LoadDictionary, load_mixedLineEnds_eachBreakEndsOneLine)
{
    const Dictionary dictionary = load("a||n\r\nb||n\nc||n\rd||n\n\re||n");
    EXPECT_EQ(words(dictionary),
              (QStringList{u"A"_s, u"B"_s, u"C"_s, u"D"_s, QString(), u"E"_s}));
}

TEST_F(LoadDictionary, load_noFinalLineBreak_lastLineIsListed)
{
    const Dictionary dictionary = load("apple||n\r\nbat||n");
    EXPECT_EQ(words(dictionary), (QStringList{u"Apple"_s, u"Bat"_s}));
}

TEST_F(LoadDictionary, load_finalLineBreak_addsNoItem)
{
    EXPECT_EQ(words(load("apple||n\r\n")), QStringList{u"Apple"_s});
    EXPECT_EQ(words(load("apple||n\n")), QStringList{u"Apple"_s});
    EXPECT_EQ(words(load("apple||n\r")), QStringList{u"Apple"_s});
}

TEST_F(LoadDictionary, load_moreLinesThanA16BitPosition_loadsThemAll)
{
    QByteArray text;
    for (int i = 0; i < 40000; ++i)
        text += "w" + QByteArray::number(i) + "||n||m||e\r\n";
    const Dictionary dictionary = load(text);
    ASSERT_EQ(dictionary.lines.size(), 40000);
    EXPECT_EQ(displayWord(dictionary.lines.lineBytes(39999)), u"W39999"_s);
    EXPECT_EQ(dictionary.lines.line(32768), u"w32768||n||m||e"_s);
}

TEST_F(LoadDictionary, load_sampleDictionary_everyLineHasItsWord)
{
    const testdata::SampleDictionary sample = testdata::makeSampleDictionary();
    const Dictionary dictionary = load(sample.fileText);
    const QStringList listed = words(dictionary);
    ASSERT_EQ(listed.size(), 15500);
    for (qsizetype i = 0; i < sample.headwords.size(); i += 997)
        EXPECT_EQ(listed[i].toLower(), sample.headwords[i]) << i;
}

TEST_F(LoadDictionary, load_missingFile_reportsPathAndReason)
{
    const Error error = loadError();
    EXPECT_EQ(error.number, Error::FileNotFound);
    EXPECT_EQ(error.description,
              u"Cannot open the dictionary file "_s + path() + u": No such file or directory"_s);
}

TEST_F(LoadDictionary, load_emptyFile_reportsPath)
{
    testdata::writeFile(path(), QByteArray());
    const Error error = loadError();
    EXPECT_EQ(error.description, u"The dictionary file "_s + path() + u" is empty"_s);
}

TEST_F(LoadDictionary, load_folderInPlaceOfFile_reportsPath)
{
    ASSERT_TRUE(QDir().mkpath(path()));
    const Error error = loadError();
    EXPECT_TRUE(error.description.startsWith(u"Cannot open the dictionary file "_s + path()))
            << error.description.toStdString();
}

TEST_F(LoadDictionary, load_unreadableFile_reportsPath)
{
    testdata::writeFile(path(), "apple||n\r\n");
    QFile::setPermissions(path(), QFileDevice::WriteOwner);
    QFile probe(path());
    if (probe.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "running with rights that read any file";
    const Error error = loadError();
    EXPECT_EQ(error.number, Error::FileAccess);
    EXPECT_EQ(error.description,
              u"Cannot open the dictionary file "_s + path() + u": Permission denied"_s);
}

TEST_F(LoadDictionary, load_lineAtTheLengthLimit_isRead)
{
    const Dictionary dictionary = load("apple||n\r\n" + QByteArray(kDictionaryLineLimit, 'x') + "\r\n");
    EXPECT_EQ(displayWord(dictionary.lines.lineBytes(1)).size(), kDictionaryLineLimit);
}

// Loads under a cap of address space far below the file's size, and
// prints the report; the process must end normally.
[[noreturn]] void loadUnderMemoryCap(const QString &path)
{
    QFile usage(u"/proc/self/statm"_s);
    const rlim_t pages = usage.open(QIODevice::ReadOnly) ? usage.readAll().split(' ').first().toULongLong() : 0;
    const rlimit cap{pages * ::sysconf(_SC_PAGESIZE) + kDictionaryFileLimit / 4, RLIM_INFINITY};
    ::setrlimit(RLIMIT_AS, &cap);
    const auto loaded = loadDictionary(path);
    if (const auto *error = std::get_if<Error>(&loaded))
        std::fprintf(stderr, "%s\n", qPrintable(error->report()));
    std::_Exit(0);
}

TEST_F(LoadDictionary, load_outOfMemory_reportsInsteadOfAborting)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "AddressSanitizer ends the process on a failed allocation";
#endif
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.resize(kDictionaryFileLimit));
    file.close();
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(loadUnderMemoryCap(path()), ::testing::ExitedWithCode(0),
                "Error 7: Out of memory while loading the dictionary file .*/Complete.dic\n");
}

// What a hostile user may put in place of the dictionary, and the report
// (%1 the path) that refuses it at once, before anything blocks.
struct HostileFile {
    const char *name;
    bool (*make)(const QString &path);
    int number;
    const char16_t *description;
};

class LoadHostileFile : public LoadDictionary, public ::testing::WithParamInterface<HostileFile>
{
};

const HostileFile kHostileFiles[] = {
    {"namedPipeWithoutWriter",
     [](const QString &path) { return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0; },
     Error::FileAccess, u"Cannot open the dictionary file %1: Is a named pipe, not a regular file"},
    {"symlinkToDevZero", [](const QString &path) { return QFile::link(u"/dev/zero"_s, path); },
     Error::FileAccess, u"Cannot open the dictionary file %1: Is a character device, not a regular file"},
    {"sparseFileOverTheSizeLimit",
     [](const QString &path) {
         QFile file(path);
         return file.open(QIODevice::WriteOnly) && file.resize(kDictionaryFileLimit + 1);
     },
     Error::OutOfStringSpace,
     u"The dictionary file %1 is 67108865 bytes long, more than the limit of 67108864 bytes"},
    {"lineOverTheLengthLimit",
     [](const QString &path) {
         testdata::writeFile(path, "apple||n\r\nbat||n||" + QByteArray(kDictionaryLineLimit - 7, 'm') + "\r\n");
         return true;
     },
     Error::BadRecordLength,
     u"Line 2 of the dictionary file %1 is 65537 bytes long, more than the limit of 65536 bytes"},
    // A kernel file says it is empty yet has text: what is read is not
    // what the size said, as when a file grows during the read.
    {"fileHoldingMoreThanItsSize", [](const QString &path) { return QFile::link(u"/proc/self/status"_s, path); },
     Error::DeviceIO, u"The dictionary file %1 changed while it was read (0 bytes expected)"},
};

TEST_P(LoadHostileFile, load_isRefusedWithItsReport)
{
    const HostileFile &hostile = GetParam();
    ASSERT_TRUE(hostile.make(path()));
    const Error error = loadError();
    EXPECT_EQ(error.number, hostile.number);
    EXPECT_EQ(error.description, QString::fromUtf16(hostile.description).arg(path()));
}

INSTANTIATE_TEST_SUITE_P(, LoadHostileFile, ::testing::ValuesIn(kHostileFiles),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(DictionaryPath, isTheFileInTheFolder)
{
    EXPECT_EQ(dictionaryPathIn(u"/opt/tolvani"), u"/opt/tolvani/Complete.dic"_s);
}

TEST(ErrorReport, carriesNumberAndDescription)
{
    const Error error{Error::FileNotFound, u"Cannot open the dictionary file /x/Complete.dic: gone"_s};
    EXPECT_EQ(error.report(), u"Error 53: Cannot open the dictionary file /x/Complete.dic: gone"_s);
}

} // namespace
