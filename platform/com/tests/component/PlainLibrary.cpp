// A library that loads but offers no component-object entry points.
extern "C" int plainLibraryAnswer()
{
    return 42;
}
