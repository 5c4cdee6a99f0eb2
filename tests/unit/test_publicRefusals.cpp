// Every refusal of the public API (a false, or no object) says why: each case provokes one on the
// doubles and requires a reason in LastFailure, recorded by the refusing call itself.
#include "framework/core/vynAllocation.h"
#include "framework/core/vynFailure.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/input/vynMouseU.h"
#include "framework/render/vynDrawLineU.h"
#include "framework/render/vynSettingsU.h"
#include "framework/resources/vynImageFile.h"
#include "framework/resources/vynTextureU.h"
#include "framework/window/vynFramePacing.h"
#include "framework/window/vynHelpersU.h"
#include "tests/support/vynWindowTestSupport.h"

#include <stdexcept>
#include <string>

using namespace vyn;

namespace {

enum Before { Nothing, Window, NoMemory, NoVersion };

struct RefusalCase {
    const char* Name;
    Before Setup;
    const char* Failing; // a platform call, or a GL call ("gl..."), made to fail first; "" none
    bool (*Refused)();   // makes the call; true when it refused
};

void PrintTo(const RefusalCase& refusal, std::ostream* out) {
    *out << refusal.Name;
}

const std::string NotAPicture = (test::TestDataDir() / "bmpsuite" / "README.md").string();
GLint Width = 3, Height = 4;
GLenum Format = 0, Type = 0;
HGLRC Context = nullptr;
void* Block = nullptr;

const RefusalCase Cases[] = {
    {"CreateFromSettings", Nothing, "CreateWindowExA", [] { return !CreateFromSettings(); }},
    {"CreateWindowAndContext", Nothing, "wglCreateContext",
     [] { return !CreateWindowAndContext(0, 0, 9, 9, 32, 0, false, false); }},
    {"LoadGLLibraries", Nothing, "LoadLibraries", [] { return !LoadGLLibraries(); }},
    {"RegisterWindowClass", Nothing, "RegisterClassExA", [] { return !RegisterWindowClass(); }},
    {"CreateMainWindow", Nothing, "CreateWindowExA",
     [] { return !CreateMainWindow(0, 0, 9, 9, 32, 0, false, false); }},
    {"SetupPixelFormat", Window, "ChoosePixelFormat",
     [] { return !SetupPixelFormat(Framework.DeviceContext); }},
    {"CreateRenderingContext", Window, "wglCreateContext",
     [] { return !CreateRenderingContext(Framework.DeviceContext, Context); }},
    {"ReleaseRenderingContext", Window, "wglMakeCurrent",
     [] { return !ReleaseRenderingContext(Framework.DeviceContext, Framework.RenderingContext); }},
    {"InitContext", NoVersion, "", [] { return !InitContext(); }},
    {"ReadGLStrings", NoVersion, "", [] { return !ReadGLStrings(); }},
    {"ReleaseWindowAndContext", Nothing, "", [] { return !ReleaseWindowAndContext(); }},
    {"RunMainLoop", Nothing, "", [] { return !RunMainLoop(); }},
    {"DrawFrame", Window, "glClear", [] { return !DrawFrame(); }},
    {"SetFpsTimer", Window, "timeSetEvent", [] { return !SetFpsTimer(true); }},
    {"SetCaption", Window, "SetWindowTextA", [] { return !SetCaption("x"); }},
    {"SetSwapInterval", Window, "wglSwapIntervalEXT", [] { return !SetSwapInterval(1); }},
    {"SetSwapIntervalWithoutAWindow", Nothing, "", [] { return !SetSwapInterval(1); }},
    {"SetFrameRateLimit", Nothing, "", [] { return !SetFrameRateLimit(-1); }},
    {"ChangeDisplayMode", Nothing, "ChangeDisplaySettingsA",
     [] { return !ChangeDisplayMode(640, 480, 32, 60); }},
    {"FillBuffer", Nothing, "", [] { return !FillBuffer(nullptr, 4); }},
    {"AllocZeroed", Nothing, "", [] { return !AllocZeroed(Block, -1); }},
    {"SetHandler", Nothing, "", [] { return !CurrentKeyboard->SetHandler(256, 1, IdleNothing); }},
    {"KeyboardFire", Nothing, "", [] { return !CurrentKeyboard->Fire('Q', KeyDownTable); }},
    {"SetKeyState", Nothing, "", [] { return !CurrentKeyboard->SetKeyState(-1, true); }},
    {"CreateKeyboards", NoMemory, "", [] { return !CreateKeyboards(); }},
    {"MouseFire", Nothing, "", [] { return !CurrentMouse->Fire(MouseMoveSlot); }},
    {"CreateMice", NoMemory, "", [] { return !CreateMice(); }},
    {"CreateRenderLists", NoMemory, "", [] { return !CreateRenderLists(); }},
    {"AddMaterial", Nothing, "", [] { return !CurrentRenderList->AddMaterial(2); }},
    {"AddPack", Nothing, "", [] { return !CurrentRenderList->AddMaterial(1)->AddPack(nullptr); }},
    {"SetCapacity", NoMemory, "", [] { return !CurrentRenderList->SetCapacity(1000); }},
    {"EnableDrawArrays", Nothing, "glEnableClientState", [] { return !EnableDrawArrays(); }},
    {"SetupGLState", Nothing, "glEnable", [] { return !SetupGLState(); }},
    {"ShutdownGLState", Nothing, "glClear", [] { return !ShutdownGLState(); }},
    {"RescaleImage", Nothing, "",
     [] {
         SetDefaultTextureSettings(); // the test sets no pack alignment: as without a context
         std::vector<uint8_t> pixels(48);
         return !RescaleImage(pixels, Width, Height, GL_RGB, GL_UNSIGNED_BYTE);
     }},
    {"ReadBMP", Nothing, "", [] { return !ReadBMP(NotAPicture, Width, Height, Format, Type); }},
    {"ReadImage", Nothing, "", [] { return !ReadImage(NotAPicture, Width, Height, Format, Type); }},
};

class Refusals : public test::WindowTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusals, SayWhy) {
    const RefusalCase& refusal = GetParam();
    if (refusal.Setup == Window) {
        ASSERT_TRUE(CreateFromSettings());
    }
    Recorder.Strings.erase(refusal.Setup == NoVersion ? GL_VERSION : 0);
    Recorder.LoadResult = std::string(refusal.Failing) != "LoadLibraries";
    if (std::string(refusal.Failing).starts_with("gl"))
        Recorder.FailingCalls = {refusal.Failing};
    else if (*refusal.Failing && Recorder.LoadResult)
        Platform.Fail(refusal.Failing);
    if (refusal.Setup == NoMemory)
        InjectAllocationFailures(1);
    ClearFailure();
    ASSERT_TRUE(refusal.Refused());
    EXPECT_NE(LastFailure(), "");
}

INSTANTIATE_TEST_SUITE_P(PublicApi, Refusals, ::testing::ValuesIn(Cases),
                         [](const auto& info) { return std::string(info.param.Name); });

// Before the first window no GL library is loaded: a GL call is the program's mistake.
TEST(GLBeforeTheWindow, SaysThatNoWindowAndContextExistYet) {
    try {
        glClearColor(0, 0, 0, 1);
        ADD_FAILURE() << "no failure";
    } catch (const std::runtime_error& error) {
        EXPECT_NE(std::string(error.what()).find("no window and OpenGL context exist yet"),
                  std::string::npos)
            << error.what();
    }
}

} // namespace
