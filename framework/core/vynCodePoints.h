/// @file
/// Text as Unicode code points: UTF-8 read into code points and UTF-16 units combined into them,
/// for the character messages and the text drawn on screen.
///
/// Malformed input never fails: each byte that starts no valid sequence (a stray continuation
/// byte, a truncated or overlong sequence, a surrogate or a value beyond U+10FFFF) reads as one
/// U+FFFD, as browsers read it. Pure functions; any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vyn {

/// The character that stands for what could not be read.
inline constexpr char32_t ReplacementCharacter = 0xFFFD;

/// The code points of a UTF-8 text.
std::u32string DecodeUtf8(std::string_view text);
/// The UTF-8 bytes of a code point (U+FFFD's for a surrogate or a value beyond U+10FFFF).
std::string EncodeUtf8(char32_t codePoint);
/// The UTF-16 units of a code point: one, or a surrogate pair above U+FFFF.
std::u16string EncodeUtf16(char32_t codePoint);

/// Joins the UTF-16 units of character messages into code points: a high surrogate waits for
/// the low one that follows it; a low surrogate without one, or a high one followed by another,
/// reads as U+FFFD (a high one followed by a plain character is dropped).
class TUtf16Joiner {
  public:
    /// Takes one unit; true with `codePoint` set when it completes a character.
    bool Take(uint32_t unit, char32_t& codePoint);

  private:
    char32_t PendingHigh = 0;
};

} // namespace vyn
