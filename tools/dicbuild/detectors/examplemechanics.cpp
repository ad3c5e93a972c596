#include "detectors/examplemechanics.h"

namespace tolvani::dicbuild {
namespace {

bool isOpening(QChar c)
{
    return c == u'"' || c == u'\'' || c == u'(' || c == u'\u201C' || c == u'\u2018';
}

bool isClosing(QChar c)
{
    return c == u'"' || c == u'\'' || c == u')' || c == u'\u201D' || c == u'\u2019';
}

bool endsWithStop(QStringView text)
{
    while (!text.isEmpty() && isClosing(text.back()))
        text.chop(1);
    return !text.isEmpty() && (text.back() == u'.' || text.back() == u'?' || text.back() == u'!');
}

bool beginsWithCapital(QStringView text)
{
    while (!text.isEmpty() && isOpening(text.front()))
        text = text.sliced(1);
    return !text.isEmpty() && (text.front().isUpper() || text.front().isDigit());
}

bool hasSpaceBeforePunctuation(QStringView text)
{
    for (qsizetype i = 1; i < text.size(); ++i) {
        const QChar c = text[i];
        // An ellipsis may stand apart: "Well ... maybe."
        const bool ellipsis = c == u'.' && i + 1 < text.size() && text[i + 1] == u'.';
        if (text[i - 1] == u' ' && !ellipsis
            && (c == u',' || c == u'.' || c == u';' || c == u':' || c == u'?' || c == u'!'))
            return true;
    }
    return false;
}

bool lacksSpaceAfterPunctuation(QStringView text)
{
    // "3,500" and "3:30" are numbers; "e.g." and "U.S." are abbreviations.
    for (qsizetype i = 1; i + 1 < text.size(); ++i) {
        const QChar c = text[i];
        if ((c == u',' || c == u';' || c == u':') && text[i + 1].isLetter())
            return true;
    }
    return false;
}

} // namespace

std::vector<ExampleMechanics> mechanicalFaults(QStringView example)
{
    std::vector<ExampleMechanics> faults;
    if (example.isEmpty())
        return faults;
    if (!endsWithStop(example))
        faults.push_back(ExampleMechanics::NoFinalStop);
    if (!beginsWithCapital(example))
        faults.push_back(ExampleMechanics::NoCapital);
    if (hasSpaceBeforePunctuation(example))
        faults.push_back(ExampleMechanics::SpaceBeforePunctuation);
    if (lacksSpaceAfterPunctuation(example))
        faults.push_back(ExampleMechanics::NoSpaceAfterPunctuation);
    if (example.contains(u"  "))
        faults.push_back(ExampleMechanics::DoubleSpace);
    return faults;
}

} // namespace tolvani::dicbuild
