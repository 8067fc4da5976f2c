#pragma once
// The host's clock: the moment that stamps what it stores.

#include "host/Records.h"

namespace host {

// Now, in local time, as a host date.
Date now();

}  // namespace host
