#pragma once
// Turns the driver's raw results into link-event values: one point record or
// one test block into one CPointInformation. Codes the link does not know map
// to its "unknown" values (curve 0, ear 0, stimulus 15, gradient status 0,
// probe tone 226 Hz); only a record whose point code, block kind or block
// action is unknown is refused. Runs on the measuring worker's thread.

#include "CPointInformation.h"
#include "CVendorDriverWrapper.h"

#include "marlet/DriverRecords.h"

namespace pelmsonvale {

// An audiometer point or command. Frequency and level pass on in the driver's
// units (Hz, whole dB). False when the point code is not 0 to 5.
bool DecodePointRecord(const marlet::DriverPointRecord& record, CPointInformation& information);

// A tympanometry, reflex or decay result. Asks the driver's InstrumentModel
// once; the caller has selected the tympanometer before. False when the block
// kind is not 1 to 14 or the action not 0 to 5.
bool DecodeTestBlock(const marlet::DriverTestBlock& block, CVendorDriverWrapper& binding,
                     CPointInformation& information);

}  // namespace pelmsonvale
