#pragma once

#include <QStringView>

#include <optional>

namespace tolvani {

// The full name of a word-type code. The whole code is matched, ignoring
// case; spaces and punctuation count, and there is no default name.
//   wordTypeName(u"n")    => "Noun"
//   wordTypeName(u"AUXV") => "Auxiliary verb"
//   wordTypeName(u"abbr") => nullopt   (the code is "abbr:")
//   wordTypeName(u"n ")   => nullopt
std::optional<QStringView> wordTypeName(QStringView code);

} // namespace tolvani
