#include "linetable.h"

#include "platform/codepage.h"

#include <cstring>

namespace tolvani {

LineTable::LineTable(QByteArray text)
    : m_text(std::move(text))
{
    const char *data = m_text.constData();
    const qsizetype size = m_text.size();
    m_starts.reserve(size / 64 + 2);
    if (size == 0)
        return;
    m_starts.append(0);
    // memchr finds the breaks word-wide; a byte loop was a tenth of start-up.
    qsizetype from = 0;
    while (from < size) {
        const auto *lineFeed = static_cast<const char *>(std::memchr(data + from, '\n', size - from));
        const qsizetype end = lineFeed ? lineFeed - data : size;
        // A CR alone ends a line too; one right before the LF is part of CR LF.
        while (const auto *carriageReturn =
                       static_cast<const char *>(std::memchr(data + from, '\r', end - from))) {
            const qsizetype at = carriageReturn - data;
            if (lineFeed && at + 1 == end)
                break;
            from = at + 1;
            m_starts.append(from);
        }
        if (!lineFeed)
            break;
        from = end + 1;
        m_starts.append(from);
    }
    // The end sentinel; a text that ends with a line break already has it.
    if (m_starts.last() != size)
        m_starts.append(size);
    m_starts.squeeze();
}

QByteArrayView LineTable::lineBytes(qsizetype index) const
{
    Q_ASSERT(index >= 0 && index < size());
    const qsizetype start = m_starts[index];
    qsizetype end = m_starts[index + 1];
    const char *data = m_text.constData();
    if (end > start && data[end - 1] == '\n')
        --end;
    if (end > start && data[end - 1] == '\r')
        --end;
    return QByteArrayView(data + start, end - start);
}

qsizetype LineTable::firstLineLongerThan(qsizetype limit) const
{
    for (qsizetype i = 0; i < size(); ++i) {
        // A span holds its line break too, so only a long one needs a closer look.
        if (m_starts[i + 1] - m_starts[i] > limit && lineBytes(i).size() > limit)
            return i;
    }
    return -1;
}

QString LineTable::line(qsizetype index) const
{
    return decodeWindows1252(lineBytes(index));
}

} // namespace tolvani
