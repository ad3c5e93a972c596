#include "codepage.h"

#include <array>

namespace tolvani {
namespace {

// 0x80-0x9F of Windows-1252. Qt's own converters cover Latin-1 and UTF only,
// and ICU maps the five unassigned bytes differently from the code page itself.
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

} // namespace

QChar windows1252ToUnicode(char byte)
{
    const auto value = static_cast<unsigned char>(byte);
    if (value >= 0x80 && value <= 0x9F)
        return QChar(kHighControls[value - 0x80]);
    return QChar(char16_t(value));
}

QString decodeWindows1252(QByteArrayView bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : bytes)
        *out++ = windows1252ToUnicode(byte);
    return text;
}

namespace {

int encodeOne(QChar ch)
{
    const char16_t unit = ch.unicode();
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return unit;
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == unit)
            return int(0x80 + i);
    }
    return -1;
}

} // namespace

bool isWindows1252(QChar ch)
{
    return encodeOne(ch) >= 0;
}

QByteArray encodeWindows1252(QStringView text, char replacement, qsizetype *replaced)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    qsizetype misses = 0;
    for (const QChar ch : text) {
        const int value = encodeOne(ch);
        if (value < 0) {
            bytes.append(replacement);
            ++misses;
        } else {
            bytes.append(char(value));
        }
    }
    if (replaced)
        *replaced += misses;
    return bytes;
}

} // namespace tolvani
