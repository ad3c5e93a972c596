#include "search.h"

#include <algorithm>

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

} // namespace

bool startsWithIgnoringCase(QStringView item, QStringView text, QStringView loweredText)
{
    const QStringView prefix = item.first(std::min(item.size(), text.size()));
    qsizetype at = 0;
    for (qsizetype i = 0; i < prefix.size(); ++i) {
        char32_t code = prefix[i].unicode();
        if (prefix[i].isHighSurrogate() && i + 1 < prefix.size() && prefix[i + 1].isLowSurrogate()) {
            code = QChar::surrogateToUcs4(prefix[i], prefix[i + 1]);
            ++i;
        }
        if (!consumeLowered(code, loweredText, at))
            return false;
    }
    return at == loweredText.size();
}

int findByPrefix(const QStringList &items, int first, int last, QStringView text)
{
    // Positions outside the list read as empty items, which no text matches,
    // so only the part of the range inside the list is read.
    if (text.isEmpty())
        return -1;
    const QString loweredText = text.toString().toLower();
    const int end = int(std::min<qsizetype>(last, items.size() - 1));
    for (int position = std::max(first, 0); position <= end; ++position) {
        if (startsWithIgnoringCase(items[position], text, loweredText))
            return position;
    }
    return -1;
}

} // namespace tolvani
