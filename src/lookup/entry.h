#pragma once

#include "store/linetable.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tolvani {

// What showing an entry writes. A box whose field the line lacks is left
// as it is, so an empty optional means "leave that control alone".
struct EntryView {
    std::optional<QString> meaning;  // field 2, proper-cased
    std::optional<QString> example;  // field 3, exactly as stored
    std::optional<QString> typeName; // field 1 through the word-type table
    QString copyCaption;             // always follows the selection
};

// The fields of one dictionary line: every "||" separates two.
//   splitFields(u"head||n||ek prakar ka||example") => {"head", "n", "ek prakar ka", "example"}
//   splitFields(u"")                              => {}
QStringList splitFields(QStringView line);

// The fields loading leaves behind: those of the last line it listed, or
// none for an empty table. They stand until the first entry is shown.
//   lines {"apple||n", "bat||n||balla"} => {"bat", "n", "balla"}
QStringList lastLineFields(const LineTable &lines);

// The caption of the copy command for a display word.
//   copyCaption(u"Ice Cream") => "Copy \"Ice Cream\""
QString copyCaption(QStringView displayWord);

// The entry of `fields`, shown for the list's `displayWord`.
//   {"head", "n", "ek prakar ka", "example text"} => meaning "Ek Prakar Ka", type "Noun",
//                                                    example "example text"
//   {"head", "n", "meaning"}                      => no example: the box keeps its text
EntryView presentEntry(const QStringList &fields, QStringView displayWord);

} // namespace tolvani
