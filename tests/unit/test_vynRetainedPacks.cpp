// Retained packs on the recording GL double: what the first draw records, what later draws
// replay, and when a recording is made again, dropped or given up for the plain draw.
#include "framework/core/vynFailure.h"
#include "framework/render/vynDrawLineU.h"
#include "framework/render/vynRetainedPacks.h"
#include "framework/window/vynWindowLoop.h"
#include "tests/support/vynWindowTestSupport.h"

#include <algorithm>
#include <functional>
#include <map>
#include <string>
#include <vector>

using namespace vyn;

namespace {

float Vertices[24] = {};
float TexCoords[16] = {};

TMyPackPA_VT RetainedPack() {
    TMyPackPA_VT pack = test::QuadPack(Vertices, TexCoords, 4);
    pack.DrawRoutine = DrawRetainedPackPA_VT;
    return pack;
}

std::vector<CallRecord> PlainCalls(const TMyPackPA_VT& pack) {
    return {Call("glTexCoordPointer", pack.TexCoordSize, pack.TexCoordType, pack.TexCoordStride,
                 pack.TexCoordPointer),
            Call("glVertexPointer", pack.VertexSize, pack.VertexType, pack.VertexStride,
                 pack.VertexPointer),
            Call("glDrawArrays", pack.Mode, pack.First, pack.Count)};
}

// The calls of a recording into `list` that works, without the replay.
std::vector<CallRecord> RecordingCalls(const TMyPackPA_VT& pack, GLuint list) {
    std::vector<CallRecord> calls = {Call("glGetError"), Call("glGenLists", 1),
                                     Call("glNewList", list, GL_COMPILE)};
    for (const CallRecord& call : PlainCalls(pack))
        calls.push_back(call);
    calls.insert(calls.end(), {Call("glEndList"), Call("glGetError")});
    return calls;
}

std::vector<CallRecord> Then(std::vector<CallRecord> calls, const std::vector<CallRecord>& more) {
    calls.insert(calls.end(), more.begin(), more.end());
    return calls;
}

// Each test draws in a context of its own, as a new process would: no list of an earlier test
// is replayed into it.
class RetainedPacks : public test::RecordedGLTest {
  protected:
    void SetUp() override {
        AdvanceGLContextGeneration();
        ClearFailure();
    }

    // Draws the pack once, then empties the log.
    void DrawOnce(TMyPackPA_VT& pack) {
        pack.DrawRoutine(&pack);
        Log.Clear();
    }

    // The calls logged, but for the query of the list being compiled that starts every draw.
    std::vector<CallRecord> Drawn() const {
        std::vector<CallRecord> calls;
        for (const CallRecord& call : Log.Calls())
            if (call.Name != "glGetIntegerv")
                calls.push_back(call);
        return calls;
    }
};

} // namespace

TEST_F(RetainedPacks, TheFirstDrawCompilesThePlainDrawIntoAListAndCallsIt) {
    TMyPackPA_VT pack = RetainedPack();
    pack.DrawRoutine(&pack);
    EXPECT_EQ(Drawn(), Then(RecordingCalls(pack, 1), {Call("glCallList", 1u)}));
    EXPECT_EQ(LastFailure(), "");
}

TEST_F(RetainedPacks, LaterDrawsReplayTheListWithOneCallEach) {
    TMyPackPA_VT pack = RetainedPack();
    DrawOnce(pack);
    pack.DrawRoutine(&pack);
    pack.DrawRoutine(&pack);
    EXPECT_EQ(Drawn(), (std::vector<CallRecord>{Call("glCallList", 1u), Call("glCallList", 1u)}));
}

TEST_F(RetainedPacks, EachPackHasAListOfItsOwn) {
    TMyPackPA_VT first = RetainedPack();
    TMyPackPA_VT second = RetainedPack();
    second.Count = 8;
    DrawOnce(first);
    DrawOnce(second);
    first.DrawRoutine(&first);
    second.DrawRoutine(&second);
    EXPECT_EQ(Drawn(), (std::vector<CallRecord>{Call("glCallList", 1u), Call("glCallList", 2u)}));
}

