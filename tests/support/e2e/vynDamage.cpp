#include "vynDamage.h"

#include <array>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>
#include <vector>

namespace vyn::test {

namespace {

using Bytes = std::vector<uint8_t>;

struct HeaderField {
    size_t Offset;
    size_t Width; // 2 or 4 bytes, little-endian
};

// The array file's Header0, Size and Count; the bitmap's file size, pixel offset, info-header
// size, width, height, planes, bit depth and compression.
constexpr std::array<HeaderField, 3> ArrayFields = {{{0, 4}, {4, 4}, {8, 4}}};
constexpr std::array<HeaderField, 8> BitmapFields = {
    {{2, 4}, {10, 4}, {14, 4}, {18, 4}, {22, 4}, {26, 2}, {28, 2}, {30, 4}}};
// How far into a file its header reaches, for damage aimed at it.
constexpr size_t HeaderSpan = 64;

bool IsBitmap(const std::filesystem::path& file) {
    return file.extension() == ".bmp";
}

std::streamoff SizeFieldOffset(const std::filesystem::path& file) {
    return IsBitmap(file) ? 22 : 8;
}

Bytes ReadAll(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + file.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteAll(const std::filesystem::path& file, const Bytes& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + file.string());
}

uint32_t ReadField(const Bytes& bytes, HeaderField field) {
    uint32_t value = 0;
    for (size_t i = 0; i < field.Width && field.Offset + i < bytes.size(); ++i)
        value |= uint32_t{bytes[field.Offset + i]} << (8 * i);
    return value;
}

void WriteField(Bytes& bytes, HeaderField field, uint32_t value) {
    if (bytes.size() < field.Offset + field.Width)
        bytes.resize(field.Offset + field.Width);
    for (size_t i = 0; i < field.Width; ++i)
        bytes[field.Offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

class Draw {
  public:
    explicit Draw(uint32_t seed) : Engine(seed) {}
    // A whole number in [0, count); count > 0.
    size_t Below(size_t count) { return static_cast<size_t>(Engine() % count); }
    uint32_t Any() { return static_cast<uint32_t>(Engine()); }

  private:
    std::mt19937 Engine;
};

std::string CutShort(Bytes& bytes, Draw& draw, bool intoHeader) {
    const size_t limit = intoHeader ? std::min(bytes.size(), HeaderSpan) : bytes.size();
    const size_t length = draw.Below(limit + 1);
    bytes.resize(length);
    return "cut to " + std::to_string(length) + " bytes";
}

uint32_t EdgeValue(uint32_t own, Draw& draw) {
    const uint32_t edges[] = {0u,      1u,      0xFFFFFFFFu, 0x7FFFFFFFu, 0x80000000u,
                              own + 1, own - 1, own * 2,     own / 2,     0x10000u};
    return edges[draw.Below(std::size(edges))];
}

std::string SetHeaderField(Bytes& bytes, Draw& draw, bool edge, const std::filesystem::path& file) {
    const HeaderField field = IsBitmap(file) ? BitmapFields[draw.Below(BitmapFields.size())]
                                             : ArrayFields[draw.Below(ArrayFields.size())];
    const uint32_t mask = field.Width == 4 ? 0xFFFFFFFFu : 0xFFFFu;
    const uint32_t value = (edge ? EdgeValue(ReadField(bytes, field), draw) : draw.Any()) & mask;
    WriteField(bytes, field, value);
    return "header field at " + std::to_string(field.Offset) + " set to " + std::to_string(value);
}

std::string ChangeBytes(Bytes& bytes, Draw& draw, bool inHeader) {
    if (bytes.empty())
        return "nothing to change in an empty file";
    const size_t span = inHeader ? std::min(bytes.size(), HeaderSpan) : bytes.size();
    const size_t count = 1 + draw.Below(8);
    std::string offsets;
    for (size_t i = 0; i < count; ++i) {
        const size_t at = draw.Below(span);
        bytes[at] = static_cast<uint8_t>(draw.Any());
        offsets += (i ? "," : "") + std::to_string(at);
    }
    return std::to_string(count) + " bytes changed at " + offsets;
}

std::string Append(Bytes& bytes, Draw& draw) {
    const size_t count = 1 + draw.Below(4096);
    for (size_t i = 0; i < count; ++i)
        bytes.push_back(static_cast<uint8_t>(draw.Any()));
    return std::to_string(count) + " bytes appended";
}

std::string ReplaceWhole(Bytes& bytes, Draw& draw) {
    bytes.resize(draw.Below(129));
    for (uint8_t& byte : bytes)
        byte = static_cast<uint8_t>(draw.Any());
    return "replaced by " + std::to_string(bytes.size()) + " random bytes";
}

std::string Apply(Bytes& bytes, Draw& draw, const std::filesystem::path& file) {
    switch (draw.Below(9)) {
    case 0:
        return CutShort(bytes, draw, true);
    case 1:
        return CutShort(bytes, draw, false);
    case 2:
    case 3:
        return SetHeaderField(bytes, draw, true, file);
    case 4:
        return SetHeaderField(bytes, draw, false, file);
    case 5:
        return ChangeBytes(bytes, draw, true);
    case 6:
        return ChangeBytes(bytes, draw, false);
    case 7:
        return Append(bytes, draw);
    default:
        return ReplaceWhole(bytes, draw);
    }
}

void AddOneToSizeField(const std::filesystem::path& file) {
    Bytes bytes = ReadAll(file);
    const HeaderField field{static_cast<size_t>(SizeFieldOffset(file)), 4};
    if (bytes.size() < field.Offset + field.Width)
        throw std::runtime_error(file.string() + " is too short to hold its size field");
    WriteField(bytes, field, ReadField(bytes, field) + 1);
    WriteAll(file, bytes);
}

} // namespace

const char* DamageName(Damage kind) {
    static const char* const names[] = {"Missing", "Empty", "Truncated", "SizeOverrunsPayload"};
    return names[static_cast<int>(kind)];
}

void Spoil(const std::filesystem::path& file, Damage kind) {
    switch (kind) {
    case Damage::Missing:
        std::filesystem::remove(file);
        break;
    case Damage::Empty:
        std::filesystem::resize_file(file, 0);
        break;
    case Damage::Truncated:
        std::filesystem::resize_file(file, std::filesystem::file_size(file) / 2);
        break;
    case Damage::SizeOverrunsPayload:
        AddOneToSizeField(file);
        break;
    }
}

std::string SpoilAtRandom(const std::filesystem::path& file, uint32_t seed) {
    Bytes bytes = ReadAll(file);
    Draw draw(seed);
    const std::string done = Apply(bytes, draw, file);
    WriteAll(file, bytes);
    return done;
}

} // namespace vyn::test
