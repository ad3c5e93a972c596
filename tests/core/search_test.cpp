#include "lookup/search.h"
#include "platform/codepage.h"
#include "support/sampledictionary.h"
#include "store/dictionary.h"
#include "store/letterranges.h"

#include <limits>
#include <random>

#include <gtest/gtest.h>

using namespace tolvani;
using namespace Qt::StringLiterals;

namespace {

// A line table whose display words are `words`, in order.
LineTable linesOf(const QStringList &words)
{
    return LineTable(encodeWindows1252(words.join(u"\r\n")));
}

const LineTable kWords = linesOf({u"ant||n"_s, u"APE||n"_s, u"apple"_s, u"apple pie||n||x"_s,
                                  u"Apply"_s, u"ice||"_s, u"ice cream||n"_s, u"iceberg"_s});

TEST(FindByPrefix, firstMatchInListOrderIgnoringCase)
{
    EXPECT_EQ(findByPrefix(kWords, 0, 7, u"a"), 0);
    EXPECT_EQ(findByPrefix(kWords, 0, 7, u"ap"), 1);
    EXPECT_EQ(findByPrefix(kWords, 0, 7, u"app"), 2);
    EXPECT_EQ(findByPrefix(kWords, 0, 7, u"APPLY"), 4);
    EXPECT_EQ(findByPrefix(kWords, 0, 7, u"aP"), 1);
    EXPECT_EQ(findByPrefix(kWords, 0, 7, u"ice c"), 6);
    EXPECT_EQ(findByPrefix(kWords, 0, 7, u"apple "), 3);
}

TEST(FindByPrefix, textLongerThanEveryWordMatchesNothing)
{
    EXPECT_EQ(findByPrefix(kWords, 0, 7, u"apples"), -1);
    EXPECT_EQ(findByPrefix(kWords, 0, 7, u"icebergs"), -1);
}

TEST(FindByPrefix, scansOnlyTheGivenBounds)
{
    EXPECT_EQ(findByPrefix(kWords, 2, 7, u"a"), 2);
    EXPECT_EQ(findByPrefix(kWords, 0, 0, u"ap"), -1);
    EXPECT_EQ(findByPrefix(kWords, 5, 4, u"a"), -1);
}

TEST(FindByPrefix, positionsPastTheEndReadAsEmptyAndMatchNothing)
{
    EXPECT_EQ(findByPrefix(kWords, 6, 15500, u"zebra"), -1);
    EXPECT_EQ(findByPrefix(kWords, 6, 15500, u"iceb"), 7);
    EXPECT_EQ(findByPrefix(LineTable(), 0, 0, u"a"), -1);
    EXPECT_EQ(findByPrefix(kWords, -5, 0, u"ant"), 0);
    EXPECT_EQ(findByPrefix(kWords, 0, std::numeric_limits<int>::max(), u"zebra"), -1);
}

TEST(FindByPrefix, emptyTextMatchesNothing)
{
    EXPECT_EQ(findByPrefix(kWords, 0, 7, u""), -1);
    EXPECT_EQ(findByPrefix(kWords, -3, 20, u""), -1);
}

TEST(FindByPrefix, readsDisplayWordsNotLines)
{
    EXPECT_EQ(findByPrefix(kWords, 0, 7, u"ant||"), -1);
    EXPECT_EQ(findByPrefix(kWords, 0, 7, u"ice|"), -1);
    EXPECT_EQ(findByPrefix(kWords, 0, 7, u"ice"), 5);
}

// The scan lowers the item as it reads it; it must agree with lowering
// both strings whole and comparing the prefix, for every character a
// dictionary file can hold and for awkward typed text.
bool reference(QStringView item, QStringView text)
{
    return item.first(std::min(item.size(), text.size())).toString().toLower()
            == text.toString().toLower();
}

bool matches(QStringView item, QStringView text)
{
    return CaseInsensitivePrefix(text).matches(item);
}

TEST(CaseInsensitivePrefix, agreesWithLoweringBothForEveryCodePageCharacter)
{
    QString alphabet;
    for (char16_t unit = 0x20; unit <= 0xFF; ++unit)
        alphabet.append(QChar(unit));
    alphabet += u"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"_s;
    for (const QChar ch : QString(alphabet)) {
        alphabet.append(ch.toUpper()); // display words are proper-cased
        alphabet.append(ch.toLower());
    }
    for (const QChar item : alphabet) {
        for (const QChar typed : alphabet) {
            const QString itemText = QString(item) + u'x';
            const QString text(typed);
            ASSERT_EQ(matches(itemText, text), reference(itemText, text))
                    << int(item.unicode()) << " " << int(typed.unicode());
        }
    }
}

TEST(CaseInsensitivePrefix, agreesWithLoweringBothForAwkwardText)
{
    const QStringList items = {u"Ice"_s, u"İce"_s, u"i\u0307ce"_s, u"Straße"_s, u"STRASSE"_s,
                               u"Μicro"_s, u"µicro"_s, u"Ÿes"_s, u"\U0001F600ok"_s,
                               u"\U00010400x"_s, u"\U00010428x"_s, QString(), u"a"_s};
    const QStringList texts = {u"İ"_s, u"İce"_s, u"i"_s, u"ice"_s, u"strasse"_s, u"straß"_s,
                               u"µ"_s, u"μ"_s, u"ÿ"_s, u"\U0001F600"_s, u"\U00010428"_s,
                               u"\U00010400x"_s, u"a"_s, u"A "_s};
    for (const QString &item : items) {
        for (const QString &text : texts) {
            EXPECT_EQ(matches(item, text), reference(item, text))
                    << item.toStdString() << " / " << text.toStdString();
        }
    }
}

TEST(CaseInsensitivePrefix, agreesWithLoweringBothOnRandomStrings)
{
    // Whole code points only: typed text and dictionary words never hold a
    // lone surrogate, though a prefix may end inside a pair.
    const QStringList pool = {u"a"_s, u"A"_s, u"b"_s, u"I"_s, u"i"_s, u"İ"_s, u"ı"_s, u"ß"_s,
                              u"S"_s, u"µ"_s, u"Μ"_s, u"μ"_s, u"ÿ"_s, u"Ÿ"_s, u" "_s,
                              u"\u0307"_s, u"\U00010400"_s, u"\U00010428"_s};
    std::mt19937 random(7);
    std::uniform_int_distribution<qsizetype> pick(0, pool.size() - 1);
    std::uniform_int_distribution<int> length(0, 4);
    auto randomText = [&] {
        QString text;
        for (int n = length(random); n > 0; --n)
            text.append(pool[pick(random)]);
        return text;
    };
    for (int i = 0; i < 20000; ++i) {
        const QString item = randomText();
        const QString text = randomText();
        ASSERT_EQ(matches(item, text), reference(item, text))
                << item.toStdString() << " / " << text.toStdString();
    }
}

// Over every code-page character the scan, which makes only as much of
// each display word as it compares, finds what comparing whole words finds.
TEST(FindByPrefix, agreesWithMatchingWholeDisplayWords)
{
    QByteArray text;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte != '\r' && byte != '\n')
            text += char(byte) + QByteArray("a b||n\r\n") + char(byte) + "||\r\nz" + char(byte) + "\r\n";
    }
    const LineTable lines(text);
    QStringList words;
    for (qsizetype i = 0; i < lines.size(); ++i)
        words.append(displayWord(lines.lineBytes(i)));
    QStringList texts;
    for (int byte = 1; byte < 256; ++byte) {
        const QString ch(windows1252ToUnicode(char(byte)));
        texts << ch << ch + u"A"_s << ch + u"a B"_s << u"z"_s + ch.toUpper();
    }
    for (const QString &typed : std::as_const(texts)) {
        int expected = -1;
        for (qsizetype i = 0; i < words.size() && expected < 0; ++i) {
            if (reference(words[i], typed))
                expected = int(i);
        }
        ASSERT_EQ(findByPrefix(lines, 0, int(lines.size()), typed), expected) << typed.toStdString();
    }
}

