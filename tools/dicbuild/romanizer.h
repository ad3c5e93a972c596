#pragma once

#include <QString>
#include <QStringView>

namespace tolvani::dicbuild {

// Writes Hindi in plain ASCII as it is commonly typed: long vowels like
// short ones, no diacritics, and the inherent "a" dropped where speech
// drops it. Everything that is not Devanagari passes through, except "~"
// (the source's word joiner), which becomes a space.
//   romanize(u"छोड़~देना")   => "chhod dena"
//   romanize(u"समझना")      => "samajhna"
//   romanize(u"कार्य")       => "karya"
//   romanize(u"हाँ, (ठीक)")  => "han, (thik)"
QString romanize(QStringView text);

// True for the Devanagari block's letters and signs that make up words.
bool isDevanagariLetter(QChar ch);

} // namespace tolvani::dicbuild
