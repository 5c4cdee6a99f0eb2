// The end-to-end driver's own parts, without a display: child processes with deadlines, the
// PPM reader and picture measures that decide pass or fail, the caption's frame rate, what a
// process uses as /proc tells it, and the damage done to data files.
#include "tests/support/e2e/vynChildProcess.h"
#include "tests/support/e2e/vynDamage.h"
#include "tests/support/e2e/vynDemoWindow.h"
#include "tests/support/e2e/vynPicture.h"
#include "tests/support/e2e/vynProcessUsage.h"
#include "tests/support/vynTestSupport.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <set>

using namespace vyn::test;
using namespace std::chrono_literals;

namespace {

std::string ParseFailure(std::string_view bytes) {
    try {
        ParsePpm(bytes);
    } catch (const std::runtime_error& error) {
        return error.what();
    }
    return "parsed";
}

// Rows: black, dark grey, white; two pixels each.
Picture ThreeBands() {
    Picture picture{2, 3, {}};
    for (uint8_t level : {0, 10, 255})
        picture.Rgb.insert(picture.Rgb.end(), 6, level);
    return picture;
}

TEST(PpmReading, TakesWhatItWritesAndHeadersWithCommentsAndAnyWhitespace) {
    const Picture bands = ThreeBands();
    EXPECT_EQ(ParsePpm(EncodePpm(bands)), bands);

    const Picture read = ParsePpm(std::string("P6 # made by hand\n2\t1\n# level\n255\n") +
                                  "\x01\x02\x03\xfd\xfe\xff" + "trailing");
    EXPECT_EQ(read.Width, 2);
    EXPECT_EQ(read.Height, 1);
    EXPECT_EQ(read.Rgb, (std::vector<uint8_t>{1, 2, 3, 253, 254, 255}));
}

TEST(PpmReading, RefusesWhatItCannotReadSayingWhy) {
    EXPECT_NE(ParseFailure("P3 1 1 255\n0 0 0").find("P6"), std::string::npos);
    EXPECT_NE(ParseFailure("").find("P6"), std::string::npos);
    EXPECT_NE(ParseFailure("P6 1 1 65535\n012345").find("maximum value"), std::string::npos);
    EXPECT_NE(ParseFailure("P6 0 1 255\n").find("empty"), std::string::npos);
    EXPECT_NE(ParseFailure("P6 20000 1 255\n").find("too large"), std::string::npos);
    EXPECT_NE(ParseFailure("P6 1 x 255\n012").find("height"), std::string::npos);
    EXPECT_NE(ParseFailure("P6 2 2 255\n012345").find("12 needed"), std::string::npos);
    EXPECT_NE(ParseFailure("P6 1 1 255").find("whitespace"), std::string::npos);
}

TEST(PictureMeasures, CountColoursLitPixelsAndBandBrightness) {
    const Picture bands = ThreeBands();
    EXPECT_EQ(DistinctColours(bands), 3u);
    EXPECT_DOUBLE_EQ(LitShare(bands, 8), 4.0 / 6.0);
    EXPECT_DOUBLE_EQ(LitShare(bands, 10), 2.0 / 6.0);
    EXPECT_EQ(FirstLitRow(bands, 8), 1);
    EXPECT_EQ(FirstLitRow(bands, 255), 3);
    EXPECT_NEAR(MeanLuminance(bands, 2, 3), 255.0, 1e-9);
    EXPECT_NEAR(MeanLuminance(bands, -5, 99), (0.0 + 10.0 + 255.0) / 3.0, 1e-9);
    EXPECT_EQ(MeanLuminance(bands, 2, 2), 0.0);
    EXPECT_EQ(LitShare(Picture{}, 0), 0.0);
}

TEST(PictureMeasures, CompareCountsPixelsBeyondTheToleranceAndTheLargestStep) {
    const Picture bands = ThreeBands();
    Picture shifted = bands;
    shifted.Rgb[7] += 3; // green of the second row's second pixel
    shifted.Rgb[1] += 1;

    const PictureDifference same = Compare(bands, bands, 0);
    EXPECT_TRUE(same.SameSize);
    EXPECT_EQ(same.PixelsOverTolerance, 0u);
    EXPECT_EQ(same.LargestChannelStep, 0);

    const PictureDifference strict = Compare(bands, shifted, 0);
    EXPECT_EQ(strict.PixelsOverTolerance, 2u);
    EXPECT_EQ(strict.LargestChannelStep, 3);
    EXPECT_EQ(Compare(shifted, bands, 2).PixelsOverTolerance, 1u);
    EXPECT_EQ(Compare(bands, shifted, 3).PixelsOverTolerance, 0u);

    const PictureDifference resized = Compare(bands, Picture{3, 3, std::vector<uint8_t>(27)}, 255);
    EXPECT_FALSE(resized.SameSize);
    EXPECT_EQ(resized.PixelsOverTolerance, 9u);
}

TEST(CaptionFrameRate, ReadsTheCountOnlyFromAWholeFrameRateCaptionOfTheWindow) {
    const std::string name = "vynSingleWindow";
    EXPECT_EQ(CaptionFrameRate("vynSingleWindow [60 FPS]", name), 60);
    EXPECT_EQ(CaptionFrameRate("vynSingleWindow [0 FPS]", name), 0);
    EXPECT_EQ(CaptionFrameRate("vynSingleWindow [999999999 FPS]", name), 999999999);
    for (const char* other :
         {"vynSingleWindow", "vynSingleWindow []", "vynSingleWindow [ FPS]",
          "vynSingleWindow [FPS]", "vynSingleWindow [60 FPS] ", " vynSingleWindow [60 FPS]",
          "otherWindow [60 FPS]", "vynSingleWindow [x FPS]", "vynSingleWindow [-1 FPS]",
          "vynSingleWindow [06 FPS]", "vynSingleWindow [6 0 FPS]",
          "vynSingleWindow [1234567890 FPS]", ""})
        EXPECT_EQ(CaptionFrameRate(other, name), std::nullopt) << other;
}

TEST(ChildProcess, RunsInItsFolderWithItsStreamsRedirected) {
    TempDir folder;
    SpawnOptions options;
    options.Folder = folder.Path();
    options.ErrorFile = folder / "errors.txt";
    options.CaptureOutput = true;
    ChildProcess child({"sh", "-c", "pwd -P; cat; echo oops >&2; exit 3"}, options);
    EXPECT_EQ(child.ReadOutput(Clock::now() + 10s),
              std::filesystem::canonical(folder.Path()).string() + "\n");
    const std::optional<int> status = child.WaitFor(10s);
    ASSERT_TRUE(status);
    EXPECT_TRUE(ExitedWith(*status, 3)) << DescribeWaitStatus(*status);
    EXPECT_EQ(DescribeWaitStatus(*status), "exit status 3");
    EXPECT_EQ(ReadWholeFile(folder / "errors.txt"), "oops\n");
}

TEST(ChildProcess, GetsTheCallersEnvironmentWithTheGivenChanges) {
    setenv("VYN_E2E_KEPT", "kept", 1);
    setenv("VYN_E2E_REPLACED", "old", 1);
    SpawnOptions options;
    options.CaptureOutput = true;
    options.Environment = {"VYN_E2E_REPLACED=new", "VYN_E2E_ADDED=a=b"};
    ChildProcess child({"sh", "-c", "echo $VYN_E2E_KEPT $VYN_E2E_REPLACED $VYN_E2E_ADDED; env"},
                       options);
    const std::string output = child.ReadOutput(Clock::now() + 10s);
    EXPECT_EQ(output.substr(0, output.find('\n')), "kept new a=b");
    EXPECT_EQ(output.find("VYN_E2E_REPLACED=old"), std::string::npos) << output;
    EXPECT_TRUE(child.WaitFor(10s));
}

TEST(ChildProcess, WaitsNoLongerThanToldAndKillsWhatIsStillRunningWhenItGoes) {
    const Clock::time_point start = Clock::now();
    pid_t pid = 0;
    {
        ChildProcess sleeper({"sleep", "30"}, SpawnOptions{});
        pid = sleeper.Pid();
        EXPECT_EQ(sleeper.WaitFor(100ms), std::nullopt);
        EXPECT_EQ(sleeper.ReadOutput(Clock::now() + 10s), ""); // nothing captured: no wait
    }
    EXPECT_LT(Clock::now() - start, 5s);
    errno = 0;
    EXPECT_EQ(kill(pid, 0), -1) << "the child outlived its object";
    EXPECT_EQ(errno, ESRCH);
}

TEST(RunTool, GivesOutputAndStatusAndFailsLoudlyOnHangsAndMissingPrograms) {
    const ToolResult printed = RunTool({"printf", "%s-%s", "a", "b"}, 10s);
    EXPECT_TRUE(ExitedWith(printed.Status, 0));
    EXPECT_EQ(printed.Output, "a-b");
    EXPECT_EQ(ToolOutput({"echo", "fine"}, 10s), "fine\n");

    const ToolResult killed = RunTool({"sh", "-c", "kill -9 $$"}, 10s);
    EXPECT_EQ(DescribeWaitStatus(killed.Status), "killed by signal 9");

    const Clock::time_point start = Clock::now();
    EXPECT_THROW(RunTool({"sleep", "30"}, 200ms), std::runtime_error);
    EXPECT_LT(Clock::now() - start, 5s);
    EXPECT_THROW(RunTool({"/nonexistent/vyn-tool"}, 10s), std::runtime_error);
    try {
        ToolOutput({"false"}, 10s);
        ADD_FAILURE() << "a failing command passed";
    } catch (const std::runtime_error& error) {
        EXPECT_STREQ(error.what(), "false: exit status 1");
    }
}

// Fields 14 and 15 of a stat text; the name holds what a careless split would trip on.
constexpr const char* SampleStat =
    "4242 (vyn (x) y) S 1 4242 4242 0 -1 4194304 900 0 0 0 250 130 0 0 20 0 9 0 77 0 0";

TEST(ProcessUsage, ReadsCpuTimeAndResidentMemoryFromProcTexts) {
    EXPECT_EQ(CpuTimeFromStat(SampleStat, 100), std::chrono::milliseconds(3800));
    EXPECT_EQ(CpuTimeFromStat(SampleStat, 1000), std::chrono::milliseconds(380));
    EXPECT_THROW(CpuTimeFromStat("4242 vyn S 1", 100), std::runtime_error);
    EXPECT_THROW(CpuTimeFromStat("4242 (vyn) S 1 2 3", 100), std::runtime_error);
    EXPECT_THROW(CpuTimeFromStat(SampleStat, 0), std::runtime_error);

    EXPECT_EQ(ResidentKiBFromStatus("Name:\tvyn\nVmPeak:\t 9000 kB\nVmRSS:\t    1676 kB\n"), 1676u);
    EXPECT_THROW(ResidentKiBFromStatus("Name:\tvyn\nVmPeak:\t 9000 kB\n"), std::runtime_error);
    EXPECT_THROW(ResidentKiBFromStatus("Name:\tvyn\nVmRSS:\t kB\n"), std::runtime_error);
}

TEST(ProcessUsage, SeesALiveProcessUseTimeAndMemoryAndRefusesOneThatIsGone) {
    // Spins until the kernel has charged 100 ms of processor time, however loaded the machine.
    const std::chrono::microseconds before = ProcessCpuTime(getpid());
    const std::clock_t spinFrom = std::clock();
    while (std::clock() - spinFrom < CLOCKS_PER_SEC / 10) {
        // busy: reading the clock is the work
    }
    EXPECT_GE(ProcessCpuTime(getpid()) - before, 50ms);
    EXPECT_GT(ProcessResidentKiB(getpid()), 0u);

    ChildProcess ended({"true"}, SpawnOptions{});
    ASSERT_TRUE(ended.WaitFor(10s));
    EXPECT_THROW(ProcessCpuTime(ended.Pid()), std::runtime_error);
    EXPECT_THROW(ProcessResidentKiB(ended.Pid()), std::runtime_error);
}

// An array file of `count` floats: Header0 7, Size, Count, then the payload 0, 1, 2, ...
std::string ArrayFileBytes(uint32_t count) {
    std::string bytes;
    for (uint32_t value : {7u, count * 4, count})
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<char>(value >> (8 * i)));
    for (uint32_t i = 0; i < count * 4; ++i)
        bytes.push_back(static_cast<char>(i));
    return bytes;
}

