#pragma once

#include <QStringList>
#include <QStringView>

namespace tolvani {

// True when the first text.size() characters of `item` (or all of it, if
// shorter), lower-cased, equal `text` lower-cased. `loweredText` must be
// text.toLower(); the caller lowers it once per search, and the item is
// lowered as it is read, so no position allocates.
//   startsWithIgnoringCase(u"Apple", u"aP", u"ap")    => true
//   startsWithIgnoringCase(u"Ape", u"apes", u"apes")  => false
bool startsWithIgnoringCase(QStringView item, QStringView text, QStringView loweredText);

// The first position from `first` to `last`, both inclusive, whose item
// starts with `text` ignoring case, or -1. A position outside the list
// reads as an empty item, which matches no text; an empty text matches
// nothing either.
//   findByPrefix({"Ant", "Apple", "Apply"}, 0, 3, u"APP") => 1
int findByPrefix(const QStringList &items, int first, int last, QStringView text);

} // namespace tolvani
