// The metafile reader on any file. The first input byte says whether the file
// (the rest) gets the digest of its drawing written into its header, so that
// the fuzzer reaches the checks behind the digest and the drawing itself. A
// metafile that reads plays stretched onto a small bitmap and deletes; one
// that does not read gives no handle.

#include "platform/gfx/Metafile.h"
#include "platform/gfx/tests/Canvas.h"
#include "platform/testing/FuzzEnvironment.h"
#include "platform/testing/FuzzExpect.h"
#include "platform/testing/TemporaryFolder.h"

#include <QCryptographicHash>
#include <QFile>

#include <cstdint>

using namespace platform::gfx;
using platform::testing::fuzzExpect;

namespace {

constexpr qsizetype kDigestAt = 8 + 4 * 4;
constexpr qsizetype kDigestSize = 32;

const QString& metafilePath()
{
    static const platform::testing::TemporaryFolder folder;
    static const QString path = QString::fromStdString((folder.path() / "Underlay.emf").string());
    return path;
}

void writeFile(QByteArray bytes, bool withDigest)
{
    if (withDigest && bytes.size() >= kDigestAt + kDigestSize) {
        const QByteArray digest =
            QCryptographicHash::hash(bytes.mid(kDigestAt + kDigestSize), QCryptographicHash::Sha256);
        bytes.replace(kDigestAt, kDigestSize, digest);
    }
    QFile file(metafilePath());
    fuzzExpect(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size(),
               "the metafile is written");
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    platform::testing::useFuzzingApplication();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    writeFile(QByteArray(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1)), data[0] & 1);
    const MetafileHandle metafile = getEnhMetaFile(metafilePath().toStdString());
    if (!metafile)
        return 0;
    {
        testing::Canvas canvas(40, 30);
        playEnhMetaFile(canvas.dc, metafile, Rect{-5, 2, 45, 28});
    }
    fuzzExpect(deleteEnhMetaFile(metafile), "a metafile that reads deletes");
    fuzzExpect(!deleteEnhMetaFile(metafile), "a deleted metafile is gone");
    return 0;
}
