#include "tables/supplement.h"

#include "common/table.h"
#include "common/text.h"
#include "hindi/devanagari.h"
#include "lookup/wordtypes.h"
#include "source/entryparser.h"
#include "source/repairs.h"

#include <QSet>

#include <algorithm>
#include <stdexcept>

namespace tolvani::dicbuild {

namespace {

const QStringList &supplementHeader()
{
    static const QStringList header{QStringLiteral("headword"), QStringLiteral("code"), QStringLiteral("hindi"),
                                    QStringLiteral("example"), QStringLiteral("note")};
    return header;
}

} // namespace

std::vector<std::pair<QString, QString>> supplementMeanings(QByteArrayView table, const QString &name)
{
    std::vector<std::pair<QString, QString>> meanings;
    for (const TableRow &row : readTable(table, supplementHeader(), name))
        meanings.emplace_back(row.fields[0], row.fields[2]);
    return meanings;
}

std::vector<DicLine> supplementLines(QByteArrayView table, const QString &name, const std::vector<DicLine> &sourceLines,
                                     const WordForms &forms, const Romanizer &romanizer)
{
    QSet<QString> taken;
    int order = 0;
    for (const DicLine &line : sourceLines) {
        taken.insert(lineKey(line));
        order = std::max(order, line.sourceOrder + 1);
    }
    std::vector<DicLine> lines;
    for (const TableRow &row : readTable(table, supplementHeader(), name)) {
        const QString &headword = row.fields[0];
        const QString &code = row.fields[1];
        auto fail = [&](const QString &message) {
            throw std::runtime_error(rowError(name, row, headword + QStringLiteral(": ") + message).toStdString());
        };
        if (headword.isEmpty() || !headword.front().isLetter() || headword.front().toUpper() == u'X')
            fail(QStringLiteral("the headword must begin with a letter the search reaches"));
        if (!wordTypeName(code))
            fail(QStringLiteral("unknown code ") + code);
        if (!hasDevanagari(row.fields[2]))
            fail(QStringLiteral("no Hindi meaning"));
        if (!forms.uses(headword, row.fields[3]))
            fail(QStringLiteral("the example does not use the headword"));
        const QString key = lineKey(headword, code);
        if (taken.contains(key))
            fail(QStringLiteral("the source or an earlier row already has it as ") + code);
        taken.insert(key);
        // The meanings are split and their notes put in parentheses as the
        // source's are.
        QStringList meanings;
        QStringList hindi;
        RepairCounts notes;
        for (const QString &piece : meaningPieces(row.fields[2])) {
            const QString written = repairMeaning(piece, notes);
            const QString romanized = simplified(romanizer.romanize(written));
            if (!romanized.isEmpty() && !meanings.contains(romanized)) {
                meanings.append(romanized);
                hindi.append(written);
            }
        }
        DicLine line{headword, code, meanings.join(u", "), simplified(row.fields[3]), order++, Origin::Supplement};
        line.hindi = hindi;
        line.exampleSource = ExampleSource::Supplement;
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace tolvani::dicbuild
