#pragma once

#include "common/dicline.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>

#include <vector>

namespace tolvani::dicbuild {

// British and American spellings of the same word (data/spellings.tsv,
// header "british<TAB>american").
class SpellingVariants {
public:
    // Throws std::runtime_error for a malformed table.
    void addTable(QByteArrayView table, const QString &name);
    // The word's other spelling, or an empty string.
    QString otherOf(const QString &word) const;
    const QHash<QString, QString> &pairs() const { return other_; }

private:
    QHash<QString, QString> other_;
};

// A copy of every line whose headword has another spelling that no line
// has, under that spelling: "colour" gives "color" when the source lacks
// it, so that typing either finds the word.
std::vector<DicLine> variantLines(const std::vector<DicLine> &lines, const SpellingVariants &variants);

} // namespace tolvani::dicbuild
