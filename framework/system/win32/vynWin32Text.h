// Text at the Win32 boundary. The program keeps its text in UTF-8; the backend talks to Windows
// through the wide-character calls, so every text crosses here as UTF-16 and back. Invalid UTF-8
// becomes U+FFFD rather than an error: a caption or a file name is then shown or refused, never
// truncated.
//
// Also the text of a Win32 error code, for exception messages. Pure; any thread.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vyn::win32 {

std::wstring Widen(std::string_view text);
std::string Narrow(std::wstring_view text);

// A null text as an empty one.
std::wstring WidenOrEmpty(const char* text);

// A name argument of the A calls: a text, or a resource or atom number carried in the pointer
// (MAKEINTRESOURCE, IDC_ARROW) that must reach the W call unchanged.
class WideName {
  public:
    explicit WideName(const char* name);
    // Null when the name was null.
    const wchar_t* Get() const;

  private:
    const char* Original;
    std::wstring Text;
};

// Windows' own description of an error code, in UTF-8, e.g. "The system cannot find the file
// specified. (error 2)".
std::string ErrorText(uint32_t error);

} // namespace vyn::win32
