#include "search.h"

#include "platform/codepage.h"
#include "platform/strings.h"
#include "store/letterranges.h"

#include <algorithm>
#include <array>

namespace tolvani {
namespace {

constexpr char32_t kCapitalIWithDot = 0x0130;

// Feeds the lower-case form of one code point to `expected`, the way
// QString::toLower writes it: simple mappings, except the one character
// whose lower case is two characters long.
bool consumeLowered(char32_t code, QStringView expected, qsizetype &at)
{
    auto take = [&](char16_t unit) {
        if (at >= expected.size() || expected[at] != QChar(unit))
            return false;
        ++at;
        return true;
    };
    if (code == kCapitalIWithDot)
        return take(u'i') && take(u'\u0307');
    const char32_t lower = QChar::toLower(code);
    if (QChar::requiresSurrogates(lower))
        return take(QChar::highSurrogate(lower)) && take(QChar::lowSurrogate(lower));
    return take(char16_t(lower));
}

// What each byte of a line becomes in a display word, already lowered as
// the comparison lowers it: a code-page character, upper-cased where it
// begins a word and lower-cased elsewhere (proper case), then lower-cased.
// No code-page character has an upper case that lowers to two characters
// or lies outside the 16-bit range, so one byte is one lowered character.
struct LoweredDisplayCharacters {
    std::array<char16_t, 256> beginningWord;
    std::array<char16_t, 256> insideWord;
    std::array<bool, 256> separatesWords;
};

const LoweredDisplayCharacters &loweredDisplayCharacters()
{
    static const LoweredDisplayCharacters table = [] {
        LoweredDisplayCharacters characters{};
        for (int byte = 0; byte < 256; ++byte) {
            const QChar ch = windows1252ToUnicode(char(byte));
            Q_ASSERT(ch.toUpper().unicode() != kCapitalIWithDot);
            characters.beginningWord[byte] = ch.toUpper().toLower().unicode();
            characters.insideWord[byte] = ch.toLower().toLower().unicode();
            characters.separatesWords[byte] = isWordSeparator(ch);
        }
        return characters;
    }();
    return table;
}

// prefix.matches(displayWord(line)), read straight from the line's bytes:
// only as many bytes as the text is long, and no string is made.
bool displayWordMatches(QByteArrayView line, const CaseInsensitivePrefix &prefix)
{
    const LoweredDisplayCharacters &characters = loweredDisplayCharacters();
    const QStringView lowered = prefix.lowered();
    const qsizetype length = std::min(prefix.length(), line.size());
    bool wordStart = true;
    qsizetype at = 0;
    for (; at < length; ++at) {
        const auto byte = static_cast<unsigned char>(line[at]);
        if (byte == '|' && at + 1 < line.size() && line[at + 1] == '|')
            break; // the headword ends here
        if (at == lowered.size())
            return false;
        const char16_t ch = wordStart ? characters.beginningWord[byte] : characters.insideWord[byte];
        if (ch != lowered[at])
            return false;
        wordStart = characters.separatesWords[byte];
    }
    return at == lowered.size();
}

} // namespace

CaseInsensitivePrefix::CaseInsensitivePrefix(QStringView text)
    : m_length(text.size())
    , m_lowered(text.toString().toLower())
{
}

bool CaseInsensitivePrefix::matches(QStringView item) const
{
    const QStringView prefix = item.first(std::min(item.size(), m_length));
    qsizetype at = 0;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        char32_t code = prefix[i].unicode();
        if (prefix[i].isHighSurrogate() && i + 1 < prefix.size() && prefix[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(prefix[i], prefix[i + 1]);
            ++i;
        }
        if (!consumeLowered(code, m_lowered, at))
            return false;
    }
    return at == m_lowered.size();
}

int findByPrefix(const LineTable &lines, int first, int last, QStringView text)
{
    // Positions outside the table read as empty items, which no text
    // matches, so only the part of the range inside it is read.
    if (text.isEmpty())
        return -1;
    const CaseInsensitivePrefix prefix(text);
    const int end = int(std::min<qsizetype>(last, lines.size() - 1));
    for (int position = std::max(first, 0); position <= end; ++position) {
        if (displayWordMatches(lines.lineBytes(position), prefix))
            return position;
    }
    return -1;
}

int IncrementalSearch::positionFor(const LineTable &lines, QStringView text)
{
    if (text.isEmpty())
        return -1;
    SetLetterRange(text.first(1).toString().toUpper());
    return findByPrefix(lines, RangeStart.value_or(0), RangeEnd.value_or(0), text);
}

void IncrementalSearch::SetLetterRange(QStringView letter)
{
    if (const auto range = letterRange(letter)) {
        RangeStart = range->start;
        RangeEnd = range->end;
    }
}

} // namespace tolvani
