#include "module/report/ReportClientFields.h"

#include "module/report/CReport.h"

#include "platform/runtime/Conversions.h"
#include "platform/runtime/RuntimeError.h"

#include <optional>
#include <string>

namespace brisance {

void SetReportClientFields(CReport& report, host::IModuleServer& server)
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

}  // namespace brisance
