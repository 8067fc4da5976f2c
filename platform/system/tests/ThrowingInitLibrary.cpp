// A library whose initialisation throws.

#include <stdexcept>

extern "C" bool brisance_library_init()
{
    throw std::runtime_error("no settings");
}
