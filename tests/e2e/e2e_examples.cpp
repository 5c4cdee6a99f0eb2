// The examples end to end: each built program started as a user starts it, under Xvfb with the
// real SDL2 backend and Mesa, and judged by its picture. The minimal program shows its quads in
// their own colours and Escape ends it; the lit cube turns, capped at 60 frames a second,
// textured and shaded; the model viewer turns under a mouse drag, keeps its view through a
// resize, brings back its first picture with R and refuses bad files in one line; the texture
// viewer shows a picture at the file's aspect ratio and steps through a folder over the files the
// reader refuses.
//
// Set VYN_SCREENSHOT_DIR to keep each example's first capture there as <example>.ppm.
#include "framework/resources/vynImageFile.h"
#include "tests/support/e2e/vynChildProcess.h"
#include "tests/support/e2e/vynDemoWindow.h"
#include "tests/support/e2e/vynGeneratedLandscape.h"
#include "tests/support/e2e/vynPicture.h"
#include "tests/support/e2e/vynPictureChecks.h"
#include "tests/support/vynBitmapWriter.h"
#include "tests/support/vynTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <memory>

using namespace vyn::test;
using namespace std::chrono_literals;

namespace {

// Start-up, frames and sanitizers on a software renderer on a loaded machine.
constexpr auto StartTimeout = 60s;
constexpr auto SettleTimeout = 60s;
constexpr auto EndTimeout = 30s;
constexpr auto CaptionTimeout = 10s;
constexpr uint8_t DarkLevel = 8;

using Rgb = std::array<uint8_t, 3>;

double PixelCount(const Picture& picture) {
    return static_cast<double>(picture.Width) * picture.Height;
}

// Where the pixels of exactly one colour lie: how many, and their mean position.
struct ColourPatch {
    size_t Pixels = 0;
    double CentreX = 0.0;
    double CentreY = 0.0;
};

ColourPatch FindColour(const Picture& picture, Rgb colour) {
    ColourPatch patch;
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            if (std::equal(colour.begin(), colour.end(), picture.Pixel(x, y))) {
                ++patch.Pixels;
                patch.CentreX += x;
                patch.CentreY += y;
            }
    if (patch.Pixels > 0) {
        patch.CentreX /= static_cast<double>(patch.Pixels);
        patch.CentreY /= static_cast<double>(patch.Pixels);
    }
    return patch;
}

// The smallest rectangle holding every lit pixel; right and bottom exclusive.
struct Box {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
    double Aspect() const { return static_cast<double>(Right - Left) / (Bottom - Top); }
};

Box LitBox(const Picture& picture) {
    Box box{picture.Width, picture.Height, 0, 0};
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x) {
            const uint8_t* pixel = picture.Pixel(x, y);
            if (std::max({pixel[0], pixel[1], pixel[2]}) <= DarkLevel)
                continue;
            box = {std::min(box.Left, x), std::min(box.Top, y), std::max(box.Right, x + 1),
                   std::max(box.Bottom, y + 1)};
        }
    return box;
}

// One example started in a fresh folder, its standard error kept, killed when the test ends if it
// is still running.
class Example : public ::testing::Test {
  protected:
    void Start(const std::vector<std::string>& command) {
        SpawnOptions options;
        options.Folder = Scratch.Path();
        options.ErrorFile = ErrorLog();
        Program.emplace(command, options);
    }

    std::filesystem::path ErrorLog() const { return Scratch / "stderr.txt"; }

    DemoWindow AwaitWindow(const std::string& caption) {
        std::optional<DemoWindow> window = DemoWindow::Await(Program->Pid(), caption, StartTimeout);
        if (!window)
            throw std::runtime_error("no window \"" + caption +
                                     "\" appeared; the example said: " + ReadWholeFile(ErrorLog()));
        return *window;
    }

