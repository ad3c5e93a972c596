#include "detectors/hindispelling.h"

#include "common/text.h"
#include "hindi/devanagari.h"

#include <algorithm>
#include <initializer_list>
#include <iterator>
#include <utility>

namespace tolvani::dicbuild {
namespace {

QString normalized(QStringView word)
{
    QString out = word.toString().normalized(QString::NormalizationForm_D);
    out.replace(QChar(kChandrabindu), QChar(kAnusvara));
    return out;
}

// Letters and signs one slips into for another; 0 ends a group.
constexpr char16_t kConfusable[][3] = {
    {kSignI, kSignIi, 0}, {kSignU, kSignUu, 0}, {kSignE, kSignAi, 0}, {kSignO, kSignAu, 0},
    {kBa, kVa, 0},        {kSha, kSsa, kSa},    {kNa, kNna, 0},
};

QString letters(std::initializer_list<char16_t> codes)
{
    return QString(reinterpret_cast<const QChar *>(codes.begin()), qsizetype(codes.size()));
}

bool isConsonant(QChar c)
{
    return isDevanagariConsonant(c.unicode());
}

// Every spelling one slip away from `word` (normalized).
QStringList slipsOf(const QString &word)
{
    QStringList out;
    for (qsizetype i = 0; i < word.size(); ++i) {
        const char16_t c = word[i].unicode();
        for (const auto &group : kConfusable) {
            if (std::find(std::begin(group), std::end(group), c) == std::end(group))
                continue;
            for (char16_t other : group) {
                if (other != 0 && other != c)
                    out.append(QString(word).replace(i, 1, QChar(other)));
            }
        }
        if (c == kAnusvara) {
            out.append(QString(word).remove(i, 1));
            out.append(QString(word).replace(i, 1, letters({kNa, kVirama})));
        }
        // ड/ड़, ढ/ढ़: the nukta makes another letter there.
        if ((c == kDda || c == kDdha) && (i + 1 >= word.size() || word[i + 1] != QChar(kNukta)))
            out.append(QString(word).insert(i + 1, QChar(kNukta)));
        if (c == kNukta && i > 0 && (word[i - 1] == QChar(kDda) || word[i - 1] == QChar(kDdha)))
            out.append(QString(word).remove(i, 1));
        // The consonants of neighbouring syllables swapped, not the first
        // letter: a word rarely begins with the slip.
        if (i > 0 && isConsonant(word[i])) {
            qsizetype next = i + 1;
            while (next < word.size() && !isConsonant(word[next]))
                ++next;
            if (next < word.size() && word[next] != word[i]) {
                QString swapped = word;
                std::swap(swapped[i], swapped[next]);
                out.append(swapped);
            }
        }
    }
    out.append(word + QChar(kAnusvara));
    const QString shri = letters({kSha, kVirama, kRa, kSignVocalicR});
    if (word.contains(shri))
        out.append(QString(word).replace(shri, letters({kSha, kSignVocalicR})));
    return out;
}

bool isLetterAt(QStringView text, qsizetype i)
{
    return isDevanagariLetter(text[i]);
}

} // namespace

void HindiSpelling::addWordList(QByteArrayView dic)
{
    bool first = true;
    forEachLine(dic, [&](QByteArrayView line) {
        if (std::exchange(first, false))
            return; // the count
        const QString word = QString::fromUtf8(line).section(u'/', 0, 0).trimmed();
        if (!word.isEmpty())
            known_.insert(normalized(word));
    });
}

void HindiSpelling::countWords(QStringView text)
{
    forEachWord(text, isLetterAt, [this](QStringView word, qsizetype) { ++counts_[normalized(word)]; });
}

std::optional<QString> HindiSpelling::likelyIntended(QStringView word) const
{
    const QString written = normalized(word);
    if (written.size() < 3 || known_.contains(written))
        return std::nullopt;
    // A word the source writes again and again is a word of its own that
    // the short list lacks, not a slip.
    const int count = counts_.value(written);
    if (count > 2)
        return std::nullopt;
    std::optional<QString> best;
    int bestCount = -1;
    for (const QString &slip : slipsOf(written)) {
        const int slipCount = counts_.value(slip);
        const bool likely = (known_.contains(slip) && slipCount >= 3 * std::max(count, 1)) || slipCount >= 10 * std::max(count, 1);
        if (likely && slipCount > bestCount) {
            best = slip.normalized(QString::NormalizationForm_C);
            bestCount = slipCount;
        }
    }
    return best;
}

QStringList HindiSpelling::suspects(QStringView meaning) const
{
    QStringList out;
    forEachWord(meaning, isLetterAt, [&](QStringView word, qsizetype) {
        if (const std::optional<QString> intended = likelyIntended(word))
            out.append(word.toString() + QStringLiteral(" → ") + *intended);
    });
    return out;
}

} // namespace tolvani::dicbuild
