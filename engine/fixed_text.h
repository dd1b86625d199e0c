#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// A text field of exactly N bytes, as the grid record stores it: a stored text
// keeps its first N characters and is padded with zero bytes; reading stops at
// the first zero byte or after N characters.
template <std::size_t N>
class FixedText {
public:
    void store(std::string_view text)
    {
        bytes_.fill('\0');
        text.copy(bytes_.data(), N);
    }

    std::string read() const { return std::string(view()); }

    std::string_view view() const
    {
        std::size_t length = 0;
        while (length < N && bytes_[length] != '\0') {
            ++length;
        }
        return {bytes_.data(), length};
    }

    bool empty() const { return bytes_[0] == '\0'; }

    const std::array<char, N>& bytes() const { return bytes_; }

private:
    std::array<char, N> bytes_{};
};
