#pragma once
// What the instrument link's impedance results become in the audiogram data:
// the link's ear and stimulus codes as the data's, and a measured tympanogram
// summary as a stored tympanogram. Volume and compliance come in thousandths
// of a millilitre from every instrument model (as the driver's records carry
// them); a model found to differ changes tympanogramFromLink alone.

#include "module/views/SonvaleEvents.h"
#include "module/views/TympanogramValues.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace brisance {

// The ear code of a TImpedanceEar: 15 left (3), 16 right (2); none for another.
std::optional<std::int32_t> earOfImpedanceEar(std::int32_t impedanceEar);

// The reflex stimulus code of a TActivatorStimulus: 250 to 4000 Hz, 32767
// low-band, 32766 high-band and 32765 broad-band noise, 7000 unknown (stored,
// shown nowhere); none for a value outside the enumeration.
std::optional<std::int32_t> stimulusCodeOf(std::int32_t activatorStimulus);

// The tympanograms (0 to 2) of the event that the instrument marked valid.
std::vector<std::size_t> validTympanograms(const ImpedancePointArgs& event);

// The stored tympanogram after tympanogram k of the event: its peak pressure
// (405, no peak, as it is), its peak compliance as both static compliance and
// peak height (30811, no peak, as it is, else in hundredths), the canal volume
// in hundredths (30811 becomes no value), its gradient (11565, not measured,
// becomes no value) with the event's gradient status, and the probe tone. The
// type stays the stored one: the clinician picks it.
TympanogramRecord tympanogramFromLink(const ImpedancePointArgs& event, std::size_t k, const TympanogramRecord& stored);

}  // namespace brisance
