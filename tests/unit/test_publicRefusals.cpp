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

#include <cctype>
#include <functional>
#include <stdexcept>
#include <string>

using namespace vyn;

namespace {

struct Doubles {
    FakePlatform& Platform;
    RecordingGL& Recorder;
};

struct RefusalCase {
    const char* Name;
    std::function<void(Doubles)> Prepare;
    std::function<bool()> Refused; // makes the call; true when it refused
};

void PrintTo(const RefusalCase& refusal, std::ostream* out) {
    *out << refusal.Name;
}

void Nothing(Doubles) {}
std::function<void(Doubles)> Failing(const char* call, bool window = false) {
    return [=](Doubles doubles) {
        if (window && !CreateFromSettings())
            throw std::logic_error("no window: " + LastFailure());
        doubles.Platform.Fail(call);
    };
}
std::function<void(Doubles)> FailingGL(const char* call, bool window = false) {
    return [=](Doubles doubles) {
        if (window && !CreateFromSettings())
            throw std::logic_error("no window: " + LastFailure());
        doubles.Recorder.FailingCalls = {call};
    };
}
void AllocationFails(Doubles) {
    InjectAllocationFailures(1);
}
const std::string NotAPicture = (test::TestDataDir() / "bmpsuite" / "README.md").string();

const RefusalCase Cases[] = {
    {"CreateFromSettings", Failing("CreateWindowExA"), [] { return !CreateFromSettings(); }},
    {"CreateWindowAndContext", Failing("wglCreateContext"),
     [] { return !CreateWindowAndContext(0, 0, 400, 300, 32, 0, false, false); }},
    {"LoadGLLibraries", [](Doubles d) { d.Recorder.LoadResult = false; },
     [] { return !LoadGLLibraries(); }},
    {"RegisterWindowClass", Failing("RegisterClassExA"), [] { return !RegisterWindowClass(); }},
    {"CreateMainWindow", Failing("CreateWindowExA"),
     [] { return !CreateMainWindow(0, 0, 9, 9, 32, 0, false, false); }},
    {"SetupPixelFormat", Failing("ChoosePixelFormat", true),
     [] { return !SetupPixelFormat(Framework.DeviceContext); }},
    {"CreateRenderingContext", Failing("wglCreateContext", true),
     [] {
         HGLRC context = nullptr;
         return !CreateRenderingContext(Framework.DeviceContext, context);
     }},
    {"ReleaseRenderingContext", Failing("wglMakeCurrent", true),
     [] { return !ReleaseRenderingContext(Framework.DeviceContext, Framework.RenderingContext); }},
    {"InitContext", [](Doubles d) { d.Recorder.Strings[GL_VERSION] = "0.9"; },
     [] { return !InitContext(); }},
    {"ReadGLStrings", [](Doubles d) { d.Recorder.Strings.erase(GL_VERSION); },
     [] { return !ReadGLStrings(); }},
    {"ReleaseWindowAndContext", Nothing, [] { return !ReleaseWindowAndContext(); }},
    {"RunMainLoop", Nothing, [] { return !RunMainLoop(); }},
    {"DrawFrame", FailingGL("glClear", true), [] { return !DrawFrame(); }},
    {"SetFpsTimer", Failing("timeSetEvent", true), [] { return !SetFpsTimer(true); }},
    {"SetCaption", Failing("SetWindowTextA", true), [] { return !SetCaption("x"); }},
    {"SetSwapInterval", Failing("wglSwapIntervalEXT", true), [] { return !SetSwapInterval(1); }},
    {"SetSwapInterval, no window", Nothing, [] { return !SetSwapInterval(1); }},
    {"SetFrameRateLimit", Nothing, [] { return !SetFrameRateLimit(-1); }},
    {"ChangeDisplayMode", Failing("ChangeDisplaySettingsA"),
     [] { return !ChangeDisplayMode(640, 480, 32, 60); }},
    {"FillBuffer", Nothing, [] { return !FillBuffer(nullptr, 4); }},
    {"AllocZeroed", Nothing,
     [] {
         void* block = nullptr;
         return !AllocZeroed(block, -1);
     }},
    {"SetHandler", Nothing,
     [] { return !CurrentKeyboard->SetHandler(256, KeyDownTable, IdleNothing); }},
    {"keyboard Fire", Nothing, [] { return !CurrentKeyboard->Fire('Q', KeyDownTable); }},
    {"SetKeyState", Nothing, [] { return !CurrentKeyboard->SetKeyState(-1, true); }},
    {"CreateKeyboards", AllocationFails, [] { return !CreateKeyboards(); }},
    {"mouse Fire", Nothing, [] { return !CurrentMouse->Fire(MouseMoveSlot); }},
    {"CreateMice", AllocationFails, [] { return !CreateMice(); }},
    {"CreateRenderLists", AllocationFails, [] { return !CreateRenderLists(); }},
    {"AddMaterial", Nothing, [] { return CurrentRenderList->AddMaterial(2) == nullptr; }},
    {"AddPack", Nothing, [] { return !CurrentRenderList->AddMaterial(1)->AddPack(nullptr); }},
    {"SetCapacity", AllocationFails, [] { return !CurrentRenderList->SetCapacity(1000); }},
    {"EnableDrawArrays", FailingGL("glEnableClientState"), [] { return !EnableDrawArrays(); }},
    {"SetupGLState", FailingGL("glEnable"), [] { return !SetupGLState(); }},
    {"ShutdownGLState", FailingGL("glClear"), [] { return !ShutdownGLState(); }},
    {"RescaleImage", [](Doubles) { SetDefaultTextureSettings(); },
     [] {
         std::vector<uint8_t> pixels(12 * 4);
         GLint width = 3, height = 4;
         return !RescaleImage(pixels, width, height, GL_RGB, GL_UNSIGNED_BYTE);
     }},
    {"ReadBMP", Nothing,
     [] {
         GLint width = 0, height = 0;
         GLenum format = 0, type = 0;
         return !ReadBMP(NotAPicture, width, height, format, type);
     }},
    {"ReadImage", Nothing,
     [] {
         GLint width = 0, height = 0;
         GLenum format = 0, type = 0;
         return !ReadImage(NotAPicture, width, height, format, type);
     }},
};

class Refusals : public test::WindowTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(Refusals, SayWhy) {
    GetParam().Prepare({Platform, Recorder});
    ClearFailure();
    ASSERT_TRUE(GetParam().Refused());
    EXPECT_NE(LastFailure(), "");
}

INSTANTIATE_TEST_SUITE_P(PublicApi, Refusals, ::testing::ValuesIn(Cases), [](const auto& info) {
    std::string name = info.param.Name;
    std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
    return name;
});

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
