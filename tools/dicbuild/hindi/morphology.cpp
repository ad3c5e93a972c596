#include "hindi/morphology.h"

#include "hindi/devanagari.h"
#include "hindi/splits.h"
#include "hindi/syllables.h"

#include <optional>

namespace tolvani::dicbuild {
namespace {

// Parts within parts: prefix, two members, suffix and an ending at most.
constexpr int kMaximumDepth = 4;

QStringList partsOf(const QString &word, const SplitFinder &finder, const HindiWordLists &words, int depth)
{
    const std::optional<Split> split = depth < kMaximumDepth ? finder.best(word) : std::nullopt;
    if (!split)
        return {word};
    QStringList out = words.isPrefix(split->left) ? QStringList{split->left}
                                                  : partsOf(split->left, finder, words, depth + 1);
    out += isSuffix(split->right, words) ? QStringList{split->right} : partsOf(split->right, finder, words, depth + 1);
    return out;
}

// Sound words repeat a pair of syllables, whole or with a new first
// consonant, and add an ending: भन-भनाना, चर-मराना, गड़-बड़ी, गड़-बड़ा. Where the
// first pair ends, or -1.
qsizetype echoPairEnd(QStringView word)
{
    const qsizetype second = plainSyllableEnd(word, 0);
    const qsizetype third = second < 0 ? -1 : plainSyllableEnd(word, second);
    const qsizetype fourth = third < 0 ? -1 : plainSyllableEnd(word, third);
    const qsizetype length = third - second;
    if (fourth < 0 || fourth + length >= word.size() || word.sliced(second, length) != word.sliced(fourth, length))
        return -1;
    const qsizetype ending = fourth + length;
    const char16_t vowel = word[ending].unicode();
    // A final aa after न is the infinitive of a verb: पनपना is panap-na.
    const bool infinitive = ending + 1 == word.size() && word.endsWith(kInfinitive);
    const bool longA = vowel == kSignAa && !infinitive;
    return longA || vowel == kSignIi ? third : -1;
}

// A word repeated around -ा- (गरमा-गरम, ठसा-ठस) reads each half on its
// own: garmagaram. Where the first half ends, or -1.
qsizetype repeatedAroundAaEnd(QStringView word)
{
    const qsizetype half = word.size() / 2;
    const bool repeated = word.size() % 2 == 1 && half >= 2 && word[half].unicode() == kSignAa
        && isDevanagariConsonant(word[half - 1].unicode()) && word.first(half) == word.sliced(half + 1);
    return repeated ? half + 1 : -1;
}

} // namespace

QStringList morphemeParts(QStringView word, const HindiVocabulary &vocabulary, const HindiWordLists &words)
{
    if (const qsizetype halfEnd = repeatedAroundAaEnd(word); halfEnd > 0)
        return {word.first(halfEnd).toString(), word.sliced(halfEnd).toString()};
    if (const qsizetype pairEnd = echoPairEnd(word); pairEnd > 0)
        return QStringList{word.first(pairEnd).toString()} + morphemeParts(word.sliced(pairEnd), vocabulary, words);
    if (vocabulary.isEmpty())
        return {word.toString()};
    return partsOf(word.toString(), SplitFinder(vocabulary, words), words, 0);
}

} // namespace tolvani::dicbuild
