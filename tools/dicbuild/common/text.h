#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QString>
#include <QStringView>

// Small text functions that every stage of the builder uses.
namespace tolvani::dicbuild {

// A letter of the English alphabet, either case.
constexpr bool isAsciiLetter(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

// Collapses every run of white space, line breaks included, to one space
// and trims the ends.
inline QString simplified(QStringView text)
{
    return text.toString().simplified();
}

// Calls `fn` with every line of a WordNet or word-count file, without its
// LF, as a view into `text`.
template<typename Fn>
void forEachLine(QByteArrayView text, Fn fn)
{
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0)
            end = text.size();
        fn(text.sliced(start, end - start));
        start = end + 1;
    }
}

// Calls `fn` with every word of `text`, a view of each run of characters
// that `inWord(text, i)` accepts, and where it starts.
template<typename InWord, typename Fn>
void forEachWord(QStringView text, InWord inWord, Fn fn)
{
    qsizetype i = 0;
    while (i < text.size()) {
        if (!inWord(text, i)) {
            ++i;
            continue;
        }
        const qsizetype start = i;
        while (i < text.size() && inWord(text, i))
            ++i;
        fn(text.sliced(start, i - start), start);
    }
}

} // namespace tolvani::dicbuild
