#include "spelling.h"

#include "table.h"

#include <QSet>

#include <stdexcept>

namespace tolvani::dicbuild {

void SpellingVariants::addTable(QByteArrayView table, const QString &name)
{
    for (const TableRow &row : readTable(table, {QStringLiteral("british"), QStringLiteral("american")}, name)) {
        const QString &british = row.fields[0];
        const QString &american = row.fields[1];
        if (british.isEmpty() || american.isEmpty() || british == american || other_.contains(british)
            || other_.contains(american))
            throw std::runtime_error(rowError(name, row, QStringLiteral("not a new pair of spellings")).toStdString());
        other_.insert(british, american);
        other_.insert(american, british);
    }
}

QString SpellingVariants::otherOf(const QString &word) const
{
    return other_.value(word.toLower());
}

std::vector<DicLine> variantLines(const std::vector<DicLine> &lines, const SpellingVariants &variants)
{
    QSet<QString> headwords;
    for (const DicLine &line : lines)
        headwords.insert(line.headword.toLower());
    std::vector<DicLine> added;
    for (const DicLine &line : lines) {
        const QString other = variants.otherOf(line.headword);
        if (other.isEmpty() || headwords.contains(other))
            continue;
        DicLine copy = line;
        copy.headword = other;
        copy.origin = Origin::Spelling;
        added.push_back(std::move(copy));
    }
    return added;
}

} // namespace tolvani::dicbuild
