#include "module/report/CPrinter.h"

#include "module/core/ModulePaths.h"

#include "PelmTolvaneChart/ClassIds.h"
#include "PelmTolvaneChart/IDevNamesConverter.h"

#include "platform/com/Creation.h"
#include "platform/gfx/Bitmap.h"
#include "platform/gfx/DeviceContext.h"
#include "platform/gfx/Draw.h"
#include "platform/gfx/Objects.h"
#include "platform/gfx/Quillprint.h"
#include "platform/gfx/Text.h"
#include "platform/print/PrintJob.h"
#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <array>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string_view>

#include <unistd.h>

namespace brisance {
namespace {

namespace com = platform::com;
namespace gfx = platform::gfx;
namespace print = platform::print;
using platform::runtime::CLng;

constexpr const char* kDocumentName = "TAVO Audiogram";
constexpr const char* kSymbolFileName = "Symbol.bmp";
constexpr float kSymbolSide = 0.5f;  // cm
constexpr int kSymbolPixels = 16;
// The print dialog's flags for the default printer: PD_HIDEPRINTTOFILE,
// PD_USEDEVMODECOPIESANDCOLLATE, PD_NOPAGENUMS, PD_NOSELECTION.
constexpr std::int32_t kDefaultPrinterFlags = 0x14000C;
// A point is 0.3527 mm: 3.527 units of MM_LOMETRIC.
constexpr double kUnitsPerPoint = 0.003527 * 1000;
constexpr int PROOF_QUALITY = 2;
constexpr int kTurnedClockwise = -900;
constexpr int kTurnedAnticlockwise = 900;
constexpr unsigned kSingleLineCentred = gfx::DT_SINGLELINE | gfx::DT_VCENTER | gfx::DT_CENTER;
constexpr std::array<std::string_view, 3> kNoValueTexts = {"-32767", "-3276.7", "-327.67"};

// Centimetres across, or down the page, as logical units of MM_LOMETRIC:
// positions and sizes alike.
std::int32_t unitsAcross(float cm)
{
    return CLng(cm * 100.0f);
}
std::int32_t unitsDown(float cm)
{
    return CLng(cm * -100.0f);
}

// The box of X, Y, Width and Height in logical units; its top lies above its
// bottom in y-up units.
gfx::Rect logicalBox(float X, float Y, float Width, float Height)
{
    const std::int32_t left = unitsAcross(X);
    const std::int32_t top = unitsDown(Y);
    return {left, top, CLng(static_cast<double>(left) + unitsAcross(Width)),
            CLng(static_cast<double>(top) + unitsDown(Height))};
}

// The drawing font of a report font: its size as the cell height in units of
// MM_LOMETRIC, turned by the escapement (tenths of a degree anticlockwise).
gfx::FontDescription reportDrawingFont(const com::FontDescription& font, int escapement)
{
    return {.face = font.name,
            .height = CLng(font.size * kUnitsPerPoint),
            .width = 0,
            .escapement = escapement,
            .orientation = 0,
            .weight = font.weight,
            .italic = font.italic,
            .underline = font.underline,
            .strikeOut = font.strikethrough,
            .charSet = 0,
            .quality = PROOF_QUALITY,
            .pitchAndFamily = 0};
}

bool isNoValue(std::string_view text)
{
    if (text.empty()) return true;
    for (const std::string_view form : kNoValueTexts)
        if (text == form) return true;
    return false;
}

// The two turned fonts of vertical text, the clockwise one selected, and the
// previous font back with both deleted at the end on every way out.
class TurnedFonts {
public:
    TurnedFonts(gfx::DcHandle dc, const com::FontDescription& font)
        : m_dc(dc),
          m_clockwise(gfx::createFont(reportDrawingFont(font, kTurnedClockwise))),
          m_anticlockwise(gfx::createFont(reportDrawingFont(font, kTurnedAnticlockwise)))
    {
        if (m_clockwise) m_previous = gfx::selectObject(m_dc, m_clockwise);
    }
    ~TurnedFonts()
    {
        if (m_previous) gfx::selectObject(m_dc, m_previous);
        if (m_clockwise) gfx::deleteObject(m_clockwise);
        if (m_anticlockwise) gfx::deleteObject(m_anticlockwise);
    }
    TurnedFonts(const TurnedFonts&) = delete;
    TurnedFonts& operator=(const TurnedFonts&) = delete;

