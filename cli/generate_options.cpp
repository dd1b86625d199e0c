#include "generate_options.h"

#include <algorithm>
#include <charconv>

namespace {

template <typename Number>
std::optional<Number> parseNumber(const std::string& text, Number least, Number most)
{
    Number value{};
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (text.empty() || error != std::errc() || stop != end || value < least || value > most) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

bool parseGenerateOptions(const std::vector<std::string>& args, const std::vector<std::string>& allowed,
                          GenerateOptions& options)
{
    for (std::size_t k = 0; k < args.size(); k += 2) {
        const std::string& flag = args[k];
        if (flag.rfind("--", 0) != 0 || k + 1 == args.size()) {
            return false;
        }
        const std::string name = flag.substr(2);
        if (std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
            return false;
        }
        const std::string& text = args[k + 1];
        if (name == "difficulty" && !options.difficulty) {
            options.difficulty = parseNumber<int>(text, 1, 4);
            if (!options.difficulty) {
                return false;
            }
        } else if (name == "count" && !options.count) {
            options.count = parseNumber<long>(text, 1, 100'000'000);
            if (!options.count) {
                return false;
            }
        } else if (name == "seed" && !options.seed) {
            options.seed = parseNumber<std::uint64_t>(text, 0, UINT64_MAX);
            if (!options.seed) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}
