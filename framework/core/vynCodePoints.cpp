#include "vynCodePoints.h"

namespace vyn {

namespace {

struct SequenceShape {
    int Length;      // bytes in all; 0: the byte starts no sequence
    char32_t Bits;   // the lead byte's payload
    char32_t Lowest; // the smallest value that needs this length: below it is overlong
};

SequenceShape ShapeOf(unsigned char lead) {
    if (lead < 0x80)
        return {1, lead, 0};
    if ((lead & 0xE0) == 0xC0)
        return {2, lead & 0x1Fu, 0x80};
    if ((lead & 0xF0) == 0xE0)
        return {3, lead & 0x0Fu, 0x800};
    if ((lead & 0xF8) == 0xF0)
        return {4, lead & 0x07u, 0x10000};
    return {0, 0, 0};
}

bool IsSurrogate(char32_t value) {
    return value >= 0xD800 && value <= 0xDFFF;
}

// The code point of the sequence at `at`, with the bytes it took; one byte and U+FFFD when the
// sequence is malformed, so that reading resumes at the next byte.
char32_t ReadOne(std::string_view text, size_t at, size_t& taken) {
    taken = 1;
    const SequenceShape shape = ShapeOf(static_cast<unsigned char>(text[at]));
    if (shape.Length == 0 || at + static_cast<size_t>(shape.Length) > text.size())
        return ReplacementCharacter;
    char32_t value = shape.Bits;
    for (int i = 1; i < shape.Length; ++i) {
        const auto next = static_cast<unsigned char>(text[at + static_cast<size_t>(i)]);
        if ((next & 0xC0) != 0x80)
            return ReplacementCharacter;
        value = (value << 6) | (next & 0x3Fu);
    }
    if (value < shape.Lowest || value > 0x10FFFF || IsSurrogate(value))
        return ReplacementCharacter;
    taken = static_cast<size_t>(shape.Length);
    return value;
}

} // namespace

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string points;
    points.reserve(text.size());
    for (size_t at = 0, taken = 0; at < text.size(); at += taken)
        points.push_back(ReadOne(text, at, taken));
    return points;
}

std::string EncodeUtf8(char32_t codePoint) {
    if (codePoint > 0x10FFFF || IsSurrogate(codePoint))
        codePoint = ReplacementCharacter;
    const auto byte = [](char32_t bits) { return static_cast<char>(bits); };
    if (codePoint < 0x80)
        return std::string(1, byte(codePoint));
    if (codePoint < 0x800)
        return {byte(0xC0 | (codePoint >> 6)), byte(0x80 | (codePoint & 0x3F))};
    if (codePoint < 0x10000)
        return {byte(0xE0 | (codePoint >> 12)), byte(0x80 | ((codePoint >> 6) & 0x3F)),
                byte(0x80 | (codePoint & 0x3F))};
    return {byte(0xF0 | (codePoint >> 18)), byte(0x80 | ((codePoint >> 12) & 0x3F)),
            byte(0x80 | ((codePoint >> 6) & 0x3F)), byte(0x80 | (codePoint & 0x3F))};
}

std::u16string EncodeUtf16(char32_t codePoint) {
    if (codePoint > 0x10FFFF || IsSurrogate(codePoint))
        codePoint = ReplacementCharacter;
    if (codePoint < 0x10000)
        return std::u16string(1, static_cast<char16_t>(codePoint));
    const char32_t offset = codePoint - 0x10000;
    return {static_cast<char16_t>(0xD800 + (offset >> 10)),
            static_cast<char16_t>(0xDC00 + (offset & 0x3FF))};
}

bool TUtf16Joiner::Take(uint32_t unit, char32_t& codePoint) {
    const char32_t high = PendingHigh;
    PendingHigh = 0;
    if (unit >= 0xD800 && unit <= 0xDBFF) {
        PendingHigh = unit;
        // A high surrogate after another: the first had no partner.
        if (high == 0)
            return false;
        codePoint = ReplacementCharacter;
        return true;
    }
    if (unit >= 0xDC00 && unit <= 0xDFFF) {
        codePoint =
            high ? 0x10000 + ((high - 0xD800) << 10) + (unit - 0xDC00) : ReplacementCharacter;
        return true;
    }
    codePoint = unit > 0x10FFFF ? ReplacementCharacter : unit;
    return true;
}

} // namespace vyn
