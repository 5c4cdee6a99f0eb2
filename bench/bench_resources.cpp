// Loading speed of the resource loaders, each beside its baseline in the same run:
//
//   ReadBMP of a 4096 x 4096 24-bit bitmap   vs  stb_image's stbi_load of the same file;
//   TMyCPPArray of a 256 MiB array file      vs  read() of the same file into a buffer allocated
//                                                beforehand -- once before the loop, its pages
//                                                touched, and fresh before every pass (untimed),
//                                                its pages first touched by the read.
//
// The files are written once into a temporary folder (so they sit in the page cache, as a file
// just read does) and removed at exit. Only the loads are timed, not releasing their results.
#include "framework/resources/OpenGLBufferArrays.h"
#include "framework/resources/vynBitmapU.h"
#include "tests/support/vynBitmapWriter.h"

#include <benchmark/benchmark.h>
#include <stb_image.h>

#include <fcntl.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>

namespace {

using namespace vyn;

constexpr int BitmapSide = 4096;
constexpr size_t ArrayPayloadBytes = size_t(256) << 20;

class BenchFiles {
  public:
    BenchFiles()
        : Dir(std::filesystem::temp_directory_path() / ("vyn-bench-" + std::to_string(getpid()))) {
        std::filesystem::create_directories(Dir);
        WriteBitmap();
        WriteArrayFile();
    }
    ~BenchFiles() {
        std::error_code ignored;
        std::filesystem::remove_all(Dir, ignored);
    }
    BenchFiles(const BenchFiles&) = delete;
    BenchFiles& operator=(const BenchFiles&) = delete;

    std::string Bitmap() const { return (Dir / "big.bmp").string(); }
    std::string Array() const { return (Dir / "big.cppa2").string(); }

  private:
    std::filesystem::path Dir;

    void WriteBitmap() const {
        const auto pattern = [](int x, int y) {
            return std::array<uint8_t, 3>{static_cast<uint8_t>(x), static_cast<uint8_t>(y),
                                          static_cast<uint8_t>(x ^ y)};
        };
        test::WriteBytes(Dir / "big.bmp",
                         test::MakeBitmap(test::Fields(BitmapSide, BitmapSide),
                                          test::Rows24(BitmapSide, BitmapSide, pattern)));
    }

    void WriteArrayFile() const {
        std::ofstream out(Dir / "big.cppa2", std::ios::binary);
        const auto header = test::MakeArrayHeader(0, ArrayPayloadBytes, ArrayPayloadBytes / 12);
        out.write(reinterpret_cast<const char*>(header.data()),
                  static_cast<std::streamsize>(header.size()));
        std::vector<char> chunk(size_t(1) << 20);
        for (size_t written = 0; written < ArrayPayloadBytes; written += chunk.size()) {
            std::fill(chunk.begin(), chunk.end(), static_cast<char>(written >> 20));
            out.write(chunk.data(), static_cast<std::streamsize>(chunk.size()));
        }
    }
};

const BenchFiles& Files() {
    static const BenchFiles files;
    return files;
}

void ReadWholeFile(const std::string& name, uint8_t* buffer, size_t size) {
    const int fd = open(name.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        throw std::runtime_error("cannot open " + name);
    size_t done = 0;
    while (done < size) {
        const ssize_t count = read(fd, buffer + done, size - done);
        if (count <= 0)
            break;
        done += static_cast<size_t>(count);
    }
    close(fd);
    if (done != size)
        throw std::runtime_error("short read of " + name);
}

void BM_ReadBMP(benchmark::State& state) {
    const std::string name = Files().Bitmap();
    for (auto _ : state) {
        GLint width = 0, height = 0;
        GLenum format = 0, type = 0;
        std::optional<std::vector<uint8_t>> pixels = ReadBMP(name, width, height, format, type);
        benchmark::DoNotOptimize(pixels->data());
        state.PauseTiming();
        pixels.reset();
        state.ResumeTiming();
    }
}

void BM_StbiLoad(benchmark::State& state) {
    const std::string name = Files().Bitmap();
    for (auto _ : state) {
        int width = 0, height = 0, components = 0;
        stbi_uc* pixels = stbi_load(name.c_str(), &width, &height, &components, 0);
        if (!pixels)
            state.SkipWithError(stbi_failure_reason());
        benchmark::DoNotOptimize(pixels);
        state.PauseTiming();
        stbi_image_free(pixels);
        state.ResumeTiming();
    }
}

void BM_ArrayFileLoad(benchmark::State& state) {
    const std::string name = Files().Array();
    for (auto _ : state) {
        std::optional<TMyCPPArray> array(std::in_place, name);
        benchmark::DoNotOptimize(array->Data());
        state.PauseTiming();
        array.reset();
        state.ResumeTiming();
    }
}

void BM_ReadIntoBufferAllocatedBeforehand(benchmark::State& state) {
    const std::string name = Files().Array();
    const size_t size = TMyCPPArray::HeaderBytes + ArrayPayloadBytes;
    const auto buffer = std::make_unique_for_overwrite<uint8_t[]>(size);
    std::memset(buffer.get(), 0, size); // its pages exist before the first timed read
    for (auto _ : state) {
        ReadWholeFile(name, buffer.get(), size);
        benchmark::DoNotOptimize(buffer.get());
        benchmark::ClobberMemory();
    }
}

void BM_ReadIntoFreshBuffer(benchmark::State& state) {
    const std::string name = Files().Array();
    const size_t size = TMyCPPArray::HeaderBytes + ArrayPayloadBytes;
    for (auto _ : state) {
        state.PauseTiming();
        auto buffer = std::make_unique_for_overwrite<uint8_t[]>(size);
        state.ResumeTiming();
        ReadWholeFile(name, buffer.get(), size);
        benchmark::DoNotOptimize(buffer.get());
        benchmark::ClobberMemory();
        state.PauseTiming();
        buffer.reset();
        state.ResumeTiming();
    }
}

} // namespace

BENCHMARK(BM_ReadBMP)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_StbiLoad)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_ArrayFileLoad)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);
BENCHMARK(BM_ReadIntoBufferAllocatedBeforehand)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MinTime(2.0);
BENCHMARK(BM_ReadIntoFreshBuffer)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

BENCHMARK_MAIN();
