// Pictures captured from the screen for the end-to-end tests: reading and writing binary PPM
// (P6, 8 bits a channel), and the measures the tests judge a picture by (how many colours, how
// much of it is lit, how bright a band of rows is, how far two pictures differ). Pure functions
// on values; any thread.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vyn::test {

// Rows top-down, three bytes (red, green, blue) a pixel, no padding.
struct Picture {
    int Width = 0;
    int Height = 0;
    std::vector<uint8_t> Rgb;

    const uint8_t* Pixel(int x, int y) const {
        return &Rgb[(static_cast<size_t>(y) * static_cast<size_t>(Width) + static_cast<size_t>(x)) *
                    3];
    }
    bool operator==(const Picture&) const = default;
};

// Parses a binary PPM with a maximum value of 255; throws std::runtime_error saying what is wrong
// with anything else (another magic, a bad header, sizes over 16384, too few pixel bytes).
Picture ParsePpm(std::string_view bytes);
std::string EncodePpm(const Picture& picture);

size_t DistinctColours(const Picture& picture);
// The share of pixels with some channel above `threshold`, from 0 to 1.
double LitShare(const Picture& picture, uint8_t threshold);
// The first row from the top with a pixel above `threshold`; Height when there is none.
int FirstLitRow(const Picture& picture, uint8_t threshold);
// Mean luminance (0.299 R + 0.587 G + 0.114 B) of rows [firstRow, endRow), clipped to the picture.
double MeanLuminance(const Picture& picture, int firstRow, int endRow);

struct PictureDifference {
    bool SameSize = false;
    size_t PixelsOverTolerance = 0; // every pixel when the sizes differ
    int LargestChannelStep = 0;     // over the whole picture; 0 when the sizes differ
};
// Counts the pixels in which some channel differs by more than `tolerance` levels.
PictureDifference Compare(const Picture& first, const Picture& second, int tolerance);

// The mean absolute difference of all channels, each taken from 0 to 1: 0 for equal pictures, 1
// for pictures of different sizes.
double MeanAbsoluteError(const Picture& first, const Picture& second);

} // namespace vyn::test
