#include "linetable.h"

#include "platform/codepage.h"

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
    for (qsizetype i = 0; i < size; ++i) {
        if (data[i] == '\r') {
            if (i + 1 < size && data[i + 1] == '\n')
                ++i;
        } else if (data[i] != '\n') {
            continue;
        }
        m_starts.append(i + 1);
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

QString LineTable::line(qsizetype index) const
{
    return decodeWindows1252(lineBytes(index));
}

} // namespace tolvani
