#include "CVendorDriverWrapper.h"

#include "PelmSonvale/SonvaleTypes.h"

#include <type_traits>

namespace pelmsonvale {

namespace {

using platform::system::callGuarded;

// Slots of the function table, one per driver function.
enum Slot : std::size_t {
    kReadAudiMeas = 0,
    kReqAudiCon = 1,
    kReleaseAudiCon = 2,
    kSetupAudi = 3,
    kReqAudiCon2 = 4,
    kSetupAudi2 = 5,
    kInstrumentModel = 6,
    kChangeInstrumentType = 7,
};

constexpr const char* kNames[] = {"ReadAudiMeas", "ReqAudiCon",  "ReleaseAudiCon",  "SetupAudi",
                                  "ReqAudiCon2",  "SetupAudi2", "InstrumentModel", "ChangeInstrumentType"};

// Binds the function of the slot and calls it; `failure` when it is missing
// or anything throws on the way.
template <typename FunctionPointer, typename... Arguments>
std::int32_t guardedCall(CDynamicLibrary& library, Slot slot, std::int32_t failure, Arguments... arguments) noexcept
{
    using Function = std::remove_pointer_t<FunctionPointer>;
    Function* function = nullptr;
    try {
        function = library.Bind<Function>(kNames[slot], slot);
    } catch (...) {
        return failure;
    }
    return callGuarded(failure, function, arguments...);
}

}  // namespace

std::int32_t CVendorDriverWrapper::ReadAudiMeas(marlet::DriverPointRecord* points, std::int32_t maximum,
                                                std::int32_t* pointCount, std::int32_t* blockCount,
                                                marlet::DriverTestBlock* blocks)
{
    return guardedCall<marlet::ReadAudiMeasFunction>(*this, kReadAudiMeas, TFuncResult_er_Sonvale, points, maximum,
                                                     pointCount, blockCount, blocks);
}

std::int32_t CVendorDriverWrapper::ReqAudiCon(std::int16_t* pollValue)
{
    return guardedCall<marlet::ReqAudiConFunction>(*this, kReqAudiCon, TFuncResult_er_Sonvale, pollValue);
}

std::int32_t CVendorDriverWrapper::ReqAudiCon2(std::int16_t* pollValue, marlet::WindowHandle owner)
{
    return guardedCall<marlet::ReqAudiCon2Function>(*this, kReqAudiCon2, TFuncResult_er_Sonvale, pollValue, owner);
}

std::int32_t CVendorDriverWrapper::ReleaseAudiCon()
{
    return guardedCall<marlet::ReleaseAudiConFunction>(*this, kReleaseAudiCon, TFuncResult_er_Sonvale);
}

std::int32_t CVendorDriverWrapper::SetupAudi()
{
    return guardedCall<marlet::SetupAudiFunction>(*this, kSetupAudi, TFuncResult_er_Sonvale);
}

std::int32_t CVendorDriverWrapper::SetupAudi2(marlet::WindowHandle owner)
{
    return guardedCall<marlet::SetupAudi2Function>(*this, kSetupAudi2, TFuncResult_er_Sonvale, owner);
}

std::int32_t CVendorDriverWrapper::InstrumentModel()
{
    return guardedCall<marlet::InstrumentModelFunction>(*this, kInstrumentModel, ModelName_Unknown);
}

void CVendorDriverWrapper::ChangeInstrumentType(std::int32_t selector)
{
    guardedCall<marlet::ChangeInstrumentTypeFunction>(*this, kChangeInstrumentType, 0, selector);
}

std::int32_t RunDriverSetup(const std::string& driverPath, marlet::WindowHandle owner)
{
    CVendorDriverWrapper driver;
    driver.Load(driverPath);
    const std::int32_t result = driver.SetupAudi2(owner);
    return result == TFuncResult_er_Sonvale ? driver.SetupAudi() : result;
}

}  // namespace pelmsonvale
