#pragma once

#include "common/dicline.h"
#include "source/sourcelines.h"

#include <QByteArrayView>
#include <QString>
#include <QStringList>

#include <map>
#include <utility>
#include <vector>

namespace tolvani::dicbuild {

// One row of data/corrections.tsv: a change to one source entry, found by
// its headword as the dictionary writes it and the code derived from the
// source's category.
struct Correction {
    int line = 0;
    QString headword;
    QString code;
    QString field; // "code", "meaning", "example" or "entry"
    QString old;
    QString replacement;
    int applied = 0;
};

// Hand corrections of source entries. Meaning rows work on the source's
// Devanagari meaning pieces, before romanization; code, example and entry
// rows on the lines made from the source. Both find what they change by
// its line key, through an index, so that the table may grow without
// slowing the build. Every row must apply: see stale().
//   flamboyantly adv meaning "आर्कषक~रूप~से" -> "आकर्षक रूप से"
//   Should v code v -> mv;  fifteeth n entry "" -> drop
class Corrections {
public:
    // Reads the table (header "headword code field old new reason");
    // throws std::runtime_error for a malformed row, an unknown field or
    // code, a row without reason, or a row given twice.
    void addTable(QByteArrayView table, const QString &name);

    // Replaces, drops or adds meaning pieces in the articles the rows name.
    void applyToMeanings(std::vector<SourceArticle> &articles);
    // Changes codes and examples and drops entries. A line whose new code
    // its headword already has is merged into that line.
    void applyToLines(std::vector<DicLine> &lines);

    // "name:line: headword code field old" of every row that matched
    // nothing, after both applications.
    QStringList stale() const;
    // How many rows applied, by field.
    std::map<QString, int> appliedByField() const;
    // The headword and new text of each row that puts in a meaning.
    std::vector<std::pair<QString, QString>> meaningsAdded() const;

private:
    QString name_;
    std::vector<Correction> rows_;
};

} // namespace tolvani::dicbuild
