#include "dictionary.h"

#include "platform/codepage.h"
#include "platform/files.h"
#include "platform/strings.h"

#include <new>

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

std::variant<Dictionary, Error> dictionaryFromBytes(QByteArray bytes, const QString &path)
{
    Dictionary dictionary{LineTable(std::move(bytes))};
    if (dictionary.lines.isEmpty())
        return Error{Error::PastEndOfFile, QStringLiteral("The dictionary file %1 is empty").arg(path)};
    const qsizetype tooLong = dictionary.lines.firstLineLongerThan(kDictionaryLineLimit);
    if (tooLong >= 0) {
        return Error{Error::BadRecordLength,
                     QStringLiteral("Line %1 of the dictionary file %2 is %3 bytes long, "
                                    "more than the limit of %4 bytes")
                             .arg(tooLong + 1)
                             .arg(path)
                             .arg(dictionary.lines.lineBytes(tooLong).size())
                             .arg(kDictionaryLineLimit)};
    }
    return dictionary;
}

std::variant<Dictionary, Error> loadDictionary(const QString &path)
{
    // Running out of memory is reported like any other failure to load,
    // never left to abort the program.
    try {
        auto read = readWholeFile(path, QStringLiteral("dictionary file"), kDictionaryFileLimit);
        if (auto *error = std::get_if<Error>(&read))
            return std::move(*error);
        return dictionaryFromBytes(std::move(std::get<QByteArray>(read)), path);
    } catch (const std::bad_alloc &) {
        return Error{Error::OutOfMemory,
                     QStringLiteral("Out of memory while loading the dictionary file %1").arg(path)};
    }
}

} // namespace tolvani
