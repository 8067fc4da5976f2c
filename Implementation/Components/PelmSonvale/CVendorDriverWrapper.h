#pragma once
// The binding of a driver library's eight functions. Each call finds its
// function by name on first use and never lets a failure escape: a missing
// function, or an exception thrown inside the driver, gives the failure
// result of that function (TFuncResult_er_Sonvale, ModelName_Unknown for
// InstrumentModel, nothing for ChangeInstrumentType). What the driver itself
// returns passes through unchanged.
//
// Connect, release and set-up run on the client's thread, the others on the
// measuring worker's; the two take turns (see CDynamicLibrary).

#include "CDynamicLibrary.h"

#include "marlet/DriverExports.h"

#include <cstdint>

namespace pelmsonvale {

class CVendorDriverWrapper : public CDynamicLibrary {
public:
    // At most `maximum` point records and as many test blocks into the
    // buffers, their numbers into the counts.
    std::int32_t ReadAudiMeas(marlet::DriverPointRecord* points, std::int32_t maximum, std::int32_t* pointCount,
                              std::int32_t* blockCount, marlet::DriverTestBlock* blocks);
    // Connect; the driver writes its poll interval into pollValue.
    std::int32_t ReqAudiCon(std::int16_t* pollValue);
    std::int32_t ReqAudiCon2(std::int16_t* pollValue, marlet::WindowHandle owner);
    std::int32_t ReleaseAudiCon();
    // The driver's set-up dialog, owned by `owner` for SetupAudi2.
    std::int32_t SetupAudi();
    std::int32_t SetupAudi2(marlet::WindowHandle owner);
    // The selected instrument's model, 0 to 6.
    std::int32_t InstrumentModel();
    // Selects the audiometer (0) or the tympanometer (1).
    void ChangeInstrumentType(std::int32_t selector);
};

// Runs the set-up of the driver library at this path on the calling thread
// with its own binding: SetupAudi2 with the owner window, falling back to
// SetupAudi when that gives TFuncResult_er_Sonvale. A library that cannot be
// loaded gives TFuncResult_er_Sonvale.
std::int32_t RunDriverSetup(const std::string& driverPath, marlet::WindowHandle owner);

}  // namespace pelmsonvale
