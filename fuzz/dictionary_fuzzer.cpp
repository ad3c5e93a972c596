// Arbitrary bytes as a dictionary file: loads them the way the program
// does, then drives the search and the entry rules over what was loaded,
// as the main window would, and checks what must hold for any file.

#include "lookup/entry.h"
#include "lookup/search.h"
#include "lookup/wordtypes.h"
#include "platform/codepage.h"
#include "platform/strings.h"
#include "store/dictionary.h"
#include "store/letterranges.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <variant>

using namespace tolvani;

namespace {

// Active in every build type, unlike assert().
#define REQUIRE(condition) require((condition), #condition, __LINE__)

void require(bool holds, const char *what, int line)
{
    if (!holds) {
        std::fprintf(stderr, "dictionary_fuzzer.cpp:%d: broken: %s\n", line, what);
        std::abort();
    }
}

// The whole-list searches cost a scan each; beyond this many words they
// are spread over the list so one input stays fast.
constexpr qsizetype kSearchedWords = 200;
constexpr int kLastListPosition = 15500;

// The definition the search's allocation-free comparison must agree with:
// the item's first text.size() characters and the text, both lower-cased.
bool referenceStartsWith(QStringView item, QStringView text)
{
    return item.first(std::min(item.size(), text.size())).toString().toLower()
            == text.toString().toLower();
}

// Lines are the input's bytes between line breaks (CR LF, LF or CR), in
// order, with nothing lost or added.
void checkLines(QByteArrayView input, const LineTable &lines)
{
    REQUIRE(lines.isEmpty() == input.isEmpty());
    qsizetype at = 0;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QByteArrayView bytes = lines.lineBytes(i);
        REQUIRE(!bytes.contains('\r') && !bytes.contains('\n'));
        REQUIRE(input.sliced(at).startsWith(bytes));
        at += bytes.size();
        if (i + 1 < lines.size())
            REQUIRE(at < input.size());
        if (at < input.size()) {
            REQUIRE(input[at] == '\r' || input[at] == '\n');
            if (input[at] == '\r' && at + 1 < input.size() && input[at + 1] == '\n')
                ++at;
            ++at;
        }
        // One byte is one character, and the code page maps back.
        const QString text = lines.line(i);
        REQUIRE(text.size() == bytes.size());
        qsizetype replaced = 0;
        REQUIRE(encodeWindows1252(text, '?', &replaced) == bytes);
        REQUIRE(replaced == 0);
    }
    REQUIRE(at == input.size());
}

void checkFields(const QString &line, const QStringList &fields)
{
    if (line.isEmpty()) {
        REQUIRE(fields.isEmpty());
        return;
    }
    REQUIRE(fields.join(u"||") == line);
    for (qsizetype i = 0; i < fields.size(); ++i) {
        REQUIRE(!fields[i].contains(u"||"));
        // Split at the leftmost "||": a field before one never ends in "|".
        if (i + 1 < fields.size())
            REQUIRE(!fields[i].endsWith(u'|'));
    }
}

void checkEntry(const QStringList &fields, const QString &word, const EntryView &view)
{
    REQUIRE(view.meaning.has_value() == (fields.size() > 2));
    if (view.meaning) {
        REQUIRE(view.meaning->size() == fields[2].size());
        REQUIRE(*view.meaning == properCase(fields[2]));
    }
    REQUIRE(view.example.has_value() == (fields.size() > 3));
    if (view.example)
        REQUIRE(*view.example == fields[3]);
    if (fields.size() < 2) {
        REQUIRE(!view.typeName);
    } else {
        const auto upper = wordTypeName(fields[1].toUpper());
        REQUIRE(view.typeName.has_value() == upper.has_value());
        if (view.typeName)
            REQUIRE(*view.typeName == *upper);
    }
    REQUIRE(view.copyCaption == QStringLiteral("Copy \"") + word + QChar(u'"'));
}

// findByPrefix gave `found` for `text` over [first, last]: the first
// position there whose display word starts with the text, or -1 if none does.
void checkFound(const QStringList &words, int first, int last, const QString &text, int found)
{
    REQUIRE(!text.isEmpty());
    const int scanEnd = std::min<qsizetype>(last, words.size() - 1);
    if (found >= 0) {
        REQUIRE(found >= first && found <= scanEnd);
        REQUIRE(referenceStartsWith(words[found], text));
    } else {
        REQUIRE(found == -1);
    }
    const int stop = found >= 0 ? found : scanEnd + 1;
    for (int position = std::max(first, 0); position < stop; ++position)
        REQUIRE(!referenceStartsWith(words[position], text));
}

// The main window's state over a dictionary, driven through the program's
// own search and load rules, with the widgets left out.
class Window
{
public:
    Window(const LineTable &lines, const QStringList &words)
        : m_lines(lines)
        , m_words(words)
    {
        // Start-up: the loader leaves the last line's fields, then the
        // first position is selected and shown.
        m_fields = lastLineFields(m_lines);
        if (!lines.isEmpty())
            select(0);
    }

