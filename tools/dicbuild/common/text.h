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

} // namespace tolvani::dicbuild