void WriteFile(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

uint32_t FieldAt(const std::string& bytes, size_t offset) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= uint32_t{static_cast<uint8_t>(bytes[offset + i])} << (8 * i);
    return value;
}

TEST(Damage, NamedDamagesRemoveEmptyHalveOrOverstateTheFile) {
    TempDir folder;
    const std::filesystem::path array = folder / "pv.cppa2";
    const std::filesystem::path bitmap = folder / "Ground.bmp";
    std::string bitmapBytes(80, '\0');
    bitmapBytes[22] = 5; // height 5

    WriteFile(array, ArrayFileBytes(10));
    Spoil(array, Damage::SizeOverrunsPayload);
    EXPECT_EQ(FieldAt(ReadWholeFile(array), 8), 11u) << "Count";
    WriteFile(bitmap, bitmapBytes);
    Spoil(bitmap, Damage::SizeOverrunsPayload);
    EXPECT_EQ(FieldAt(ReadWholeFile(bitmap), 22), 6u) << "height";

    Spoil(array, Damage::Truncated);
    EXPECT_EQ(std::filesystem::file_size(array), 26u);
    Spoil(array, Damage::Empty);
    EXPECT_EQ(std::filesystem::file_size(array), 0u);
    EXPECT_THROW(Spoil(array, Damage::SizeOverrunsPayload), std::runtime_error);
    Spoil(array, Damage::Missing);
    EXPECT_FALSE(std::filesystem::exists(array));
    EXPECT_STREQ(DamageName(Damage::SizeOverrunsPayload), "SizeOverrunsPayload");
}

