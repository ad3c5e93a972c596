// Checks the committed dictionary against its source and against the
// search it is laid out for.

#include "builder.h"

#include "lookup/search.h"
#include "lookup/wordtypes.h"
#include "platform/codepage.h"
#include "platform/strings.h"
#include "store/dictionary.h"
#include "store/letterranges.h"

#include <QFile>

#include <gtest/gtest.h>

namespace tolvani::dicbuild {
namespace {

QByteArray committedFile()
{
    QFile file(QStringLiteral(TOLVANI_BUNDLED_DICTIONARY));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

TEST(BundledDictionary, IsWhatTheBuilderMakesFromTheSource)
{
    const BuildInputs inputs;
    for (const QString &path : {inputs.index, inputs.data, inputs.wordnet}) {
        if (!QFile::exists(path))
            GTEST_SKIP() << path.toStdString() << " is not installed";
    }
    BuildReport report;
    const QByteArray built = buildDictionary(inputs, report);
    const QByteArray committed = committedFile();
    ASSERT_FALSE(committed.isEmpty()) << TOLVANI_BUNDLED_DICTIONARY;
    EXPECT_TRUE(report.shortLetters.empty());
    // Headwords cover at least 98%, 95% and 92% of the 1,000, 3,000 and
    // 5,000 lemmas that SUBTLEX-US counts most often.
    const std::map<int, int> leastPercent{{1000, 98}, {3000, 95}, {5000, 92}};
    ASSERT_EQ(report.coverage.size(), leastPercent.size());
    for (const Coverage &coverage : report.coverage)
        EXPECT_GE(coverage.covered * 100, coverage.top * leastPercent.at(coverage.top)) << coverage.top;
    // A search lands on the line people mean: at most ten of the 5,000
    // most used lemmas start on a line whose part of speech another of
    // their lines' outnumbers two to one, each settled in line-order.tsv.
    EXPECT_LE(report.outnumberedFirstLines.size(), 10) << report.outnumberedFirstLines.join(u' ').toStdString();
    ASSERT_EQ(built.size(), committed.size());
    EXPECT_TRUE(built == committed) << "rebuild data/Complete.dic with tolvani-dicbuild";
}

class BundledLines : public testing::Test {
protected:
    void SetUp() override
    {
        bytes = committedFile();
        ASSERT_FALSE(bytes.isEmpty()) << TOLVANI_BUNDLED_DICTIONARY;
        for (const QString &line : split(decodeWindows1252(bytes), u"\r\n"))
            lines.append(line);
    }
    QByteArray bytes;
    QStringList lines;
};

TEST_F(BundledLines, HasExactly15500CrLfLinesOfFourFields)
{
    ASSERT_TRUE(bytes.endsWith("\r\n"));
    EXPECT_EQ(bytes.count('\r'), 15500);
    EXPECT_EQ(bytes.count('\n'), 15500);
    EXPECT_EQ(bytes.count("\r\n"), 15500);
    ASSERT_EQ(lines.size(), 15501);
    EXPECT_TRUE(lines.back().isEmpty());
    for (qsizetype i = 0; i + 1 < lines.size(); ++i)
        EXPECT_EQ(split(lines[i], u"||").size(), 4) << "line " << i << ": " << lines[i].toStdString();
}

TEST_F(BundledLines, CodesAreKnownAndHeadwordsLieInTheirLettersRange)
{
    for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
        const QStringList fields = split(lines[i], u"||");
        ASSERT_GE(fields.size(), 2) << "line " << i;
        const QString &headword = fields[0];
        EXPECT_TRUE(wordTypeName(fields[1]).has_value()) << "line " << i << " code " << fields[1].toStdString();
        ASSERT_FALSE(headword.isEmpty()) << "line " << i;
        EXPECT_FALSE(headword.front().isSpace()) << "line " << i;
        const QString letter = headword.first(1).toUpper();
        const std::optional<LetterRange> range = letterRange(letter);
        ASSERT_TRUE(range.has_value()) << "line " << i << " begins with " << letter.toStdString();
        EXPECT_NE(letter, u"X");
        EXPECT_GE(i, range->start) << headword.toStdString();
        EXPECT_LE(i, range->end) << headword.toStdString();
    }
}

TEST_F(BundledLines, EveryHeadwordTypedWholeFindsItsOwnDisplayWord)
{
    const auto loaded = loadDictionary(QStringLiteral(TOLVANI_BUNDLED_DICTIONARY));
    ASSERT_TRUE(std::holds_alternative<Dictionary>(loaded)) << std::get<Error>(loaded).report().toStdString();
    const LineTable &table = std::get<Dictionary>(loaded).lines;
    ASSERT_EQ(table.size(), 15500);
    for (int i = 0; i < table.size(); ++i) {
        const QString headword = split(lines[i], u"||").front();
        const std::optional<LetterRange> range = letterRange(headword.first(1).toUpper());
        ASSERT_TRUE(range.has_value()) << headword.toStdString();
        const int found = findByPrefix(table, range->start, range->end, headword);
        ASSERT_GE(found, 0) << headword.toStdString() << " is not found";
        const QString selected = displayWord(table.lineBytes(found));
        EXPECT_EQ(selected, displayWord(table.lineBytes(i))) << headword.toStdString() << " selects " << selected.toStdString();
    }
}

} // namespace
} // namespace tolvani::dicbuild
