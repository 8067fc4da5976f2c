#pragma once
// Marlet's settings for a run on simulated instruments: these models, the
// audiometer on COM3 and the tympanometer on COM4, filed under the library's
// name ("marlet" for libmarlet.so).

#include "driver/Settings.h"

#include <string>

namespace pelmsonvale::testing {

inline void setUpMarlet(const std::string& libraryName, marlet::ModelIndex audiometer,
                        marlet::ModelIndex tympanometer)
{
    marlet::Settings settings(libraryName);
    settings.update([&](marlet::SettingsValues& values) {
        values = marlet::defaultSettings();
        values.model = marlet::modelName(audiometer);
        values.model2 = marlet::modelName(tympanometer);
        if (audiometer != marlet::ModelNone)
            values.models[audiometer].port = "COM3";
        if (tympanometer != marlet::ModelNone)
            values.models[tympanometer].port = "COM4";
    });
    settings.save();
}

}  // namespace pelmsonvale::testing
