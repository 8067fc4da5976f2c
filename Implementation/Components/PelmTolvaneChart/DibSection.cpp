#include "DibSection.h"

#include "GdiScope.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Objects.h"
#include "platform/ui/MessageBox.h"

#include <string>

namespace lumenplot {

namespace gfx = platform::gfx;

namespace {

constexpr int kTrueColour = 24;
// The platform's code for a request beyond the memory there is: the one
// reason the drawing service refuses a bitmap.
constexpr int kNotEnoughMemory = 8;

}  // namespace

void ShowSectionFailure()
{
    platform::ui::messageBox(nullptr, "Error " + std::to_string(kNotEnoughMemory), "Error", platform::ui::MB_OK);
}

gfx::ObjectHandle CreateDibSection(int width, int height, int bitCount)
{
    const gfx::ObjectHandle section = gfx::createDibSection(width, height, bitCount);
    if (!section) ShowSectionFailure();
    return section;
}

bool SendDibToDevice(gfx::DcHandle dc, gfx::ObjectHandle section, const gfx::Rect& rect)
{
    gfx::BitmapInfo info;
    if (!gfx::getBitmapInfo(section, &info)) return false;
    if (gfx::getDeviceCaps(dc, gfx::TECHNOLOGY) != gfx::DT_RASDISPLAY)
        return gfx::stretchBitmap(dc, rect.left, rect.top, rect.width(), rect.height(), section);
    const MemoryContext memory(dc);
    const SelectedObject selected(memory.get(), section, SelectedObject::Borrowed);
    return selected && gfx::stretchBlt(dc, rect.left, rect.top, rect.width(), rect.height(), memory.get(), 0, 0, info.width,
                                       info.height, gfx::SRCCOPY);
}

bool SendSurfaceAsDib(gfx::DcHandle dc, gfx::DcHandle surface, const gfx::Rect& rect)
{
    const gfx::ObjectHandle section = gfx::createDibSection(rect.width(), rect.height(), kTrueColour);
    if (!section) return false;
    {
        const MemoryContext memory(surface);
        const SelectedObject selected(memory.get(), section, SelectedObject::Borrowed);
        gfx::bitBlt(memory.get(), 0, 0, rect.width(), rect.height(), surface, rect.left, rect.top, gfx::SRCCOPY);
    }
    const bool sent = SendDibToDevice(dc, section, rect);
    gfx::deleteObject(section);
    return sent;
}

}  // namespace lumenplot
