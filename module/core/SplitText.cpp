#include "module/core/SplitText.h"

namespace brisance {

std::vector<std::string> SplitText(std::string_view text, char separator)
{
    std::vector<std::string> parts;
    if (text.empty())
        return parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

}  // namespace brisance
