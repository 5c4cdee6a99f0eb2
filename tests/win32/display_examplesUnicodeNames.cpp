// The example programs on Windows, given files whose names no ANSI code page spells (Cyrillic
// and Georgian together): each must take its arguments and its folder's names whole, open the
// files, show its window, and end with status 0 when it is closed. Under Wine, over Mesa.
#include "tests/support/vynBitmapWriter.h"
#include "tests/support/vynTestSupport.h"

#include "framework/system/win32/vynWindowsApi.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr DWORD PatienceMs = 30000;
constexpr DWORD PollMs = 100;

struct WindowSearch {
    DWORD ProcessId;
    const wchar_t* Caption; // how the caption starts
    ::HWND Found = nullptr;
};

BOOL CALLBACK FindWindowOf(::HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<WindowSearch*>(parameter);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    wchar_t text[256] = {};
    InternalGetWindowText(window, text, 256);
    if (owner == search.ProcessId && IsWindowVisible(window) &&
        std::wstring(text).starts_with(search.Caption))
        search.Found = window;
    return search.Found == nullptr;
}

// Starts the program, waits for its window and closes it: how that went, in words.
std::string ShowAndClose(const std::vector<fs::path>& arguments, const wchar_t* caption) {
    std::wstring commandLine;
    for (const fs::path& argument : arguments)
        commandLine += L"\"" + fs::absolute(argument).wstring() + L"\" ";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return "not started: error " + std::to_string(GetLastError());
    std::string outcome = "no window";
    for (DWORD waited = 0; waited < PatienceMs; waited += PollMs) {
        WindowSearch search{process.dwProcessId, caption};
        EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
        if (search.Found) {
            PostMessageW(search.Found, WM_CLOSE, 0, 0);
            outcome = "closed";
        }
        if (search.Found || WaitForSingleObject(process.hProcess, PollMs) == WAIT_OBJECT_0)
            break;
    }
    DWORD status = STILL_ACTIVE;
    if (WaitForSingleObject(process.hProcess, PatienceMs) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &status);
    else
        TerminateProcess(process.hProcess, status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return outcome + ", status " + std::to_string(status);
}

struct Case {
    fs::path Program;
    std::vector<const wchar_t*> Files; // its arguments, in the folder
    const wchar_t* Caption;            // how its window's caption starts
};

TEST(ExamplesOnWindows, OpenFilesWhoseNamesNoAnsiCodePageSpells) {
    using namespace vyn::test;
    const TempDir scratch;
    const fs::path folder = scratch.Path() / L"вид-ხედი";
    fs::create_directories(folder);
    const auto grey = [](int, int) { return std::array<uint8_t, 3>{120, 120, 120}; };
    WriteBytes(folder / L"картина-სურათი.bmp", MakeBitmap(Fields(2, 2), Rows24(2, 2, grey)));
    WriteBytes(folder / L"вершины.cppa2", MakeArrayFile(0, 48, 4, std::vector<uint8_t>(48)));
    WriteBytes(folder / L"текстура.cppa2", MakeArrayFile(0, 32, 4, std::vector<uint8_t>(32)));

    std::vector<Case> cases = {
        {VYN_TEXTURE_VIEWER, {L"картина-სურათი.bmp"}, L"картина-სურათი.bmp"},
        {VYN_MODEL_VIEWER,
         {L"вершины.cppa2", L"текстура.cppa2", L"картина-სურათი.bmp"},
         L"model-viewer"},
    };
    // lit-cube shows the picture beside it: copied with it into the folder, and given nothing.
    const fs::path litCube = folder / L"куб-კუბი.exe";
    fs::copy_file(VYN_LIT_CUBE, litCube);
    fs::copy_file(fs::path(VYN_LIT_CUBE).replace_filename("lit-cube.png"), folder / "lit-cube.png");
    cases.push_back({litCube, {}, L"lit-cube"});
    cases.push_back({VYN_LIT_CUBE, {L"картина-სურათი.bmp"}, L"lit-cube"});
    for (const Case& test : cases) {
        SCOPED_TRACE("case " + std::to_string(&test - cases.data()));
        std::vector<fs::path> arguments = {test.Program};
        for (const wchar_t* file : test.Files)
            arguments.push_back(folder / file);
        EXPECT_EQ(ShowAndClose(arguments, test.Caption), "closed, status 0");
    }
}

} // namespace
