// A library whose initialisation reports failure.

extern "C" bool brisance_library_init()
{
    return false;
}

extern "C" int Add(int a, int b)
{
    return a + b;
}