    void type(const QString &text)
    {
        const std::optional<int> rangeStart = m_search.RangeStart;
        const int found = m_search.positionFor(m_lines, text);
        if (text.isEmpty()) {
            REQUIRE(found == -1 && m_search.RangeStart == rangeStart);
            return;
        }
        const QString letter = text.first(1).toUpper();
        const bool isLetter = letter.size() == 1 && letter[0] >= u'A' && letter[0] <= u'Z';
        REQUIRE(isLetter ? m_search.RangeStart.has_value() : m_search.RangeStart == rangeStart);
        const int first = m_search.RangeStart.value_or(0);
        const int last = m_search.RangeEnd.value_or(0);
        REQUIRE(0 <= first && first <= last && last <= kLastListPosition);
        checkFound(m_words, first, last, text, found);
        if (found >= 0)
            select(found);
    }

private:
    void select(int position)
    {
        if (position == m_selected)
            return;
        m_selected = position;
        m_fields = splitFields(m_lines.line(position));
        const QString &word = m_words[position];
        checkEntry(m_fields, word, presentEntry(m_fields, word));
    }

    const LineTable &m_lines;
    const QStringList &m_words;
    IncrementalSearch m_search;
    QStringList m_fields;
    int m_selected = -1;
};

QString utf16From(QByteArrayView bytes)
{
    QString text(bytes.size() / 2, Qt::Uninitialized);
    std::memcpy(text.data(), bytes.data(), std::size_t(text.size()) * 2);
    return text;
}

int positionFrom(QByteArrayView bytes, qsizetype at)
{
    if (bytes.size() < at + 2)
        return 0;
    return std::int16_t(std::uint16_t(std::uint8_t(bytes[at]) << 8 | std::uint8_t(bytes[at + 1])));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    auto built = dictionaryFromBytes(input.toByteArray(), QStringLiteral("Complete.dic"));
    if (std::holds_alternative<Error>(built)) {
        // Refused only when empty or when a line is over the limit.
        const LineTable lines(input.toByteArray());
        checkLines(input, lines);
        bool tooLong = false;
        for (qsizetype i = 0; i < lines.size(); ++i)
            tooLong = tooLong || lines.lineBytes(i).size() > kDictionaryLineLimit;
        REQUIRE(lines.isEmpty() || tooLong);
        return 0;
    }
    const Dictionary dictionary = std::get<Dictionary>(std::move(built));
    const LineTable &lines = dictionary.lines;
    checkLines(input, lines);

    QStringList words;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        REQUIRE(lines.lineBytes(i).size() <= kDictionaryLineLimit);
        const QString line = lines.line(i);
        const QStringList fields = splitFields(line);
        checkFields(line, fields);
        // The display word is the proper-cased text before the first "||".
        const QString word = displayWord(lines.lineBytes(i));
        const QString headword = fields.isEmpty() ? QString() : fields.first();
        REQUIRE(word.size() == headword.size());
        REQUIRE(word == properCase(headword));
        checkEntry(fields, word, presentEntry(fields, word));
        words.append(word);
    }

    // Every display word, and its first letters, is found over the whole
    // list at or before its own position.
    const qsizetype step = std::max<qsizetype>(1, words.size() / kSearchedWords);
    for (qsizetype i = 0; i < words.size(); i += step) {
        const QString &word = words[i];
        if (word.isEmpty())
            continue;
        REQUIRE(findByPrefix(lines, int(i), int(i), word) == int(i));
        for (const qsizetype length : {qsizetype(1), qsizetype(3), word.size()}) {
            const QString text = word.first(std::min(length, word.size()));
            const int found = findByPrefix(lines, 0, int(words.size()) - 1, text);
            checkFound(words, 0, int(words.size()) - 1, text, found);
            REQUIRE(found >= 0 && found <= i);
        }
    }

    // Texts a user could type: the input read as 8-bit text and as UTF-16,
    // the words themselves in other case, and ones starting with no letter.
    QStringList texts{decodeWindows1252(input.first(std::min<qsizetype>(12, input.size()))),
                      utf16From(input.last(std::min<qsizetype>(24, input.size())))};
    for (qsizetype i = 0; i < words.size() && i < 4 * step; i += step) {
        texts << words[i].toUpper() << words[i].toLower() << QStringLiteral("7") + words[i];
        texts << words[i].first(std::min<qsizetype>(2, words[i].size()));
    }

    Window window(lines, words);
    for (const QString &text : std::as_const(texts)) {
        const CaseInsensitivePrefix prefix(text);
        for (qsizetype i = 0; i < words.size() && i < 4 * step; i += step)
            REQUIRE(prefix.matches(words[i]) == referenceStartsWith(words[i], text));
        // Typed one character at a time, as the box reports each change;
        // a long text is pasted after its first few characters.
        for (qsizetype length = 1; length <= std::min<qsizetype>(text.size(), 8); ++length)
            window.type(text.first(length));
        window.type(text);
    }

    // Bounds anywhere in the 16-bit range of list positions, including
    // ones below 0 and past the end of the list.
    const int first = positionFrom(input, 0);
    const int last = positionFrom(input, 2);
    for (const QString &text : {texts[0], texts[1]}) {
        if (!text.isEmpty())
            checkFound(words, first, last, text, findByPrefix(lines, first, last, text));
    }
    return 0;
}
