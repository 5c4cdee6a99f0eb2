#include "vynPicture.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <stdexcept>
#include <unordered_set>

namespace vyn::test {

namespace {

constexpr int LargestSide = 16384;

// Reads the header's fields one by one: whitespace and '#' comments between them.
class PpmHeaderReader {
  public:
    explicit PpmHeaderReader(std::string_view bytes) : Bytes(bytes) {}

    int Number(const char* field) {
        SkipSpaceAndComments();
        int value = 0;
        size_t digits = 0;
        while (At < Bytes.size() && std::isdigit(static_cast<unsigned char>(Bytes[At]))) {
            value = value * 10 + (Bytes[At++] - '0');
            if (value > LargestSide)
                throw std::runtime_error(std::string("PPM: ") + field + " is too large");
            ++digits;
        }
        if (digits == 0)
            throw std::runtime_error(std::string("PPM: no number for the ") + field);
        return value;
    }
    // The one whitespace byte after the maximum value; the pixel data follows it.
    size_t PixelStart() {
        if (At >= Bytes.size() || !std::isspace(static_cast<unsigned char>(Bytes[At])))
            throw std::runtime_error("PPM: header does not end in whitespace");
        return At + 1;
    }

  private:
    void SkipSpaceAndComments() {
        while (At < Bytes.size()) {
            if (Bytes[At] == '#')
                At = std::min(Bytes.find('\n', At), Bytes.size());
            else if (std::isspace(static_cast<unsigned char>(Bytes[At])))
                ++At;
            else
                return;
        }
    }

    std::string_view Bytes;
    size_t At = 2; // after the magic
};

double Luminance(const uint8_t* pixel) {
    return 0.299 * pixel[0] + 0.587 * pixel[1] + 0.114 * pixel[2];
}

bool IsLit(const uint8_t* pixel, uint8_t threshold) {
    return pixel[0] > threshold || pixel[1] > threshold || pixel[2] > threshold;
}

} // namespace

Picture ParsePpm(std::string_view bytes) {
    if (bytes.substr(0, 2) != "P6")
        throw std::runtime_error("PPM: not a binary PPM (no P6 magic)");
    PpmHeaderReader header(bytes);
    Picture picture;
    picture.Width = header.Number("width");
    picture.Height = header.Number("height");
    const int maximum = header.Number("maximum value");
    if (picture.Width == 0 || picture.Height == 0)
        throw std::runtime_error("PPM: empty picture");
    if (maximum != 255)
        throw std::runtime_error("PPM: maximum value " + std::to_string(maximum) +
                                 ", only 8-bit channels are read");
    const size_t start = header.PixelStart();
    const size_t needed = static_cast<size_t>(picture.Width) * picture.Height * 3;
    if (bytes.size() - start < needed)
        throw std::runtime_error("PPM: " + std::to_string(bytes.size() - start) + " pixel bytes, " +
                                 std::to_string(needed) + " needed");
    picture.Rgb.assign(bytes.begin() + static_cast<std::ptrdiff_t>(start),
                       bytes.begin() + static_cast<std::ptrdiff_t>(start + needed));
    return picture;
}

std::string EncodePpm(const Picture& picture) {
    std::string bytes =
        "P6\n" + std::to_string(picture.Width) + " " + std::to_string(picture.Height) + "\n255\n";
    bytes.append(picture.Rgb.begin(), picture.Rgb.end());
    return bytes;
}

size_t DistinctColours(const Picture& picture) {
    std::unordered_set<uint32_t> colours;
    for (size_t at = 0; at + 2 < picture.Rgb.size(); at += 3)
        colours.insert(uint32_t{picture.Rgb[at]} << 16 | uint32_t{picture.Rgb[at + 1]} << 8 |
                       picture.Rgb[at + 2]);
    return colours.size();
}

double LitShare(const Picture& picture, uint8_t threshold) {
    const size_t pixels = picture.Rgb.size() / 3;
    if (pixels == 0)
        return 0.0;
    size_t lit = 0;
    for (size_t at = 0; at < picture.Rgb.size(); at += 3)
        lit += IsLit(&picture.Rgb[at], threshold) ? 1 : 0;
    return static_cast<double>(lit) / static_cast<double>(pixels);
}

int FirstLitRow(const Picture& picture, uint8_t threshold) {
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x)
            if (IsLit(picture.Pixel(x, y), threshold))
                return y;
    return picture.Height;
}

double MeanLuminance(const Picture& picture, int firstRow, int endRow) {
    firstRow = std::max(firstRow, 0);
    endRow = std::min(endRow, picture.Height);
    if (firstRow >= endRow || picture.Width == 0)
        return 0.0;
    double sum = 0.0;
    for (int y = firstRow; y < endRow; ++y)
        for (int x = 0; x < picture.Width; ++x)
            sum += Luminance(picture.Pixel(x, y));
    return sum / (static_cast<double>(endRow - firstRow) * picture.Width);
}

PictureDifference Compare(const Picture& first, const Picture& second, int tolerance) {
    PictureDifference difference;
    difference.SameSize = first.Width == second.Width && first.Height == second.Height &&
                          first.Rgb.size() == second.Rgb.size();
    if (!difference.SameSize) {
        difference.PixelsOverTolerance = std::max(first.Rgb.size(), second.Rgb.size()) / 3;
        return difference;
    }
    for (size_t at = 0; at + 2 < first.Rgb.size(); at += 3) {
        int step = 0;
        for (size_t channel = at; channel < at + 3; ++channel)
            step = std::max(step, std::abs(first.Rgb[channel] - second.Rgb[channel]));
        difference.LargestChannelStep = std::max(difference.LargestChannelStep, step);
        difference.PixelsOverTolerance += step > tolerance ? 1 : 0;
    }
    return difference;
}

double MeanAbsoluteError(const Picture& first, const Picture& second) {
    if (first.Width != second.Width || first.Height != second.Height ||
        first.Rgb.size() != second.Rgb.size())
        return 1.0;
    if (first.Rgb.empty())
        return 0.0;
    double sum = 0.0;
    for (size_t at = 0; at < first.Rgb.size(); ++at)
        sum += std::abs(first.Rgb[at] - second.Rgb[at]);
    return sum / (255.0 * static_cast<double>(first.Rgb.size()));
}

} // namespace vyn::test
