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

Dictionary dictionaryFromBytes(QByteArray bytes)
{
    return Dictionary{LineTable(std::move(bytes))};
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
