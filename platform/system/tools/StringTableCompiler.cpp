// brisance-stringtable <table.txt> <output.cpp>
// Compiles a string table file into the C++ source of its lookup function.
// The output is rewritten only when it changes, so that unchanged tables do
// not rebuild their libraries.

#include "platform/system/StringTableSource.h"

#include <fstream>
#include <iostream>
#include <iterator>

namespace {

std::string fileText(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read the file");
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: brisance-stringtable <table.txt> <output.cpp>\n";
        return 2;
    }
    std::string source;
    try {
        source = platform::system::stringTableSource(platform::system::parseStringTable(fileText(argv[1])));
    } catch (const platform::system::StringTableError& error) {
        std::cerr << argv[1] << ":" << error.line() << ": error: " << error.what() << "\n";
        return 1;
    } catch (const std::exception& error) {
        std::cerr << argv[1] << ": error: " << error.what() << "\n";
        return 1;
    }
    std::ifstream previous(argv[2], std::ios::binary);
    if (previous && std::string(std::istreambuf_iterator<char>(previous), {}) == source)
        return 0;
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    if (!(out << source)) {
        std::cerr << argv[2] << ": error: cannot write the file\n";
        return 1;
    }
    return 0;
}
