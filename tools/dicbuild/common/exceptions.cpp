#include "common/exceptions.h"

#include "common/table.h"

#include <stdexcept>

namespace tolvani::dicbuild {
namespace {

constexpr std::array<const char *, kExceptionRules> kRuleNames = {
    "prefix",         "persian-prefix", "suffix",        "plain-stem-suffix", "joined-postposition",
    "vowel-member",   "one-word",       "separate-member", "separate-final-member", "light-verb",
    "member",         "short-form",     "keeps-every-a", "persian-word",      "not-inflected",
    "noun-in-na",     "verb-stem",
};

} // namespace

QString ExceptionWords::ruleName(ExceptionRule rule)
{
    return QString::fromLatin1(kRuleNames[std::size_t(rule)]);
}

void ExceptionWords::addTable(QByteArrayView table, const QString &name)
{
    const QStringList header{QStringLiteral("word"), QStringLiteral("rule"), QStringLiteral("reason")};
    for (const TableRow &row : readTable(table, header, name)) {
        const QString &word = row.fields[0];
        auto fail = [&](const QString &message) {
            throw std::runtime_error(rowError(name, row, word + QStringLiteral(": ") + message).toStdString());
        };
        int rule = 0;
        while (rule < kExceptionRules && row.fields[1] != QLatin1StringView(kRuleNames[std::size_t(rule)]))
            ++rule;
        if (rule == kExceptionRules)
            fail(QStringLiteral("unknown rule ") + row.fields[1]);
        if (word.isEmpty() || row.fields[2].isEmpty())
            fail(QStringLiteral("needs a word and a reason"));
        QStringList &words = words_[std::size_t(rule)];
        if (words.contains(word))
            fail(QStringLiteral("is already a word of rule ") + row.fields[1]);
        words.append(word);
    }
}

} // namespace tolvani::dicbuild
