#pragma once
// Hashing for maps keyed by std::string that are looked up with a string_view, so that a
// field cut from a list line is found without copying it first.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace shellcore {

struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
};

// Texts compared exactly, byte for byte.
template <class Value> using TextMap = std::unordered_map<std::string, Value, TextHash, std::equal_to<>>;

} // namespace shellcore
