#include "detectors.h"

#include "examples.h"
#include "romanizer.h"

#include <algorithm>

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
    const QStringView last = meaning.trimmed().split(u' ').back();
    return last.size() > 2 && last.endsWith(u"na");
}

std::vector<Finding> detectSuspicious(const std::vector<DicLine> &lines, const WordForms &forms)
{
    std::vector<Finding> findings;
    for (const DicLine &line : lines) {
        const QStringList meanings = meaningsOf(line.meaning);
        const bool anyVerb = std::any_of(meanings.begin(), meanings.end(), [](const QString &m) { return isVerbMeaning(m); });
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
