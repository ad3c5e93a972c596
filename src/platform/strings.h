#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

namespace tolvani {

// Splits at every exact occurrence of `delimiter`, keeping empty pieces.
// Unlike QString::split, an empty text gives no pieces at all.
//   split(u"a||||b", u"||") => {"a", "", "b"}
//   split(u"plain", u"||")  => {"plain"}
//   split(u"", u"||")       => {}
QStringList split(QStringView text, QStringView delimiter);

// Upper-cases every letter that begins the text or follows a word
// separator and lower-cases every other letter. The separators are NUL,
// tab, LF, vertical tab, form feed, CR and space; punctuation separates
// nothing.
//   properCase(u"ice cream") => "Ice Cream"
//   properCase(u"ABC")       => "Abc"
//   properCase(u"x-ray")     => "X-ray"
//   properCase(u"o'neil")    => "O'neil"
QString properCase(QStringView text);
void applyProperCase(QString &text);
bool isWordSeparator(QChar ch);

// Characters from 1-based `start`, at most `length` of them. A start past
// the end gives an empty string; a length past the end stops at the end.
//   substring(u"apple", 2)    => "pple"
//   substring(u"apple", 2, 3) => "ppl"
//   substring(u"apple", 9)    => ""
QString substring(QStringView text, qsizetype start, std::optional<qsizetype> length = std::nullopt);

} // namespace tolvani
