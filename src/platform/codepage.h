#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace tolvani {

// The dictionary is stored in Windows-1252, the Western 8-bit code page:
// one byte is one character. Bytes 0x00-0x7F and 0xA0-0xFF are their own
// code points; 0x80-0x9F go through the code page's table, and its five
// unassigned bytes become the C1 controls of the same value.
//   decodeWindows1252("caf\xE9") => u"café"
//   decodeWindows1252("\x93hi\x94") => u"\u201Chi\u201D"
//   decodeWindows1252("\x81") => u"\u0081"
QChar windows1252ToUnicode(char byte);
QString decodeWindows1252(QByteArrayView bytes);

// The reverse mapping, for tools that write dictionary files. A character
// that the code page cannot hold is written as `replacement` and counted.
//   encodeWindows1252(u"€5") => "\x80" "5"
bool isWindows1252(QChar ch);
QByteArray encodeWindows1252(QStringView text, char replacement = '?', qsizetype *replaced = nullptr);

} // namespace tolvani
