#pragma once

#include "store/linetable.h"

#include <QString>
#include <QStringView>

#include <optional>

namespace tolvani {

// Whether an item begins with a typed text, ignoring letter case: the
// item's first text.size() characters (or all of it, if shorter) and the
// text, both lower-cased, are equal. The text is lowered once, here; each
// item is lowered as it is read, so matching allocates nothing.
//   CaseInsensitivePrefix(u"aP").matches(u"Apple")   => true
//   CaseInsensitivePrefix(u"apes").matches(u"Ape")   => false
class CaseInsensitivePrefix
{
public:
    explicit CaseInsensitivePrefix(QStringView text);

    qsizetype length() const { return m_length; } // of the text as typed
    QStringView lowered() const { return m_lowered; }
    bool matches(QStringView item) const;

private:
    qsizetype m_length;
    QString m_lowered;
};

// The first line from `first` to `last`, both inclusive, whose display
// word starts with `text` ignoring case, or -1. A position outside the
// table reads as an empty item, which matches no text; an empty text
// matches nothing either. No display word is built: each line is read
// only as far as the text is long, and gives the same answer as matching
// its whole display word would.
//   lines "ant", "apple", "apply": findByPrefix(lines, 0, 3, u"APP") => 1
int findByPrefix(const LineTable &lines, int first, int last, QStringView text);

// What the search box does with each change of its text, without the
// widgets: the first character, upper-cased, chooses a letter range, which
// lasts until another letter is typed, and the first display word in that
// range that begins with the text is the one to select.
class IncrementalSearch
{
public:
    // The position to select for the box's new `text`, or -1 when nothing
    // changes: an empty text, or no word in the range begins with it.
    int positionFor(const LineTable &lines, QStringView text);

    // The range of an upper-case letter A-Z; anything else keeps the last.
    void SetLetterRange(QStringView letter);

    // Inclusive list positions of the last letter looked up; none before
    // the first, which the scan reads as 0.
    std::optional<int> RangeStart;
    std::optional<int> RangeEnd;
};

} // namespace tolvani
