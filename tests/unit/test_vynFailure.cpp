// Why an operation failed: the reason each failing step of the window's lifecycle records, that a
// lower level's specific reason wins over a step's general one, that what a failed creation
// releases afterwards cannot hide why it failed, and the reasons of the smaller operations.
#include "framework/core/vynAllocation.h"
#include "framework/core/vynFailure.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/input/vynMouseU.h"
#include "framework/render/vynDrawLineU.h"
#include "framework/window/vynHelpersU.h"
#include "tests/support/vynWindowTestSupport.h"

#include <gmock/gmock.h>

#include <stdexcept>
#include <thread>

using namespace vyn;
using ::testing::HasSubstr;
using vyn::test::WindowTest;

namespace {

TEST(FailureReason, AMarkKeepsTheSpecificReasonRecordedSinceItAndOnlyThat) {
    RecordFailure("an old failure");
    const TFailureMark mark;
    EXPECT_FALSE(mark.Explained()) << "what was recorded before the mark explains nothing";
    EXPECT_FALSE(mark.Fail("the step failed"));
    EXPECT_EQ(LastFailure(), "the step failed");

    const TFailureMark outer;
    Fail("the backend's words");
    EXPECT_FALSE(outer.Fail("the step failed"));
    EXPECT_EQ(LastFailure(), "the backend's words");
}

TEST(FailureReason, ExceptionsBecomeReasonsAndEachThreadHasItsOwn) {
    try {
        throw std::runtime_error("file.bmp: truncated");
    } catch (...) {
        EXPECT_FALSE(FailFromException("loading"));
    }
    EXPECT_EQ(LastFailure(), "loading: file.bmp: truncated");
    try {
        throw 7;
    } catch (...) {
        EXPECT_EQ(ReasonOfCurrentException(), "unknown failure");
    }
    std::thread([] {
        EXPECT_EQ(LastFailure(), "");
        Fail("on another thread");
    }).join();
    EXPECT_EQ(LastFailure(), "loading: file.bmp: truncated");
    ClearFailure();
    EXPECT_EQ(LastFailure(), "");
}

class CreationFailure : public WindowTest {
  protected:
    std::string ReasonOfFailedCreation() {
        ClearFailure();
        EXPECT_FALSE(CreateFromSettings());
        return LastFailure();
    }
};

struct FailingCall {
    const char* Call;
    const char* Reason;
};

class EachStep : public CreationFailure, public ::testing::WithParamInterface<FailingCall> {};

TEST_P(EachStep, RecordsItsOwnReason) {
    Platform.Fail(GetParam().Call);
    // The release after the failure meets failures of its own; they must not hide the cause.
    Platform.Fail("DestroyWindow");
    EXPECT_EQ(ReasonOfFailedCreation(), GetParam().Reason);
}

INSTANTIATE_TEST_SUITE_P(
    Lifecycle, EachStep,
    ::testing::Values(FailingCall{"RegisterClassExA",
                                  "RegisterClassExA failed for the window class vynSingleWindow"},
                      FailingCall{"CreateWindowExA", "CreateWindowExA failed"},
                      FailingCall{"GetDC", "GetDC gave no device context for the window"},
                      FailingCall{
                          "ChoosePixelFormat",
                          "no pixel format with 32 colour bits, 32 depth bits and 32 stencil bits"},
                      FailingCall{"wglCreateContext", "wglCreateContext failed"},
                      FailingCall{"wglMakeCurrent", "wglMakeCurrent failed"}));

TEST_F(CreationFailure, SetPixelFormatNamesTheFormatItWasGiven) {
    Platform.Fail("SetPixelFormat");
    EXPECT_THAT(ReasonOfFailedCreation(), HasSubstr("SetPixelFormat failed for pixel format "));
}

TEST_F(CreationFailure, TheLibraryThatCannotBeLoadedIsNamed) {
    Recorder.LoadResult = false;
    EXPECT_EQ(ReasonOfFailedCreation(),
              "cannot load the OpenGL library " + std::string(DefaultGLLibraryName()));
}

TEST_F(CreationFailure, AnOldDriverIsNamedWithItsVersion) {
    Recorder.Strings[GL_VERSION] = "0.9";
    EXPECT_EQ(ReasonOfFailedCreation(), "OpenGL 0.9 is below 1.0");
    Recorder.Strings.erase(GL_VERSION);
    EXPECT_EQ(ReasonOfFailedCreation(), "the driver reports no OpenGL version");
}

TEST_F(CreationFailure, AClassLeftRegisteredIsNamed) {
    Framework.WindowName = "vynLeftOver";
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.lpszClassName = "vynLeftOver";
    ASSERT_NE(RegisterClassExA(&windowClass), 0);
    EXPECT_EQ(ReasonOfFailedCreation(),
              "RegisterClassExA failed: the window class vynLeftOver is already registered");
    UnregisterClassA("vynLeftOver", nullptr);
}

TEST_F(CreationFailure, AFailingGLCallDuringInitialisationIsNamed) {
    Recorder.FailingCalls = {"glSelectBuffer"};
    EXPECT_EQ(ReasonOfFailedCreation(), "initialising the OpenGL context failed: glSelectBuffer "
                                        "failed (injected by the test)");
}

TEST_F(CreationFailure, TeardownFailuresAreNamed) {
    ClearFailure();
    EXPECT_FALSE(ReleaseWindowAndContext());
    EXPECT_EQ(LastFailure(), "ReleaseWindowAndContext: no window and context are ready");
    CreateWindowFromSettings();
    Platform.Fail("DestroyWindow");
    EXPECT_FALSE(ReleaseWindowAndContext());
    EXPECT_EQ(LastFailure(), "DestroyWindow failed: the window and its record stay");
    EXPECT_FALSE(CreateFromSettings());
    EXPECT_EQ(LastFailure(), "DestroyWindow failed: the window and its record stay");
    Platform.Succeed("DestroyWindow");
}

TEST_F(CreationFailure, TheLoopTheTimerAndTheCaptionSayWhy) {
    CreateWindowFromSettings();
    Platform.Fail("timeSetEvent");
    EXPECT_FALSE(SetFpsTimer(true));
    EXPECT_EQ(LastFailure(), "timeSetEvent failed: no caption timer");
    Platform.Fail("SetWindowTextA");
    EXPECT_FALSE(SetCaption("x"));
    EXPECT_EQ(LastFailure(), "SetWindowTextA failed");
    Recorder.FailingCalls = {"glClear"};
    EXPECT_FALSE(DrawFrame());
    EXPECT_EQ(LastFailure(), "DrawFrame: glClear failed (injected by the test)");
}

TEST(SmallerOperations, InputRenderAndHelpersSayWhy) {
    CreateKeyboards();
    CreateMice();
    EXPECT_FALSE(CurrentKeyboard->SetHandler(300, KeyDownTable, [] {}));
    EXPECT_THAT(LastFailure(), HasSubstr("keys are 0 to 255"));
    EXPECT_FALSE(CurrentKeyboard->Fire(65, KeyDownTable));
    EXPECT_EQ(LastFailure(), "Fire: no handler is armed for that key");
    CurrentKeyboard->SetHandler(65, KeyDownTable, [] { throw std::runtime_error("boom"); });
    EXPECT_FALSE(CurrentKeyboard->Fire(65, KeyDownTable));
    EXPECT_EQ(LastFailure(), "a handler failed: boom");
    EXPECT_FALSE(CurrentMouse->Fire(MouseMoveSlot));
    EXPECT_EQ(LastFailure(), "Fire: no handler is armed in that slot");
    DestroyMice();
    DestroyKeyboards();

    TMyDrawLine list;
    EXPECT_EQ(list.AddMaterial(2), nullptr);
    EXPECT_EQ(LastFailure(), "AddMaterial: a render list makes materials of kind 1 only, not 2");
    for (int i = 0; i < 32; ++i)
        ASSERT_NE(list.AddMaterial(1), nullptr);
    InjectAllocationFailures(1);
    EXPECT_EQ(list.AddMaterial(1), nullptr) << "the 33rd needs room for 64";
    EXPECT_EQ(LastFailure(), "cannot resize a list's storage: out of memory");
    EXPECT_FALSE(list.AddMaterial(1)->AddPack(nullptr));
    EXPECT_EQ(LastFailure(), "AddPack: no pack given");

    void* block = nullptr;
    EXPECT_FALSE(AllocZeroed(block, -1));
    EXPECT_EQ(LastFailure(), "AllocZeroed: a negative byte count, -1");
}

} // namespace
