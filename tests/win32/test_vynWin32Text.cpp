// Text at the Win32 boundary: UTF-8 inside, UTF-16 for the wide calls, error texts from Windows.
#include "framework/system/win32/vynWin32Text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

using vyn::win32::ErrorText;
using vyn::win32::Narrow;
using vyn::win32::Widen;
using vyn::win32::WideName;
using vyn::win32::WidenOrEmpty;

TEST(Win32Text, Utf8AndUtf16RoundTripIncludingCyrillicAndSurrogatePairs) {
    // "Ландшафт", a plain ASCII caption, and U+1F30D (a surrogate pair in UTF-16).
    const std::string cyrillic = "\xD0\x9B\xD0\xB0\xD0\xBD\xD0\xB4\xD1\x88\xD0\xB0\xD1\x84\xD1\x82";
    EXPECT_EQ(Widen(cyrillic), L"\u041B\u0430\u043D\u0434\u0448\u0430\u0444\u0442");
    EXPECT_EQ(Narrow(Widen(cyrillic)), cyrillic);
    EXPECT_EQ(Widen("vynSingleWindow [60 FPS]"), L"vynSingleWindow [60 FPS]");
    const std::string globe = "\xF0\x9F\x8C\x8D";
    EXPECT_EQ(Widen(globe), std::wstring({wchar_t(0xD83C), wchar_t(0xDF0D)}));
    EXPECT_EQ(Narrow(Widen(globe)), globe);
    EXPECT_EQ(Widen(""), L"");
    EXPECT_EQ(Narrow(L""), "");
    EXPECT_EQ(WidenOrEmpty(nullptr), L"");
    // Embedded zeros are text like any other, not an end.
    EXPECT_EQ(Widen(std::string("a\0b", 3)), std::wstring(L"a\0b", 3));
}

TEST(Win32Text, InvalidUtf8BecomesReplacementCharactersNotShorterText) {
    const std::wstring wide = Widen("ok\xFF\xFE!");
    ASSERT_GE(wide.size(), 4u);
    EXPECT_EQ(wide.substr(0, 2), L"ok");
    EXPECT_EQ(wide[2], wchar_t(0xFFFD));
    EXPECT_EQ(wide.back(), L'!');
    // A truncated sequence at the end is replaced too.
    EXPECT_EQ(Widen("x\xD0").back(), wchar_t(0xFFFD));
}

TEST(Win32Text, NamesCarryResourceNumbersUnchangedAndTextsWidened) {
    const auto* arrow = reinterpret_cast<const char*>(uintptr_t{32512});
    EXPECT_EQ(reinterpret_cast<uintptr_t>(WideName(arrow).Get()), 32512u);
    EXPECT_EQ(WideName(nullptr).Get(), nullptr);
    const WideName name("vynSingleWindow");
    EXPECT_EQ(std::wstring(name.Get()), L"vynSingleWindow");
    // The pointer stays valid and equal for as long as the object lives.
    EXPECT_EQ(name.Get(), name.Get());
}

TEST(Win32Text, ErrorTextsComeFromWindowsWithTheCode) {
    const std::string notFound = ErrorText(2); // ERROR_FILE_NOT_FOUND
    EXPECT_NE(notFound.find("(error 2)"), std::string::npos) << notFound;
    EXPECT_GT(notFound.size(), std::string("(error 2)").size()) << notFound;
    EXPECT_EQ(notFound.find('\n'), std::string::npos);
    // A code Windows has no text for still names itself.
    EXPECT_EQ(ErrorText(0x2FFFFFFF), "(error 805306367)");
}
