#include "platform/gfx/Quillprint.h"

#include "platform/gfx/Bitmap.h"

namespace platform::gfx {

ObjectHandle DSCreateDIBSection(int width, int height, int bitsPerPixel)
{
    return createDibSection(width, height, bitsPerPixel);
}

bool DSDrawDIBSectionOnDC(DcHandle dc, ObjectHandle section, const Rect& rect)
{
    return stretchBitmap(dc, rect.left, rect.top, rect.width(), rect.height(), section);
}

bool DSStoreDIBSectionInBMPFile(const std::string& path, ObjectHandle section)
{
    return saveBitmapFile(section, path);
}

}  // namespace platform::gfx
