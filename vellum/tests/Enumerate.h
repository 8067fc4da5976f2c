#pragma once
// Walks an enumerator of a data object's collection.

#include "platform/com/VariantEnumerator.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vellum::testing {

// What get gives for each member object, in enumeration order.
template <class I, class R>
std::vector<R> collect(platform::com::ComPtr<platform::com::IEnumVARIANT> members, R (I::*get)())
{
    std::vector<R> values;
    platform::runtime::Variant item;
    while (members->Next(1, &item, nullptr) == platform::com::S_OK) {
        auto member = item.toObject().template as<I>();
        EXPECT_TRUE(member) << "an enumerated member lacks the interface";
        if (member) values.push_back((member.get()->*get)());
    }
    return values;
}

// The texts of an enumerator of strings.
inline std::vector<std::string> texts(platform::com::ComPtr<platform::com::IEnumVARIANT> items)
{
    std::vector<std::string> values;
    platform::runtime::Variant item;
    while (items->Next(1, &item, nullptr) == platform::com::S_OK) values.push_back(item.toString());
    return values;
}

}  // namespace vellum::testing
