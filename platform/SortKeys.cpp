#include "platform/SortKeys.h"

#include <charconv>
#include <limits>

namespace platform {

namespace {

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// What atof skips before a number (isspace in the "C" locale).
bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

std::size_t SkipDigits(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsDigit(text[at]))
        ++at;
    return at;
}

unsigned char Fold(char c)
{
    const unsigned char u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

} // namespace

double AtofC(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && IsSpace(text[at]))
        ++at;
    bool negative = false;
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        negative = text[at++] == '-';
    // The longest prefix that is a number: digits, '.', digits, then an exponent only
    // when at least one digit follows its sign.
    const std::size_t begin = at;
    std::size_t end = SkipDigits(text, at);
    bool digits = end > begin;
    if (end < text.size() && text[end] == '.') {
        const std::size_t fraction = SkipDigits(text, end + 1);
        digits = digits || fraction > end + 1;
        end = fraction;
    }
    if (!digits)
        return 0.0;
    if (end < text.size() && (text[end] == 'e' || text[end] == 'E')) {
        std::size_t exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t exponentEnd = SkipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    double value = 0.0;
    const auto result = std::from_chars(text.data() + begin, text.data() + end, value, std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        // atof gives HUGE_VAL for too large a number and 0 for too small a one.
        const std::size_t mantissaEnd = text.find_first_of("eE", begin);
        value = (mantissaEnd < end && text[mantissaEnd + 1] == '-') ? 0.0 : std::numeric_limits<double>::infinity();
    }
    return negative ? -value : value;
}

int CompareTextNoCase(std::string_view a, std::string_view b)
{
    const std::size_t common = a.size() < b.size() ? a.size() : b.size();
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = Fold(a[i]);
        const unsigned char y = Fold(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

} // namespace platform
