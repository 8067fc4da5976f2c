#pragma once
// The instrument link's registered drivers as the document and its set-up
// dialog read them. A call on the link that fails raises its HRESULT as the
// error number.

#include "PelmSonvale/ISonvaleController.h"
#include "platform/com/ComPtr.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brisance {

using SonvaleDriverPtr = platform::com::ComPtr<pelmsonvale::ISonvaleDriver>;

// The controller's drivers, in the order of its list.
std::vector<SonvaleDriverPtr> RegisteredDrivers(pelmsonvale::ISonvaleController& controller);
// The driver whose Index is this number; raises when the list has none.
SonvaleDriverPtr RegisteredDriver(pelmsonvale::ISonvaleController& controller, std::int32_t index);

std::int32_t DriverIndex(pelmsonvale::ISonvaleDriver& driver);
std::string DriverName(pelmsonvale::ISonvaleDriver& driver);
std::string DriverManufacturer(pelmsonvale::ISonvaleDriver& driver);
// True while a measurement with this driver runs.
bool IsDriverActive(pelmsonvale::ISonvaleDriver& driver);

}  // namespace brisance
