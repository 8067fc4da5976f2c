#include "platform/com/Failure.h"

#include "platform/runtime/RuntimeError.h"

namespace platform::com {

void raiseOnFailure(HRESULT hr, std::string source)
{
    if (failed(hr)) runtime::raise(hr, describe(hr), std::move(source));
}

}  // namespace platform::com
