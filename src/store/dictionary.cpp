#include "dictionary.h"

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/strings.h"

namespace tolvani {

QString dictionaryPathIn(QStringView folder)
{
    return folder.toString() + QStringLiteral("/Complete.dic");
}

QString displayWord(QByteArrayView line)
{
    const qsizetype separator = line.indexOf(QByteArrayView("||"));
    QString word = decodeWindows1252(separator < 0 ? line : line.first(separator));
    applyProperCase(word);
    return word;
}

DisplayWords::DisplayWords(LineTable lines)
    : m_lines(std::move(lines))
{
}

DisplayWords::DisplayWords(QStringList words)
    : m_list(std::move(words))
{
}

QString DisplayWords::at(qsizetype index) const
{
    return m_list ? m_list->at(index) : displayWord(m_lines.lineBytes(index));
}

const QStringList &DisplayWords::list() const
{
    if (!m_list) {
        QStringList words;
        words.reserve(m_lines.size());
        for (qsizetype i = 0; i < m_lines.size(); ++i)
            words.append(displayWord(m_lines.lineBytes(i)));
        m_list = std::move(words);
    }
    return *m_list;
}

Dictionary dictionaryFromBytes(QByteArray bytes)
{
    LineTable lines(std::move(bytes));
    DisplayWords words(lines); // shares the text, copies nothing
    return Dictionary{std::move(lines), std::move(words)};
}

std::variant<Dictionary, Error> loadDictionary(const QString &path)
{
    auto read = readWholeFile(path, QStringLiteral("dictionary file"));
    if (auto *error = std::get_if<Error>(&read))
        return std::move(*error);

    Dictionary dictionary = dictionaryFromBytes(std::move(std::get<QByteArray>(read)));
    if (dictionary.lines.isEmpty()) {
        return Error{Error::PastEndOfFile,
                     QStringLiteral("The dictionary file %1 is empty").arg(path)};
    }
    return dictionary;
}

} // namespace tolvani
