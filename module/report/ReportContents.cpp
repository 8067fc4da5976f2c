#include "module/report/ReportContents.h"

#include "module/core/CSymbols.h"
#include "module/core/GetDateOfEvaluation.h"
#include "module/core/PreferenceValues.h"
#include "module/report/CReport.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <optional>
#include <string>

namespace brisance {
namespace {

// Where the notes store keeps the report's comments.
constexpr std::int16_t kCommentsCategory = 100;
constexpr std::int16_t kCommentsSection = 100;

void SetClientFields(CReport& report, host::IModuleServer& server)
{
    namespace runtime = platform::runtime;
    host::ComPtr<host::IClient> client;
    const auto ignoringErrors = [](auto step) {
        try {
            step();
        } catch (const runtime::RuntimeError&) {
            // The field stays empty on the page.
        }
    };
    ignoringErrors([&] { client = server.get_CurrentClient(); });
    if (!client) return;
    ignoringErrors([&] {
        report.ClientName(client->get_LastName() + ", " + client->get_FirstName() + " " + client->get_MiddleName());
    });
    ignoringErrors([&] {
        const std::optional<double> number = runtime::parseNumber(client->get_ClientNo());
        if (number) report.ClientID(runtime::CLng(*number));
    });
    ignoringErrors([&] {
        const runtime::Variant birthDate = client->get_BirthDate();
        if (!birthDate.isNull()) report.ClientBDay(birthDate.toDate());
    });
}

}  // namespace

void FillReport(CReport& report, const ReportSources& sources)
{
    report.SymbolImages(sources.symbols.SymbolImages());
    report.SymbolImagesLarge(sources.symbols.SymbolImagesLarge());
    report.CurvePrefs(sources.curvePrefs);
    report.DataLayer(sources.data);
    report.LanguageLoader(sources.texts);
    if (sources.server)
        SetClientFields(report, *sources.server);
    if (sources.saved)
        if (const auto date = GetDateOfEvaluation(sources.notes))
            report.DateOfEval(*date);
    sources.notes.put_Category(kCommentsCategory);
    sources.notes.put_Section(kCommentsSection);
    report.ReportComments(PreferenceText(sources.notes, "ReportComments"));
}

}  // namespace brisance
