// Builds bitmap and array files byte by byte for the resource tests and benchmarks.
//
// MakeBitmap writes the file header, an info header of any size (the fields it knows at their
// places, the rest zero), bit-field masks, a colour table, an optional gap and the stored rows,
// exactly as given: a test can describe valid files and every kind of broken one. Header-only so
// that the benchmarks can use it without the test support library.
#pragma once

#include "framework/resources/OpenGLBufferArrays.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <vector>

namespace vyn::test {

struct BitmapFields {
    int32_t Width = 1;
    int32_t Height = 1; // negative: stored top-down
    uint16_t BitsPerPixel = 24;
    uint32_t HeaderSize = 40;
    uint32_t Compression = 0;
    uint32_t ColoursUsed = 0;
    // Written inside the info header from offset 40 when it is large enough, else behind it.
    std::vector<uint32_t> Masks;
    std::vector<std::array<uint8_t, 3>> Palette; // red, green, blue
    uint32_t GapBeforePixels = 0;

    BitmapFields& Bits(uint16_t bits) { return Set(BitsPerPixel, bits); }
    BitmapFields& Header(uint32_t size) { return Set(HeaderSize, size); }
    BitmapFields& Compress(uint32_t kind) { return Set(Compression, kind); }
    BitmapFields& Colours(uint32_t used) { return Set(ColoursUsed, used); }
    BitmapFields& MasksOf(std::vector<uint32_t> masks) { return Set(Masks, std::move(masks)); }
    BitmapFields& PaletteOf(std::vector<std::array<uint8_t, 3>> table) {
        return Set(Palette, std::move(table));
    }
    BitmapFields& Gap(uint32_t bytes) { return Set(GapBeforePixels, bytes); }

  private:
    template <typename Field, typename Value>
    BitmapFields& Set(Field& field, Value value) {
        field = std::move(value);
        return *this;
    }
};

inline BitmapFields Fields(int32_t width, int32_t height) {
    BitmapFields fields;
    fields.Width = width;
    fields.Height = height;
    return fields;
}

inline void PutLE(std::vector<uint8_t>& bytes, size_t offset, uint64_t value, size_t width) {
    if (bytes.size() < offset + width)
        bytes.resize(offset + width);
    for (size_t i = 0; i < width; ++i)
        bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
}

inline std::vector<uint8_t> MakeBitmap(const BitmapFields& fields,
                                       const std::vector<uint8_t>& rows) {
    const bool core = fields.HeaderSize == 12;
    std::vector<uint8_t> file(14 + std::max<uint32_t>(fields.HeaderSize, 12), 0);
    file[0] = 'B';
    file[1] = 'M';
    PutLE(file, 14, fields.HeaderSize, 4);
    if (core) {
        PutLE(file, 18, static_cast<uint16_t>(fields.Width), 2);
        PutLE(file, 20, static_cast<uint16_t>(fields.Height), 2);
        PutLE(file, 22, 1, 2);
        PutLE(file, 24, fields.BitsPerPixel, 2);
    } else {
        PutLE(file, 18, static_cast<uint32_t>(fields.Width), 4);
        PutLE(file, 22, static_cast<uint32_t>(fields.Height), 4);
        PutLE(file, 26, 1, 2);
        PutLE(file, 28, fields.BitsPerPixel, 2);
        PutLE(file, 30, fields.Compression, 4);
        PutLE(file, 46, fields.ColoursUsed, 4);
    }
    file.resize(14 + fields.HeaderSize);
    const size_t maskStart = fields.HeaderSize >= 52 ? 54 : file.size();
    for (size_t i = 0; i < fields.Masks.size(); ++i)
        PutLE(file, maskStart + 4 * i, fields.Masks[i], 4);
    for (const auto& entry : fields.Palette) {
        file.insert(file.end(), {entry[2], entry[1], entry[0]});
        if (!core)
            file.push_back(0);
    }
    file.resize(file.size() + fields.GapBeforePixels, 0x5A);
    PutLE(file, 10, file.size(), 4);
    file.insert(file.end(), rows.begin(), rows.end());
    PutLE(file, 2, file.size(), 4);
    return file;
}

// Stored 24-bit rows, bottom row first, blue-green-red, padded with `pad` bytes.
template <typename PixelRgb>
std::vector<uint8_t> Rows24(int width, int height, PixelRgb rgbAt, uint8_t pad = 0) {
    const size_t stride = (3 * static_cast<size_t>(width) + 3) / 4 * 4;
    std::vector<uint8_t> rows(stride * height, pad);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::array<uint8_t, 3> rgb = rgbAt(x, y);
            uint8_t* pixel = &rows[y * stride + 3 * x];
            pixel[0] = rgb[2];
            pixel[1] = rgb[1];
            pixel[2] = rgb[0];
        }
    return rows;
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

// The header of an array file: its three values.
inline std::vector<uint8_t> MakeArrayHeader(int32_t header0, int32_t size, int32_t count) {
    std::vector<uint8_t> header(TMyCPPArray::HeaderBytes);
    PutLE(header, 0, static_cast<uint32_t>(header0), 4);
    PutLE(header, 4, static_cast<uint32_t>(size), 4);
    PutLE(header, 8, static_cast<uint32_t>(count), 4);
    return header;
}

// An array file: the three header values, then the payload bytes as given.
inline std::vector<uint8_t> MakeArrayFile(int32_t header0, int32_t size, int32_t count,
                                          const std::vector<uint8_t>& payload) {
    const std::vector<uint8_t> header = MakeArrayHeader(header0, size, count);
    std::vector<uint8_t> file(header.size() + payload.size());
    std::copy(header.begin(), header.end(), file.begin());
    std::copy(payload.begin(), payload.end(), file.begin() + static_cast<long>(header.size()));
    return file;
}

} // namespace vyn::test
