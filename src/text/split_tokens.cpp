#include "text/split_tokens.h"

namespace {

struct DelimiterMatch {
    std::size_t position = std::string::npos;
    std::size_t length = 0;
};

DelimiterMatch FindFirstDelimiter(const std::string& text, std::size_t from,
                                  const std::vector<std::string>& delimiters,
                                  unsigned int codePage)
{
    DelimiterMatch best;
    for (const std::string& delimiter : delimiters) {
        const std::size_t position = FindInAnsiText(text, delimiter, from, codePage);
        // "<=": on a tie the later delimiter in the list is kept.
        if (position != std::string::npos && position <= best.position) {
            best = {position, delimiter.size()};
        }
    }
    return best;
}

}  // namespace

std::vector<std::string> SplitTokens(const std::string& text,
                                     const std::vector<std::string>& delimiters, bool skipEmpty,
                                     unsigned int codePage)
{
    std::vector<std::string> tokens;
    // The rest of the text is text[start..]: each search walks its characters
    // from `start` on, exactly as it would walk a copy of the rest.
    std::size_t start = 0;
    for (;;) {
        const DelimiterMatch match = FindFirstDelimiter(text, start, delimiters, codePage);
        if (match.position == std::string::npos) {
            break;
        }
        if (!skipEmpty || match.position > start) {
            tokens.push_back(text.substr(start, match.position - start));
        }
        start = match.position + match.length;
    }
    if (!skipEmpty || start < text.size()) {
        tokens.push_back(text.substr(start));
    }
    return tokens;
}
