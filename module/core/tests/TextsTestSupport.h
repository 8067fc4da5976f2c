#pragma once
// Module-wide objects for tests of the module's texts: the UI text loader
// opens the real English library and the view text loader the German one,
// so that a test sees which loader a routine reads.

#include "module/core/ModuleGlobals.h"
#include "module/core/tests/CoreTestSupport.h"

namespace brisance::testing {

inline constexpr const char* kEnglishLibrary = BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceENU.so";
inline constexpr const char* kGermanLibrary = BRISANCE_PROGRAM_DIR "/Language Resources/BrisanceDEU.so";

class ModuleTextsTest : public VellumTest {
protected:
    void SetUp() override
    {
        VellumTest::SetUp();
        CreateModuleGlobals();
        ASSERT_TRUE(ModuleGlobals::UiTextLoader()->OpenResourceLibrary(kEnglishLibrary));
        ASSERT_TRUE(ModuleGlobals::ViewTextLoader()->OpenResourceLibrary(kGermanLibrary));
    }
    void TearDown() override { ReleaseModuleGlobals(); }
};

}  // namespace brisance::testing
