#include "wordforms.h"

#include "dictd.h"

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
    QString current;
    for (QChar c : text) {
        if (c.isLetter()) {
            current += c.toLower();
        } else if (!current.isEmpty()) {
            words.append(current);
            current.clear();
        }
    }
    if (!current.isEmpty())
        words.append(current);
    return words;
}

void WordForms::addExceptions(QByteArrayView exc)
{
    for (const QByteArray &line : exc.toByteArray().split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 2)
            continue;
        const QString inflected = QString::fromUtf8(fields[0]).replace(u'_', u' ');
        for (qsizetype i = 1; i < fields.size(); ++i)
            irregular_[QString::fromUtf8(fields[i]).replace(u'_', u' ')].append(inflected);
    }
}

void WordForms::load(const QString &directory)
{
    for (const char *part : {"verb", "noun", "adj"})
        addExceptions(readInput(directory + u'/' + QLatin1StringView(part) + QStringLiteral(".exc")));
}

QSet<QString> WordForms::formsOf(QStringView word) const
{
    const QString w = word.toString().toLower();
    QSet<QString> forms{w};
    for (const QString &form : irregular_.value(w))
        forms.insert(form);
    if (w.size() < 2)
        return forms;
    auto add = [&forms](QStringView base, std::initializer_list<QStringView> endings) {
        for (QStringView ending : endings)
            forms.insert(base.toString() + ending.toString());
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
    for (const QString &form : QSet<QString>(forms)) {
        QString other = form;
        if (other.contains(u"is"))
            forms.insert(QString(other).replace(QStringLiteral("is"), QStringLiteral("iz")));
        if (other.contains(u"iz"))
            forms.insert(QString(other).replace(QStringLiteral("iz"), QStringLiteral("is")));
        if (other.contains(u"our"))
            forms.insert(other.replace(QStringLiteral("our"), QStringLiteral("or")));
    }
    return forms;
}

bool WordForms::uses(QStringView headword, QStringView sentence) const
{
    // An irregular form of the whole phrase ("brothers-in-law") is tried
    // first; otherwise each word of it in turn.
    const QStringList sentenceWords = wordsOf(sentence);
    const QString joinedSentence = u' ' + sentenceWords.join(u' ') + u' ';
    for (const QString &form : formsOf(headword)) {
        const QStringList formWords = wordsOf(form);
        if (formWords.size() > 1 && joinedSentence.contains(u' ' + formWords.join(u' ') + u' '))
            return true;
    }
    // A compound may be written open or hyphenated ("play ground").
    QStringList joined;
    for (qsizetype i = 0; i + 1 < sentenceWords.size(); ++i)
        joined.append(sentenceWords[i] + sentenceWords[i + 1]);
    const QStringList headwordWords = wordsOf(headword);
    if (headwordWords.size() == 1) {
        const QSet<QString> forms = formsOf(headwordWords.front());
        if (std::any_of(joined.begin(), joined.end(), [&](const QString &w) { return forms.contains(w); }))
            return true;
    }
    qsizetype at = 0;
    for (const QString &word : headwordWords) {
        const QSet<QString> forms = formsOf(word);
        while (at < sentenceWords.size() && !forms.contains(sentenceWords[at]))
            ++at;
        if (at == sentenceWords.size())
            return false;
        ++at;
    }
    return !headwordWords.isEmpty();
}

} // namespace tolvani::dicbuild
