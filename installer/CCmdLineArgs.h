#pragma once
// The program's command line as a list of arguments, split the way this
// program has always split it (not the platform's own splitter):
// - arguments are separated by white space (space, tab, line feed, vertical
//   tab, form feed, carriage return);
// - an argument that starts with a double quote runs to the first quote that
//   is followed by white space or by the end, and loses those two quotes;
// - any other quote stays where it is, inside the argument;
// - a text that ends in two or more white-space characters gives one empty
//   last argument; a text of white space only gives one empty argument, the
//   empty text none.
// The text is taken up to its first zero character.

#include <cstddef>
#include <string_view>
#include <vector>

namespace installer {

class CCmdLineArgs {
public:
    explicit CCmdLineArgs(std::string_view commandLine);
    virtual ~CCmdLineArgs() = default;
    // The arguments point into this object's own copy of the text.
    CCmdLineArgs(const CCmdLineArgs&) = delete;
    CCmdLineArgs& operator=(const CCmdLineArgs&) = delete;

    std::size_t size() const { return m_arguments.size(); }
    std::string_view operator[](std::size_t index) const { return m_arguments.at(index); }

    // The separators between arguments.
    static bool isWhiteSpace(char c);

private:
    std::vector<char> m_text;
    std::vector<const char*> m_arguments;
};

}  // namespace installer
