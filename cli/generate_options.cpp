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

// A rating with at most one decimal, as tenths: "6.2" is 62, "7" is 70.
std::optional<int> parseRating(const std::string& text)
{
    const std::size_t point = text.find('.');
    const std::string whole = text.substr(0, point);
    const std::string tenth = point == std::string::npos ? "0" : text.substr(point + 1);
    if (tenth.size() != 1) {
        return std::nullopt;
    }
    const std::optional<int> units = parseNumber<int>(whole, 0, 99);
    const std::optional<int> tenths = parseNumber<int>(tenth, 0, 9);
    if (!units || !tenths) {
        return std::nullopt;
    }
    return 10 * *units + *tenths;
}

}  // namespace

std::optional<RatingBand> parseRatingBand(const std::string& text)
{
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos) {
        return std::nullopt;
    }
    const std::optional<int> low = parseRating(text.substr(0, dash));
    const std::optional<int> high = parseRating(text.substr(dash + 1));
    if (!low || !high || *low < 10 || *low > *high || *high > 120) {
        return std::nullopt;
    }
    return RatingBand{*low, *high};
}

bool parseGenerateOptions(const std::vector<std::string>& args, const std::vector<std::string>& allowed,
                          GenerateOptions& options)
{
    for (std::size_t k = 0; k < args.size();) {
        const std::string& flag = args[k++];
        const std::string name = flag.substr(std::min<std::size_t>(2, flag.size()));
        if (flag.rfind("--", 0) != 0 || std::find(allowed.begin(), allowed.end(), name) == allowed.end()) {
            return false;
        }
        if (name == "symmetric") {
            if (options.symmetric) {
                return false;
            }
            options.symmetric = true;
            continue;
        }
        if (k == args.size()) {
            return false;
        }
        const std::string& text = args[k++];
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
        } else if (name == "rating" && !options.rating) {
            options.rating = parseRatingBand(text);
            if (!options.rating) {
                return false;
            }
        } else {
            return false;
        }
    }
    return true;
}
