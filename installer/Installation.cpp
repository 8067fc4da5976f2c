#include "installer/Installation.h"

#include "host/InstallationInterfaces.h"

#include "platform/com/ComPtr.h"

#include <array>
#include <cstdint>
#include <exception>

namespace installer {

namespace {

using platform::com::ComPtr;
using platform::com::HRESULT;

// The converter class that turns audiogram actions between formats 100 and 200.
constexpr const char* kConverterClsid = "{CBB05A66-A657-11D3-B797-006097943A64}";
// The module's document class (docAudiogramModule) and its combined-report handler.
constexpr const char* kDocumentClsid = "{95875CF3-8638-4654-9A00-158E803957F3}";
constexpr const char* kPrintHandlerClsid = "{2BCA38E7-CD67-4D41-9BCD-249677DC3E70}";
constexpr const char* kMaker = "Pelm";
constexpr const char* kModuleName = "Pelm Corvane 1.1";
// Identity 0x200001: manufacturer in the high word, local id in the low word.
constexpr std::int32_t kManufacturerId = 32;
constexpr std::int32_t kLocalId = 1;
constexpr std::int32_t kAudiogramCode = 1;
// The module of the host's previous generation that this one replaces.
constexpr std::int32_t kReplacedModuleId = 0x10065;
// The category the module is shown under.
constexpr std::int32_t kCategoryIndex = 2;

// The host objects held during the installation; all go with it.
struct Installation {
    const SetupOptions& options;
    const HostAccess& host;
    ComPtr<host::IActionConverterInstallationServer> converters{};
    ComPtr<host::IModuleInstallationServer> server{};
    ComPtr<host::IDataType> dataType{};
    ComPtr<host::IDataTypeCollection> dataTypes{};
    ComPtr<host::IModule> module{};
    ComPtr<host::IReplaceableModule> replaceable{};
    ComPtr<host::IModuleCategories> categories{};
    ComPtr<host::IModuleCategory> category{};
};

// A step fails by a failing result or by an error raised from a call (the
// host's objects raise theirs).
struct StepFailed : std::exception {};

void check(HRESULT hr)
{
    if (platform::com::failed(hr))
        throw StepFailed{};
}

// An object handed out by the host; none is a failure too.
template <class T>
ComPtr<T> required(ComPtr<T> object)
{
    if (!object)
        throw StepFailed{};
    return object;
}

template <class T>
void create(Installation& run, const platform::com::CLSID& clsid, ComPtr<T>& object)
{
    check(run.host.create(clsid, T::iid, object.putVoid()));
    required(object);
}

void installConverter(Installation& run, std::int32_t fromFormat, std::int32_t toFormat)
{
    run.converters->InstallConverter(kAudiogramCode, fromFormat, toFormat, 0, kConverterClsid);
}

// Fills the DataType made by the step before, adds it to the collection and lets it go.
void addDataType(Installation& run, std::int32_t format)
{
    run.dataType->put_Code(kAudiogramCode);
    run.dataType->put_Format(format);
    run.dataTypes->Add(run.dataType.get());
    run.dataType.reset();
}

struct Step {
    std::string_view failure;
    void (*run)(Installation&);
};

// Steps 1 to 29; the last step, the clean-up, is installModule's own.
const std::array<Step, 29> kSteps = {{
    {"Unable to initialize COM.", [](Installation& run) { check(run.host.initialise()); }},
    {"Creating the Action Converter Installation Server object Failed",
     [](Installation& run) { create(run, host::kActionConverterInstallationServerClsid, run.converters); }},
    {"Initializing the Action Converter Installation Server object Failed",
     [](Installation& run) { run.converters->Initialize(); }},
    {"Failed to Install 200->100 Converter", [](Installation& run) { installConverter(run, 200, 100); }},
    {"Failed to Install 100->200 Converter",
     [](Installation& run) {
         installConverter(run, 100, 200);
         run.converters.reset();
     }},
    {"Creating the Module Installation Server object Failed",
     [](Installation& run) { create(run, host::kModuleInstallationServerClsid, run.server); }},
    {"Initializing the Module Installation Server object Failed",
     [](Installation& run) { run.server->Initialize(); }},
    {"Creating the DataType object Failed",
     [](Installation& run) { create(run, host::kDataTypeClsid, run.dataType); }},
    {"Creating the DataType Collection object Failed",
     [](Installation& run) { create(run, host::kDataTypeCollectionClsid, run.dataTypes); }},
    {"Creating the Module object Failed", [](Installation& run) { create(run, host::kModuleClsid, run.module); }},
    {"Failed to add data type 1, format 100.", [](Installation& run) { addDataType(run, 100); }},
    {"Creating the DataType object Failed",
     [](Installation& run) { create(run, host::kDataTypeClsid, run.dataType); }},
    {"Failed to add data type 1, format 200.", [](Installation& run) { addDataType(run, 200); }},
    {"Failed Installing module as a replacement for its TAVO 2 era equivalent.",
     [](Installation& run) { create(run, host::kReplaceableModuleClsid, run.replaceable); }},
    {"Unable to update the replaceable module id information.",
     [](Installation& run) {
         run.replaceable->put_ModuleID(kReplacedModuleId);
         required(run.module->get_ReplaceableModules())->Add(run.replaceable.get());
     }},
    {"CanMake property problem", [](Installation& run) { run.module->put_CanMake(run.dataTypes.get()); }},
    {"CanShow property problem", [](Installation& run) { run.module->put_CanShow(run.dataTypes.get()); }},
    {"CLSID property problem", [](Installation& run) { run.module->put_CLSID(kDocumentClsid); }},
    {"PrintHandler property problem",
     [](Installation& run) { run.module->put_PrintHandler(kPrintHandlerClsid); }},
    {"LocalID property problem", [](Installation& run) { run.module->put_LocalID(kLocalId); }},
    {"ManufacturerID property problem",
     [](Installation& run) { run.module->put_ManufacturerID(kManufacturerId); }},
    {"Name property problem", [](Installation& run) { run.module->put_Name(kModuleName); }},
    {"Show property problem", [](Installation& run) { run.module->put_Show(1); }},
    {"Failed to add the logo path of the module.",
     [](Installation& run) {
         if (run.options.logoPath)
             run.module->put_LogoPath(*run.options.logoPath);
     }},
    {"Failed to add the help file path of the module.",
     [](Installation& run) {
         if (run.options.helpPath)
             run.module->put_HelpFilePath(*run.options.helpPath);
     }},
    {"ModuleCategories property problem",
     [](Installation& run) { run.categories = required(run.server->get_ModuleCategories()); }},
    {"Item property problem",
     [](Installation& run) { run.category = required(run.categories->Item(kCategoryIndex)); }},
    {"Category property failed", [](Installation& run) { run.module->put_Category(run.category.get()); }},
    {"InstallModule failed", [](Installation& run) { run.server->InstallModule(kMaker, run.module.get()); }},
}};

bool runStep(const Step& step, Installation& run)
{
    try {
        step.run(run);
        return true;
    } catch (const std::exception&) {
        return false;
    }
}

// Runs the steps in order up to the first that fails, which shows its message.
bool runSteps(Installation& run, const std::function<void(std::string_view message)>& showFailure)
{
    for (const Step& step : kSteps) {
        if (!runStep(step, run)) {
            showFailure(step.failure);
            return false;
        }
    }
    return true;
}

}  // namespace

bool installModule(const SetupOptions& options, const HostAccess& host,
                   const std::function<void(std::string_view message)>& showFailure)
{
    bool installed = false;
    {
        Installation run{options, host};
        installed = runSteps(run, showFailure);
    }  // every host object still held goes here
    // The layer goes after the last object, also when it never came up.
    host.uninitialise();
    return installed;
}

}  // namespace installer
