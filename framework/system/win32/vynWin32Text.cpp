#include "vynWin32Text.h"

#include "vynWindowsApi.h"

#include <climits>
#include <stdexcept>

namespace vyn::win32 {

namespace {

// Resource and atom numbers live in the low 16 bits of a pointer (IS_INTRESOURCE).
bool IsResourceNumber(const void* name) {
    return (reinterpret_cast<uintptr_t>(name) >> 16) == 0;
}

int CheckedLength(size_t length) {
    if (length > static_cast<size_t>(INT_MAX))
        throw std::length_error("text too long for the window system");
    return static_cast<int>(length);
}

} // namespace

std::wstring Widen(std::string_view text) {
    if (text.empty())
        return {};
    const int length = CheckedLength(text.size());
    const int needed = MultiByteToWideChar(CP_UTF8, 0, text.data(), length, nullptr, 0);
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), length, wide.data(), needed);
    return wide;
}

std::string Narrow(std::wstring_view text) {
    if (text.empty())
        return {};
    const int length = CheckedLength(text.size());
    const int needed =
        WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, narrow.data(), needed, nullptr, nullptr);
    return narrow;
}

std::wstring WidenOrEmpty(const char* text) {
    return text ? Widen(text) : std::wstring();
}

WideName::WideName(const char* name) : Original(name) {
    if (!IsResourceNumber(name))
        Text = Widen(name);
}

const wchar_t* WideName::Get() const {
    if (IsResourceNumber(Original))
        return reinterpret_cast<const wchar_t*>(Original);
    return Text.c_str();
}

std::string ErrorText(uint32_t error) {
    wchar_t* buffer = nullptr;
    const DWORD length = FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : std::wstring();
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    std::string suffix = "(error " + std::to_string(error) + ")";
    return text.empty() ? suffix : Narrow(text) + " " + suffix;
}

} // namespace vyn::win32
