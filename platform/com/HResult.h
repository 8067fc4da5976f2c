#pragma once
// Result codes of component-object calls. Negative values are failures.

#include <cstdint>

namespace platform::com {

using HRESULT = std::int32_t;

constexpr HRESULT hresult(std::uint32_t code) { return static_cast<HRESULT>(code); }

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT E_NOTIMPL = hresult(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = hresult(0x80004002);
inline constexpr HRESULT E_POINTER = hresult(0x80004003);
inline constexpr HRESULT E_ABORT = hresult(0x80004004);
inline constexpr HRESULT E_FAIL = hresult(0x80004005);
inline constexpr HRESULT E_UNEXPECTED = hresult(0x8000FFFF);
inline constexpr HRESULT E_OUTOFMEMORY = hresult(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = hresult(0x80070057);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = hresult(0x80040110);
inline constexpr HRESULT CLASS_E_CLASSNOTAVAILABLE = hresult(0x80040111);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = hresult(0x80040154);
inline constexpr HRESULT RPC_E_SERVERFAULT = hresult(0x80010105);

constexpr bool succeeded(HRESULT hr) { return hr >= 0; }
constexpr bool failed(HRESULT hr) { return hr < 0; }

}  // namespace platform::com
