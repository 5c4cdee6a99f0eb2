// How primitives become pixels: point size, line width and stipple, smoothing, polygon modes,
// offset and stipple.
#include "sweepCases.h"

namespace sweep {

namespace {

void Star() {
    glBegin(GL_LINES);
    for (int step = 0; step < 4; ++step) {
        const GLfloat offset = 6 + step * 17.0f;
        glColor3f(1, 1 - step * 0.3f, step * 0.3f);
        glVertex2f(offset, 6), glVertex2f(CellSize - offset, 58);
    }
    glColor3f(0.5f, 1, 0.5f);
    glVertex2f(4, 32), glVertex2f(60, 32);
    glEnd();
}

void PointSize() {
    PixelProjection();
    for (int step = 0; step < 4; ++step) {
        glPointSize(2.0f + step * 3);
        glBegin(GL_POINTS);
        glColor3f(1, step * 0.3f, 0);
        glVertex2f(10 + step * 14.0f, 20);
        glColor3f(0, step * 0.3f, 1);
        glVertex2f(10 + step * 14.0f, 46);
        glEnd();
    }
}

void LineWidth() {
    PixelProjection();
    glLineWidth(5);
    Star();
}

void LineStipple() {
    PixelProjection();
    glEnable(GL_LINE_STIPPLE);
    glLineWidth(3);
    glLineStipple(3, 0x0F0F);
    Star();
}

void LineSmooth() {
    PixelProjection();
    glEnable(GL_LINE_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glHint(GL_LINE_SMOOTH_HINT, GL_NICEST);
    glLineWidth(4);
    Star();
}

void PointSmooth() {
    PixelProjection();
    glEnable(GL_POINT_SMOOTH);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glPointSize(14);
    glBegin(GL_POINTS);
    glColor3f(1, 0.6f, 0.2f);
    glVertex2f(18, 18), glVertex2f(46, 46);
    glColor3f(0.2f, 0.8f, 1);
    glVertex2f(18, 46), glVertex2f(46, 18);
    glEnd();
}

// Two squares, the front face anticlockwise at the left, the back face at the right.
void FrontAndBack() {
    PixelProjection();
    glColor3f(1, 0.9f, 0.3f);
    Rectangle(6, 10, 28, 54);
    glBegin(GL_QUADS);
    glColor3f(0.3f, 0.9f, 1);
    glVertex2f(36, 10), glVertex2f(36, 54), glVertex2f(58, 54), glVertex2f(58, 10);
    glEnd();
}

void PolygonModeLine() {
    glPolygonMode(GL_FRONT, GL_LINE);
    glLineWidth(2);
    FrontAndBack();
}

void PolygonModePoint() {
    glPolygonMode(GL_FRONT_AND_BACK, GL_POINT);
    glPointSize(5);
    FrontAndBack();
}

// A red square, then a green one in the same plane that wins the depth test only when offset;
// its right half is drawn without, and the red shows through there.
void PolygonOffset() {
    PixelProjection();
    glEnable(GL_DEPTH_TEST);
    glColor3f(1, 0, 0);
    Rectangle(8, 8, 56, 56);
    glColor3f(0, 1, 0);
    glEnable(GL_POLYGON_OFFSET_FILL);
    glPolygonOffset(-1, -2);
    Rectangle(8, 8, 32, 56);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glColor3f(0, 0, 1);
    Rectangle(32, 8, 56, 32);
}

void PolygonStipple() {
    // 8 × 8 checks: a coarse pattern, so that a solid polygon differs in whole blocks.
    GLubyte pattern[128];
    for (int row = 0; row < 32; ++row)
        for (int byte = 0; byte < 4; ++byte)
            pattern[row * 4 + byte] = (row / 8 + byte) % 2 ? 0xFF : 0x00;
    glPolygonStipple(pattern);
    glEnable(GL_POLYGON_STIPPLE);
    PixelProjection();
    glBegin(GL_TRIANGLES);
    glColor3f(1, 0.3f, 0.3f);
    glVertex2f(4, 4);
    glColor3f(0.3f, 1, 0.3f);
    glVertex2f(60, 4);
    glColor3f(0.3f, 0.3f, 1);
    glVertex2f(32, 60);
    glEnd();
}

const SweepCase Cases[] = {
    {"point-size", PointSize},
    {"line-width", LineWidth},
    {"line-stipple", LineStipple},
    {"line-smooth", LineSmooth},
    {"point-smooth", PointSmooth},
    {"polygon-mode-line", PolygonModeLine},
    {"polygon-mode-point", PolygonModePoint},
    {"polygon-offset", PolygonOffset},
    {"polygon-stipple", PolygonStipple},
};

} // namespace

std::span<const SweepCase> RasterCases() {
    return Cases;
}

} // namespace sweep
