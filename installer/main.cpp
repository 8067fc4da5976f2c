// brisance-setup: registers the audiogram module with the host.

#include "installer/BrisanceSetup.h"
#include "installer/CommandLineText.h"

#include <string>
#include <vector>

int main(int argc, char** argv)
{
    return installer::runSetup(installer::commandLineText(std::vector<std::string>(argv, argv + argc)));
}
