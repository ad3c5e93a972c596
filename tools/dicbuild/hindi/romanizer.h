#pragma once

#include "hindi/vocabulary.h"
#include "hindi/wordlists.h"

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
//   romanize(u"असफल")       => "asaphal"  (with a vocabulary that has सफल)
class Romanizer {
public:
    // Splits words into the parts the vocabulary's words show, the lists
    // telling affixes and the words the rules treat apart. Without a
    // vocabulary each word but a sound word is read as one part.
    // The lists' members count as words the vocabulary has once.
    explicit Romanizer(HindiVocabulary vocabulary = {}, HindiWordLists words = {});

    QString romanize(QStringView text) const;

    const HindiWordLists &words() const { return words_; }

private:
    QString romanizeWord(QStringView word) const;

    HindiVocabulary vocabulary_;
    HindiWordLists words_;
};

} // namespace tolvani::dicbuild