TEST_F(RetainedPacks, EveryFieldTheDrawReadsRecordsAgainWhenItChanges) {
    const std::vector<std::function<void(TMyPackPA_VT&)>> changes = {
        [](TMyPackPA_VT& p) { p.TexCoordSize = 3; },
        [](TMyPackPA_VT& p) { p.TexCoordType = GL_DOUBLE; },
        [](TMyPackPA_VT& p) { p.TexCoordStride = 8; },
        [](TMyPackPA_VT& p) { p.TexCoordPointer = TexCoords + 2; },
        [](TMyPackPA_VT& p) { p.VertexSize = 2; },
        [](TMyPackPA_VT& p) { p.VertexType = GL_INT; },
        [](TMyPackPA_VT& p) { p.VertexStride = 12; },
        [](TMyPackPA_VT& p) { p.VertexPointer = Vertices + 3; },
        [](TMyPackPA_VT& p) { p.Mode = GL_TRIANGLES; },
        [](TMyPackPA_VT& p) { p.First = 1; },
        [](TMyPackPA_VT& p) { p.Count = 0; },
    };
    for (size_t i = 0; i < changes.size(); ++i) {
        SCOPED_TRACE("change " + std::to_string(i));
        TMyPackPA_VT pack = RetainedPack();
        DrawOnce(pack);
        const GLuint old = Recorder.NextListName - 1;
        changes[i](pack);
        pack.DrawRoutine(&pack);
        EXPECT_EQ(Drawn(),
                  Then({Call("glDeleteLists", old, 1)},
                       Then(RecordingCalls(pack, old + 1), {Call("glCallList", old + 1)})));
        Log.Clear();
        pack.DrawRoutine(&pack);
        EXPECT_EQ(Drawn(), (std::vector<CallRecord>{Call("glCallList", old + 1)}));
        ForgetRetainedPack(&pack);
    }
}

// The same recorder serves a pack with normals: the list holds DrawPackPA_VTN's draw, and a
// change of its normals or colours records it again.
TEST_F(RetainedPacks, APackWithNormalsRecordsItsOwnDrawAndAgainWhenNormalsOrColoursChange) {
    float normals[12] = {};
    TMyPackPA_VTN pack = test::NormalsPack(Vertices, TexCoords, normals, 4);
    pack.DrawRoutine = DrawRetainedPackPA_VTN;
    pack.DrawRoutine(&pack);
    const std::vector<std::string> names = Log.Names();
    EXPECT_NE(std::find(std::find(names.begin(), names.end(), "glNewList"), names.end(),
                        "glNormalPointer"),
              names.end());
    const auto recordedAgain = [&](const char* change) {
        Log.Clear();
        pack.DrawRoutine(&pack);
        EXPECT_EQ(Log.Only({"glDeleteLists", "glGenLists"}).size(), 2u) << change;
    };
    pack.NormalPointer = normals + 3;
    recordedAgain("other normals");
    pack.ColorPointer = TexCoords;
    recordedAgain("colours");
    ForgetRetainedPack(&pack);
}

TEST_F(RetainedPacks, NameAndTagsChangeNothingThatIsDrawn) {
    TMyPackPA_VT pack = RetainedPack();
    DrawOnce(pack);
    pack.Name = "renamed";
    pack.TagA = 99;
    pack.TagB = 7;
    pack.DrawRoutine(&pack);
    EXPECT_EQ(Drawn(), (std::vector<CallRecord>{Call("glCallList", 1u)}));
}

TEST_F(RetainedPacks, AForgottenPackLosesItsListAndRecordsAgain) {
    TMyPackPA_VT pack = RetainedPack();
    DrawOnce(pack);
    ForgetRetainedPack(&pack);
    EXPECT_EQ(Drawn(), (std::vector<CallRecord>{Call("glDeleteLists", 1u, 1)}));
    Log.Clear();
    pack.DrawRoutine(&pack);
    EXPECT_EQ(Drawn(), Then(RecordingCalls(pack, 2), {Call("glCallList", 2u)}));
    Log.Clear();
    TMyPackPA_VT never = RetainedPack();
    ForgetRetainedPack(&never);
    EXPECT_TRUE(Drawn().empty());
}

TEST_F(RetainedPacks, AnotherContextRecordsAgainAndLeavesTheOldListsAlone) {
    TMyPackPA_VT pack = RetainedPack();
    DrawOnce(pack);
    AdvanceGLContextGeneration();
    ForgetRetainedPack(&pack); // its list died with the context: nothing to delete
    pack.DrawRoutine(&pack);
    EXPECT_EQ(Drawn(), Then(RecordingCalls(pack, 2), {Call("glCallList", 2u)}));
}

// The program's glGetError answers after a pack's first draw what it would have without the
// recording: the errors the program left pending, none of the recording's own.
TEST_F(RetainedPacks, TheProgramSeesItsOwnGLErrorsAfterARecording) {
    struct Case {
        const char* What;
        std::map<std::string, GLenum> Raised; // by the program's glClear, or by the recording
        std::vector<GLenum> Seen;
    };
    const std::vector<Case> cases = {
        {"an error left pending", {{"glClear", GL_INVALID_ENUM}}, {GL_INVALID_ENUM}},
        {"two of the recording's own",
         {{"glNewList", GL_INVALID_VALUE}, {"glEndList", GL_OUT_OF_MEMORY}},
         {}},
        {"one of each",
         {{"glClear", GL_INVALID_ENUM}, {"glEndList", GL_OUT_OF_MEMORY}},
         {GL_INVALID_ENUM}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.What);
        Recorder.RaisedErrors = test.Raised;
        glClear(0);
        TMyPackPA_VT pack = RetainedPack();
        pack.DrawRoutine(&pack);
        std::vector<GLenum> seen;
        for (GLenum error = glGetError(); error != GL_NO_ERROR && seen.size() < 8;
             error = glGetError())
            seen.push_back(error);
        EXPECT_EQ(seen, test.Seen);
        ForgetRetainedPack(&pack);
    }
}

