#include "lemmatizer.h"

#include "dictd.h"
#include "lines.h"

#include <utility>

namespace tolvani::dicbuild {
namespace {

QString field(QByteArrayView line, int which)
{
    qsizetype start = 0;
    for (int i = 0; i < which; ++i) {
        start = line.indexOf(' ', start);
        if (start < 0)
            return {};
        ++start;
    }
    qsizetype end = line.indexOf(' ', start);
    return QString::fromLatin1(line.sliced(start, (end < 0 ? line.size() : end) - start));
}

using Ending = std::pair<QStringView, QStringView>;
// WordNet's detachment rules, in the order they are tried.
constexpr Ending nounEndings[] = {{u"ses", u"s"}, {u"xes", u"x"}, {u"zes", u"z"}, {u"ches", u"ch"},
                                  {u"shes", u"sh"}, {u"men", u"man"}, {u"ies", u"y"}, {u"s", u""}};
constexpr Ending verbEndings[] = {{u"s", u""},   {u"ies", u"y"}, {u"es", u"e"}, {u"es", u""},
                                  {u"ed", u"e"}, {u"ed", u""},   {u"ing", u"e"}, {u"ing", u""}};
constexpr Ending adjectiveEndings[] = {{u"er", u""}, {u"est", u""}, {u"er", u"e"}, {u"est", u"e"}};

} // namespace

void Lemmatizer::addLemmas(PartOfSpeech pos, QByteArrayView index)
{
    forEachLine(index, [&](QByteArrayView line) {
        if (!line.startsWith(' ') && line.indexOf(' ') > 0)
            lemmas_[pos].insert(field(line, 0));
    });
}

void Lemmatizer::addExceptions(PartOfSpeech pos, QByteArrayView exceptions)
{
    forEachLine(exceptions, [&](QByteArrayView line) {
        const QString form = field(line, 0);
        const QString base = field(line, 1);
        // "offer off" and "offer offer": a form that is also its own base
        // is a word of its own.
        if (!form.isEmpty() && !base.isEmpty() && (!exceptions_[pos].contains(form) || base == form))
            exceptions_[pos].insert(form, base);
    });
}

void Lemmatizer::load(const QString &directory)
{
    const std::pair<PartOfSpeech, const char *> parts[] = {
        {Noun, "noun"}, {Verb, "verb"}, {Adjective, "adj"}, {Adverb, "adv"}};
    for (const auto &[pos, name] : parts) {
        addLemmas(pos, readInput(directory + QStringLiteral("/index.") + QLatin1StringView(name)));
        addExceptions(pos, readInput(directory + u'/' + QLatin1StringView(name) + QStringLiteral(".exc")));
    }
}

bool Lemmatizer::isLemma(const QString &word) const
{
    for (const QSet<QString> &lemmas : lemmas_) {
        if (lemmas.contains(word))
            return true;
    }
    return false;
}

QString Lemmatizer::baseOf(const QString &form) const
{
    // Adverbs last: adv.exc turns "better" into "well" where adj.exc says "good".
    for (PartOfSpeech pos : {Verb, Noun, Adjective, Adverb}) {
        if (const auto found = exceptions_[pos].constFind(form); found != exceptions_[pos].cend())
            return *found;
    }
    if (form.size() < 4 || form.endsWith(u"ss") || form.endsWith(u"us") || form.endsWith(u"is"))
        return form;
    auto tryEndings = [&](PartOfSpeech pos, const auto &endings) -> QString {
        for (const auto &[ending, replacement] : endings) {
            if (!form.endsWith(ending))
                continue;
            QString base = form.first(form.size() - ending.size()).append(replacement);
            if (base.size() >= 2 && lemmas_[pos].contains(base))
                return base;
        }
        return {};
    };
    for (QString base : {tryEndings(Verb, verbEndings), tryEndings(Noun, nounEndings)}) {
        if (!base.isEmpty())
            return base;
    }
    // Many nouns and verbs end in -er ("offer", "broker", "lighter"); they
    // stay as they are, while "older" and "greatest" go to their adjective.
    const bool nounOrVerb = lemmas_[Noun].contains(form) || lemmas_[Verb].contains(form);
    if (QString base = nounOrVerb ? QString() : tryEndings(Adjective, adjectiveEndings); !base.isEmpty())
        return base;
    return form;
}

} // namespace tolvani::dicbuild
