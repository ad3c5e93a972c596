#pragma once

#include <QByteArrayView>
#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tolvani::dicbuild {

// Hindi words of the meanings that are probably misspelt: words that
// Debian's hunspell-hi list does not know and that one common slip away
// lie a word it knows, or a word the source writes far more often.
//
// hunspell-hi's affix file declares no word characters, so its own
// tokenizer cuts a word at every vowel sign and nasal sign ("दबाव" is
// checked as "व"); the list is read here as the plain word list it is
// (its affix file has no rules either) and whole words are compared.
// Chandrabindu and anusvara count as one sign, as both are written for a
// nasal vowel, and precomposed nukta letters equal their two-code-point
// spelling.
//
// The slips: a short or long vowel sign for the other (रुप/रूप, सूचि/सूची),
// े/ै and ो/ौ, ब/व, श/ष/स, न/ण, ड/ड़ and ढ/ढ़, a nasal sign left out or
// added at the end (पशुओ/पशुओं), ं for न्, the consonants of two neighbouring
// syllables swapped (दवाब/दबाव), श्रृ for शृ.
class HindiSpelling {
public:
    // hi_IN.dic: a count on the first line, then one word a line,
    // optionally followed by "/flags".
    void addWordList(QByteArrayView dic);
    // Counts each Devanagari word of the text as written once more.
    void countWords(QStringView text);

    // The word the slip was likely made for, or nullopt when the word
    // looks right.
    //   likelyIntended(u"दवाब")  => "दबाव"
    //   likelyIntended(u"पशुओ")  => "पशुओं"
    std::optional<QString> likelyIntended(QStringView word) const;

    // likelyIntended for each word of a meaning: "word → intended" pairs.
    QStringList suspects(QStringView meaning) const;

private:
    QSet<QString> known_;
    QHash<QString, int> counts_;
};

} // namespace tolvani::dicbuild
