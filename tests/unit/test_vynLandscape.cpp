#include "app/vynLandscape.h"
#include "framework/core/vynAllocation.h"
#include "framework/input/vynKeyBoardU.h"
#include "framework/input/vynMouseU.h"
#include "framework/render/vynRetainedPacks.h"
#include "tests/support/vynWindowTestSupport.h"
#include "tools/vynLandscapeFiles.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

using namespace vyn;
using vyn::test::TempDir;
using vyn::test::WindowTest;

namespace {

void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// A demo folder with `quads` quads and a 4 × 4 ground picture; the test runs inside it.
class Demo : public WindowTest {
  protected:
    void SetUp() override {
        WindowTest::SetUp();
        DestroyKeyboards(); // the demo makes its own globals
        DestroyMice();
        DestroyRenderLists();
        Previous = std::filesystem::current_path();
        std::filesystem::current_path(Folder.Path());
        WriteMesh(2);
        GroundPicture picture{4, 4, std::vector<uint8_t>(4 * 4 * 3, 200)};
        WriteBytes(Folder / "Ground.bmp", EncodeBmp(picture));
    }
    void TearDown() override {
        std::filesystem::current_path(Previous);
        VertexFile.reset();
        TexCoordFile.reset();
        LandscapePack.reset();
        WindowTest::TearDown();
    }
    void WriteMesh(int quads, int32_t vertexCount = -1, int32_t texCoordCount = -1) {
        const int32_t vertices = quads * 4;
        WriteBytes(Folder / "pv.cppa2",
                   EncodeArrayFile(3, vertexCount < 0 ? vertices : vertexCount,
                                   std::vector<float>(static_cast<size_t>(vertices) * 3, -2.0f)));
        WriteBytes(Folder / "pt.cppa2",
                   EncodeArrayFile(2, texCoordCount < 0 ? vertices : texCoordCount,
                                   std::vector<float>(static_cast<size_t>(vertices) * 2, 0.5f)));
    }
    std::string FailureOf(void (*step)()) {
        try {
            step();
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "no failure";
    }

    TempDir Folder;
    std::filesystem::path Previous;
};

} // namespace

TEST_F(Demo, RunsFromStartToCloseTiltingOnTheArrowKeys) {
    int frames = 0;
    Platform.On("SwapBuffers", [&] {
        if (++frames == 3) {
            Platform.KeyDown(VK_LEFT);
            Platform.KeyDown(VK_LEFT, true);
            Platform.KeyUp(VK_LEFT);
            Platform.KeyDown(VK_RIGHT);
            Platform.KeyDown('A');
        }
        if (frames == 6)
            Platform.Close();
    });
    LandscapeMain();

    EXPECT_EQ(Log.Only({"glRotatef"}), (std::vector<CallRecord>{
                                           Call("glRotatef", -1.5f, 1.0f, 0.0f, 0.0f),
                                           Call("glRotatef", -1.5f, 1.0f, 0.0f, 0.0f),
                                           Call("glRotatef", 1.5f, 1.0f, 0.0f, 0.0f),
                                       }));
    auto draws = Log.Only({"glDrawArrays"});
    ASSERT_GE(draws.size(), 3u);
    EXPECT_EQ(draws[0], Call("glDrawArrays", GL_QUADS, 0, 8));
    EXPECT_TRUE(Log.Only({"glNewList", "glCallList"}).empty()) << "retained without being asked";
    // Every frame binds the texture the ground picture became.
    auto binds = Log.Only({"glBindTexture"});
    ASSERT_FALSE(binds.empty());
    EXPECT_EQ(binds.back(), Call("glBindTexture", GL_TEXTURE_2D, 1u));
    EXPECT_TRUE(Platform.MessageBoxes.empty());
    EXPECT_FALSE(Framework.ContextReady) << "the loop's end released the window";
    EXPECT_TRUE(Framework.TimerRunning) << "the caption timer runs until the process ends";
}

TEST_F(Demo, RetainedItRecordsTheMeshOnceAndReplaysItInEveryFrame) {
    int frames = 0;
    Platform.On("SwapBuffers", [&] {
        if (++frames == 4)
            Platform.Close();
    });
    LandscapeMain(LandscapeOptions{.Retained = true});
    EXPECT_EQ(LandscapePack->DrawRoutine, &DrawRetainedPackPA_VT);
    EXPECT_EQ(Log.Only({"glDrawArrays"}),
              (std::vector<CallRecord>{Call("glDrawArrays", GL_QUADS, 0, 8)}));
    EXPECT_EQ(Log.Only({"glNewList"}).size(), 1u);
    // From the recording on, every presented frame replays the list once.
    const std::vector<CallRecord> calls = Log.Only({"glNewList", "glCallList", "SwapBuffers"});
    auto call = std::find_if(calls.begin(), calls.end(),
                             [](const CallRecord& c) { return c.Name == "glNewList"; });
    ASSERT_NE(call, calls.end());
    int replays = 0, presented = 0;
    for (++call; call != calls.end(); ++call) {
        if (call->Name == "glCallList") {
            ++replays;
            continue;
        }
        ++presented;
        EXPECT_EQ(replays, 1) << "frame " << presented;
        replays = 0;
    }
    EXPECT_GE(presented, 3);
    ForgetRetainedPack(LandscapePack.get());
}

TEST(LandscapeArguments, NoneOrRetainedAreTakenAnythingElseIsRefusedInOneLine) {
    const char* none[] = {"landscape"};
    EXPECT_FALSE(ParseLandscapeArguments(1, none).Retained);
    const char* retained[] = {"landscape", "--retained"};
    EXPECT_TRUE(ParseLandscapeArguments(2, retained).Retained);
    const std::vector<std::vector<const char*>> refused = {
        {"landscape", "--fast"},
        {"landscape", "retained"},
        {"landscape", ""},
        {"landscape", "--retained", "x"},
        {"landscape", "--retained", "--retained"}};
    for (const auto& argv : refused) {
        const std::string last = argv.back();
        try {
            ParseLandscapeArguments(static_cast<int>(argv.size()), argv.data());
            ADD_FAILURE() << "took " << last;
        } catch (const std::invalid_argument& error) {
            const std::string text = error.what();
            EXPECT_NE(text.find("\"" + last + "\""), std::string::npos) << text;
            EXPECT_NE(text.find(LandscapeUsage), std::string::npos) << text;
            EXPECT_EQ(text.find('\n'), std::string::npos) << text;
        }
    }
}

TEST_F(Demo, ThePackCarriesTheTabledValues) {
    LoadLandscapeMesh();
    TMyPackPA_VT pack;
    FillLandscapePack(pack);
    EXPECT_EQ(pack.DrawRoutine, &DrawPackPA_VT);
    EXPECT_EQ(pack.Name, "Ландшафт");
    EXPECT_EQ(pack.TagA, 99);
    EXPECT_EQ(pack.TagB, 0);
    EXPECT_EQ(pack.TexCoordSize, 2);
    EXPECT_EQ(pack.TexCoordType, GL_FLOAT);
    EXPECT_EQ(pack.TexCoordStride, 0);
    EXPECT_EQ(pack.TexCoordPointer, TexCoordFile->Data());
    EXPECT_EQ(pack.VertexSize, 3);
    EXPECT_EQ(pack.VertexType, GL_FLOAT);
    EXPECT_EQ(pack.VertexStride, 0);
    EXPECT_EQ(pack.VertexPointer, VertexFile->Data());
    EXPECT_EQ(pack.Mode, GL_QUADS);
    EXPECT_EQ(pack.First, 0);
    EXPECT_EQ(pack.Count, 8);
}

TEST_F(Demo, AMaterialThatCannotTakeThePackTellsTheUser) {
    LandscapePack = std::make_unique<TMyPackPA_VT>();
    TMyGLMaterial material(1);
    std::vector<TMyPackPA_VT> filler(32);
    for (TMyPackPA_VT& pack : filler)
        material.AddPack(&pack);
    InjectAllocationFailures(1);
    AddLandscapePack(material);
    ASSERT_EQ(Platform.MessageBoxes.size(), 1u);
    EXPECT_EQ(Platform.MessageBoxes[0].Text, "Не удалось добавить риовальную упаковку");
    EXPECT_EQ(Platform.MessageBoxes[0].Caption, "Message");
    EXPECT_EQ(material.Packs.Count, 32u);
}

TEST_F(Demo, MeshFilesThatCannotBeDrawnAreRefusedNamingTheFile) {
    WriteMesh(2, 9); // pv.cppa2 claims more vertices than it holds
    EXPECT_NE(FailureOf(LoadLandscapeMesh).find("pv.cppa2"), std::string::npos);
    WriteMesh(2, 8, 8);
    WriteBytes(Folder / "pt.cppa2", EncodeArrayFile(2, 4, std::vector<float>(10, 0.5f)));
    EXPECT_NE(FailureOf(LoadLandscapeMesh).find("pt.cppa2"), std::string::npos);
    WriteBytes(Folder / "pv.cppa2", EncodeArrayFile(3, -4, std::vector<float>(24, 1.0f)));
    EXPECT_NE(FailureOf(LoadLandscapeMesh).find("negative"), std::string::npos);
    std::filesystem::remove(Folder / "pt.cppa2");
    WriteMesh(0);
    std::filesystem::remove(Folder / "pv.cppa2");
    EXPECT_NE(FailureOf(LoadLandscapeMesh).find("pv.cppa2"), std::string::npos);
}

// Only pv.cppa2's count is drawn: pt.cppa2 must cover it, whatever count its own header gives.
TEST_F(Demo, TheTexCoordFilesOwnCountIsTakenAsRead) {
    for (int32_t count : {9, 0, -4, 1000}) {
        WriteBytes(Folder / "pt.cppa2", EncodeArrayFile(2, count, std::vector<float>(16, 0.5f)));
        EXPECT_EQ(FailureOf(LoadLandscapeMesh), "no failure") << count;
        EXPECT_EQ(VertexFile->Count(), 8);
    }
}

TEST_F(Demo, NoWindowMeansNoDemo) {
    Platform.Fail("CreateWindowExA");
    EXPECT_NE(FailureOf(LandscapeMain).find("window"), std::string::npos);
    EXPECT_TRUE(Log.Only({"glDrawArrays"}).empty());
}

TEST_F(Demo, ABadGroundPictureReleasesTheWindowItWasMadeFor) {
    WriteBytes(Folder / "Ground.bmp", {'B', 'M', 1, 2, 3});
    EXPECT_NE(FailureOf(LandscapeMain).find("Ground.bmp"), std::string::npos);
    EXPECT_FALSE(Framework.ContextReady);
    EXPECT_TRUE(Platform.Windows().Windows().empty());
}

TEST_F(Demo, APictureWithoutTheSignatureGivesNoTextureAndTheDemoRuns) {
    WriteBytes(Folder / "Ground.bmp", std::vector<uint8_t>(64, 'x'));
    Platform.On("SwapBuffers", [&] { Platform.Close(); });
    LandscapeMain();
    auto binds = Log.Only({"glBindTexture"});
    ASSERT_FALSE(binds.empty());
    EXPECT_EQ(binds.back(), Call("glBindTexture", GL_TEXTURE_2D, 0u));
}
