#include "installer/CCmdLineArgs.h"

#include <algorithm>

namespace installer {

bool CCmdLineArgs::isWhiteSpace(char c)
{
    switch (static_cast<unsigned char>(c)) {
    case ' ':
    case '\t':
    case '\n':
    case '\v':
    case '\f':
    case '\r':
        return true;
    default:
        return false;
    }
}

namespace {

// The quote that closes a quoted argument: the first one followed by white
// space or by the end of the text; the text's end when there is none.
char* closingQuote(char* at)
{
    for (; *at != '\0'; ++at)
        if (*at == '"' && (at[1] == '\0' || CCmdLineArgs::isWhiteSpace(at[1])))
            return at;
    return at;
}

}  // namespace

// Splits the copy in place: each argument ends where a zero is written over
// its closing quote or the white space behind it.
CCmdLineArgs::CCmdLineArgs(std::string_view commandLine)
    : m_text(commandLine.begin(), std::find(commandLine.begin(), commandLine.end(), '\0'))
{
    m_text.push_back('\0');
    char* at = m_text.data();
    while (*at != '\0') {
        while (isWhiteSpace(*at))
            ++at;
        const bool quoted = *at == '"';
        if (quoted)
            ++at;
        m_arguments.push_back(at);
        if (*at == '\0')
            break;
        if (quoted) {
            char* quote = closingQuote(at);
            if (*quote == '\0')
                break;
            *quote = '\0';
            if (quote[1] == '\0')
                break;
            at = quote + 2;
        } else {
            while (*at != '\0' && !isWhiteSpace(*at))
                ++at;
            if (*at == '\0')
                break;
            *at++ = '\0';
        }
    }
}

}  // namespace installer
