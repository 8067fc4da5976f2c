#include "tools/instrument-sim/Persona.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace instrument_sim {
namespace {

using namespace marlet;

struct Case {
    ModelIndex model;
    char command;
    std::optional<std::string> line;
};

TEST(Persona, CommandLinesByModel)
{
    const Case cases[] = {
        {ModelTessil, '0', ":525 \r\n"},   {ModelTessil, '3', ":525 \r\n"},  {ModelTessil, '9', std::nullopt},
        {ModelDunmor, '1', ":5251\r\n"},   {ModelDunmor, '2', std::nullopt}, {ModelHalvec, '0', ":5251\r\n"},
        {ModelHalvec, '1', ":5471\r\n"},   {ModelHalvec, '5', ":5472\r\n"},  {ModelHalvec, '6', ":5473\r\n"},
        {ModelHalvec, '7', ":5430\r\n"},   {ModelHalvec, '8', ":5440\r\n"},  {ModelHalvec, '9', std::nullopt},
        {ModelPyrel, '9', "\x06"},         {ModelPyrel, '0', "\x15"},        {ModelPyrel, '4', std::nullopt},
        {ModelTessil, '4', std::nullopt},  {ModelQuorrelV2, '0', "|001017\r\n"},
        {ModelQuorrelV1, '0', "|001017\r\n"}, {ModelQuorrelV1, '1', std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(persona(c.model).name) + " command " + c.command);
        EXPECT_EQ(commandLine(persona(c.model), c.command), c.line);
    }
}

TEST(Persona, UnderstandsOnlyItsOwnLines)
{
    EXPECT_TRUE(understands(persona(ModelTessil), ":525 \r\n"));
    EXPECT_FALSE(understands(persona(ModelTessil), ":5251\r\n"));
    EXPECT_TRUE(understands(persona(ModelHalvec), ":5440\r\n"));
    EXPECT_TRUE(understands(persona(ModelPyrel), "\x15"));
    EXPECT_FALSE(understands(persona(ModelPyrel), ":525 \r\n"));
    EXPECT_TRUE(understands(persona(ModelQuorrelV1), kTympanometerAcknowledgement));
    EXPECT_FALSE(understands(persona(ModelDunmor), kTympanometerAcknowledgement));
}

TEST(Persona, ModelsByIndexAndName)
{
    EXPECT_EQ(persona(ModelDunmor).checksum, ChecksumKind::Dunmor);
    EXPECT_EQ(persona(ModelQuorrelV1).slot, Slot::Tympanometer);
    EXPECT_EQ(persona(ModelHalvec).line.dataBits, 8);
    EXPECT_EQ(personaNamed("Quorrel v2")->model, ModelQuorrelV2);
    EXPECT_EQ(personaNamed("None"), nullptr);
    EXPECT_THROW(persona(ModelNone), std::invalid_argument);
}

}  // namespace
}  // namespace instrument_sim