    gfx::ObjectHandle clockwise() const { return m_clockwise; }
    void selectAnticlockwise()
    {
        if (m_anticlockwise) gfx::selectObject(m_dc, m_anticlockwise);
    }

private:
    gfx::DcHandle m_dc;
    gfx::ObjectHandle m_clockwise;
    gfx::ObjectHandle m_anticlockwise;
    gfx::ObjectHandle m_previous = 0;
};

// Whether the context turns text as its font's escapement asks: text drawn
// clockwise from (x, y) then moves the current position down the page. The
// probe is made on a memory context made for the printer's, in its mapping
// mode, so that nothing of it reaches the page or its text.
bool turnsTextAsAsked(gfx::DcHandle dc, gfx::ObjectHandle clockwiseFont, int x, int y)
{
    const gfx::DcHandle probe = gfx::createCompatibleDc(dc);
    if (!probe) return false;
    gfx::setMapMode(probe, gfx::getMapMode(dc));
    const gfx::ObjectHandle previous = gfx::selectObject(probe, clockwiseFont);
    gfx::setTextAlign(probe, gfx::TA_UPDATECP);
    gfx::moveToEx(probe, x, y);
    gfx::textOut(probe, x, y, "Junk");
    gfx::Point after{x, y};
    gfx::getCurrentPosition(probe, &after);
    if (previous) gfx::selectObject(probe, previous);
    gfx::deleteDc(probe);
    return after.y < y;
}

// Writes the section as "Symbol.bmp" of the module's user folder, whole:
// beside it under a name of its own first, then renamed over it, so that
// reports drawing symbols at the same time never leave a torn file. Nothing
// reads the file, so a failure only leaves the previous one.
void storeSymbolFile(gfx::ObjectHandle section)
{
    std::filesystem::path folder;
    try {
        folder = GetModulePaths().userFolder;
    } catch (const platform::runtime::RuntimeError&) {
        return;  // no user folder to write into
    }
    std::string temporary = (folder / kSymbolFileName).string() + ".XXXXXX";
    const int descriptor = ::mkstemp(temporary.data());
    if (descriptor < 0) return;
    ::close(descriptor);
    std::error_code ignored;
    if (gfx::DSStoreDIBSectionInBMPFile(temporary, section))
        std::filesystem::rename(temporary, folder / kSymbolFileName, ignored);
    std::filesystem::remove(temporary, ignored);
}

}  // namespace

CPrinter::~CPrinter()
{
    if (!m_hdc) return;
    restoreContextFont();
    gfx::setMapMode(m_hdc, m_savedMapMode);
}

gfx::DcHandle CPrinter::GetDefaultDC()
{
    // Whatever fails here only means that there is no printer to offer.
    try {
        com::ComPtr<lumenplot::IDevNamesConverter> converter;
        if (com::failed(com::createInstance(lumenplot::kDevNamesConverterClsid, converter))) return 0;
        std::int32_t hdc = 0;
        if (com::failed(converter->GetDefaultPrinterDC(kDefaultPrinterFlags, &hdc))) {
            if (hdc) gfx::deleteDc(hdc);
            return 0;
        }
        return hdc;
    } catch (const std::exception&) {
        return 0;
    }
}

void CPrinter::bind(gfx::DcHandle hdc)
{
    m_hdc = hdc;
    m_savedMapMode = gfx::getMapMode(hdc);
    m_contextFont = 0;
}

void CPrinter::Initialize(gfx::DcHandle hdc)
{
    bind(hdc);
    m_ownsJob = true;
    print::startDoc(hdc, kDocumentName);
    print::startPage(hdc);
    gfx::setMapMode(hdc, gfx::MM_LOMETRIC);
}

void CPrinter::InitializeForIntegratedReport(gfx::DcHandle hdc)
{
    bind(hdc);
    m_ownsJob = false;
    gfx::setMapMode(hdc, gfx::MM_LOMETRIC);
}

std::optional<print::JobFailure> CPrinter::EndDocument()
{
    if (!m_hdc) return std::nullopt;
    print::endPage(m_hdc);
    const bool written = print::endDoc(m_hdc) > 0;
    std::optional<print::JobFailure> failure = written ? std::nullopt : print::jobFailure(m_hdc);
    restoreContextFont();
    gfx::deleteDc(m_hdc);
    // Forgotten, so that nothing later acts on a deleted context.
    m_hdc = 0;
    return failure;
}

void CPrinter::EndDocumentForIntegratedReport() {}

void CPrinter::AbortDocument()
{
    if (!m_hdc) return;
    restoreContextFont();
    if (m_ownsJob) {
        print::abortDoc(m_hdc);
        gfx::deleteDc(m_hdc);
    } else {
        gfx::setMapMode(m_hdc, m_savedMapMode);
    }
    m_hdc = 0;
}

void CPrinter::restoreContextFont()
{
    if (!m_contextFont) return;
    if (const gfx::ObjectHandle reportFont = gfx::selectObject(m_hdc, m_contextFont)) gfx::deleteObject(reportFont);
    m_contextFont = 0;
}

float CPrinter::CurrentX() const
{
    gfx::Point position;
    gfx::getCurrentPosition(m_hdc, &position);
    return static_cast<float>(position.x) / 100.0f;
}

void CPrinter::CurrentX(float X)
{
    const std::int32_t x = unitsAcross(X);
    gfx::Point position;
    gfx::getCurrentPosition(m_hdc, &position);
    gfx::moveToEx(m_hdc, x, position.y);
}

float CPrinter::CurrentY() const
{
    gfx::Point position;
    gfx::getCurrentPosition(m_hdc, &position);
    return static_cast<float>(std::abs(position.y)) / 100.0f;
}

void CPrinter::CurrentY(float Y)
{
    const std::int32_t y = unitsDown(Y);
    gfx::Point position;
    gfx::getCurrentPosition(m_hdc, &position);
    gfx::moveToEx(m_hdc, position.x, y);
}

void CPrinter::SetFont(const std::string& Face, float SIZE, bool Bold)
{
    Font(com::createFont({.name = Face, .size = SIZE, .weight = Bold ? com::kBoldWeight : com::kNormalWeight}));
}

void CPrinter::Font(const com::ComPtr<com::IFont>& font)
{
    if (!font) platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
    const gfx::ObjectHandle drawing = gfx::createFont(reportDrawingFont(font->description(), 0));
    m_font = font;
    const gfx::ObjectHandle previous = gfx::selectObject(m_hdc, drawing);
    if (!previous) {
        gfx::deleteObject(drawing);  // no context to draw on
        return;
    }
    // The context's own font goes back when the printer lets go of it; the
    // report's fonts are its own to delete.
    if (!m_contextFont)
        m_contextFont = previous;
    else
        gfx::deleteObject(previous);
}

const com::ComPtr<com::IFont>& CPrinter::currentFont() const
{
    if (!m_font) platform::runtime::raise(platform::runtime::errors::ObjectNotSet);
    return m_font;
}

float CPrinter::TextWidth(const std::string& text) const
{
    gfx::Size extent;
    gfx::getTextExtentPoint(m_hdc, text, &extent);
    return static_cast<float>(extent.cx) / 100.0f;
}

float CPrinter::TextHeight(const std::string& text) const
{
    gfx::Size extent;
    gfx::getTextExtentPoint(m_hdc, text, &extent);
    return static_cast<float>(extent.cy) / 100.0f;
}

void CPrinter::PrintText(const std::string& text, float X, float Y)
{
    gfx::textOut(m_hdc, unitsAcross(X), unitsDown(Y), text);
    CurrentX(X + TextWidth(text));
    CurrentY(Y + TextHeight(text));
}

void CPrinter::PrintTextCenteredOnPoint(const std::string& text, float X, float Y, bool centreVertically)
{
    const float width = TextWidth(text);
    const float height = TextHeight(text);
    const float top = centreVertically ? Y - height / 2 : Y;
    gfx::textOut(m_hdc, unitsAcross(X - width / 2), unitsDown(top), text);
    CurrentX(X + width);
    CurrentY(Y + height);
}

void CPrinter::PrintVerticalText(const std::string& text, float X, float Y, bool centreOnY)
{
    const com::FontDescription font = currentFont()->description();
    const std::int32_t x = unitsAcross(X);
    const std::int32_t y = unitsDown(Y);
    TurnedFonts turned(m_hdc, font);
    if (!turned.clockwise()) return;
    // A device that turns text as asked draws the clockwise font downward; the
    // anticlockwise one then reads from bottom to top. One that turns it the
    // other way reads upward with the clockwise font already.
    if (turnsTextAsAsked(m_hdc, turned.clockwise(), x, y)) turned.selectAnticlockwise();
    gfx::setTextColor(m_hdc, gfx::rgb(0, 0, 0));  // vertical text is printed black
    if (!centreOnY) {
        PrintText(text, X, Y);
        return;
    }
    PrintText(text, X, Y + TextWidth(text) / 2);
}

void CPrinter::RenderImage(float X, float Y, gfx::ObjectHandle picture)
{
    const gfx::Rect square{unitsAcross(X), unitsDown(Y), unitsAcross(X + kSymbolSide), unitsDown(Y + kSymbolSide)};
    const gfx::DcHandle pictureDc = gfx::createCompatibleDc(0);
    const gfx::DcHandle sectionDc = gfx::createCompatibleDc(0);
    const gfx::ObjectHandle previousPicture = gfx::selectObject(pictureDc, picture);
    const gfx::ObjectHandle section = gfx::DSCreateDIBSection(kSymbolPixels, kSymbolPixels, 24);
    const gfx::ObjectHandle previousSection = gfx::selectObject(sectionDc, section);

    // The picture's own size as the copy size: the section keeps its top-left
    // 16 x 16 pixels.
    gfx::BitmapInfo size;
    gfx::getBitmapInfo(picture, &size);
    gfx::bitBlt(sectionDc, 0, 0, size.width, size.height, pictureDc, 0, 0, gfx::SRCCOPY);
    if (previousSection) gfx::selectObject(sectionDc, previousSection);

    gfx::DSDrawDIBSectionOnDC(m_hdc, section, square);
    storeSymbolFile(section);

    if (previousPicture) gfx::selectObject(pictureDc, previousPicture);
    gfx::deleteDc(pictureDc);
    gfx::deleteDc(sectionDc);
    gfx::deleteObject(section);
}

void CPrinter::RenderCellAndContents(float X, float Y, float Width, float Height, bool drawBorder,
                                     const std::string& text, bool hatched)
{
    const gfx::Rect cell = logicalBox(X, Y, Width, Height);
    if (drawBorder) {
        const gfx::ObjectHandle hatch = hatched ? gfx::createHatchBrush(gfx::HS_DIAGCROSS, gfx::rgb(0, 0, 0)) : 0;
        const gfx::ObjectHandle previousBrush = hatch ? gfx::selectObject(m_hdc, hatch) : 0;
        gfx::rectangle(m_hdc, cell.left, cell.top, cell.right, cell.bottom);
        if (previousBrush) gfx::selectObject(m_hdc, previousBrush);
        if (hatch) gfx::deleteObject(hatch);
    }
    if (isNoValue(text)) return;

    if (text.find("\r\n") == std::string::npos) {
        gfx::Rect box = cell;
        gfx::drawText(m_hdc, text, &box, kSingleLineCentred);
        return;
    }
    // A block of lines: measured in the cell, then placed in its middle, each
    // line centred. A block narrower than the cell is drawn across the cell's
    // own width: its lines centre on the same middle, and they break at the
    // same words as they were measured. A box of the block's measured width
    // can fall short of its widest line by the rounding to whole units, and
    // would break that line once more.
    gfx::Rect block = cell;
    gfx::drawText(m_hdc, text, &block, gfx::DT_CALCRECT | gfx::DT_WORDBREAK | gfx::DT_CENTER);
    const double cellWidth = static_cast<double>(cell.right) - cell.left;
    const double blockWidth = static_cast<double>(block.right) - block.left;
    const double blockHeight = static_cast<double>(block.bottom) - block.top;
    gfx::Rect placed = cell;
    placed.top = CLng(cell.top + ((static_cast<double>(cell.bottom) - cell.top) - blockHeight) / 2);
    if (blockWidth > cellWidth) {
        placed.left = CLng(cell.left + (cellWidth - blockWidth) / 2);
        placed.right = CLng(placed.left + blockWidth);
    }
    gfx::drawText(m_hdc, text, &placed, gfx::DT_WORDBREAK | gfx::DT_CENTER);
}

void CPrinter::PrintLine(float X1, float Y1, float X2, float Y2)
{
    const std::int32_t x1 = unitsAcross(X1);
    const std::int32_t y1 = unitsDown(Y1);
    const std::int32_t x2 = unitsAcross(X2);
    const std::int32_t y2 = unitsDown(Y2);
    gfx::moveToEx(m_hdc, x1, y1);
    gfx::lineTo(m_hdc, x2, y2);
}

void CPrinter::PrintRectangle(float X, float Y, float Width, float Height)
{
    const gfx::Rect box = logicalBox(X, Y, Width, Height);
    gfx::rectangle(m_hdc, box.left, box.top, box.right, box.bottom);
}

void CPrinter::PrintFormattedText(const std::string& text, float X, float Y, float Width, float Height)
{
    gfx::Rect box = logicalBox(X, Y, Width, Height);
    gfx::setBkMode(m_hdc, gfx::TRANSPARENT);
    gfx::drawText(m_hdc, text, &box, gfx::DT_WORDBREAK);
    gfx::setBkMode(m_hdc, gfx::OPAQUE);
}

void CPrinter::PrintFormResponse(const std::string& label, const std::string& response, float X, float Y,
                                 float Width, float lineOffset)
{
    const com::FontDescription font = currentFont()->description();
    const auto size = static_cast<float>(font.size);
    bool bold = false;
    m_font->get_Bold(&bold);
    if (!bold) SetFont(font.name, size, true);
    gfx::setBkMode(m_hdc, gfx::TRANSPARENT);
    PrintText(label, X, Y);
    const float labelEnd = CurrentX();
    SetFont(font.name, size, false);
    PrintText(response, labelEnd, Y);
    PrintLine(labelEnd, Y + lineOffset, X + Width, Y + lineOffset);
    gfx::setBkMode(m_hdc, gfx::OPAQUE);
}

}  // namespace brisance
