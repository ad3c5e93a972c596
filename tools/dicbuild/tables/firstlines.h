#pragma once

#include "common/dicline.h"

#include <QByteArrayView>
#include <QHash>
#include <QString>
#include <QStringList>

#include <vector>

namespace tolvani::dicbuild {

// data/line-order.tsv (header "headword first reason"): the headwords
// whose first line is settled by hand, where the rule of
// selection/lineorder.h would choose one people rarely mean.
//   "please  interj  used almost only as the polite word"
//     => please's interj line comes before its vt line
class FirstLineTable {
public:
    // Throws std::runtime_error for an unknown code, a row without a
    // reason, or a headword given twice.
    void addTable(QByteArrayView table, const QString &name);

    // The code of the first line, by lower-cased headword.
    const QHash<QString, QString> &byHeadword() const { return codes_; }

    // "name:line: headword code" of every row whose headword has no line
    // of that code among `lines`, or no other line to come before.
    QStringList unmatched(const std::vector<DicLine> &lines) const;

private:
    QString name_;
    QHash<QString, QString> codes_;
    QHash<QString, int> rowLines_;
};

} // namespace tolvani::dicbuild
