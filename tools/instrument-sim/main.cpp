// instrument-sim: plays one instrument on a pseudo-terminal for trying the
// driver by hand. Prints the device it is on (and, given a port name, maps
// that port to it in the machine's port map while it runs), sends each
// record line read from standard input (":" or "|", type and fields; the
// checksum and CR LF are added as the model adds them) and prints every
// command line the driver sends.
//
//   instrument-sim "Quorrel v2" COM2

#include "tools/instrument-sim/Instrument.h"

#include <iostream>
#include <poll.h>
#include <string>
#include <unistd.h>

namespace {

int usage()
{
    std::cerr << "usage: instrument-sim <model> [<port name>]\n"
                 "models: Tessil, Dunmor, Halvec, Pyrel, \"Quorrel v1\", \"Quorrel v2\"\n";
    return 2;
}

}  // namespace

int main(int argc, char** argv)
{
    using namespace instrument_sim;
    if (argc < 2 || argc > 3)
        return usage();
    const Persona* model = personaNamed(argv[1]);
    if (!model)
        return usage();

    Instrument instrument(model->model, argc == 3 ? argv[2] : "");
    std::cout << model->name << " on " << instrument.devicePath() << (argc == 3 ? std::string(" as ") + argv[2] : "")
              << std::endl;

    for (;;) {
        pollfd input{STDIN_FILENO, POLLIN, 0};
        if (::poll(&input, 1, 50) > 0) {
            std::string line;
            if (!std::getline(std::cin, line))
                return 0;
            if (line.size() >= 2 && (line[0] == ':' || line[0] == '|'))
                instrument.send(withChecksum(line, model->checksum));
            else if (!line.empty())
                std::cerr << "not a record: " << line << "\n";
        }
        while (const auto command = instrument.nextCommand(milliseconds(0)))
            std::cout << "< " << visible(*command) << std::endl;
    }
}
