#pragma once

#include <QStringView>

#include <optional>

namespace tolvani {

// What kind of word a type is: the part of speech the dictionary builder
// looks a headword up under, or that it is a phrase or a function word.
enum class WordClass { Noun, Verb, PhrasalVerb, Adjective, Adverb, Idiom, FunctionWord, Other };

// One row of the word-type table: the code as the dictionary writes it,
// the name the window shows for it, and its class.
struct WordType {
    QStringView code;
    QStringView name;
    WordClass wordClass;
};

// The row of a word-type code. The whole code is matched, ignoring case;
// spaces and punctuation count, and there is no default row.
const WordType *findWordType(QStringView code);

// The class of a word-type code, matched as findWordType matches it;
// Other for an unknown code.
WordClass wordClassOf(QStringView code);

// The full name of a word-type code, matched as findWordType matches it.
//   wordTypeName(u"n")    => "Noun"
//   wordTypeName(u"AUXV") => "Auxiliary verb"
//   wordTypeName(u"abbr") => nullopt   (the code is "abbr:")
//   wordTypeName(u"n ")   => nullopt
std::optional<QStringView> wordTypeName(QStringView code);

} // namespace tolvani
