#include "english/lemmatizer.h"

#include <utility>

namespace tolvani::dicbuild {
namespace {

using Ending = std::pair<QStringView, QStringView>;
// WordNet's detachment rules, in the order they are tried.
constexpr Ending nounEndings[] = {{u"ses", u"s"}, {u"xes", u"x"}, {u"zes", u"z"}, {u"ches", u"ch"},
                                  {u"shes", u"sh"}, {u"men", u"man"}, {u"ies", u"y"}, {u"s", u""}};
constexpr Ending verbEndings[] = {{u"s", u""},   {u"ies", u"y"}, {u"es", u"e"}, {u"es", u""},
                                  {u"ed", u"e"}, {u"ed", u""},   {u"ing", u"e"}, {u"ing", u""}};
constexpr Ending adjectiveEndings[] = {{u"er", u""}, {u"est", u""}, {u"er", u"e"}, {u"est", u"e"}};

constexpr WordNetPart kParts[] = {WordNetPart::Noun, WordNetPart::Verb, WordNetPart::Adj, WordNetPart::Adv};

} // namespace

Lemmatizer::Lemmatizer(const WordNet &wordnet) : wordnet_(wordnet)
{
    for (WordNetPart part : kParts) {
        QHash<QString, QString> &exceptions = exceptions_[std::size_t(part)];
        for (const QStringList &line : wordnet.exceptions(part)) {
            // The first base counts; but "offer off" and "offer offer": a
            // form that is also its own base is a word of its own.
            const QString &form = line[0];
            const QString &base = line[1];
            if (!exceptions.contains(form) || base == form)
                exceptions.insert(form, base);
        }
    }
}

bool Lemmatizer::isLemma(const QString &word) const
{
    for (WordNetPart part : kParts) {
        if (isLemma(part, word))
            return true;
    }
    return false;
}

QString Lemmatizer::baseOf(const QString &form) const
{
    // Adverbs last: adv.exc turns "better" into "well" where adj.exc says "good".
    for (WordNetPart part : {WordNetPart::Verb, WordNetPart::Noun, WordNetPart::Adj, WordNetPart::Adv}) {
        const QHash<QString, QString> &exceptions = exceptions_[std::size_t(part)];
        if (const auto found = exceptions.constFind(form); found != exceptions.cend())
            return *found;
    }
    if (form.size() < 4 || form.endsWith(u"ss") || form.endsWith(u"us") || form.endsWith(u"is"))
        return form;
    auto tryEndings = [&](WordNetPart part, const auto &endings) -> QString {
        for (const auto &[ending, replacement] : endings) {
            if (!form.endsWith(ending))
                continue;
            QString base = form.first(form.size() - ending.size()).append(replacement);
            if (base.size() >= 2 && isLemma(part, base))
                return base;
        }
        return {};
    };
    for (QString base : {tryEndings(WordNetPart::Verb, verbEndings), tryEndings(WordNetPart::Noun, nounEndings)}) {
        if (!base.isEmpty())
            return base;
    }
    // Many nouns and verbs end in -er ("offer", "broker", "lighter"); they
    // stay as they are, while "older" and "greatest" go to their adjective.
    const bool nounOrVerb = isLemma(WordNetPart::Noun, form) || isLemma(WordNetPart::Verb, form);
    if (QString base = nounOrVerb ? QString() : tryEndings(WordNetPart::Adj, adjectiveEndings); !base.isEmpty())
        return base;
    return form;
}

} // namespace tolvani::dicbuild