    void ExpectEndsWith(int code) {
        const std::optional<int> status = Program->WaitFor(EndTimeout);
        ASSERT_TRUE(status) << "still running " << EndTimeout.count() << " s later";
        EXPECT_TRUE(ExitedWith(*status, code))
            << DescribeWaitStatus(*status) << "; the example said: " << ReadWholeFile(ErrorLog());
    }

    // Closes the window as a window manager would; the example must end with status 0.
    void ExpectClosesCleanly(const DemoWindow& window) {
        window.Close(VYN_XCLOSE);
        ExpectEndsWith(0);
    }

    TempDir Scratch;
    std::optional<ChildProcess> Program;
};

// ---- minimal

struct Quad {
    const char* Name;
    Rgb Colour;
    bool Left;
    bool Top;
};

constexpr Quad MinimalQuads[] = {{"red", {255, 0, 0}, true, true},
                                 {"green", {0, 255, 0}, false, true},
                                 {"blue", {0, 0, 255}, true, false},
                                 {"yellow", {255, 255, 0}, false, false}};

// Exact colours: the presets' lighting or fog left on would tint them; quads wound against the
// framework's front faces would be culled.
TEST_F(Example, MinimalDrawsFourQuadsInTheirOwnColoursAndEscapeEndsItWithStatus0) {
    Start({VYN_MINIMAL});
    const DemoWindow window = AwaitWindow("minimal");
    window.AwaitFrameRate(Clock::now() + StartTimeout);
    const Picture picture = window.CaptureSettled(SettleTimeout);
    SaveForTheReadme(picture, "minimal");

    size_t known = FindColour(picture, {0, 0, 0}).Pixels;
    for (const Quad& quad : MinimalQuads) {
        const ColourPatch patch = FindColour(picture, quad.Colour);
        EXPECT_GT(static_cast<double>(patch.Pixels), 0.05 * PixelCount(picture)) << quad.Name;
        EXPECT_EQ(patch.CentreX < picture.Width / 2.0, quad.Left) << quad.Name;
        EXPECT_EQ(patch.CentreY < picture.Height / 2.0, quad.Top) << quad.Name;
        known += patch.Pixels;
    }
    // Nothing else but the black background, up to the quads' edges.
    EXPECT_GT(static_cast<double>(known), 0.99 * PixelCount(picture));

    window.Focus();
    window.Press({"Escape"});
    ExpectEndsWith(0);
}

// ---- lit cube

// The percentile `share` (0 to 1) of the values.
int Percentile(std::vector<int> values, double share) {
    std::sort(values.begin(), values.end());
    return values[static_cast<size_t>(share * static_cast<double>(values.size() - 1))];
}

// Capped at 60 (an uncapped cube shows hundreds), turning by the clock, in the picture's orange
// and cream, each face lit as it faces the light: the presets' white emission would give every
// face the same brightness.
TEST_F(Example, LitCubeSpinsAtMost60TimesASecondInThePicturesColoursShadedFaceByFace) {
    Start({VYN_LIT_CUBE});
    const DemoWindow window = AwaitWindow("lit-cube");
    window.AwaitFrameRate(Clock::now() + StartTimeout);
    const Picture first = window.CaptureSettled(SettleTimeout);
    const std::optional<int> rate = CaptionFrameRate(window.Caption(), "lit-cube");
    ASSERT_TRUE(rate) << window.Caption();
    EXPECT_LE(*rate, 61);
    SaveForTheReadme(first, "lit-cube");

    std::vector<int> orangeReds;
    size_t cream = 0;
    for (int y = 0; y < first.Height; ++y)
        for (int x = 0; x < first.Width; ++x) {
            const uint8_t* p = first.Pixel(x, y);
            if (p[0] > 40 && p[0] > 1.6 * p[1] && p[1] > 2 * p[2])
                orangeReds.push_back(p[0]);
            cream += p[0] > 40 && std::abs(p[0] - p[1]) < p[0] / 10 && p[2] > 0.7 * p[0];
        }
    ASSERT_GT(static_cast<double>(orangeReds.size()), 0.02 * PixelCount(first));
    EXPECT_GT(static_cast<double>(cream), 0.02 * PixelCount(first));
    EXPECT_GT(Percentile(orangeReds, 0.9), 1.1 * Percentile(orangeReds, 0.1));

    const Picture later = window.CaptureSettled(SettleTimeout);
    EXPECT_GT(static_cast<double>(Compare(first, later, 2).PixelsOverTolerance),
              0.01 * PixelCount(first))
        << "not turning";
    window.Focus();
    window.Press({"Escape"});
    ExpectEndsWith(0);
}

