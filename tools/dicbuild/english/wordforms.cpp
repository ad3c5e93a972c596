#include "english/wordforms.h"

#include <algorithm>
#include <initializer_list>

namespace tolvani::dicbuild {
namespace {

bool isVowel(QChar c)
{
    return QStringView(u"aeiou").contains(c);
}

// "stop" -> "stopp" before -ed/-ing; a final w, x or y is never doubled.
bool doublesFinalConsonant(const QString &word)
{
    const qsizetype n = word.size();
    if (n < 3)
        return false;
    const QChar last = word[n - 1];
    return !isVowel(last) && !QStringView(u"wxy").contains(last) && isVowel(word[n - 2]) && !isVowel(word[n - 3]);
}

} // namespace

QStringList wordsOf(QStringView text)
{
    QStringList words;
    qsizetype i = 0;
    while (i < text.size()) {
        if (!text[i].isLetter()) {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && text[end].isLetter())
            ++end;
        QString &word = words.emplaceBack(end - i, Qt::Uninitialized);
        for (qsizetype j = i; j < end; ++j)
            word[j - i] = text[j].toLower();
        i = end;
    }
    return words;
}

WordForms::WordForms(const WordNet &wordnet)
{
    for (WordNetPart part : {WordNetPart::Verb, WordNetPart::Noun, WordNetPart::Adj}) {
        for (const QStringList &line : wordnet.exceptions(part)) {
            const QString inflected = QString(line[0]).replace(u'_', u' ');
            for (qsizetype i = 1; i < line.size(); ++i)
                irregular_[QString(line[i]).replace(u'_', u' ')].append(inflected);
        }
    }
}

QStringList WordForms::formsOf(QStringView word) const
{
    const QString w = word.toString().toLower();
    QStringList forms{w};
    forms += irregular_.value(w);
    if (w.size() < 2)
        return forms;
    auto add = [&forms](QStringView base, std::initializer_list<QStringView> endings) {
        for (QStringView ending : endings)
            forms.append(base.toString() + ending.toString());
    };
    add(w, {u"s", u"es", u"ed", u"ing", u"er", u"est"});
    const QStringView stem = QStringView(w).chopped(1);
    const QChar last = w.back();
    if (last == u'y' && !isVowel(w[w.size() - 2]))
        add(stem, {u"ies", u"ied", u"ier", u"iest"});
    if (last == u'e') {
        add(w, {u"d", u"r", u"st"});
        add(stem, {u"ing"});
        if (w.endsWith(u"ie"))
            add(QStringView(w).chopped(2), {u"ying"});
    }
    if (doublesFinalConsonant(w))
        add(w + last, {u"ed", u"ing", u"er", u"est"});
    if (w.endsWith(u"man"))
        add(QStringView(w).chopped(3), {u"men"});
    // British and American spellings ("colonise", "colonized"; "colour", "color").
    const qsizetype regular = forms.size();
    for (qsizetype i = 0; i < regular; ++i) {
        const QString form = forms[i];
        if (form.contains(u"is"))
            forms.append(QString(form).replace(QStringLiteral("is"), QStringLiteral("iz")));
        if (form.contains(u"iz"))
            forms.append(QString(form).replace(QStringLiteral("iz"), QStringLiteral("is")));
        if (form.contains(u"our"))
            forms.append(QString(form).replace(QStringLiteral("our"), QStringLiteral("or")));
    }
    return forms;
}

HeadwordForms WordForms::of(QStringView headword) const
{
    HeadwordForms forms;
    const QStringList whole = formsOf(headword);
    for (const QString &form : whole) {
        const bool oneWord = std::all_of(form.begin(), form.end(), [](QChar c) { return c.isLetter(); });
        if (const QStringList words = oneWord ? QStringList() : wordsOf(form); words.size() > 1)
            forms.phrases_.append(u' ' + words.join(u' ') + u' ');
    }
    const QStringList words = wordsOf(headword);
    if (words.size() == 1 && words.front() == whole.front()) {
        forms.words_.push_back(whole); // a headword of one word: its forms are the word's
    } else {
        for (const QString &word : words)
            forms.words_.push_back(formsOf(word));
    }
    return forms;
}

bool HeadwordForms::usedIn(QStringView sentence) const
{
    // An irregular form of the whole phrase ("brothers-in-law") is tried
    // first; otherwise each word of it in turn.
    const QStringList sentenceWords = wordsOf(sentence);
    if (!phrases_.isEmpty()) {
        const QString joinedSentence = u' ' + sentenceWords.join(u' ') + u' ';
        if (std::any_of(phrases_.begin(), phrases_.end(), [&](const QString &p) { return joinedSentence.contains(p); }))
            return true;
    }
    // A compound may be written open or hyphenated ("play ground").
    if (words_.size() == 1) {
        for (qsizetype i = 0; i + 1 < sentenceWords.size(); ++i) {
            if (words_.front().contains(sentenceWords[i] + sentenceWords[i + 1]))
                return true;
        }
    }
    qsizetype at = 0;
    for (const QStringList &forms : words_) {
        while (at < sentenceWords.size() && !forms.contains(sentenceWords[at]))
            ++at;
        if (at == sentenceWords.size())
            return false;
        ++at;
    }
    return !words_.empty();
}

} // namespace tolvani::dicbuild
