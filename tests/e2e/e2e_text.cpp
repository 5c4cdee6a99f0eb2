// Text, characters, pictures of the window and drawing on demand end to end, under Xvfb with the
// real SDL2 backend and Mesa: the text example's pangram in its TrueType font is read back from
// the window by optical recognition (tesseract), "Hi!" typed with xdotool arrives as those three
// characters (its line matches a rendering of the built-in font's own table), F12 saves the
// window's picture, and the two viewers, drawing on demand, idle under 1 % of a core.
#include "framework/core/vynCodePoints.h"
#include "framework/render/vynBuiltInFont.h"
#include "tests/support/e2e/vynChildProcess.h"
#include "tests/support/e2e/vynDemoWindow.h"
#include "tests/support/e2e/vynGeneratedLandscape.h"
#include "tests/support/e2e/vynPicture.h"
#include "tests/support/e2e/vynPictureChecks.h"
#include "tests/support/e2e/vynPolling.h"
#include "tests/support/e2e/vynProcessUsage.h"
#include "tests/support/vynTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <thread>

using namespace vyn::test;
using namespace std::chrono_literals;

namespace {

constexpr auto StartTimeout = 60s;
constexpr auto ToolTimeout = 60s;
constexpr const char* Pangram = "The quick brown fox jumps over the lazy dog 0123456789";
// The text example's layout: a 640 × 400 window, lines of the built-in font 16 pixels apart from
// a margin of 10, the typed line last, the built-in pangram two lines above it and the TrueType
// one above that.
constexpr int Margin = 10;
constexpr int TypedLineTop = 400 - 16 - Margin;
constexpr int TrueTypeBandTop = 400 - 4 * 16 - Margin - 40;
constexpr int TrueTypeBandBottom = 400 - 3 * 16 - Margin;
constexpr int OverlayTop = 2 * 16 + Margin; // the frame rate and help lines, which change

class Program : public ::testing::Test {
  protected:
    DemoWindow StartAndAwait(const std::vector<std::string>& command, const std::string& name) {
        SpawnOptions options;
        options.Folder = Scratch.Path();
        options.ErrorFile = Scratch / "stderr.txt";
        Child.emplace(command, options);
        std::optional<DemoWindow> window = DemoWindow::Await(Child->Pid(), name, StartTimeout);
        if (!window)
            throw std::runtime_error(
                name + " opened no window; it said: " + ReadWholeFile(Scratch / "stderr.txt"));
        return *window;
    }
    // The share of one core the program used over `span`, from /proc/PID/stat.
    double CoreShareOver(std::chrono::milliseconds span) const {
        const auto before = ProcessCpuTime(Child->Pid());
        std::this_thread::sleep_for(span);
        const auto used = ProcessCpuTime(Child->Pid()) - before;
        return static_cast<double>(used.count()) /
               static_cast<double>(std::chrono::microseconds(span).count());
    }