const std::vector<std::string> DamageKinds = {"cut to", "header field at", "bytes changed at",
                                              "bytes appended", "replaced by"};

TEST(Damage, ASeedDamagesTheSameWayEveryTimeAndTheSeedsCoverEveryKind) {
    TempDir folder;
    const std::string original = ArrayFileBytes(50);
    const std::filesystem::path first = folder / "a.cppa2";
    const std::filesystem::path second = folder / "b.cppa2";
    std::set<std::string> kinds;
    int changed = 0;
    for (uint32_t seed = 0; seed < 200; ++seed) {
        WriteFile(first, original);
        WriteFile(second, original);
        const std::string done = SpoilAtRandom(first, seed);
        EXPECT_EQ(SpoilAtRandom(second, seed), done) << seed;
        EXPECT_EQ(ReadWholeFile(first), ReadWholeFile(second)) << seed << ": " << done;
        EXPECT_EQ(done.find('\n'), std::string::npos) << done;
        changed += ReadWholeFile(first) != original;
        for (const std::string& kind : DamageKinds)
            if (done.find(kind) != std::string::npos)
                kinds.insert(kind);
    }
    EXPECT_GE(changed, 190);
    EXPECT_EQ(kinds, (std::set<std::string>(DamageKinds.begin(), DamageKinds.end())));
    EXPECT_THROW(SpoilAtRandom(folder / "absent.cppa2", 1), std::runtime_error);
}

TEST(Damage, AHeaderFieldSetAtRandomChangesThatFieldAndNothingElse) {
    TempDir folder;
    const std::string original = ArrayFileBytes(20);
    const std::filesystem::path file = folder / "pt.cppa2";
    int fieldsSet = 0;
    for (uint32_t seed = 0; seed < 100; ++seed) {
        WriteFile(file, original);
        const std::string done = SpoilAtRandom(file, seed);
        unsigned offset = 0;
        unsigned long long value = 0;
        if (std::sscanf(done.c_str(), "header field at %u set to %llu", &offset, &value) != 2)
            continue;
        ++fieldsSet;
        const std::string bytes = ReadWholeFile(file);
        ASSERT_TRUE(offset == 0 || offset == 4 || offset == 8) << done;
        EXPECT_EQ(FieldAt(bytes, offset), value) << done;
        std::string rest = bytes;
        rest.replace(offset, 4, original.substr(offset, 4));
        EXPECT_EQ(rest, original) << done;
    }
    EXPECT_GT(fieldsSet, 20);
}

} // namespace
