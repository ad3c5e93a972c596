#pragma once

#include "hindimorphology.h"

#include <QString>
#include <QStringView>

namespace tolvani::dicbuild {

// Writes Hindi in plain ASCII as it is commonly typed: long vowels like
// short ones, no diacritics, and the inherent "a" dropped where speech
// drops it, deciding it in each part of a prefixed, suffixed or compound
// word on its own (see morphemeParts). Everything that is not Devanagari
// passes through, except "~" (the source's word joiner), which becomes a
// space.
//   romanize(u"छोड़~देना")   => "chhod dena"
//   romanize(u"समझना")      => "samajhna"
//   romanize(u"कार्य")       => "karya"
//   romanize(u"हाँ, (ठीक)")  => "han, (thik)"
//   romanize(u"असफल")       => "asaphal"
// The one-argument form splits words with the vocabulary given to
// useVocabulary, or else with that of the installed source.
QString romanize(QStringView text);
QString romanize(QStringView text, const HindiVocabulary &vocabulary);

// The vocabulary romanize(text) splits words with from now on.
void useVocabulary(HindiVocabulary vocabulary);

} // namespace tolvani::dicbuild
