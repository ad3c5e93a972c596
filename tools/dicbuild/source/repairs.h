#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace tolvani::dicbuild {

// What was done to damaged text in the source's meanings, by kind.
enum class Repair {
    EncodingConverted,  // a word left in WX transliteration, written in Devanagari again
    EncodingSignFixed,  // a sign of WX ("z", "M", "Z") inside a Devanagari word, made the sign it stands for
    SignRejoined,       // a nasal sign split from its word by a blank ("मे~ं")
    StrayLetterDropped, // a Latin letter stuck to the end of a Hindi word
    DigitDropped,       // a lone digit stuck to a word (a bracket key typed in Hindi)
    DigitSpaced,        // a number stuck to a word, given a space
    QuoteStraightened,  // a curly quote that opens a quoted sign
    QuoteDropped,       // a stray curly quote
    BracketDropped,     // a bracket that is never closed, with what follows it, or a stray closing one
    PieceDropped,       // damage with no certain repair: the meaning is left out
    Note,               // a note in braces or brackets, now in parentheses
};
constexpr int kRepairKinds = int(Repair::Note) + 1;

// How often each kind was needed.
struct RepairCounts {
    std::array<int, kRepairKinds> count{};
    void add(Repair kind, int n = 1) { count[std::size_t(kind)] += n; }
    int of(Repair kind) const { return count[std::size_t(kind)]; }
};

// A short English label of the kind, for the builder's summary.
QString repairName(Repair kind);

// One meaning piece of the source (Devanagari, "~" between words) with its
// damage repaired where the intended text is certain; empty when the piece
// is too damaged to keep. Notes in braces or brackets become " (note)".
//   repairMeaning(u"AxarSa वाक्य")   => "आदर्श वाक्य"
//   repairMeaning(u"मिटाना९")        => "मिटाना"
//   repairMeaning(u"सुन्दर{पुर")      => "सुन्दर"
//   repairMeaning(u"अमरीकी{अनौपचारिक}") => "अमरीकी (अनौपचारिक)"
//   repairMeaning(u"अत्यन्त एाुKKPPस") => ""
QString repairMeaning(QStringView piece, RepairCounts &counts);

// A word in WX notation (the ASCII transliteration of Devanagari) in
// Devanagari; nullopt unless it is certainly WX: only WX letters, a letter
// that English words do not use that way (a capital inside the word, q,
// w, x), and a vowel or sign at the end as WX writes every Hindi word.
//   wxToDevanagari(u"Akqwi") => "आकृति"
std::optional<QString> wxToDevanagari(QStringView word);

} // namespace tolvani::dicbuild
