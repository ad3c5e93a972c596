#include "common/inputs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <stdexcept>
#include <zlib.h>

namespace tolvani::dicbuild {
namespace {

using namespace Qt::StringLiterals;

TEST(ReadGzipInput, UncompressesAndReportsMissingFiles)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(u"sample.dict.dz"_s);
    gzFile out = gzopen(QFile::encodeName(path).constData(), "wb");
    ASSERT_NE(out, nullptr);
    const char text[] = "headword /x/ <N>\n";
    gzwrite(out, text, sizeof text - 1);
    gzclose(out);
    EXPECT_EQ(readGzipInput(path), QByteArray(text));
    QFile plain(dir.filePath(u"plain.dict"_s));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly) && plain.write(text) > 0);
    plain.close();
    EXPECT_EQ(readGzipInput(plain.fileName()), QByteArray(text)) << "a file that is not gzip is taken as it is";
    EXPECT_THROW(readGzipInput(dir.filePath(u"missing.dz"_s)), std::runtime_error);
    try {
        readInput(dir.filePath(u"missing.index"_s));
        ADD_FAILURE() << "a missing input was read";
    } catch (const std::runtime_error &error) {
        EXPECT_TRUE(QByteArray(error.what()).startsWith("Error 53: Cannot open the input file ")) << error.what();
    }
}

} // namespace
} // namespace tolvani::dicbuild
