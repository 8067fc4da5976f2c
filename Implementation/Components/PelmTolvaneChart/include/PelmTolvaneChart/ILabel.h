#pragma once
// ILabel: declared by the library, with no members.

#include "platform/com/Dispatch.h"

namespace lumenplot {

class ILabel : public platform::com::IDispatch {
public:
    static constexpr platform::com::IID iid = platform::com::makeGuid("{FD866EE7-6A82-4BA5-94CF-2DC0A63DC77F}");
    using Base = platform::com::IDispatch;

protected:
    ~ILabel() = default;
};

}  // namespace lumenplot
