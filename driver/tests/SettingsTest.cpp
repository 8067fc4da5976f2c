#include "driver/Settings.h"

#include "driver/SettingNumbers.h"
#include "platform/registry/Profile.h"

#include <gtest/gtest.h>

namespace marlet {
namespace {

platform::registry::Profile storedProfile()
{
    return platform::registry::Profile("Pelmworks", "marlet");
}

TEST(Settings, AFreshStoreHasEachModelsDefaults)
{
    struct Case {
        ModelIndex model;
        const char* bitsParity;
        const char* stopBits;
    };
    const Case cases[] = {
        {ModelTessil, "7 / Even", "2 Bits"},     {ModelDunmor, "7 / Even", "2 Bits"},
        {ModelHalvec, "8 / None", "1 Bit"},      {ModelQuorrelV2, "7 / Even", "2 Bits"},
        {ModelQuorrelV1, "7 / Even", "2 Bits"},  {ModelPyrel, "8 / None", "1 Bit"},
    };
    Settings settings("marlet");
    settings.load();
    const SettingsValues values = settings.values();
    EXPECT_EQ(values.model, "None");
    EXPECT_EQ(values.model2, "None");
    EXPECT_EQ(values.audiometer(), ModelNone);
    EXPECT_EQ(values.tympanometer(), ModelNone);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(modelName(c.model)));
        const ModelSettings& record = values.models[c.model];
        EXPECT_EQ(record, (ModelSettings{"COM1", "9600", c.bitsParity, "CTS/RTS", c.stopBits, "Mastoid", "Unknown",
                                         "Single Point", "NO", "Phones/Insert", "Phones/Insert"}));
    }
    EXPECT_EQ(values.ports[0], (PortSettings{"Windows", "Windows API", "0", "0x03F8", "4", "0x0000"}));
    EXPECT_EQ(values.ports[3].address, "0x02E8");
    EXPECT_EQ(values.ports[3].interrupt, "3");
    EXPECT_EQ(values.ports[15].address, "0x02E0");
    EXPECT_EQ(values.ports[15].interrupt, "5");
}

TEST(Settings, WhatIsSavedIsLoadedAgain)
{
    Settings settings("marlet");
    settings.update([](SettingsValues& values) {
        values.model = "Halvec";
        values.model2 = "Quorrel v1";
        values.models[ModelHalvec].port = "COM7";
        values.models[ModelHalvec].acCurveAsk = "YES";
        values.models[ModelQuorrelV1].baud = "2400";
        values.ports[6].address = "0x0100";
    });
    settings.save();
    settings.savePorts();

    Settings loaded("marlet");
    loaded.load();
    EXPECT_EQ(loaded.values(), settings.values());
    EXPECT_EQ(loaded.values().audiometer(), ModelHalvec);
    EXPECT_EQ(loaded.values().tympanometer(), ModelQuorrelV1);
    EXPECT_EQ(storedProfile().getString("Halvec", "Port", ""), "COM7") << "kept under the library's own name";
}

TEST(Settings, UnknownModelsSelectTessilAndNone)
{
    const auto profile = storedProfile();
    profile.writeString("Default", "Model", "Quantum");
    profile.writeString("Default", "Model2", "Quantum");
    Settings settings("marlet");
    settings.load();
    EXPECT_EQ(settings.values().audiometer(), ModelTessil);
    EXPECT_EQ(settings.values().tympanometer(), ModelNone) << "an audiometer record must not become the tympanometer";
}

TEST(Settings, AnOverLongValueIsCutToItsRecord)
{
    const auto profile = storedProfile();
    profile.writeString("Tessil", "Port", "COM12345");
    profile.writeString("Tessil", "ACCurve", std::string(40, 'x'));
    Settings settings("marlet");
    settings.load();
    EXPECT_EQ(settings.values().models[ModelTessil].port, "COM12");
    EXPECT_EQ(settings.values().models[ModelTessil].acCurve, std::string(21, 'x'));
}

TEST(SettingNumbers, ReadsDecimalsAndHexadecimalWords)
{
    EXPECT_EQ(readDecimal("9600"), 9600);
    EXPECT_EQ(readDecimal(" 4 "), 4);
    EXPECT_EQ(readDecimal("fast"), std::nullopt);
    EXPECT_EQ(readDecimal(""), std::nullopt);
    EXPECT_EQ(readHexWord("0x3f8"), 0x3F8u);
    EXPECT_EQ(readHexWord("0XFFFF"), 0xFFFFu);
    for (const char* unreadable : {"3F8", "0x", "0x3g8", "0x10000", "", "x3F8"})
        EXPECT_EQ(readHexWord(unreadable), std::nullopt) << unreadable;
    EXPECT_EQ(hexWordText(0x3F8), "0x03F8");
}

}  // namespace
}  // namespace marlet
