#include "platform/gfx/Metafile.h"

#include "platform/gfx/Context.h"
#include "platform/runtime/RuntimeError.h"
#include "platform/system/WholeFile.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QPicture>
#include <QtEndian>

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

namespace platform::gfx {
namespace {

using detail::Context;
using detail::findContext;

constexpr std::array<char, 8> kMagic = {'B', 'R', 'I', 'S', 'E', 'M', 'F', 1};
constexpr qsizetype kDigestSize = 32;
constexpr qsizetype kHeaderSize = 8 + 4 * 4 + kDigestSize;
// A frame edge the file gives beyond this is damage. Within it, the frame's
// width and height and the negation of any corner fit an int.
constexpr qint32 kLargestEdge = (1 << 30) - 1;

QByteArray digest(const QByteArray& drawing)
{
    return QCryptographicHash::hash(drawing, QCryptographicHash::Sha256);
}

struct MetafileObject : detail::GdiObject {
    QPicture picture;
    QRect frame;  // the part of the drawing stretched onto the target
};

// A context recording into a picture, written to its file when closed.
class RecordingSurface final : public detail::Surface {
public:
    RecordingSurface(std::string path, std::optional<QRect> frame, int dpiX, int dpiY)
        : m_path(std::move(path)), m_frame(frame), m_dpiX(dpiX), m_dpiY(dpiY)
    {
        m_painter.begin(&m_picture);
    }

    QPainter* painter() override { return m_painter.isActive() ? &m_painter : nullptr; }
    int technology() const override { return DT_METAFILE; }
    int deviceCaps(int index) const override
    {
        if (index == TECHNOLOGY)
            return DT_METAFILE;
        return detail::displayCaps(index, m_frame ? m_frame->width() : 0, m_frame ? m_frame->height() : 0, m_dpiX,
                                   m_dpiY, 24);
    }

    // Ends the recording and writes the file; the metafile, or null on failure.
    std::unique_ptr<MetafileObject> finish()
    {
        m_painter.end();
        auto metafile = std::make_unique<MetafileObject>();
        metafile->picture = m_picture;
        metafile->frame = m_frame ? *m_frame : m_picture.boundingRect();
        QByteArray bytes(kMagic.data(), static_cast<qsizetype>(kMagic.size()));
        for (int value : {metafile->frame.left(), metafile->frame.top(), metafile->frame.right() + 1,
                          metafile->frame.bottom() + 1}) {
            std::array<char, 4> little{};
            qToLittleEndian<qint32>(value, little.data());
            bytes.append(little.data(), 4);
        }
        const QByteArray drawing(m_picture.data(), static_cast<qsizetype>(m_picture.size()));
        bytes.append(digest(drawing));
        bytes.append(drawing);
        QFile file(QString::fromStdString(m_path));
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
            return nullptr;
        return metafile;
    }

private:
    std::string m_path;
    std::optional<QRect> m_frame;
    int m_dpiX;
    int m_dpiY;
    QPicture m_picture;
    QPainter m_painter;
};

}  // namespace

DcHandle createEnhMetaFile(DcHandle reference, const std::string& path, const Rect* frame)
{
    if (path.empty())
        return 0;
    const int dpiX = reference ? getDeviceCaps(reference, LOGPIXELSX) : detail::screenDpiX();
    const int dpiY = reference ? getDeviceCaps(reference, LOGPIXELSY) : detail::screenDpiY();
    if (dpiX <= 0 || dpiY <= 0)
        return 0;
    std::optional<QRect> bounds;
    if (frame)
        bounds = QRect(QPoint(frame->left, frame->top), QPoint(frame->right - 1, frame->bottom - 1));
    return detail::addContext(std::make_unique<RecordingSurface>(path, bounds, dpiX, dpiY));
}

MetafileHandle closeEnhMetaFile(DcHandle recording)
{
    Context* context = findContext(recording);
    auto* surface = context ? dynamic_cast<RecordingSurface*>(&context->surface()) : nullptr;
    if (!surface)
        return 0;
    std::unique_ptr<MetafileObject> metafile = surface->finish();
    detail::removeObject(recording);
    return metafile ? detail::addObject(std::move(metafile)) : 0;
}

MetafileHandle getEnhMetaFile(const std::string& path)
{
    QByteArray bytes;
    try {
        const std::vector<std::uint8_t> read = system::readWholeFile(path, static_cast<std::size_t>(kLargestMetafileFile));
        bytes = QByteArray(reinterpret_cast<const char*>(read.data()), static_cast<qsizetype>(read.size()));
    } catch (const runtime::RuntimeError&) {
        return 0;
    }
    if (bytes.size() <= kHeaderSize || std::memcmp(bytes.constData(), kMagic.data(), kMagic.size()) != 0)
        return 0;
    std::array<qint32, 4> edges{};
    for (std::size_t i = 0; i < edges.size(); ++i) {
        edges[i] = qFromLittleEndian<qint32>(bytes.constData() + kMagic.size() + 4 * i);
        if (edges[i] < -kLargestEdge || edges[i] > kLargestEdge)
            return 0;
    }
    auto metafile = std::make_unique<MetafileObject>();
    metafile->frame = QRect(QPoint(edges[0], edges[1]), QPoint(edges[2] - 1, edges[3] - 1));
    if (!metafile->frame.isValid())
        return 0;
    const QByteArray drawing = bytes.mid(kHeaderSize);
    if (digest(drawing) != bytes.mid(kHeaderSize - kDigestSize, kDigestSize))
        return 0;
    metafile->picture.setData(drawing.constData(), static_cast<uint>(drawing.size()));
    if (metafile->picture.isNull())
        return 0;
    return detail::addObject(std::move(metafile));
}

bool playEnhMetaFile(DcHandle target, MetafileHandle metafile, const Rect& rect)
{
    Context* context = findContext(target);
    const auto* object = detail::find<MetafileObject>(metafile);
    if (!context || !object || object->frame.isEmpty())
        return false;
    const QRect device = context->toDeviceRect(rect.left, rect.top, rect.right, rect.bottom);
    detail::PaintScope painter(*context);
    if (!painter)
        return false;
    painter->translate(device.topLeft());
    painter->scale(static_cast<double>(device.width()) / object->frame.width(),
                   static_cast<double>(device.height()) / object->frame.height());
    painter->translate(-object->frame.topLeft());
    painter->drawPicture(0, 0, object->picture);
    return true;
}

bool deleteEnhMetaFile(MetafileHandle metafile)
{
    return detail::find<MetafileObject>(metafile) && detail::removeObject(metafile);
}

}  // namespace platform::gfx