// ---- model viewer

class ModelViewer : public Example {
  protected:
    static void SetUpTestSuite() {
        Landscape = std::make_unique<GeneratedLandscape>(VYN_MAKE_LANDSCAPE);
    }
    static void TearDownTestSuite() { Landscape.reset(); }

    void StartOn(const std::filesystem::path& vertices, const std::filesystem::path& texCoords,
                 const std::filesystem::path& picture) {
        Start({VYN_MODEL_VIEWER, vertices.string(), texCoords.string(), picture.string()});
    }

    inline static std::unique_ptr<GeneratedLandscape> Landscape;
};

// A drag of 60 × 40 pixels turns the model by 30° and 20°: most of its pixels move.
constexpr double TurnedPixelShare = 0.05;

TEST_F(ModelViewer, ADragTurnsTheModelAResizeKeepsTheViewAndRBringsBackTheFirstPicture) {
    StartOn(*Landscape / "pv.cppa2", *Landscape / "pt.cppa2", *Landscape / "Ground.bmp");
    const DemoWindow window = AwaitWindow("model-viewer");
    const Picture first = window.CaptureSettled(SettleTimeout);
    EXPECT_GT(DistinctColours(first), 1000u) << "not a textured model";
    EXPECT_GT(LitShare(first, DarkLevel), 0.1) << "mostly blank";
    SaveForTheReadme(first, "model-viewer");

    window.Drag(200, 150, 260, 190);
    const Picture dragged = window.CaptureSettled(SettleTimeout);
    EXPECT_GT(static_cast<double>(Compare(first, dragged, 2).PixelsOverTolerance),
              TurnedPixelShare * PixelCount(first))
        << "the drag did not turn the model";

    // The button is up: the pointer moves without turning anything.
    window.MovePointer(100, 100);
    window.Resize(480, 360);
    EXPECT_EQ(window.CaptureSettled(SettleTimeout).Width, 480);
    window.Resize(400, 300);
    ExpectSamePicture(dragged, window.CaptureSettled(SettleTimeout), "after two resizes");

    window.Focus();
    window.Press({"r"});
    ExpectSamePicture(first, window.CaptureSettled(SettleTimeout), "after R");
    window.Press(std::vector<std::string>(10, "Left"));
    EXPECT_GT(static_cast<double>(
                  Compare(first, window.CaptureSettled(SettleTimeout), 2).PixelsOverTolerance),
              TurnedPixelShare * PixelCount(first))
        << "the arrows did not tilt the model";
    window.Press({"r"});
    ExpectSamePicture(first, window.CaptureSettled(SettleTimeout), "after the arrows and R");

    ExpectClosesCleanly(window);
}

// An array file of `count` vertices of `floatsPerVertex` floats, all zero.
std::vector<uint8_t> ArrayFile(int32_t count, int floatsPerVertex) {
    const int32_t size = count * floatsPerVertex * 4;
    return MakeArrayFile(0, size, count, std::vector<uint8_t>(size, 0));
}

struct BadModelCase {
    const char* Fault;
    const char* File; // the one the line must name
    std::vector<uint8_t> Vertices, TexCoords, Bitmap;
};

