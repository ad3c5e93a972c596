#pragma once

#include <QStringView>

#include <array>
#include <optional>

namespace tolvani {

// Inclusive list positions of the headwords that begin with one letter.
struct LetterRange {
    int start;
    int end;
    friend bool operator==(const LetterRange &, const LetterRange &) = default;
};

// The fixed range of an upper-case letter A-Z, matched exactly and
// case-sensitively; anything else has none. The ranges overlap their
// neighbours, "X" looks only at position 0 and "Z" ends one past the last
// position of a 15,500-word list: the table is laid out for the bundled
// dictionary and is reproduced as it stands.
//   letterRange(u"M") => {7996, 8769}
//   letterRange(u"X") => {0, 0}
//   letterRange(u"m") => nullopt
std::optional<LetterRange> letterRange(QStringView letter);

// How many lines begin with each letter A-Z in a dictionary laid out for
// the table: each letter's lines follow the previous letter's and end one
// before its range's end, so the ranges' overlaps are left out and X,
// whose range is a leftover, gets none. They add up to 15,500.
//   letterLineCounts()[0]  => 946   (A: lines 0-945)
//   letterLineCounts()[1]  => 796   (B: lines 946-1741)
//   letterLineCounts()[23] => 0     (X)
std::array<int, 26> letterLineCounts();

} // namespace tolvani
