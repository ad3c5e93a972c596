#include "tables/corrections.h"

#include "common/table.h"
#include "common/text.h"
#include "lookup/wordtypes.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <stdexcept>

namespace tolvani::dicbuild {
namespace {

// The source joins words with "~" or "_"; a row may write blanks instead.
QString comparable(QStringView piece)
{
    QString text = piece.toString();
    text.replace(u'~', u' ').replace(u'_', u' ');
    return simplified(text);
}

void mergeInto(DicLine &kept, const DicLine &merged)
{
    QStringList meanings = kept.meaning.split(QStringLiteral(", "), Qt::SkipEmptyParts);
    const QStringList mergedMeanings = merged.meaning.split(QStringLiteral(", "), Qt::SkipEmptyParts);
    for (qsizetype i = 0; i < mergedMeanings.size(); ++i) {
        if (meanings.contains(mergedMeanings[i]))
            continue;
        meanings.append(mergedMeanings[i]);
        if (i < merged.hindi.size())
            kept.hindi.append(merged.hindi[i]);
    }
    kept.meaning = meanings.join(QStringLiteral(", "));
    if (kept.example.isEmpty())
        kept.example = merged.example;
}

} // namespace

void Corrections::addTable(QByteArrayView table, const QString &name)
{
    name_ = name;
    const QStringList header{QStringLiteral("headword"), QStringLiteral("code"), QStringLiteral("field"),
                             QStringLiteral("old"),      QStringLiteral("new"),  QStringLiteral("reason")};
    QSet<QString> seen;
    for (const TableRow &row : readTable(table, header, name)) {
        const QStringList &f = row.fields;
        Correction c{row.line, f[0], f[1], f[2], f[3], f[4]};
        auto fail = [&](const QString &message) {
            throw std::runtime_error(rowError(name, row, c.headword + QStringLiteral(": ") + message).toStdString());
        };
        if (c.headword.isEmpty() || !wordTypeName(c.code))
            fail(QStringLiteral("needs a headword and a known code"));
        if (f[5].isEmpty())
            fail(QStringLiteral("gives no reason"));
        if (c.field == u"code") {
            if (c.old != c.code || !wordTypeName(c.replacement) || c.replacement == c.code)
                fail(QStringLiteral("a code row changes the code in the code column to another known code"));
        } else if (c.field == u"meaning") {
            if (c.old.isEmpty() && c.replacement.isEmpty())
                fail(QStringLiteral("a meaning row needs an old or a new meaning"));
        } else if (c.field == u"example") {
            if (!c.old.isEmpty() || c.replacement.isEmpty())
                fail(QStringLiteral("an example row has no old text and a new example"));
        } else if (c.field == u"entry") {
            if (!c.old.isEmpty() || c.replacement != u"drop")
                fail(QStringLiteral("an entry row has no old text and \"drop\" as new"));
        } else {
            fail(QStringLiteral("unknown field ") + c.field);
        }
        const QString key = QStringList{c.headword, c.code, c.field, comparable(c.old)}.join(u'\t');
        if (seen.contains(key) && !(c.field == u"meaning" && c.old.isEmpty()))
            fail(QStringLiteral("repeats an earlier row"));
        seen.insert(key);
        rows_.push_back(std::move(c));
    }
}

void Corrections::applyToMeanings(std::vector<SourceArticle> &articles)
{
    QHash<QString, std::vector<SourceArticle *>> byKey;
    for (SourceArticle &article : articles)
        byKey[lineKey(article.headword, article.code)].push_back(&article);
    for (Correction &row : rows_) {
        if (row.field != u"meaning")
            continue;
        const QString old = comparable(row.old);
        for (SourceArticle *article : byKey.value(lineKey(row.headword, row.code))) {
            QStringList &senses = article->entry.senses;
            if (old.isEmpty()) {
                senses.prepend(row.replacement);
                ++row.applied;
                break; // an added meaning goes to the first article only
            }
            for (QString &sense : senses) {
                QStringList pieces = meaningPieces(sense);
                bool changed = false;
                for (auto piece = pieces.begin(); piece != pieces.end();) {
                    if (comparable(*piece) != old) {
                        ++piece;
                        continue;
                    }
                    changed = true;
                    if (row.replacement.isEmpty()) {
                        piece = pieces.erase(piece);
                    } else {
                        *piece = row.replacement;
                        ++piece;
                    }
                }
                if (changed) {
                    sense = pieces.join(u", ");
                    ++row.applied;
                }
            }
        }
    }
}

void Corrections::applyToLines(std::vector<DicLine> &lines)
{
    // The source's lines by key; a line dropped or merged leaves the index
    // and is erased at the end, so that the others keep their places.
    QHash<QString, std::size_t> byKey;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].origin == Origin::FreeDict)
            byKey.insert(lineKey(lines[i]), i);
    }
    std::vector<bool> erased(lines.size(), false);
    auto erase = [&](std::size_t i) {
        byKey.remove(lineKey(lines[i]));
        erased[i] = true;
    };
    // Code rows last, so that the other rows still find the line by the
    // code the source gave it.
    std::vector<Correction *> order;
    for (Correction &row : rows_) {
        if (row.field == u"example" || row.field == u"entry")
            order.push_back(&row);
    }
    for (Correction &row : rows_) {
        if (row.field == u"code")
            order.push_back(&row);
    }
    for (Correction *current : order) {
        Correction &row = *current;
        const auto found = byKey.constFind(lineKey(row.headword, row.code));
        if (found == byKey.cend())
            continue;
        const std::size_t i = *found;
        DicLine &line = lines[i];
        ++row.applied;
        if (row.field == u"example") {
            line.example = row.replacement;
            line.exampleSource = ExampleSource::Corrections;
        } else if (row.field == u"entry") {
            erase(i);
        } else if (const auto same = byKey.constFind(lineKey(row.headword, row.replacement)); same != byKey.cend()) {
            // A line that already has the new code takes this one's
            // meanings, as articles repeating a headword and code do.
            mergeInto(lines[*same], line);
            erase(i);
        } else {
            byKey.remove(lineKey(line));
            line.code = row.replacement;
            byKey.insert(lineKey(line), i);
        }
    }
    std::size_t kept = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!erased[i])
            lines[kept++] = std::move(lines[i]);
    }
    lines.resize(kept);
}

QStringList Corrections::stale() const
{
    QStringList out;
    for (const Correction &row : rows_) {
        if (row.applied == 0)
            out.append(QStringLiteral("%1:%2: %3 %4 %5 %6")
                           .arg(name_)
                           .arg(row.line)
                           .arg(row.headword, row.code, row.field, row.old));
    }
    return out;
}

std::map<QString, int> Corrections::appliedByField() const
{
    std::map<QString, int> counts;
    for (const Correction &row : rows_) {
        if (row.applied > 0)
            ++counts[row.field];
    }
    return counts;
}

std::vector<std::pair<QString, QString>> Corrections::meaningsAdded() const
{
    std::vector<std::pair<QString, QString>> meanings;
    for (const Correction &row : rows_) {
        if (row.field == u"meaning" && !row.replacement.isEmpty())
            meanings.emplace_back(row.headword, row.replacement);
    }
    return meanings;
}

} // namespace tolvani::dicbuild
