#pragma once
// The class ids of the chart control's library, by which containers create
// its objects without linking it.

#include "platform/com/Guid.h"

namespace lumenplot {

using platform::com::makeGuid;

// Chart Class: the control ("PelmTolvaneChart.Chart.1").
inline constexpr platform::com::CLSID kChartClsid = makeGuid("{07F3AA2F-7A6A-4cc3-A487-CA46BD4C1392}");
// Line Class ("PelmTolvaneChart.Line.1").
inline constexpr platform::com::CLSID kLineClsid = makeGuid("{FA891232-5D80-413b-BE5D-927C45D5F8BA}");
// Lines Class ("PelmTolvaneChart.Lines.1").
inline constexpr platform::com::CLSID kLinesClsid = makeGuid("{9AF7CB42-31A1-4f68-B27A-432B6D593AF7}");
// DevNamesConverter Class ("PelmTolvaneChart.DevNamesConverter.1").
inline constexpr platform::com::CLSID kDevNamesConverterClsid = makeGuid("{C9DEDAA8-FED2-4cfd-A9EE-792768B01DD7}");
// Label Class: declared, never registered or created.
inline constexpr platform::com::CLSID kLabelClsid = makeGuid("{D51FAB9D-0472-46BB-9C93-16A4AFE631BB}");

// The library's type library, PELMTOLVANECHARTLib 1.0.
inline constexpr platform::com::Guid kTypeLibId = makeGuid("{A1361A27-ACE5-4D61-90BF-87DC20CBFFF3}");

}  // namespace lumenplot
