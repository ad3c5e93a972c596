#pragma once

#include "hindi/vocabulary.h"

#include <QString>
#include <QStringView>

namespace tolvani::dicbuild {

// How much the source must use a word for the splitter to read it as one
// part of another, and the other limits of its readings.
namespace limits {
// A prefix is read as one only before a word of three syllables or more
// (असफल, but अगला is not अ + गला, बदलना not बद + लना); other parts need two.
inline constexpr int kSyllablesAfterPrefix = 3;
inline constexpr int kSyllables = 2;
// Before a vowel ending a stem of three keeps to the plain rules: पहली,
// नकली, जंगली, सड़कों.
inline constexpr int kStemSyllablesBeforeVowel = 4;
// Both words of a compound must occur in the source.
inline constexpr int kCompoundCount = 1;
// A member of two letters must be common: rare ones (आर) match the start
// of other words by chance (आरक्षण).
inline constexpr int kShortMemberCount = 5;
// A left member that goes on into a word this common is no member.
inline constexpr int kLongerWordCount = 2;
// A source word read as a member that opens with a vowel needs to be
// common and long.
inline constexpr int kVowelMemberCount = 5;
inline constexpr int kVowelMemberSyllables = 3;
// A verb form is read as one unless its stem is used alone about as often.
inline constexpr int kVerbOverStemRatio = 4;
} // namespace limits

// A verb is not a compound: खुरचना is not खुर + चना.
inline constexpr QStringView kInfinitive = u"ना";

// What the source's words say about a piece of a word: whether it is a
// word of its own, a member of compounds, a verb form and the like.
class KnownWords {
public:
    explicit KnownWords(const HindiVocabulary &vocabulary) : vocabulary_(vocabulary) {}

    int count(QStringView word) const { return vocabulary_.count(word); }
    bool isLoanword(QStringView word) const { return vocabulary_.isLoanword(word); }
    // How much the word's count weighs when splits compete.
    double weight(QStringView word) const;

    bool isWord(QStringView word, int minimumSyllables, int minimumCount) const;
    bool isCompoundMember(QStringView word) const;
    // A final member may carry a plural ending, or -ता of nouns made from
    // it: रंग-कलाएँ, धर्म-निरपेक्षता.
    bool isCompoundMemberOrPlural(QStringView word) const;
    // रखा, रखी, रखे: a compound does not end in a verb (अंगरखा is no अंग +
    // रखा) unless its stem is a word of its own as well (सुन-हरा, रस-भरी).
    bool isVerbForm(QStringView right) const;
    // Nor does one begin with a verb's stem that is rare alone: सुनहरा is
    // no सुन + हरा.
    bool isVerbStem(QStringView left) const;
    // The left member goes on into a word of its own with the next
    // consonant: अन्तर-अंग, not अन्त-रंग; अन्तर-आल, not अन्त-राल.
    bool isLongerWordAt(const QString &word, qsizetype at) const;
    // कतरनी, छलनी: nouns in -नी from a verb (कतरना) are read as wholes.
    bool isNounOfVerb(const QString &word) const;
    // A stem the source never writes alone still reads as one before a
    // vowel ending when it ends in two plain syllables after a third:
    // karvat-en, hathkad-i. Not a verb (बदल-ती) or a feminine in -नी
    // (जादूगर-नी), nor a stem with h inside, whose a speech keeps (kachahri),
    // nor -ची of agents or the y that joins i to an ending (padriyon).
    bool isUnknownStemBeforeVowel(const QString &stem) const;
    // A common, long word of the source, neither a verb nor a verb form.
    bool isCommonVowelWord(const QString &member) const;

private:
    const HindiVocabulary &vocabulary_;
};

} // namespace tolvani::dicbuild