TEST_F(ModelViewer, RefusesEachBadFileWithOneLineNamingItAndStatus1) {
    const std::vector<uint8_t> picture = MakeBitmap(Fields(2, 2), Rows24(2, 2, [](int, int) {
                                                        return Rgb{90, 90, 90};
                                                    }));
    const std::vector<BadModelCase> cases = {
        {"no vertices", "v.cppa2", ArrayFile(0, 3), ArrayFile(4, 2), picture},
        {"vertex count beyond the payload", "v.cppa2",
         MakeArrayFile(0, 12, 4, std::vector<uint8_t>(12)), ArrayFile(4, 2), picture},
        {"too few texture coordinates", "t.cppa2", ArrayFile(4, 3), ArrayFile(3, 2), picture},
        {"header only", "t.cppa2", ArrayFile(4, 3), std::vector<uint8_t>(8), picture},
        {"a GIF signature alone", "p.bmp", ArrayFile(4, 3), ArrayFile(4, 2), {'G', 'I', 'F', '8'}},
        {"truncated BMP", "p.bmp", ArrayFile(4, 3), ArrayFile(4, 2),
         std::vector<uint8_t>(picture.begin(), picture.end() - 4)},
        {"missing file", "p.bmp", ArrayFile(4, 3), ArrayFile(4, 2), {}},
    };
    for (const BadModelCase& bad : cases) {
        SCOPED_TRACE(bad.Fault);
        WriteBytes(Scratch / "v.cppa2", bad.Vertices);
        WriteBytes(Scratch / "t.cppa2", bad.TexCoords);
        std::filesystem::remove(Scratch / "p.bmp");
        if (!bad.Bitmap.empty())
            WriteBytes(Scratch / "p.bmp", bad.Bitmap);
        StartOn("v.cppa2", "t.cppa2", "p.bmp");
        ExpectEndsWith(1);
        const std::string message = ReadWholeFile(ErrorLog());
        EXPECT_TRUE(message.starts_with("model-viewer: " + std::string(bad.File) + ": "))
            << message;
        EXPECT_EQ(std::count(message.begin(), message.end(), '\n'), 1) << message;
    }
}

// ---- texture viewer

class TextureViewer : public Example {
  protected:
    // Polls the caption until it is the name of `file`.
    static bool AwaitCaptionNaming(const DemoWindow& window, const std::string& file) {
        return PollUntil([&] { return window.Caption() == file; }, Clock::now() + CaptionTimeout,
                         20ms);
    }
};

// The picture fills its box at the file's aspect ratio (within a pixel's rounding), in the file's
// own colour: unlit, unfogged, unfiltered.
void ExpectShownAt(const Picture& picture, double aspect, Rgb colour) {
    const Box box = LitBox(picture);
    ASSERT_LT(box.Left, box.Right) << "nothing shown";
    EXPECT_NEAR(box.Aspect(), aspect, 0.02 * aspect)
        << (box.Right - box.Left) << "x" << (box.Bottom - box.Top);
    EXPECT_GT(static_cast<double>(FindColour(picture, colour).Pixels),
              0.99 * (box.Right - box.Left) * (box.Bottom - box.Top));
}

void WriteUniformBitmap(const std::filesystem::path& file, int width, int height, Rgb colour) {
    WriteBytes(file, MakeBitmap(Fields(width, height),
                                Rows24(width, height, [&](int, int) { return colour; })));
}

constexpr Rgb Wide = {200, 40, 40};
constexpr Rgb Tall = {40, 160, 60};

