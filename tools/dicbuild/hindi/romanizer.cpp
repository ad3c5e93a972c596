#include "hindi/romanizer.h"

#include "hindi/devanagari.h"
#include "hindi/loanschwa.h"
#include "hindi/morphology.h"
#include "hindi/schwa.h"

#include <algorithm>
#include <utility>
#include <vector>

namespace tolvani::dicbuild {
namespace {

// Members that speech treats as words of their own, so the part before
// them is read alone: अमूर्ति-करण is amurti-karan, not amurtikran. Where
// the first one found begins, or -1.
qsizetype separateMemberAt(QStringView word, const HindiWordLists &words)
{
    auto opensSyllable = [&](qsizetype at) {
        return at > 0 && word[at - 1].unicode() != kVirama && word[at - 1].unicode() != kZeroWidthJoiner;
    };
    for (const QString &member : words.separateFinalMembers) {
        if (word.endsWith(member) && opensSyllable(word.size() - member.size()))
            return word.size() - member.size();
    }
    for (const QString &member : words.separateMembers) {
        if (const qsizetype at = word.indexOf(member); opensSyllable(at))
            return at;
    }
    return -1;
}

// A word goes on over a colon written for a visarga (वस्तुत:, दु:ख) and
// over joiners.
bool continuesWord(char16_t c)
{
    return isDevanagariLetter(c) || c == u':' || c == kZeroWidthJoiner || c == kZeroWidthNonJoiner;
}

} // namespace

Romanizer::Romanizer(HindiVocabulary vocabulary, HindiWordLists words)
    : vocabulary_(std::move(vocabulary)), words_(std::move(words))
{
    if (!vocabulary_.isEmpty())
        vocabulary_.addText(words_.members.join(u' '));
}

QString Romanizer::romanizeWord(QStringView word) const
{
    // -ीकरण and -ीकृत make a noun or participle of the word before them,
    // which keeps its own reading: प्रकट-ीकरण is prakatikaran, not praktikaran.
    for (QStringView ending : {QStringView(u"ीकरण"), QStringView(u"ीकृत")}) {
        const QStringView stem = word.chopped(std::min(word.size(), ending.size()));
        if (word.endsWith(ending) && stem.size() >= 2 && isDevanagariConsonant(stem.back().unicode())) {
            QString text = romanizeWord(stem);
            if (text.endsWith(u'a'))
                text.chop(1);
            return text + u'i' + romanizeWord(ending.sliced(1));
        }
    }
    std::vector<Syllable> syllables;
    QString prefix;
    QStringView previous;
    for (const QString &part : morphemeParts(word, vocabulary_, words_)) {
        const qsizetype split = separateMemberAt(part, words_);
        for (QStringView piece : split > 0 ? std::vector<QStringView>{QStringView(part).first(split),
                                                                      QStringView(part).sliced(split)}
                                           : std::vector<QStringView>{part}) {
            std::vector<Syllable> own = partSyllables(piece, words_);
            if (!syllables.empty() && !own.empty()) {
                Syllable &last = syllables.back();
                // A part said with each of its a's says its last one too
                // before another part: आत्म-कथा is atmakatha.
                if (keepsSchwaAtSeam(syllables, own.front(), prefix, piece, words_)
                    || words_.keepEveryA.contains(previous))
                    last.keepSchwa = true;
                // A member's a or aa takes the place of the a before it: कार्य-आलय.
                if (startsWithA(own.front()) && last.kind == Syllable::Vowel::Inherent)
                    last.keepSchwa = false;
            }
            syllables.insert(syllables.end(), own.begin(), own.end());
            prefix.clear();
            previous = piece;
        }
        if (words_.isPrefix(part))
            prefix = part;
    }
    if (const QString english = vocabulary_.loanSource(word); !english.isEmpty())
        placeSchwasAsSpelled(syllables, english);
    return spell(syllables);
}

QString Romanizer::romanize(QStringView text) const
{
    QString out;
    out.reserve(text.size() * 2);
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const char16_t c = text[i].unicode();
        if (isDevanagariLetter(c)) {
            qsizetype end = i + 1;
            while (end < n && continuesWord(text[end].unicode()))
                ++end;
            out += romanizeWord(text.sliced(i, end - i));
            i = end;
            continue;
        }
        if (c == u'~')
            out += u' ';
        else if (isOneOf(c, {kDanda, kDoubleDanda, kAbbreviationSign}))
            out += u'.';
        else if (isDevanagariDigit(c))
            out += QChar(u'0' + (c - kDigitZero));
        else if (c == kOm)
            out += QLatin1StringView("om");
        else if (c != kZeroWidthJoiner && c != kZeroWidthNonJoiner)
            out += QChar(c);
        ++i;
    }
    return out;
}

} // namespace tolvani::dicbuild
