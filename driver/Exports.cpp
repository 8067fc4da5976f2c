// The library's exported functions: each hands over to the one DriverLibrary
// of this loaded library, and no exception leaves through the C interface.

#include "driver/DriverLibrary.h"
#include "driver/TranslationFolders.h"
#include "marlet/DriverExports.h"
#include "platform/system/Library.h"

#include <memory>

namespace {

// The library's own name, as its settings are filed under: "libmarlet.so" is "marlet".
std::string libraryName(const std::filesystem::path& file)
{
    const std::string stem = file.stem().string();
    return stem.starts_with("lib") ? stem.substr(3) : stem;
}

std::unique_ptr<marlet::DriverLibrary>& state()
{
    static std::unique_ptr<marlet::DriverLibrary> instance;
    return instance;
}

// The library's state, made when the library is loaded (or, when a loader did
// not run the initialisation, at the first call).
marlet::DriverLibrary& library()
{
    if (!state()) {
        const std::filesystem::path file = platform::system::fileContaining(reinterpret_cast<const void*>(&state));
        const std::string name = libraryName(file);
        state() = std::make_unique<marlet::DriverLibrary>(name, marlet::translationFolders(file.parent_path(), name));
    }
    return *state();
}

template <typename Call>
std::int32_t guarded(std::int32_t onFailure, Call call) noexcept
{
    try {
        return call();
    } catch (...) {
        return onFailure;
    }
}

}  // namespace

extern "C" {

// Run by the platform's library loader: a library that could not allocate its
// rings does not load.
bool brisance_library_init()
{
    try {
        return library().usable();
    } catch (...) {
        return false;
    }
}

void brisance_library_exit()
{
    state().reset();
}

std::int32_t ReqAudiCon2(std::int16_t* pollInterval, marlet::WindowHandle parent)
{
    return guarded(marlet::kResultFailed, [&] { return library().reqAudiCon2(pollInterval, parent); });
}

std::int32_t ReqAudiCon(std::int16_t* pollInterval)
{
    return ReqAudiCon2(pollInterval, 0);
}

std::int32_t ReleaseAudiCon()
{
    return guarded(marlet::kResultFailed, [] { return library().releaseAudiCon(); });
}

std::int32_t ReadAudiMeas(marlet::DriverPointRecord* points, std::int32_t maximum, std::int32_t* pointCount,
                          std::int32_t* blockCount, marlet::DriverTestBlock* blocks)
{
    return guarded(marlet::kResultFailed,
                   [&] { return library().readAudiMeas(points, maximum, pointCount, blockCount, blocks); });
}

std::int32_t InstrumentModel()
{
    return guarded(marlet::ModelNone, [] { return library().instrumentModel(); });
}

std::int32_t ChangeInstrumentType(std::int32_t selector)
{
    return guarded(selector, [&] { return library().changeInstrumentType(selector); });
}

std::int32_t SetupAudi2(marlet::WindowHandle parent)
{
    return guarded(marlet::kResultFailed, [&] { return library().setupAudi2(parent); });
}

std::int32_t SetupAudi()
{
    return SetupAudi2(0);
}

}  // extern "C"
