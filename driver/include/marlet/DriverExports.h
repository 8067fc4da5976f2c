#pragma once
// The driver's exported functions, as the link server finds them by name in
// the driver library. The link server calls connect, release and set-up on its
// user-interface thread and the others on its worker thread, never two at a
// time; the driver takes no locks of its own for that.

#include "marlet/DriverRecords.h"

#include <cstdint>

namespace marlet {

// Integer results, the link's own numbers.
inline constexpr std::int32_t kResultOk = 1;
inline constexpr std::int32_t kResultNotConnected = -8;  // also: the connection failed
inline constexpr std::int32_t kResultAlreadyConnected = -9;
inline constexpr std::int32_t kResultFailed = -15;

// The poll interval that connect reports, in milliseconds.
inline constexpr std::int16_t kPollInterval = 300;

// Window handles are the platform's integer handles; 0 is none.
using WindowHandle = std::intptr_t;

// Instrument models by the index that InstrumentModel reports.
enum ModelIndex : std::int32_t {
    ModelTessil = 0,
    ModelDunmor = 1,
    ModelHalvec = 2,
    ModelQuorrelV2 = 3,
    ModelQuorrelV1 = 4,
    ModelPyrel = 5,
    ModelNone = 6,
};

}  // namespace marlet

extern "C" {

// Writes the poll interval, then connects the selected instruments.
// 1, -8 (failed), -9 (already connected); -15 when pollInterval is null.
std::int32_t ReqAudiCon2(std::int16_t* pollInterval, marlet::WindowHandle parent);
std::int32_t ReqAudiCon(std::int16_t* pollInterval);
// 1, -8 (not connected).
std::int32_t ReleaseAudiCon();
// Reads what the instruments sent, then moves at most `maximum` points and at
// most `maximum` blocks out of the driver's rings, oldest first.
// 1, -8 (not connected); -15 when a pointer it needs is null.
std::int32_t ReadAudiMeas(marlet::DriverPointRecord* points, std::int32_t maximum,
                          std::int32_t* pointCount, std::int32_t* blockCount,
                          marlet::DriverTestBlock* blocks);
// The model index of the tympanometer when the selector is nonzero, else of the audiometer.
std::int32_t InstrumentModel();
// Stores the selector (0 audiometer, nonzero tympanometer) and returns it.
std::int32_t ChangeInstrumentType(std::int32_t selector);
// Shows the set-up dialog: 1 when it ended, -9 while connected, -15 when it cannot be shown.
std::int32_t SetupAudi2(marlet::WindowHandle parent);
std::int32_t SetupAudi();

}  // extern "C"

namespace marlet {

// The exports' types, for binding them by name.
using ReqAudiCon2Function = decltype(&::ReqAudiCon2);
using ReqAudiConFunction = decltype(&::ReqAudiCon);
using ReleaseAudiConFunction = decltype(&::ReleaseAudiCon);
using ReadAudiMeasFunction = decltype(&::ReadAudiMeas);
using InstrumentModelFunction = decltype(&::InstrumentModel);
using ChangeInstrumentTypeFunction = decltype(&::ChangeInstrumentType);
using SetupAudi2Function = decltype(&::SetupAudi2);
using SetupAudiFunction = decltype(&::SetupAudi);

}  // namespace marlet