    TempDir Scratch;
    std::optional<ChildProcess> Child;
};

// Rows [top, bottom) of a picture; inverted, dark text on light, as tesseract reads best.
Picture Band(const Picture& picture, int top, int bottom, bool inverted = false) {
    Picture band{picture.Width, bottom - top, {}};
    for (int y = top; y < bottom; ++y)
        for (int x = 0; x < picture.Width; ++x)
            for (int c = 0; c < 3; ++c)
                band.Rgb.push_back(static_cast<uint8_t>(inverted ? 255 - picture.Pixel(x, y)[c]
                                                                 : picture.Pixel(x, y)[c]));
    return band;
}

std::string Recognised(const Picture& band, const std::filesystem::path& file) {
    std::ofstream(file, std::ios::binary) << EncodePpm(band);
    std::string text = ToolOutput({"tesseract", file.string(), "-", "--psm", "7"}, ToolTimeout);
    text.erase(std::remove_if(text.begin(), text.end(), [](char c) { return c == '\n'; }),
               text.end());
    return text;
}

// The green channel the built-in font's table gives `line` drawn at (x, y) in full green over
// black, compared with the picture's: the largest difference.
int LargestStepFromTable(const Picture& picture, const std::string& line, int x, int y) {
    int largest = 0;
    const std::u32string characters = vyn::DecodeUtf8(line);
    for (size_t i = 0; i < characters.size(); ++i) {
        const char* glyph = vyn::BuiltInGlyph(characters[i]);
        for (int row = 0; row < vyn::BuiltInCellHeight; ++row)
            for (int column = 0; column < vyn::BuiltInCellWidth; ++column) {
                const char digit = glyph[row * vyn::BuiltInCellWidth + column];
                const int expected = 17 * (digit <= '9' ? digit - '0' : digit - 'a' + 10);
                const int cellX = x + static_cast<int>(i) * vyn::BuiltInCellWidth + column;
                const int actual = picture.Pixel(cellX, y + row)[1];
                largest = std::max(largest, std::abs(actual - expected));
            }
    }
    return largest;
}

Picture ReadPng(const std::filesystem::path& file) {
    return ParsePpm(ToolOutput({"convert", file.string(), "ppm:-"}, ToolTimeout));
}

TEST_F(Program, TextShowsThePangramTakesTypedCharactersAndSavesItsPicture) {
    const DemoWindow window = StartAndAwait({VYN_TEXT}, "text");
    window.Focus();
    window.Press({"H", "i", "exclam"});
    // The typed line: "> Hi!_" in the built-in font, full green over black.
    const auto typedLineShown = [&] {
        return LargestStepFromTable(window.Capture(), "> Hi!_", Margin, TypedLineTop) <= 2;
    };
    EXPECT_TRUE(PollUntil(typedLineShown, Clock::now() + StartTimeout, 200ms))
        << "the typed line does not read \"> Hi!_\"";

    const Picture shown = window.Capture();
    SaveForTheReadme(shown, "text");
    EXPECT_EQ(
        Recognised(Band(shown, TrueTypeBandTop, TrueTypeBandBottom, true), Scratch / "pangram.ppm"),
        Pangram);

    window.Press({"F12"});
    const std::filesystem::path saved = Scratch / "text.png";
    ASSERT_TRUE(PollUntil([&] { return std::filesystem::exists(saved); },
                          Clock::now() + StartTimeout, 100ms));
    std::this_thread::sleep_for(500ms); // written whole
    const Picture file = ReadPng(saved);
    const Picture now = window.Capture();
    ASSERT_EQ(file.Width, now.Width);
    ASSERT_EQ(file.Height, now.Height);
    // The cube turns between the two and the frame rate changes; the text below must agree
    // pixel for pixel.
    ExpectSamePicture(Band(now, TrueTypeBandTop, now.Height),
                      Band(file, TrueTypeBandTop, file.Height), "the saved picture");
    EXPECT_GT(LitShare(Band(file, OverlayTop, TrueTypeBandTop), 40), 0.02)
        << "the saved picture shows no scene";
    window.Press({"Escape"});
    const std::optional<int> status = Child->WaitFor(30s);
    ASSERT_TRUE(status);
    EXPECT_TRUE(ExitedWith(*status, 0)) << ReadWholeFile(Scratch / "stderr.txt");
}

constexpr double IdleCoreShare = 0.01;

TEST_F(Program, TheViewersIdleUnderOnePercentOfACore) {
    const GeneratedLandscape landscape(VYN_MAKE_LANDSCAPE);
    const std::vector<std::vector<std::string>> commands = {
        {VYN_TEXTURE_VIEWER, VYN_LIT_CUBE_PICTURE},
        {VYN_MODEL_VIEWER, (landscape / "pv.cppa2").string(), (landscape / "pt.cppa2").string(),
         (landscape / "Ground.bmp").string()}};
    for (const auto& command : commands) {
        const std::string name = std::filesystem::path(command[0]).filename().string();
        const DemoWindow window =
            StartAndAwait(command, name == "texture-viewer" ? "lit-cube" : name);
        window.CaptureSettled(StartTimeout);
        // A frame the last capture's events asked for may still be under way on a loaded machine.
        std::this_thread::sleep_for(1s);
        const double share = CoreShareOver(5s);
        std::printf("%s idle: %.4f of a core\n", name.c_str(), share);
        EXPECT_LT(share, IdleCoreShare) << name;
        window.Close(VYN_XCLOSE);
        EXPECT_TRUE(Child->WaitFor(30s)) << name;
    }
}

} // namespace
