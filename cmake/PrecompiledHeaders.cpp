// The one source of the targets that make the precompiled headers
// (PrecompiledHeaders.cmake); they are built, never run or linked into anything.
int main()
{
    return 0;
}
