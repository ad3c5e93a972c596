#pragma once

#include <QByteArrayView>
#include <QString>

#include <optional>
#include <vector>

namespace tolvani::dicbuild {

// One line of a dictd index: a headword and where its article lies in the
// uncompressed data, in bytes.
struct IndexEntry {
    QString headword;
    qint64 offset = 0;
    qint64 length = 0;
};

// dictd writes offsets and lengths as base-64 numbers, most significant
// digit first, in the alphabet A-Z a-z 0-9 + /.
//   decodeDictdNumber("BY")  => 88
//   decodeDictdNumber("B*")  => nullopt
std::optional<qint64> decodeDictdNumber(QByteArrayView digits);

// Parses a whole index (tab-separated lines). The "00database..." lines
// describe the database, not words, and are left out. A malformed line
// throws std::runtime_error naming its line number.
std::vector<IndexEntry> parseDictdIndex(QByteArrayView index);

// The articles the index points at, decoded from UTF-8, in index order;
// several index lines that point at the same bytes give one article.
std::vector<QString> dictdArticles(const std::vector<IndexEntry> &index, QByteArrayView data);

} // namespace tolvani::dicbuild
