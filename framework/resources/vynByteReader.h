/// @file
/// Little-endian fields of file images held in memory, read with their bounds checked.
///
/// The loaders read their headers through these helpers only, so a field that would lie past the
/// end of the bytes can never be read: the caller checks the length first, and ReadLE throws
/// std::out_of_range if it did not. Stateless; any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <type_traits>

namespace vyn {

/// The unsigned or signed integer of sizeof(T) bytes at `offset`, little-endian.
template <typename T>
T ReadLE(std::span<const uint8_t> bytes, size_t offset) {
    static_assert(std::is_integral_v<T>);
    if (offset > bytes.size() || bytes.size() - offset < sizeof(T))
        throw std::out_of_range("field read past the end of the data");
    std::make_unsigned_t<T> value = 0;
    for (size_t i = 0; i < sizeof(T); ++i)
        value |= static_cast<std::make_unsigned_t<T>>(bytes[offset + i]) << (8 * i);
    return static_cast<T>(value);
}

} // namespace vyn