TEST_F(TextureViewer, ShowsEachPictureAtItsAspectRatioAndStepsOverTheFilesTheReaderRefuses) {
    const std::filesystem::path folder = Scratch / "pictures";
    std::filesystem::create_directory(folder);
    WriteUniformBitmap(folder / "a.bmp", 240, 80, Wide);
    WriteBytes(folder / "b.bmp", MakeBitmap(Fields(4, 4).Bits(8).Compress(1), {0, 0, 0, 1}));
    WriteUniformBitmap(folder / "c.bmp", 60, 120, Tall);
    // Long enough for a BMP's headers, without "BM": the reader gives no picture and throws
    // nothing.
    WriteBytes(folder / "d.txt", std::vector<uint8_t>(64, 'n'));

    Start({VYN_TEXTURE_VIEWER, folder.string()});
    const DemoWindow window = AwaitWindow("a.bmp");
    ExpectShownAt(window.CaptureSettled(SettleTimeout), 3.0, Wide);

    window.Focus();
    window.Press({"Right"});
    ASSERT_TRUE(AwaitCaptionNaming(window, "c.bmp")) << window.Caption();
    ExpectShownAt(window.CaptureSettled(SettleTimeout), 0.5, Tall);
    window.Press({"Right"});
    EXPECT_TRUE(AwaitCaptionNaming(window, "a.bmp")) << window.Caption();
    window.Press({"Left"});
    EXPECT_TRUE(AwaitCaptionNaming(window, "c.bmp")) << window.Caption();

    ExpectClosesCleanly(window);
}

// The corpus files the reader accepts, by name.
std::vector<std::string> AcceptedFiles(const std::filesystem::path& folder) {
    std::vector<std::string> accepted;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        vyn::GLint width = 0, height = 0;
        vyn::GLenum format = 0, type = 0;
        try {
            if (vyn::ReadImage(entry.path().string(), width, height, format, type))
                accepted.push_back(entry.path().filename().string());
        } catch (const std::runtime_error&) {
        }
    }
    std::sort(accepted.begin(), accepted.end());
    return accepted;
}

TEST_F(TextureViewer, StepsThroughExactlyTheCorpusFilesTheReaderAcceptsAndRoundAgain) {
    const std::filesystem::path folder = TestDataDir() / "bmpsuite" / "g";
    const std::vector<std::string> accepted = AcceptedFiles(folder);
    const auto start = std::find(accepted.begin(), accepted.end(), "pal8.bmp");
    ASSERT_NE(start, accepted.end());

    Start({VYN_TEXTURE_VIEWER, (folder / "pal8.bmp").string()});
    const DemoWindow window = AwaitWindow("pal8.bmp");
    const Picture picture = window.CaptureSettled(SettleTimeout);
    EXPECT_NEAR(LitBox(picture).Aspect(), 127.0 / 64.0, 0.04); // the file is 127 × 64
    EXPECT_GT(DistinctColours(picture), 50u);
    SaveForTheReadme(picture, "texture-viewer");

    window.Focus();
    const size_t first = static_cast<size_t>(start - accepted.begin());
    for (size_t step = 1; step <= accepted.size(); ++step) {
        window.Press({"Right"});
        const std::string& expected = accepted[(first + step) % accepted.size()];
        ASSERT_TRUE(AwaitCaptionNaming(window, expected))
            << "step " << step << ": " << window.Caption() << " instead of " << expected;
    }
    ExpectClosesCleanly(window);
}

// A named picture the reader refuses is skipped like any other file; only a folder without one
// ends the program.
TEST_F(TextureViewer, AFolderWithoutAPictureTheReaderAcceptsEndsItWithOneLineAndStatus1) {
    const std::filesystem::path folder = Scratch / "refused";
    std::filesystem::create_directory(folder);
    WriteBytes(folder / "a.bmp", MakeBitmap(Fields(4, 4).Bits(8).Compress(1), {0, 0, 0, 1}));
    WriteBytes(folder / "b.txt", {'n', 'o', 't', 'e'});

    Start({VYN_TEXTURE_VIEWER, folder.string()});
    ExpectEndsWith(1);
    const std::string message = ReadWholeFile(ErrorLog());
    EXPECT_EQ(message, "texture-viewer: " + folder.string() + ": no picture the readers accept\n");
}

} // namespace