TEST_F(RetainedPacks, InsideTheProgramsOwnListThePackIsDrawnPlainlyAndNothingIsRecorded) {
    Recorder.Integers[GL_LIST_INDEX] = {7};
    TMyPackPA_VT pack = RetainedPack();
    pack.DrawRoutine(&pack);
    const std::vector<CallRecord> queries = Log.Only({"glGetIntegerv"});
    ASSERT_EQ(queries.size(), 1u);
    EXPECT_EQ(queries[0].Args[0], CallArg{static_cast<long long>(GL_LIST_INDEX)});
    EXPECT_EQ(Drawn(), PlainCalls(pack));

    Recorder.Integers[GL_LIST_INDEX] = {0};
    Log.Clear();
    pack.DrawRoutine(&pack);
    EXPECT_EQ(Drawn(), Then(RecordingCalls(pack, 1), {Call("glCallList", 1u)}));
}

TEST_F(RetainedPacks, ADriverOutOfMemoryLeavesThePackToThePlainDrawAndSaysSoOnce) {
    Recorder.RaisedErrors["glEndList"] = GL_OUT_OF_MEMORY;
    TMyPackPA_VT pack = RetainedPack();
    pack.Name = "mesh";
    pack.DrawRoutine(&pack);
    EXPECT_EQ(Drawn(), Then(Then(RecordingCalls(pack, 1),
                                 {Call("glGetError"), Call("glDeleteLists", 1u, 1)}),
                            PlainCalls(pack)));
    EXPECT_EQ(LastFailure(), "retained pack \"mesh\" is drawn from its arrays, as recording it "
                             "failed: the driver is out of memory");

    ClearFailure();
    Log.Clear();
    pack.DrawRoutine(&pack);
    pack.DrawRoutine(&pack);
    EXPECT_EQ(Drawn(), Then(PlainCalls(pack), PlainCalls(pack)));
    EXPECT_EQ(LastFailure(), "") << "said again";
}

TEST_F(RetainedPacks, ADriverWithoutListsLeavesThePackToThePlainDrawUntilItChanges) {
    Recorder.NextListName = 0; // glGenLists answers 0: no list to be had
    TMyPackPA_VT pack = RetainedPack();
    pack.DrawRoutine(&pack);
    EXPECT_EQ(Drawn(), Then({Call("glGetError"), Call("glGenLists", 1), Call("glGetError")},
                            PlainCalls(pack)));
    EXPECT_NE(LastFailure().find("glGenLists gave no list"), std::string::npos) << LastFailure();

    // A changed pack is tried again; with lists to be had it is retained.
    Recorder.NextListName = 5;
    pack.Count = 8;
    Log.Clear();
    pack.DrawRoutine(&pack);
    EXPECT_EQ(Drawn(), Then(RecordingCalls(pack, 5), {Call("glCallList", 5u)}));
}

TEST_F(RetainedPacks, AMissingEntryPointLeavesThePackToThePlainDraw) {
    Recorder.FailingCalls.insert("glGenLists");
    TMyPackPA_VT pack = RetainedPack();
    pack.DrawRoutine(&pack);
    EXPECT_EQ(Drawn(), Then({Call("glGetError")}, PlainCalls(pack)));
    EXPECT_NE(LastFailure().find("glGenLists failed"), std::string::npos) << LastFailure();
}

// The window module itself: a recreated context gets its recordings made again.
class RetainedPacksInTheWindow : public test::WindowTest {};

TEST_F(RetainedPacksInTheWindow, ARecreatedContextRecordsThePackAgain) {
    TMyPackPA_VT pack = RetainedPack();
    CreateWindowFromSettings();
    TMyGLMaterial* material = CurrentRenderList->AddMaterial(1);
    ASSERT_NE(material, nullptr);
    ASSERT_TRUE(material->AddPack(&pack));
    const auto called = [this](const char* name) {
        const std::vector<std::string> names = Log.Names();
        return std::count(names.begin(), names.end(), name);
    };

    ASSERT_TRUE(DrawFrame());
    ASSERT_TRUE(DrawFrame());
    EXPECT_EQ(called("glGenLists"), 1);
    ASSERT_TRUE(CreateFromSettings()); // tears the first window and context down
    Log.Clear();
    ASSERT_TRUE(DrawFrame());
    EXPECT_EQ(called("glGenLists"), 1);
    EXPECT_EQ(called("glDeleteLists"), 0) << "a list of the old context was deleted in the new one";
    ForgetRetainedPack(&pack);
}
