#include "vynWindowTestSupport.h"

#include "framework/input/vynKeyBoardU.h"
#include "framework/input/vynMouseU.h"
#include "framework/render/vynDrawLineU.h"

#include <algorithm>

namespace vyn::test {

void WindowTest::SetUp() {
    RestoreStartValues();
    Recorder.Strings = {{GL_VENDOR, "Vendor"},
                        {GL_RENDERER, "Renderer"},
                        {GL_VERSION, "1.5.0"},
                        {GL_EXTENSIONS, "GL_ARB_multitexture"}};
    Recorder.Integers[GL_MAX_NAME_STACK_DEPTH] = {64};
    CreateGlobals();
}

void WindowTest::TearDown() {
    if (Framework.TimerRunning)
        SetFpsTimer(false);
    if (Framework.ContextReady)
        ReleaseWindowAndContext();
    DestroyKeyboards();
    DestroyMice();
    DestroyRenderLists();
    RestoreStartValues();
}

void WindowTest::CreateWindowFromSettings() {
    ASSERT_TRUE(CreateFromSettings());
    Log.Clear();
}

std::vector<CallRecord> WindowTest::CallsFrom(const std::string& name) const {
    std::vector<CallRecord> calls = Log.Calls();
    auto first = std::find_if(calls.begin(), calls.end(),
                              [&](const CallRecord& call) { return call.Name == name; });
    return std::vector<CallRecord>(first, calls.end());
}

} // namespace vyn::test
