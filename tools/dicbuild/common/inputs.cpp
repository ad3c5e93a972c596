#include "common/inputs.h"

#include "platform/files.h"

#include <zlib.h>

#include <stdexcept>

namespace tolvani::dicbuild {
namespace {

std::runtime_error failure(const QString &message)
{
    return std::runtime_error(message.toStdString());
}

} // namespace

QByteArray readInput(const QString &path)
{
    // Large enough for the biggest WordNet data file (about 15 MB).
    constexpr qint64 kInputSizeLimit = 64 * 1024 * 1024;
    auto read = readWholeFile(path, QStringLiteral("input file"), kInputSizeLimit);
    if (const Error *error = std::get_if<Error>(&read))
        throw failure(error->report());
    return std::get<QByteArray>(std::move(read));
}

QByteArray readGzipInput(const QString &path)
{
    const QByteArray packed = readInput(path);
    QByteArray out;
    z_stream stream{};
    // 16 + MAX_WBITS: a gzip header and trailer around the deflate data.
    if (inflateInit2(&stream, 16 + MAX_WBITS) != Z_OK)
        throw failure(QStringLiteral("cannot uncompress %1").arg(path));
    stream.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(packed.constData()));
    stream.avail_in = uInt(packed.size());
    char buffer[1 << 16];
    int status = Z_STREAM_END;
    bool gzip = false;
    // A file without the gzip signature is taken as it is, as gzread does;
    // so is anything after the last of several gzip members.
    while (stream.avail_in >= 2 && QByteArrayView(stream.next_in, 2) == "\x1f\x8b") {
        gzip = true;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(buffer);
            stream.avail_out = sizeof buffer;
            status = inflate(&stream, Z_NO_FLUSH);
            out.append(buffer, qsizetype(sizeof buffer - stream.avail_out));
        } while (status == Z_OK);
        if (status != Z_STREAM_END || inflateReset(&stream) != Z_OK)
            break;
    }
    inflateEnd(&stream);
    if (!gzip)
        return packed;
    if (status != Z_STREAM_END)
        throw failure(QStringLiteral("%1 is not a readable gzip file").arg(path));
    return out;
}

} // namespace tolvani::dicbuild