TEST(FindByPrefix, everyHeadwordOfALaidOutDictionaryIsFoundInItsLetterRange)
{
    const testdata::SampleDictionary sample = testdata::makeSampleDictionary();
    const LineTable lines(sample.fileText);
    for (qsizetype i = 0; i < sample.headwords.size(); ++i) {
        const auto range = letterRange(sample.headwords[i].first(1).toUpper());
        ASSERT_TRUE(range) << i;
        ASSERT_EQ(findByPrefix(lines, range->start, range->end, sample.headwords[i]), i);
    }
}

// The search box's state between keystrokes: the last letter's range
// stands until another letter is typed; before any, position 0 alone.
TEST(IncrementalSearch, keepsTheLastLettersRangeForTextWithoutOne)
{
    const LineTable lines(testdata::makeSampleDictionary(15500, 3, {u"kite"_s}).fileText);
    IncrementalSearch search;
    EXPECT_EQ(search.positionFor(lines, u"7"), -1);
    EXPECT_FALSE(search.RangeStart || search.RangeEnd);
    EXPECT_EQ(search.positionFor(lines, u""), -1);
    const int kite = search.positionFor(lines, u"KITE");
    EXPECT_EQ(displayWord(lines.lineBytes(kite)), u"Kite"_s);
    EXPECT_EQ(search.RangeStart, 7403);
    EXPECT_EQ(search.RangeEnd, 7490);
    EXPECT_EQ(search.positionFor(lines, u"7"), -1);
    EXPECT_EQ(search.positionFor(lines, u"é"), -1);
    EXPECT_EQ(search.RangeStart, 7403);
    EXPECT_EQ(search.positionFor(lines, u"x"), -1) << "X looks at position 0 only";
    EXPECT_EQ(search.RangeEnd, 0);
    EXPECT_EQ(search.positionFor(lines, u"zzzz"), -1) << "Z's range runs past the end";
    EXPECT_EQ(search.RangeEnd, 15500);
}

} // namespace
