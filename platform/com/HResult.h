#pragma once
// Result codes of component-object calls. Negative values are failures.

#include <cstdint>
#include <string>

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
inline constexpr HRESULT E_ACCESSDENIED = hresult(0x80070005);
inline constexpr HRESULT E_HANDLE = hresult(0x80070006);

// Creation and registration.
inline constexpr HRESULT CO_E_DLLNOTFOUND = hresult(0x8004015F);   // the registered library cannot be loaded
inline constexpr HRESULT CO_E_ERRORINDLL = hresult(0x800401F9);    // the library lacks its entry points
inline constexpr HRESULT CO_E_CLASSSTRING = hresult(0x800401F3);   // a ProgID or class-id text names no class
inline constexpr HRESULT REGDB_E_READREGDB = hresult(0x80040150);
inline constexpr HRESULT REGDB_E_WRITEREGDB = hresult(0x80040151);
inline constexpr HRESULT SELFREG_E_CLASS = hresult(0x80040201);

// Dispatch.
inline constexpr HRESULT DISP_E_UNKNOWNINTERFACE = hresult(0x80020001);
inline constexpr HRESULT DISP_E_MEMBERNOTFOUND = hresult(0x80020003);
inline constexpr HRESULT DISP_E_PARAMNOTFOUND = hresult(0x80020004);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = hresult(0x80020005);
inline constexpr HRESULT DISP_E_UNKNOWNNAME = hresult(0x80020006);
inline constexpr HRESULT DISP_E_NONAMEDARGS = hresult(0x80020007);
inline constexpr HRESULT DISP_E_BADVARTYPE = hresult(0x80020008);
inline constexpr HRESULT DISP_E_EXCEPTION = hresult(0x80020009);
inline constexpr HRESULT DISP_E_OVERFLOW = hresult(0x8002000A);
inline constexpr HRESULT DISP_E_BADINDEX = hresult(0x8002000B);
inline constexpr HRESULT DISP_E_PARAMNOTOPTIONAL = hresult(0x8002000F);
inline constexpr HRESULT DISP_E_BADPARAMCOUNT = hresult(0x8002000E);

// Connection points.
inline constexpr HRESULT CONNECT_E_NOCONNECTION = hresult(0x80040200);
inline constexpr HRESULT CONNECT_E_CANNOTCONNECT = hresult(0x80040202);

// Streams.
inline constexpr HRESULT STG_E_READFAULT = hresult(0x8003001E);
inline constexpr HRESULT STG_E_INVALIDHEADER = hresult(0x800300FB);

constexpr bool succeeded(HRESULT hr) { return hr >= 0; }
constexpr bool failed(HRESULT hr) { return hr < 0; }

// A short English text for the code ("Class not registered"), or its value in
// hexadecimal ("0x80041234") for a code without one.
std::string describe(HRESULT hr);

}  // namespace platform::com
