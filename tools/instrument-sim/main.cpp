// instrument-sim: plays one instrument on a pseudo-terminal for trying the
// driver by hand. Prints the device it is on (and, given a port name, maps
// that port to it in the machine's port map while it runs), sends each
// record line read from standard input (":" or "|", type and fields; the
// checksum and CR LF are added as the model adds them) and prints every
// command line the driver sends. End of input (Ctrl-D), Ctrl-C, SIGTERM and a
// hang-up all end it alike, removing its port mapping.
//
//   instrument-sim "Quorrel v2" COM2

#include "tools/instrument-sim/Instrument.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <poll.h>
#include <string>
#include <sys/signalfd.h>
#include <unistd.h>

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};

int usage()
{
    std::cerr << "usage: instrument-sim <model> [<port name>]\n"
                 "models: Tessil, Dunmor, Halvec, Pyrel, \"Quorrel v1\", \"Quorrel v2\"\n";
    return 2;
}

// A descriptor that becomes readable when a stop signal arrives. The signals
// are blocked rather than handled, so that they wait for the main loop and
// the port mapping goes as at the end of input, by the instrument's
// destructor; blocked before any thread starts, they stay blocked in all.
int stopSignals()
{
    sigset_t signals;
    ::sigemptyset(&signals);
    for (const int signal : kStopSignals)
        ::sigaddset(&signals, signal);
    if (::pthread_sigmask(SIG_BLOCK, &signals, nullptr) != 0)
        return -1;
    return ::signalfd(-1, &signals, SFD_CLOEXEC);
}

// The exit status for the signal waiting on `stop`, as a shell reports a
// program that the signal ended.
int stoppedBy(int stop)
{
    signalfd_siginfo received{};
    if (::read(stop, &received, sizeof received) != static_cast<ssize_t>(sizeof received))
        return 1;
    return 128 + static_cast<int>(received.ssi_signo);
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
    const int stop = stopSignals();
    if (stop < 0) {
        std::perror("instrument-sim: signals");
        return 1;
    }

    Instrument instrument(model->model, argc == 3 ? argv[2] : "");
    std::cout << model->name << " on " << instrument.devicePath() << (argc == 3 ? std::string(" as ") + argv[2] : "")
              << std::endl;

    for (;;) {
        pollfd events[] = {{STDIN_FILENO, POLLIN, 0}, {stop, POLLIN, 0}};
        if (::poll(events, 2, 50) > 0) {
            if (events[1].revents != 0)
                return stoppedBy(stop);
            if (events[0].revents != 0) {
                std::string line;
                if (!std::getline(std::cin, line))
                    return 0;
                if (line.size() >= 2 && (line[0] == ':' || line[0] == '|'))
                    instrument.send(withChecksum(line, model->checksum));
                else if (!line.empty())
                    std::cerr << "not a record: " << line << "\n";
            }
        }
        while (const auto command = instrument.nextCommand(milliseconds(0)))
            std::cout << "< " << visible(*command) << std::endl;
    }
}
