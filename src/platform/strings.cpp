#include "strings.h"

#include <QStringTokenizer>

namespace tolvani {

QStringList split(QStringView text, QStringView delimiter)
{
    QStringList pieces;
    if (text.isEmpty())
        return pieces;
    for (QStringView piece : QStringTokenizer(text, delimiter, Qt::KeepEmptyParts))
        pieces.append(piece.toString());
    return pieces;
}

bool isWordSeparator(QChar ch)
{
    switch (ch.unicode()) {
    case u'\0':
    case u'\t':
    case u'\n':
    case u'\v':
    case u'\f':
    case u'\r':
    case u' ':
        return true;
    default:
        return false;
    }
}

void applyProperCase(QString &text)
{
    // One character in, one character out: the simple case mappings, so
    // "ß" stays one letter and positions never shift.
    QChar *chars = text.data();
    const qsizetype size = text.size();
    bool wordStart = true;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar ch = chars[i];
        if (ch.isHighSurrogate() && i + 1 < size && chars[i + 1].isLowSurrogate()) {
            const char32_t code = QChar::surrogateToUcs4(ch, chars[i + 1]);
            const char32_t mapped = wordStart ? QChar::toUpper(code) : QChar::toLower(code);
            // Simple case mappings keep a supplementary character supplementary.
            chars[i] = QChar(QChar::highSurrogate(mapped));
            chars[i + 1] = QChar(QChar::lowSurrogate(mapped));
            ++i;
            wordStart = false;
            continue;
        }
        chars[i] = wordStart ? ch.toUpper() : ch.toLower();
        wordStart = isWordSeparator(ch);
    }
}

QString properCase(QStringView text)
{
    QString result = text.toString();
    applyProperCase(result);
    return result;
}

QString substring(QStringView text, qsizetype start, std::optional<qsizetype> length)
{
    const qsizetype from = std::max<qsizetype>(start, 1) - 1;
    if (from >= text.size())
        return {};
    const QStringView rest = text.sliced(from);
    if (!length)
        return rest.toString();
    return rest.first(std::clamp<qsizetype>(*length, 0, rest.size())).toString();
}

} // namespace tolvani
