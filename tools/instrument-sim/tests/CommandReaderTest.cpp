#include "tools/instrument-sim/CommandReader.h"

#include <gtest/gtest.h>

namespace instrument_sim {
namespace {

TEST(CommandReader, SplitsTheStreamIntoCommandsWhateverThePieces)
{
    const std::string stream = std::string(":525 \r\n|001017\r\n") + '\x06' + "|1200\r\n" + '\x15' + "?:5471\r\n";
    const std::vector<std::string> expected = {":525 \r\n", "|001017\r\n", "\x06", "|1200\r\n", "\x15", "?", ":5471\r\n"};
    for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, stream.size()}) {
        SCOPED_TRACE("pieces of " + std::to_string(piece));
        CommandReader reader;
        std::vector<std::string> commands;
        for (std::size_t at = 0; at < stream.size(); at += piece) {
            reader.feed(std::string_view(stream).substr(at, piece));
            while (auto command = reader.next())
                commands.push_back(*command);
        }
        EXPECT_EQ(commands, expected);
        EXPECT_TRUE(reader.partial().empty());
    }
}

TEST(CommandReader, HoldsAnIncompleteCommand)
{
    CommandReader reader;
    reader.feed(":52");
    EXPECT_EQ(reader.next(), std::nullopt);
    EXPECT_EQ(reader.partial(), ":52");
    reader.feed("|0010171234");
    EXPECT_EQ(reader.next(), ":52|001") << "an audiometer line is seven bytes, whatever they are";
    EXPECT_EQ(reader.next(), "0");
}

}  // namespace
}  // namespace instrument_sim
