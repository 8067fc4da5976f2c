#pragma once
// Dispatch ids: the numbers by which dispatch names an object's members, and
// the standard ones that controls and containers share.

#include <cstdint>

namespace platform::com {

using DISPID = std::int32_t;

inline constexpr DISPID DISPID_UNKNOWN = -1;  // in a change notice: several or unknown properties
inline constexpr DISPID DISPID_VALUE = 0;     // an object's default member
inline constexpr DISPID DISPID_NEWENUM = -4;  // the enumerator of a collection

// Stock properties of controls.
inline constexpr DISPID DISPID_AUTOSIZE = -500;
inline constexpr DISPID DISPID_BACKCOLOR = -501;
inline constexpr DISPID DISPID_BACKSTYLE = -502;
inline constexpr DISPID DISPID_FONT = -512;
inline constexpr DISPID DISPID_FORECOLOR = -513;
inline constexpr DISPID DISPID_ENABLED = -514;
inline constexpr DISPID DISPID_CAPTION = -518;
inline constexpr DISPID DISPID_APPEARANCE = -520;
inline constexpr DISPID DISPID_MOUSEPOINTER = -521;
inline constexpr DISPID DISPID_MOUSEICON = -522;
inline constexpr DISPID DISPID_PICTURE = -523;

// Ambient properties that a container offers its controls.
inline constexpr DISPID DISPID_AMBIENT_BACKCOLOR = -701;
inline constexpr DISPID DISPID_AMBIENT_FONT = -703;
inline constexpr DISPID DISPID_AMBIENT_FORECOLOR = -704;

}  // namespace platform::com
