// A well-behaved library with one function that throws.

#include <cstdlib>
#include <stdexcept>

namespace {
int initialisations = 0;
}

extern "C" bool brisance_library_init()
{
    ++initialisations;
    return true;
}

extern "C" void brisance_library_exit()
{
    ::setenv("SYSTEM_TEST_LIBRARY_EXITED", "1", 1);
}

extern "C" int Initialisations()
{
    return initialisations;
}

extern "C" int Add(int a, int b)
{
    return a + b;
}

extern "C" int Throws()
{
    throw std::runtime_error("the instrument is on fire");
}

extern "C" void ThrowsToo()
{
    throw 42;
}
