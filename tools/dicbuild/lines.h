#pragma once

#include <QByteArrayView>

namespace tolvani::dicbuild {

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
