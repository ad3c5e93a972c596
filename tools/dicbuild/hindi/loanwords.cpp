#include "hindi/loanwords.h"

#include "hindi/devanagari.h"

#include <QRegularExpression>

#include <algorithm>

namespace tolvani::dicbuild {

void addMeaning(HindiVocabulary &vocabulary, QStringView headword, QStringView meaning, const Romanizer &plain)
{
    vocabulary.addText(meaning);
    addLoanwords(vocabulary, headword, meaning, plain);
}

void addLoanwords(HindiVocabulary &vocabulary, QStringView headword, QStringView meaning, const Romanizer &plain)
{
    const std::vector<OutlineLetter> english = consonantOutline(headword);
    if (english.size() < 2)
        return;
    // A piece of one word, or of one word and the verb that makes a verb of
    // it (इंटरव्यू लेना); a word inside a phrase (वानर के समान for simian)
    // only sounds like the headword by chance. A note in braces says what
    // the word is: डस्टपैन{चौड़े मुँह वाला पात्र}.
    static const QRegularExpression note(QStringLiteral("\\{[^}]*\\}"));
    for (const QString &piece : meaning.toString().remove(note).split(u',')) {
        const QStringList words = QString(piece).replace(u'~', u' ').split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty() || words.size() > 2 || (words.size() == 2 && !plain.words().lightVerbs.contains(words[1])))
            continue;
        const QString &word = words.front();
        if (!std::all_of(word.begin(), word.end(), isDevanagariLetter) || vocabulary.isLoanword(word))
            continue;
        if (sameOutline(consonantOutline(plain.romanize(word)), english))
            vocabulary.addLoanword(word, headword.toString().toLower());
    }
}

} // namespace tolvani::dicbuild
