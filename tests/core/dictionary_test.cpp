#include "support/sampledictionary.h"
#include "store/dictionary.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

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

    Error loadError()
    {
        auto loaded = loadDictionary(path());
        if (!std::holds_alternative<Error>(loaded)) {
            ADD_FAILURE() << "the file loaded";
            return {};
        }
        return std::get<Error>(loaded);
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
