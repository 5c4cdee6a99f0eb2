#include "tools/vynLandscapeGenerator.h"

#include "tools/vynLandscapeNoise.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>

namespace vyn {

namespace {

using Shape = LandscapeShape;

// --- The terrain -------------------------------------------------------------------------------

// Elevation is measured as y / distance: what decides where a point lands on screen. The near
// edge sits a quarter pixel inside the bottom of the view (tan 22.5 degrees is 0.41421), so the
// bottom row of pixels is covered; nothing rises above the eye.
constexpr double NearElevation = -0.4135;
constexpr double NearAltitude = NearElevation * Shape::NearDistance;
constexpr double HighestElevation = -0.004;
// The least rise in elevation from one row to the next, so that every quad keeps some height on
// screen (a few thousandths of a pixel) and its winding stays clockwise.
constexpr double RowRise = 1e-5;
// Half the terrain's width per unit of distance: the sides follow the view's sides (0.55228 at
// 4:3) a quarter pixel inside them. Every grid column then stays on one screen column, so each
// quad is a trapezoid with upright sides, convex and clockwise however steeply its rows climb.
constexpr double HalfWidthPerDistance = 0.5515;

constexpr double WaterLevel = -1.7;

// Rows are spaced by distance(t) = near + a t + b t^3: dense near the camera, where a row spans
// many pixels, and sparse in the fog.
constexpr double RowLinear = 14.0;
constexpr double RowCubic = Shape::FarDistance - Shape::NearDistance - RowLinear;

double DistanceAt(double t) {
    return Shape::NearDistance + RowLinear * t + RowCubic * t * t * t;
}

double SmoothStep(double from, double to, double value) {
    const double t = std::clamp((value - from) / (to - from), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

struct ProfilePoint {
    double Distance;
    double Altitude;
};

// The landscape's section along the view: a slope falling from the camera's lookout into a
// valley whose floor lies under the lake, then hills and mountains that fade into the fog.
constexpr std::array<ProfilePoint, 10> Profile{{{Shape::NearDistance, NearAltitude},
                                                {3.0, -0.95},
                                                {5.0, -1.5},
                                                {7.0, -1.85},
                                                {9.5, -1.85},
                                                {12.0, -1.5},
                                                {16.0, -1.0},
                                                {22.0, -0.7},
                                                {30.0, -0.6},
                                                {Shape::FarDistance, -0.8}}};

double ProfileSlope(std::size_t i) {
    const auto slope = [](const ProfilePoint& a, const ProfilePoint& b) {
        return (b.Altitude - a.Altitude) / (b.Distance - a.Distance);
    };
    if (i == 0)
        return slope(Profile[0], Profile[1]);
    if (i + 1 == Profile.size())
        return slope(Profile[i - 1], Profile[i]);
    return 0.5 * (slope(Profile[i - 1], Profile[i]) + slope(Profile[i], Profile[i + 1]));
}

// Cubic Hermite interpolation through the profile points: smooth, with no flat step at a point.
double ProfileAltitude(double distance) {
    std::size_t i = 0;
    while (i + 2 < Profile.size() && distance > Profile[i + 1].Distance)
        ++i;
    const ProfilePoint& a = Profile[i];
    const ProfilePoint& b = Profile[i + 1];
    const double span = b.Distance - a.Distance;
    const double t = std::clamp((distance - a.Distance) / span, 0.0, 1.0);
    const double t2 = t * t, t3 = t2 * t;
    return (2 * t3 - 3 * t2 + 1) * a.Altitude + (t3 - 2 * t2 + t) * span * ProfileSlope(i) +
           (-2 * t3 + 3 * t2) * b.Altitude + (t3 - t2) * span * ProfileSlope(i + 1);
}

class Terrain {
  public:
    // Height of the ground (under the water where there is water) at a point of the plane.
    double Ground(double x, double z) const {
        const double distance = -z;
        // No relief at the near edge, so the edge stays exactly where the view needs it.
        const double relief = SmoothStep(Shape::NearDistance, Shape::NearDistance + 2.5, distance);
        // The valley winds: its section is shifted along the view, more so farther away.
        const double meander =
            2.5 * Broad.Fractal(x / 14.0, 0.5, 3, 0.5) * SmoothStep(2.0, 6.0, distance);
        const double basins =
            0.7 * Broad.Fractal(x / 6.0, z / 6.0, 3, 0.5) * SmoothStep(4.0, 7.0, distance);
        const double hills = 0.45 * Hills.Fractal(x / 3.5, z / 3.5, 6, 0.5) *
                             (0.35 + 0.65 * SmoothStep(8.0, 12.0, distance));
        const double hummocks =
            0.15 * Fine.Fractal(x / 0.9, z / 0.9, 4, 0.5) * (1.0 - SmoothStep(4.0, 8.0, distance));
        const double peaks =
            0.8 * (Peaks.Ridged(x / 5.0, z / 5.0, 5) - 0.4) * SmoothStep(11.0, 17.0, distance);
        return ProfileAltitude(distance + meander) + relief * (basins + hills + hummocks + peaks);
    }

    // Where woods grow, 0..1.
    double Woods(double x, double z) const {
        return SmoothStep(0.1, 0.3, Broad.Fractal(x / 1.6 + 97.0, z / 1.6, 4, 0.55));
    }

    double Surface(double x, double z) const { return std::max(Ground(x, z), WaterLevel); }

    // Fine variation for the picture's colours.
    double Detail(double x, double z) const { return Fine.Fractal(x * 3.0, z * 3.0, 3, 0.5); }

  private:
    GradientNoise Broad{0x5eed0001U};
    GradientNoise Hills{0x5eed0002U};
    GradientNoise Peaks{0x5eed0003U};
    GradientNoise Fine{0x5eed0004U};
};

struct PlanePoint {
    double X;
    double Z;
    double Distance;
};

// Grid coordinates (s across, t away from the camera, both 0..1) to a point of the plane.
PlanePoint PlaneAt(double s, double t) {
    const double distance = DistanceAt(t);
    return {(2.0 * s - 1.0) * HalfWidthPerDistance * distance, -distance, distance};
}

// --- The mesh ----------------------------------------------------------------------------------

struct Vertex {
    float X, Y, Z, S, T;
};

// One column of the grid, near to far. Each point is raised where needed so that its elevation
// exceeds the previous one's: ground hidden behind a crest becomes a sliver along the line of
// sight instead of a face turned away from the camera.
void BuildColumn(const Terrain& terrain, int quadsPerSide, int column,
                 std::vector<Vertex>& lattice) {
    const int lines = quadsPerSide + 1;
    const double s = static_cast<double>(column) / quadsPerSide;
    double previous = NearElevation - RowRise;
    for (int row = 0; row < lines; ++row) {
        const double t = static_cast<double>(row) / quadsPerSide;
        const PlanePoint point = PlaneAt(s, t);
        double elevation = terrain.Surface(point.X, point.Z) / point.Distance;
        elevation = std::max(std::min(elevation, HighestElevation), previous + RowRise);
        previous = elevation;
        lattice[static_cast<std::size_t>(row * lines + column)] = {
            static_cast<float>(point.X), static_cast<float>(elevation * point.Distance),
            static_cast<float>(point.Z), static_cast<float>(s), static_cast<float>(t)};
    }
}

void AppendVertex(LandscapeMesh& mesh, const Vertex& v) {
    mesh.Positions.insert(mesh.Positions.end(), {v.X, v.Y, v.Z});
    mesh.TexCoords.insert(mesh.TexCoords.end(), {v.S, v.T});
}

// --- The picture -------------------------------------------------------------------------------

struct Colour {
    double R, G, B;
};

Colour Mix(const Colour& a, const Colour& b, double f) {
    return {a.R + (b.R - a.R) * f, a.G + (b.G - a.G) * f, a.B + (b.B - a.B) * f};
}

Colour Scale(const Colour& c, double f) {
    return {c.R * f, c.G * f, c.B * f};
}

constexpr Colour ShallowWater{0.24, 0.50, 0.60};
constexpr Colour DeepWater{0.06, 0.18, 0.36};
constexpr Colour Sand{0.80, 0.73, 0.52};
constexpr Colour LushGrass{0.30, 0.56, 0.18};
constexpr Colour DryGrass{0.45, 0.50, 0.22};
constexpr Colour Forest{0.10, 0.26, 0.09};
constexpr Colour Rock{0.47, 0.42, 0.36};
constexpr Colour Snow{0.95, 0.95, 0.97};

struct Sun {
    double X, Y, Z;
};
// From the left and high, a little on the camera's side: slopes show their form, and the
// lookout's slope, which falls away from the camera, stays in the light.
constexpr Sun SunDirection{-0.6, 0.8, 0.35};

// The share of light a slope with the given gradient receives from the sun, plus sky light.
double HillShade(double slopeX, double slopeZ) {
    const double sunLength =
        std::sqrt(SunDirection.X * SunDirection.X + SunDirection.Y * SunDirection.Y +
                  SunDirection.Z * SunDirection.Z);
    const double normalLength = std::sqrt(slopeX * slopeX + 1.0 + slopeZ * slopeZ);
    const double facing = (-slopeX * SunDirection.X + SunDirection.Y - slopeZ * SunDirection.Z) /
                          (sunLength * normalLength);
    return 0.25 + 0.95 * std::max(0.0, facing);
}

// Height bands above the water. Rock and snow lines climb toward the camera: the lookout's
// slope is meadow, while the far mountains carry rock and snow.
Colour LandColour(double height, double steepness, double detail, double woods, double distance) {
    const double nearness = 1.0 - SmoothStep(6.0, 14.0, distance);
    const double rockLine = 0.75 + 0.9 * nearness;
    const double snowLine = 1.2 + 1.5 * nearness;
    Colour colour = Mix(Sand, LushGrass, SmoothStep(0.015, 0.05, height));
    colour = Mix(colour, DryGrass, SmoothStep(0.3, 1.2, height - 0.6 * nearness + 0.3 * detail));
    const double treeLine = SmoothStep(0.1, 0.18, height) * (1.0 - SmoothStep(0.7, 0.9, height));
    colour = Mix(colour, Scale(Forest, 0.85 + 0.3 * detail), woods * treeLine);
    const double rocky = std::max(SmoothStep(rockLine, rockLine + 0.25, height + 0.25 * detail),
                                  SmoothStep(0.8, 1.4, steepness + 0.3 * detail));
    colour = Mix(colour, Rock, rocky);
    const double snowy = SmoothStep(snowLine, snowLine + 0.15, height + 0.15 * detail) *
                         (1.0 - SmoothStep(1.2, 1.8, steepness));
    return Mix(colour, Snow, snowy);
}

Colour GroundColour(const Terrain& terrain, double x, double z) {
    const double ground = terrain.Ground(x, z);
    const double detail = terrain.Detail(x, z);
    if (ground < WaterLevel) {
        const Colour water =
            Mix(ShallowWater, DeepWater, SmoothStep(0.0, 0.35, WaterLevel - ground));
        return Scale(water, 0.92 + 0.08 * detail);
    }
    constexpr double step = 0.02;
    const double slopeX = (terrain.Ground(x + step, z) - ground) / step;
    const double slopeZ = (terrain.Ground(x, z + step) - ground) / step;
    const double steepness = std::sqrt(slopeX * slopeX + slopeZ * slopeZ);
    const Colour land = LandColour(ground - WaterLevel, steepness, detail, terrain.Woods(x, z), -z);
    return Scale(land, HillShade(slopeX, slopeZ) * (0.94 + 0.06 * detail));
}

std::uint8_t ToByte(double value) {
    return static_cast<std::uint8_t>(std::clamp(value, 0.0, 1.0) * 255.0 + 0.5);
}

} // namespace

LandscapeMesh BuildLandscapeMesh(int quadsPerSide) {
    const Terrain terrain;
    const int lines = quadsPerSide + 1;
    std::vector<Vertex> lattice(static_cast<std::size_t>(lines) * static_cast<std::size_t>(lines));
    for (int column = 0; column < lines; ++column)
        BuildColumn(terrain, quadsPerSide, column, lattice);

    const auto at = [&](int column, int row) {
        return lattice[static_cast<std::size_t>(row) * static_cast<std::size_t>(lines) +
                       static_cast<std::size_t>(column)];
    };
    LandscapeMesh mesh;
    const std::size_t vertices = 4U * static_cast<std::size_t>(quadsPerSide) * quadsPerSide;
    mesh.Positions.reserve(vertices * 3);
    mesh.TexCoords.reserve(vertices * 2);
    for (int row = 0; row < quadsPerSide; ++row) {
        for (int column = 0; column < quadsPerSide; ++column) {
            // Near left, far left, far right, near right: clockwise on screen.
            AppendVertex(mesh, at(column, row));
            AppendVertex(mesh, at(column, row + 1));
            AppendVertex(mesh, at(column + 1, row + 1));
            AppendVertex(mesh, at(column + 1, row));
        }
    }
    return mesh;
}

GroundPicture PaintGroundPicture() {
    const Terrain terrain;
    GroundPicture picture;
    picture.Width = Shape::PictureSize;
    picture.Height = Shape::PictureSize;
    picture.Rgb.reserve(static_cast<std::size_t>(picture.Width * picture.Height * 3));
    for (int row = 0; row < picture.Height; ++row) {
        for (int column = 0; column < picture.Width; ++column) {
            // Pixel centres, where texture sampling puts them.
            const PlanePoint point =
                PlaneAt((column + 0.5) / picture.Width, (row + 0.5) / picture.Height);
            const Colour colour = GroundColour(terrain, point.X, point.Z);
            picture.Rgb.insert(picture.Rgb.end(),
                               {ToByte(colour.R), ToByte(colour.G), ToByte(colour.B)});
        }
    }
    return picture;
}

} // namespace vyn
