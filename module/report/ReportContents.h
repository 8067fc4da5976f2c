#pragma once
// What a printed report of one audiogram group shows besides its layout.

#include "host/HostInterfaces.h"
#include "vellum/IVellumKeyedStore.h"

#include "platform/com/ComPtr.h"

#include <memory>

namespace brisance {

class CCurvePrefs;
class CLangLoader;
class CReport;
class CSymbols;

// Where the report's contents come from. The notes store is the group's own,
// loaded; without a module server the client's fields stay empty.
struct ReportSources {
    const CSymbols& symbols;
    std::shared_ptr<const CCurvePrefs> curvePrefs;
    platform::com::ComPtr<platform::com::IUnknown> data;
    std::shared_ptr<const CLangLoader> texts;
    host::IModuleServer* server;
    vellum::IVellumKeyedStore& notes;
    // Only a group that was saved has a date of evaluation.
    bool saved;
};

// The symbol images, the tests, the data, the texts, the host's current
// client's name ("Last, First Middle"), number and birth date, the date of
// evaluation and the report comments. A client field that the host cannot
// give (or a number that is no 32-bit number) stays unset, and the report
// prints it empty. Leaves the notes store at the comments' section.
void FillReport(CReport& report, const ReportSources& sources);

}  // namespace brisance
