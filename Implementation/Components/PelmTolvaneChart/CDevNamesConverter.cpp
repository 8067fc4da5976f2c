#include "CDevNamesConverter.h"

namespace lumenplot {

using platform::com::HRESULT;

namespace {

using DevNamesMember = platform::com::DispatchMember<IDevNamesConverter>;
constexpr DevNamesMember kDevNamesConverterMembers[] = {
    DevNamesMember::method<&IDevNamesConverter::GetDCFromDevNamesStruct>("GetDCFromDevNamesStruct",
                                                                         devnames_dispid::GetDCFromDevNamesStruct),
    DevNamesMember::method<&IDevNamesConverter::GetDefaultPrinterDC>("GetDefaultPrinterDC",
                                                                     devnames_dispid::GetDefaultPrinterDC),
};

}  // namespace

std::span<const DevNamesMember> devNamesConverterMembers() { return kDevNamesConverterMembers; }

HRESULT CDevNamesConverter::GetDCFromDevNamesStruct(std::int32_t, std::int32_t, std::int32_t*)
{
    return platform::com::E_NOTIMPL;
}

HRESULT CDevNamesConverter::GetDefaultPrinterDC(std::int32_t, std::int32_t*) { return platform::com::E_NOTIMPL; }

}  // namespace lumenplot
