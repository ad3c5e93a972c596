#include "detectors.h"

#include "examples.h"
#include "romanizer.h"

#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace tolvani::dicbuild {
namespace {

bool isVerbCode(const QString &code)
{
    return code == u"v" || code == u"vt" || code == u"vi" || code == u"vti";
}

// The meanings of a line: split at the commas outside parentheses, notes
// left out.
QStringList meaningsOf(const QString &meaning)
{
    QStringList out;
    QString current;
    int depth = 0;
    for (QChar c : meaning) {
        if (c == u'(')
            ++depth;
        else if (c == u')' && depth > 0)
            --depth;
        else if (c == u',' && depth == 0) {
            out.append(current.simplified());
            current.clear();
        } else if (depth == 0) {
            current += c;
        }
    }
    out.append(current.simplified());
    out.removeAll(QString());
    return out;
}

bool hasLatinResidue(const QString &meaning)
{
    // The romanizer writes lower case and neither w nor x; a digit
    // stuck to a letter is residue as well.
    for (qsizetype i = 0; i < meaning.size(); ++i) {
        const QChar c = meaning[i];
        if ((c >= u'A' && c <= u'Z') || c == u'w' || c == u'x')
            return true;
        if (c.isDigit() && ((i > 0 && meaning[i - 1].isLetter()) || (i + 1 < meaning.size() && meaning[i + 1].isLetter())))
            return true;
    }
    return false;
}

// The words of one meaning, without the punctuation that ends some.
QStringList wordsOfMeaning(QStringView meaning)
{
    QStringList words = meaning.toString().split(u' ', Qt::SkipEmptyParts);
    if (!words.isEmpty()) {
        QString &last = words.back();
        while (!last.isEmpty() && !last.back().isLetter())
            last.chop(1);
    }
    return words;
}

bool isRomanizedHindi(const DicLine &line)
{
    return std::any_of(line.sourceExamples.begin(), line.sourceExamples.end(), [&](const QString &example) {
        return isHindi(example) && simplified(romanize(example)) == line.example;
    });
}

} // namespace

QString suspicionName(Suspicion kind)
{
    switch (kind) {
    case Suspicion::NounMeansVerb:
        return QStringLiteral("noun-or-adjective-means-verb");
    case Suspicion::VerbWithoutVerb:
        return QStringLiteral("verb-without-verb");
    case Suspicion::ExampleLacksWord:
        return QStringLiteral("example-lacks-headword");
    case Suspicion::HindiExample:
        return QStringLiteral("hindi-example");
    case Suspicion::LatinInMeaning:
        return QStringLiteral("latin-in-meaning");
    }
    return {};
}

bool isVerbMeaning(QStringView meaning)
{
    // Infinitives that are also common nouns ("khana" food, "sena" army)
    // do not make a verb.
    static const QSet<QString> nouns{
        u"khana"_s,  u"sena"_s,   u"gana"_s,    u"rachna"_s, u"ghatna"_s, u"namuna"_s, u"jharna"_s,
        u"mahina"_s, u"sona"_s,   u"jurmana"_s, u"bahana"_s, u"karkhana"_s, u"tahkhana"_s, u"nishana"_s,
        u"thikana"_s, u"zamana"_s, u"khazana"_s, u"ghrina"_s, u"bhavna"_s, u"kalpana"_s, u"yojna"_s,
        u"suchna"_s, u"ghoshna"_s, u"tulna"_s,  u"prarthana"_s, u"sambhavna"_s, u"chetna"_s, u"prerna"_s,
        u"ganna"_s,  u"dastana"_s, u"pasina"_s, u"kamina"_s, u"dharna"_s, u"sarahna"_s,
        u"kamna"_s,  u"vedna"_s,  u"rona"_s,
    };
    const QStringList words = wordsOfMeaning(meaning);
    return words.size() > 1 && words.back().size() > 2 && words.back().endsWith(u"na") && !nouns.contains(words.back());
}

bool hasVerbForm(QStringView meaning)
{
    // A verb stem after its noun ("prayog kar") is how the source writes
    // many verbs.
    static const QSet<QString> stems{u"kar"_s, u"ho"_s, u"de"_s, u"le"_s, u"ja"_s, u"a"_s, u"lag"_s, u"laga"_s,
                                     u"rakh"_s, u"dal"_s, u"utha"_s, u"nikal"_s, u"bana"_s, u"mar"_s, u"chal"_s,
                                     u"pa"_s, u"bhej"_s, u"ban"_s, u"jor"_s};
    const QStringList words = wordsOfMeaning(meaning);
    return !words.isEmpty()
           && ((words.back().size() > 2 && words.back().endsWith(u"na")) || (words.size() > 1 && stems.contains(words.back())));
}

std::vector<Finding> detectSuspicious(const std::vector<DicLine> &lines, const WordForms &forms)
{
    std::vector<Finding> findings;
    for (const DicLine &line : lines) {
        const QStringList meanings = meaningsOf(line.meaning);
        const bool anyVerb = std::any_of(meanings.begin(), meanings.end(), [](const QString &m) { return hasVerbForm(m); });
        const bool allVerbs = !meanings.isEmpty() && std::all_of(meanings.begin(), meanings.end(), [](const QString &m) { return isVerbMeaning(m); });
        if ((line.code == u"n" || line.code == u"a") && allVerbs)
            findings.push_back({Suspicion::NounMeansVerb, &line});
        if (isVerbCode(line.code) && !anyVerb)
            findings.push_back({Suspicion::VerbWithoutVerb, &line});
        if (isRomanizedHindi(line))
            findings.push_back({Suspicion::HindiExample, &line});
        else if (!forms.uses(line.headword, line.example))
            findings.push_back({Suspicion::ExampleLacksWord, &line});
        if (hasLatinResidue(line.meaning))
            findings.push_back({Suspicion::LatinInMeaning, &line});
    }
    return findings;
}

} // namespace tolvani::dicbuild
