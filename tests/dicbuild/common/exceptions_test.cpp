#include "common/exceptions.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

constexpr char header[] = "word\trule\treason\n";

TEST(ExceptionWords, GiveEachRuleItsWordsInTheTablesOrder)
{
    ExceptionWords table;
    table.addTable(QByteArray("# words the rules treat apart\n") + header
                       + "बे\tpersian-prefix\twithout: be-ghar\n"
                         "evening\tnot-inflected\tno form of even\n"
                         "गैर\tpersian-prefix\tnot: gair-haziri\n",
                   u"exceptions.tsv"_s);
    EXPECT_EQ(table.of(ExceptionRule::PersianPrefix), (QStringList{u"बे"_s, u"गैर"_s}));
    EXPECT_EQ(table.of(ExceptionRule::NotInflected), QStringList{u"evening"_s});
    EXPECT_TRUE(table.of(ExceptionRule::Prefix).isEmpty());
}

TEST(ExceptionWords, EveryRuleIsReadByItsName)
{
    QByteArray rows = header;
    for (int rule = 0; rule < kExceptionRules; ++rule)
        rows += "w" + QByteArray::number(rule) + '\t' + ExceptionWords::ruleName(ExceptionRule(rule)).toUtf8()
            + "\tone word a rule\n";
    ExceptionWords table;
    table.addTable(rows, u"exceptions.tsv"_s);
    for (int rule = 0; rule < kExceptionRules; ++rule)
        EXPECT_EQ(table.of(ExceptionRule(rule)), QStringList{u"w"_s + QString::number(rule)}) << rule;
}

TEST(ExceptionWords, RejectMalformedRows)
{
    const QByteArray bad[] = {
        "evening\tinflected\tno form of even\n", // unknown rule
        "evening\tnot-inflected\t\n",            // no reason
        "\tnot-inflected\tno word\n",
        "evening\tnot-inflected\tonce\nevening\tnot-inflected\ttwice\n",
        "evening\tnot-inflected\n\n",            // too few fields
    };
    for (const QByteArray &rows : bad)
        EXPECT_THROW(ExceptionWords().addTable(header + rows, u"exceptions.tsv"_s), std::runtime_error)
            << rows.toStdString();
}

} // namespace
} // namespace tolvani::dicbuild
