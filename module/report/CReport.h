#pragma once
// The printed one-page audiogram report. A caller creates one per print, sets
// the module-wide objects and the client's fields, and calls PrintReport: the
// sections (header, legends, charts, tables, footer) are drawn in the order
// and at the places of one of two page layouts, in centimetres from the
// page's top-left corner, through one new CPrinter per call.
//
// The properties are write-only. A section that needs an object that was
// never set raises 91 (object not set). Every other failure (a text, the
// data, the chart, a position that overflows) is raised to the caller of
// PrintReport, after the report has let go of the context: a report job of
// its own is aborted, leaving no output, and its context deleted; a host's
// context gets its mapping mode back.
//
// Used on the user-interface thread only.

#include "vellum/IVellumDataLayer.h"
#include "vellum/IVellumKeyedStore.h"

#include "platform/com/ComPtr.h"
#include "platform/gfx/ImageList.h"
#include "platform/gfx/Types.h"
#include "platform/runtime/Variant.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace brisance {

class CCurvePrefs;
class CLangLoader;
class CPrinter;

enum ReportVersion : std::int32_t {
    ReportVersion_US = 0,
    ReportVersion_Europe = 1,
};

class CReport {
public:
    CReport();
    ~CReport();
    CReport(const CReport&) = delete;
    CReport& operator=(const CReport&) = delete;

    // The module's tests: the legends find their notations here.
    void CurvePrefs(std::shared_ptr<const CCurvePrefs> prefs) { m_curvePrefs = std::move(prefs); }
    // The small symbol images, for the legends.
    void SymbolImages(platform::com::ComPtr<platform::gfx::ImageList> images) { m_symbolImages = std::move(images); }
    // The large symbol images, for the charts.
    void SymbolImagesLarge(platform::com::ComPtr<platform::gfx::ImageList> images)
    {
        m_symbolImagesLarge = std::move(images);
    }
    // Every printed text is loaded through it.
    void LanguageLoader(std::shared_ptr<const CLangLoader> loader) { m_languageLoader = std::move(loader); }
    // The audiogram. An object that is not a data layer raises 13 (type
    // mismatch); null clears it.
    void DataLayer(const platform::com::ComPtr<platform::com::IUnknown>& data);
    void ReportComments(std::string text) { m_reportComments = std::move(text); }
    void ClientName(std::string name) { m_clientName = std::move(name); }
    // -32767, the value at creation, prints as an empty field.
    void ClientID(std::int32_t id) { m_clientID = id; }
    // The zero date prints as an empty field.
    void ClientBDay(platform::runtime::Date date) { m_clientBDay = date; }
    void DateOfEval(platform::runtime::Date date) { m_dateOfEval = date; }

    // Draws the report into the area whose top-left corner is (X, Y) and
    // whose width and height are W and H (cm): version 0 in the US layout,
    // any other in the European one. Stand-alone, the report runs a one-page
    // job of its own on hdc and deletes the context at the end; otherwise it
    // draws on the host's open page. oUserPrefs is the module's preference
    // store (an IVellumKeyedStore), read for the speech tests' labels.
    void PrintReport(platform::gfx::DcHandle hdc, float X, float Y, float W, float H, std::int32_t Version,
                     bool IsStandAlone, const platform::com::ComPtr<platform::com::IUnknown>& oUserPrefs);

    // The label of the speech test that a row (0 to 3) of the speech table
    // shows: the "Notation" of its record in the preference store handed to
    // PrintReport, or "" when there is none. The store's category and
    // section are as they were afterwards, also after an error.
    std::string SpeechTestLabel(std::int32_t Row) const;

    // The speech box of the US layout: thresholds with masking, the most
    // comfortable and uncomfortable levels, and word recognition in quiet and
    // in noise, per ear and for the sound field; the content always ends
    // 7.55 cm below Y. Only reads the audiogram.
    void PrintSpeechTable(float X, float Y, float W, float H);

private:
    // One section of a page layout: its painter and its area, each value a
    // page position or size, or one of PrintReport's arguments plus an
    // offset.
    struct LayoutRow;
    static std::span<const LayoutRow> Layout(std::int32_t Version);

    void PrintSectionTitle(float X, float Y, float W, float H);
    void PrintHeader(float X, float Y, float W, float H);
    void PrintFooter(float X, float Y, float W, float H);
    void PrintSymbolLegend(float X, float Y, float W, float H);
    void PrintSpeechLegend(float X, float Y, float W, float H);
    void PrintLegendFrame(float X, float Y, float W, float H);
    void PrintLegendLines(float X, float Y, float W, float H);
    void DrawLegendSymbol(float X, float Y, std::int32_t ImageIndex);
    // The pure-tone chart of every curve, or of one ear's curves (2 right,
    // 3 left) and the binaural ones.
    void PrintChart(float X, float Y, float W, float H, std::optional<std::int32_t> Ear = std::nullopt);
    bool HasPointsAbove8000Hz() const;
    void PrintSpeechChart(float X, float Y, float W, float H);
    void PrintMaskingTable(float X, float Y, float W, float H);
    void PrintAverageBox(float X, float Y, float W, float H);
    void PrintTympanometry(float X, float Y, float W, float H);
    void PrintReflexTable(float X, float Y, float W, float H);
    // One ear's row of reflex thresholds from FirstLeft on, one cell per
    // caption (at most nine), each with the mark of the decay result at the
    // same stimulus. A step that fails is passed over.
    void PrintReflexRow(float FirstLeft, float CellWidth, float Top, float CellHeight, bool ThresholdsFound,
                        vellum::IVellumPureToneCurve* Thresholds, bool DecayFound, vellum::IVellumPureToneCurve* Decay,
                        std::span<const std::string> Captions);
    // -1 for a decay result of 0 (no decay), 1 for 1 or 10 (decay), 0 for
    // any other (no result).
    static std::int32_t GetDecayIndicator(std::int32_t DecayResult);

    // The objects the sections use; 91 when one was never set.
    CPrinter& printer() const;
    const CCurvePrefs& curvePrefs() const;
    const CLangLoader& languageLoader() const;
    vellum::IVellumDataLayer& dataLayer() const;
    platform::gfx::ImageList& symbolImages() const;

    std::shared_ptr<const CCurvePrefs> m_curvePrefs;
    platform::com::ComPtr<platform::gfx::ImageList> m_symbolImages;
    platform::com::ComPtr<platform::gfx::ImageList> m_symbolImagesLarge;
    std::shared_ptr<const CLangLoader> m_languageLoader;
    platform::com::ComPtr<vellum::IVellumDataLayer> m_dataLayer;
    std::string m_reportComments;
    std::string m_clientName;
    std::int32_t m_clientID = -32767;
    platform::runtime::Date m_clientBDay;
    platform::runtime::Date m_dateOfEval;

    // Of the running or last PrintReport.
    std::unique_ptr<CPrinter> m_printer;
    platform::com::ComPtr<platform::com::IUnknown> m_userPrefs;
    platform::gfx::DcHandle m_hdc = 0;
};

}  // namespace brisance
