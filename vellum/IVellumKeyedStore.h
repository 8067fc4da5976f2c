#pragma once
// The keyed store `VellumKeyedStore` as its callers see it: created by class
// id (kVellumKeyedStoreClsid) through the component-object layer, used through
// this interface only. It holds the document's notes and, as the preference
// store, the user's profiles and options.
//
// Values live by key in sections numbered within categories; Category and
// Section select where Value reads and writes (both 0 at first; the content
// puts and clears leave the selection as it is). Keys compare without regard
// to case; a section keeps its keys in the order they were first stored.
//
// Failures raise platform::runtime::RuntimeError: 5 for stored data that is
// not valid (with a text that says why), 13 for stored data that is no byte
// array, 458 for a value that cannot be stored (an object), 6 for a text
// longer than 65535 bytes. A failing member changes nothing.

#include "platform/com/ComPtr.h"
#include "platform/com/IUnknown.h"
#include "platform/com/VariantEnumerator.h"
#include "platform/runtime/Variant.h"

#include <cstdint>
#include <string>

namespace vellum {

using platform::com::ComPtr;
using platform::com::IEnumVARIANT;
using platform::runtime::Variant;

inline constexpr platform::com::CLSID kVellumKeyedStoreClsid =
    platform::com::makeGuid("{D4CBF0E3-0221-11D3-AD5D-006097400F0B}");

class IVellumKeyedStore : public platform::com::IUnknown {
public:
    static constexpr platform::com::IID iid = platform::com::makeGuid("{43539073-76CB-4F93-814B-C176E44DD5EE}");
    using Base = platform::com::IUnknown;

    virtual std::int16_t get_Category() = 0;
    virtual void put_Category(std::int16_t category) = 0;
    virtual std::int16_t get_Section() = 0;
    virtual void put_Section(std::int16_t section) = 0;

    // The value of key in the selected section; Null when there is none.
    virtual Variant get_Value(const std::string& key) = 0;
    // Stores a value of any type but an object (boolean, numbers, dates, text, arrays, Null).
    virtual void put_Value(const std::string& key, const Variant& value) = 0;
    // The keys of the selected section, as strings, in their order.
    virtual ComPtr<IEnumVARIANT> get__NewEnum() = 0;

    // The whole store as one byte array; a put replaces everything.
    virtual Variant get_Data() = 0;
    virtual void put_Data(const Variant& data) = 0;
    virtual void Clear() = 0;

    // The selected section as one byte array; a put replaces that section.
    virtual Variant get_SectionData() = 0;
    virtual void put_SectionData(const Variant& data) = 0;
    virtual void ClearSection() = 0;

    // Every section of the selected category as one byte array; a put
    // replaces that category.
    virtual Variant get_CategoryData() = 0;
    virtual void put_CategoryData(const Variant& data) = 0;
    virtual void ClearCategory() = 0;

protected:
    ~IVellumKeyedStore() = default;
};

}  // namespace vellum
