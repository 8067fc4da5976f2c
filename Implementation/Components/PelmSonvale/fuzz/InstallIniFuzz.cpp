// The link server's install.ini checks on any file, in a folder that holds
// nothing else, so that no installer can be started. The check of the file
// and the installer agree: a file the check passes fails the install only at
// its installer program, and one it refuses fails at the same check.

#include "DriverInstallation.h"

#include "platform/testing/FuzzEnvironment.h"
#include "platform/testing/FuzzExpect.h"
#include "platform/testing/TemporaryFolder.h"

#include <cstdint>
#include <filesystem>
#include <fstream>

using namespace pelmsonvale;
using platform::testing::fuzzExpect;

namespace {

constexpr std::size_t kIniBufferSize = 256;

const platform::testing::TemporaryFolder& driverFolder()
{
    static const platform::testing::TemporaryFolder folder;
    return folder;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    platform::testing::useFuzzingMachine();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::filesystem::path ini = driverFolder().path() / "install.ini";
    std::ofstream(ini, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const std::string folder = driverFolder().path().string() + "/";

    const DriverInstalledAnswer answer = isDriverInstalled(folder);
    const TAudiInstallReturn result = installDriver(folder);
    fuzzExpect(result != TAudiInstallReturn_SUCCESS, "no installer is started from a folder without one");
    fuzzExpect(answer.moduleName.has_value() == !answer.errorInIni, "a module name comes with a valid file only");
    fuzzExpect(!answer.moduleName || answer.moduleName->size() < kIniBufferSize, "the module name fits its buffer");
    if (answer.errorInIni)
        fuzzExpect(result != TAudiInstallReturn_er_UNABLEToStartInstaller, "a refused file starts nothing");
    else
        fuzzExpect(result == TAudiInstallReturn_er_INVALIDInstallCmd ||
                       result == TAudiInstallReturn_er_UNABLEToStartInstaller,
                   "a file the check passes fails the install at its installer only");
    return 0;
}
