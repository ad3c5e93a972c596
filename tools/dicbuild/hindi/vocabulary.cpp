#include "hindi/vocabulary.h"

#include "hindi/devanagari.h"

#include <algorithm>

namespace tolvani::dicbuild {
namespace {

// The source writes the nukta only now and then (घुड़सवार, घुडसवार), and
// a nasal before a consonant either as a letter or as an anusvara (अनन्त,
// अनंत): words are counted without the nukta and with the anusvara.
QString spellingKey(QStringView word)
{
    QString key;
    key.reserve(word.size());
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c == kNukta)
            continue;
        const bool nasalLetter = isOneOf(c, {kNga, kNya, kNna, kNa, kMa});
        if (nasalLetter && i + 2 < word.size() && word[i + 1].unicode() == kVirama
            && isDevanagariConsonant(word[i + 2].unicode())) {
            key += QChar(kAnusvara);
            ++i;
            continue;
        }
        key += QChar(withoutNukta(c));
    }
    return key;
}

// Whether the key of the word is the word itself.
bool isOwnKey(QStringView word)
{
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        if (c == kNukta || withoutNukta(c) != c)
            return false;
        if (isOneOf(c, {kNga, kNya, kNna, kNa, kMa}) && i + 2 < word.size() && word[i + 1].unicode() == kVirama
            && isDevanagariConsonant(word[i + 2].unicode()))
            return false;
    }
    return true;
}

} // namespace

QStringView HindiVocabulary::keep(const QString &key)
{
    keys_.append(key);
    return keys_.back();
}

template<typename Value>
Value HindiVocabulary::lookUp(const QHash<QStringView, Value> &hash, QStringView word) const
{
    return isOwnKey(word) ? hash.value(word) : hash.value(spellingKey(word));
}

void HindiVocabulary::addText(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size()) {
        if (!isDevanagariLetter(text[i])) {
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        while (end < text.size() && (isDevanagariLetter(text[end]) || text[end].unicode() == kZeroWidthJoiner))
            ++end;
        const QString key = spellingKey(text.sliced(i, end - i));
        if (const auto found = counts_.find(key); found != counts_.end())
            ++*found;
        else
            counts_.insert(keep(key), 1);
        i = end;
    }
}

int HindiVocabulary::count(QStringView word) const
{
    return lookUp(counts_, word);
}

void HindiVocabulary::addLoanword(QStringView word, const QString &english)
{
    if (const QString key = spellingKey(word); !loanwords_.contains(key))
        loanwords_.insert(keep(key), english);
}

QString HindiVocabulary::loanSource(QStringView word) const
{
    return lookUp(loanwords_, word);
}

std::vector<OutlineLetter> consonantOutline(QStringView latin)
{
    std::vector<OutlineLetter> outline;
    auto isVowel = [](QChar c) { return QStringView(u"aeiouy").contains(c.toLower()); };
    for (qsizetype i = 0; i < latin.size(); ++i) {
        QChar c = latin[i].toLower();
        // gh after a vowel is silent: night, high.
        if (c == u'g' && i > 0 && isVowel(latin[i - 1]) && i + 1 < latin.size() && latin[i + 1].toLower() == u'h') {
            ++i;
            continue;
        }
        if (c == u'p' && i + 1 < latin.size() && latin[i + 1].toLower() == u'h')
            c = u'f';
        else if (c == u'c' || c == u'q')
            c = u'k';
        else if (c == u'w')
            c = u'v';
        if (!c.isLetter() || QStringView(u"aeiouyh").contains(c))
            continue;
        if (!outline.empty() && outline.back().letter == c)
            outline.back().last = i;
        else
            outline.push_back({c, i, i});
    }
    return outline;
}

bool sameOutline(const std::vector<OutlineLetter> &a, const std::vector<OutlineLetter> &b)
{
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const OutlineLetter &x, const OutlineLetter &y) { return x.letter == y.letter; });
}

} // namespace tolvani::dicbuild
