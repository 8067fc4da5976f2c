#pragma once
// The drawing surface of the printed report: one device context (a printer
// context of the report's own job, or the context of a page the host owns),
// switched to MM_LOMETRIC, with drawing operations whose positions and sizes
// are centimetres from the context's origin, y growing down the page.
//
// A position (X, Y) becomes the logical point (X * 100, Y * -100), a width W
// or height H becomes W * 100 or H * -100 units, each rounded half to even;
// a value beyond 32 bits raises the overflow error (6). Texts are UTF-8.
//
// Results of the drawing calls are not checked: a call that fails leaves its
// element off the page and drawing goes on. Only a print file that could not
// be written whole is reported, by EndDocument. Used on the
// user-interface thread only; one object is bound to one context at a time.

#include "platform/com/ComPtr.h"
#include "platform/com/Font.h"
#include "platform/gfx/Types.h"
#include "platform/print/PrintJob.h"

#include <optional>
#include <string>

namespace brisance {

class CPrinter {
public:
    CPrinter() = default;
    // Puts the context's mapping mode (and its own font) back as they were
    // when it was bound, when a context is still bound.
    ~CPrinter();
    CPrinter(const CPrinter&) = delete;
    CPrinter& operator=(const CPrinter&) = delete;

    // A context of the system's default printer, which the caller deletes; 0
    // when there is none or anything fails. Shows nothing.
    platform::gfx::DcHandle GetDefaultDC();

    // Binds the context and opens a one-page print job on it.
    void Initialize(platform::gfx::DcHandle hdc);
    // Binds a context whose job and page the host owns; opens nothing.
    void InitializeForIntegratedReport(platform::gfx::DcHandle hdc);
    // Closes the page and the job and deletes the context, which is then
    // forgotten. Gives why the job's file (of a printer that writes one)
    // could not be written whole, or nothing.
    std::optional<platform::print::JobFailure> EndDocument();
    // Does nothing: the host closes its own page and job.
    void EndDocumentForIntegratedReport();
    // Lets go of the context after a failed report: a job of Initialize is
    // aborted, leaving no output, and its context deleted; a host's context
    // gets its mapping mode and font back at once. The context is forgotten.
    void AbortDocument();

    // The printing position, the context's own current position. CurrentY
    // reads as a distance down the page (never negative).
    float CurrentX() const;
    void CurrentX(float X);
    float CurrentY() const;
    void CurrentY(float Y);

    // A new font of the face and size (points), bold or regular, neither
    // italic, underlined nor struck out, assigned through Font.
    void SetFont(const std::string& Face, float SIZE, bool Bold);
    // Keeps the font and draws with it from now on. One report font exists at
    // a time: the one it replaces is deleted.
    void Font(const platform::com::ComPtr<platform::com::IFont>& font);

    // The width and the height (cm) of the text on one line in the current
    // font.
    float TextWidth(const std::string& text) const;
    float TextHeight(const std::string& text) const;

    // The text's top-left corner at (X, Y); then CurrentX is X + the text's
    // width and CurrentY is Y + its height.
    void PrintText(const std::string& text, float X, float Y);
    // The text centred on X, its top at Y or centred on Y; the position
    // afterwards as PrintText at (X, Y).
    void PrintTextCenteredOnPoint(const std::string& text, float X, float Y, bool centreVertically);
    // The text turned to read from bottom to top, starting at (X, Y), or
    // centred on Y. Raises 91 when no font was set.
    void PrintVerticalText(const std::string& text, float X, float Y, bool centreOnY);
    // The top-left 16 x 16 pixels of the bitmap, stretched into the 0.5 cm
    // square at (X, Y), and left as "Symbol.bmp" in the module's user folder.
    void RenderImage(float X, float Y, platform::gfx::ObjectHandle picture);
    // One table cell: its border (cross-hatched when asked) when drawBorder,
    // and its text centred in it. The empty text and the no-value forms
    // "-32767", "-3276.7" and "-327.67" leave the cell empty; a text with
    // "\r\n" is centred as a block of lines.
    void RenderCellAndContents(float X, float Y, float Width, float Height, bool drawBorder, const std::string& text,
                               bool hatched = false);
    // A line with the context's pen; the position ends at (X2, Y2).
    void PrintLine(float X1, float Y1, float X2, float Y2);
    // Outlined with the context's pen, filled with its brush.
    void PrintRectangle(float X, float Y, float Width, float Height);
    // Left-aligned from the top of the box, broken between words and clipped
    // to the box, on a transparent background.
    void PrintFormattedText(const std::string& text, float X, float Y, float Width, float Height);
    // A form field: the label in bold at (X, Y), the response regular after
    // it, and an underline from the label's end to X + Width, lineOffset below
    // Y. The font is regular afterwards. Raises 91 when no font was set.
    void PrintFormResponse(const std::string& label, const std::string& response, float X, float Y, float Width,
                           float lineOffset);

private:
    void bind(platform::gfx::DcHandle hdc);
    // Puts the context's own font back and deletes the report's.
    void restoreContextFont();
    const platform::com::ComPtr<platform::com::IFont>& currentFont() const;

    platform::gfx::DcHandle m_hdc = 0;
    bool m_ownsJob = false;
    int m_savedMapMode = 0;
    platform::com::ComPtr<platform::com::IFont> m_font;
    // The font the context held before the report selected its first one.
    platform::gfx::ObjectHandle m_contextFont = 0;
};

}  // namespace brisance
