#pragma once
// What the module core's tests share: preference stores from the built Vellum
// library, and profile files in this test's machine root.

#include "module/core/ModuleGlobals.h"
#include "module/testing/RegisterServer.h"

#include "vellum/IVellumKeyedStore.h"

#include "platform/com/Creation.h"
#include "platform/machine/MachineRoot.h"
#include "platform/runtime/VariantRecord.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace brisance::testing {

// Closes every document that a test counted (CreateModuleGlobals) and left
// open, as their closing would, so that the next test starts without
// module-wide objects.
inline void CloseDocumentsLeftOpen()
{
    while (ModuleGlobals::UiTextLoader())
        ReleaseModuleGlobals();
}

// Registers the Vellum server in the test's machine root, so that stores are
// created by class id as the module creates them; the module-wide objects a
// test made go with it.
class VellumTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NO_FATAL_FAILURE(registerServer(VELLUM_LIBRARY_PATH)); }
    void TearDown() override { CloseDocumentsLeftOpen(); }
};

// A new, empty preference store (the Vellum server registered).
inline platform::com::ComPtr<vellum::IVellumKeyedStore> NewStore()
{
    return platform::com::create<vellum::IVellumKeyedStore>(vellum::kVellumKeyedStoreClsid);
}

// The host's shared default profile of this machine, where the module looks
// for it.
inline std::filesystem::path SharedProfileFile()
{
    return platform::machine::commonFilesDir() / "ORVEL Shared" / "Profiles" / "Default.profile";
}

inline void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A profile file's bytes: one variant record holding a store's Data.
inline std::vector<std::uint8_t> ProfileRecord(const platform::runtime::Variant& data)
{
    std::vector<std::uint8_t> record;
    platform::runtime::writeVariantRecord(record, data);
    return record;
}

// The Data of a store that holds one value, so that cases tell stores apart.
inline platform::runtime::Variant StoreDataWith(const std::string& profileName)
{
    const auto store = NewStore();
    store->put_Value("Profile", profileName);
    return store->get_Data();
}

}  // namespace brisance::testing
