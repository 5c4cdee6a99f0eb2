#include "framework/system/vynUtf8.h"

#include "vynWin32Text.h"
#include "vynWindowsApi.h"

#include <shellapi.h>

#include <memory>

namespace vyn {

// The C library fills argv from the command line in the ANSI code page; the wide command line
// holds the names as they were typed.
std::vector<std::string> Utf8Arguments(int argc, char* argv[]) {
    int count = 0;
    const auto release = [](LPWSTR* list) { LocalFree(list); };
    const std::unique_ptr<LPWSTR, decltype(release)> wide(
        CommandLineToArgvW(GetCommandLineW(), &count), release);
    if (!wide || count != argc)
        return std::vector<std::string>(argv, argv + (argc > 0 ? argc : 0));
    std::vector<std::string> arguments;
    for (int i = 0; i < count; ++i)
        arguments.push_back(win32::Narrow(wide.get()[i]));
    return arguments;
}

} // namespace vyn
