// A plain context (Framework.PlainContext): OpenGL left at its defaults by creation, by frames and
// by resizes, except for what a material or pack of the program asks for its own draw.
#include "framework/render/vynDrawLineU.h"
#include "tests/support/vynTestSupport.h"
#include "tests/support/vynWindowTestSupport.h"

#include <set>
#include <string>
#include <vector>

using namespace vyn;
using vyn::test::WindowTest;

namespace {

class PlainContext : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        Framework.PlainContext = true;
    }
};

// The GL state switched on or off by enables and binds, replayed from the log call by call:
// "cap:N" for capabilities, "array:N" for client arrays, "texture" while one is bound.
struct ReplayedState {
    std::set<std::string> On;

    void Apply(const CallRecord& call) {
        const auto first = [&call] { return std::to_string(std::get<long long>(call.Args[0])); };
        if (call.Name == "glEnable")
            On.insert("cap:" + first());
        else if (call.Name == "glDisable")
            On.erase("cap:" + first());
        else if (call.Name == "glEnableClientState")
            On.insert("array:" + first());
        else if (call.Name == "glDisableClientState")
            On.erase("array:" + first());
        else if (call.Name == "glBindTexture" && std::get<long long>(call.Args[1]) != 0)
            On.insert("texture");
        else if (call.Name == "glBindTexture")
            On.erase("texture");
    }
};

std::string Cap(GLenum cap) {
    return "cap:" + std::to_string(cap);
}
std::string Array(GLenum array) {
    return "array:" + std::to_string(array);
}

const float Vertices[] = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0};
const float TexCoords[] = {0, 0, 1, 0, 1, 1, 0, 1};
const float Normals[] = {0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1};

} // namespace

TEST_F(PlainContext, CreationOnlyAsksTheDriverAndSetsUpSelection) {
    Framework.NeutralLighting = true; // means nothing here: no lighting of any kind is set
    ASSERT_TRUE(CreateFromSettings());
    std::vector<std::string> glCalls;
    for (const CallRecord& call : Log.Calls())
        if (call.Name.rfind("gl", 0) == 0)
            glCalls.push_back(call.Name);
    EXPECT_EQ(glCalls, (std::vector<std::string>{"glGetIntegerv", "glSelectBuffer", "glGetString",
                                                 "glGetString", "glGetString", "glGetString"}));
}

TEST_F(PlainContext, AResizeSetsTheViewportAloneBeforeTheProgramsRoutine) {
    CreateWindowFromSettings();
    static std::vector<std::string>* seen;
    std::vector<std::string> names;
    seen = &names;
    ResizeRoutine = [](int32_t, int32_t) { seen->push_back("ResizeRoutine"); };
    MainWindowProc(Framework.WindowHandle, WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 480));
    EXPECT_EQ(Log.Only({"glViewport", "glMatrixMode", "glLoadIdentity", "gluPerspective"}),
              std::vector<CallRecord>{Call("glViewport", 0, 0, 640, 480)});
    EXPECT_EQ(names, std::vector<std::string>{"ResizeRoutine"});
}

// An untextured material with a textured pack, then a textured one with a lit pack: each draw has
// what it asks for on, and the frame leaves nothing on behind it.
TEST_F(PlainContext, AFrameSwitchesOnWhatEachDrawAsksAndLeavesNothingOn) {
    CreateWindowFromSettings();
    TMyPackPA_VT flat = test::QuadPack(Vertices, TexCoords, 4);
    TMyPackPA_VTN lit = test::NormalsPack(Vertices, nullptr, Normals, 4);
    TMyGLMaterial* untextured = CurrentRenderList->AddMaterial(1);
    TMyGLMaterial* textured = CurrentRenderList->AddMaterial(1);
    ASSERT_TRUE(untextured && textured);
    textured->Texture = 7;
    ASSERT_TRUE(untextured->AddPack(&flat) && textured->AddPack(&lit));

    ASSERT_TRUE(DrawFrame());
    ReplayedState state;
    std::vector<std::set<std::string>> atDraws;
    for (const CallRecord& call : Log.Calls()) {
        state.Apply(call);
        if (call.Name == "glDrawArrays")
            atDraws.push_back(state.On);
    }
    ASSERT_EQ(atDraws.size(), 2u);
    EXPECT_EQ(atDraws[0],
              (std::set<std::string>{Array(GL_VERTEX_ARRAY), Array(GL_TEXTURE_COORD_ARRAY)}));
    EXPECT_EQ(atDraws[1], (std::set<std::string>{Cap(GL_TEXTURE_2D), "texture",
                                                 Array(GL_VERTEX_ARRAY), Array(GL_NORMAL_ARRAY)}));
    EXPECT_EQ(state.On, std::set<std::string>{}) << "left on after the frame";
    EXPECT_EQ(Log.Only({"glBindTexture"})[0], Call("glBindTexture", GL_TEXTURE_2D, 7u));
}
