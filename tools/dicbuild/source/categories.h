#pragma once

#include <QString>
#include <QStringView>

#include <optional>

namespace tolvani::dicbuild {

// The word-type code for a grammatical category of the source. A mixed
// category takes its first part; every abbreviation ("Abbr:number") is
// "abbr:". Unknown categories have no code.
//   wordTypeCode(u"VTI")     => "vti"
//   wordTypeCode(u"N/Adj")   => "n"
//   wordTypeCode(u"Adv.")    => "adv"
//   wordTypeCode(u"Abbr:mile per hour") => "abbr:"
//   wordTypeCode(u"Gerund")  => nullopt
std::optional<QString> wordTypeCode(QStringView category);

} // namespace tolvani::dicbuild
