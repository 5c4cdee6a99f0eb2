// Immediate mode and every primitive, vertex arrays, display lists, shading, the matrix stacks
// and clip planes.
#include "sweepCases.h"

namespace sweep {

namespace {

// Six vertices round the cell's centre, each with its own colour.
constexpr GLfloat Ring[][2] = {{32, 58}, {54, 45}, {54, 19}, {32, 6}, {10, 19}, {10, 45}};
constexpr GLfloat RingColours[][3] = {{1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                                      {0, 1, 1}, {0, 0, 1}, {1, 0, 1}};

void DrawRing(GLenum primitive) {
    PixelProjection();
    glBegin(primitive);
    for (int index = 0; index < 6; ++index) {
        glColor3fv(RingColours[index]);
        glVertex2fv(Ring[index]);
    }
    glEnd();
}

void Points() {
    PixelProjection();
    glBegin(GL_POINTS);
    for (int y = 4; y < CellSize; y += 8)
        for (int x = 4; x < CellSize; x += 8) {
            glColor3f(x / 64.0f, y / 64.0f, 1);
            glVertex2f(x + 0.5f, y + 0.5f);
        }
    glEnd();
}

void Lines() {
    DrawRing(GL_LINES);
}

void LineStrip() {
    DrawRing(GL_LINE_STRIP);
}

void LineLoop() {
    DrawRing(GL_LINE_LOOP);
}

void Triangles() {
    DrawRing(GL_TRIANGLES);
}

void TriangleFan() {
    DrawRing(GL_TRIANGLE_FAN);
}

void Polygon() {
    DrawRing(GL_POLYGON);
}

void TriangleStrip() {
    PixelProjection();
    glBegin(GL_TRIANGLE_STRIP);
    for (int step = 0; step < 6; ++step) {
        glColor3f(step / 5.0f, 1 - step / 5.0f, 0.5f);
        glVertex2f(6 + step * 10.0f, step % 2 ? 50.0f : 14.0f);
    }
    glEnd();
}

void Quads() {
    PixelProjection();
    glBegin(GL_QUADS);
    glColor3f(1, 0.5f, 0);
    glVertex2f(4, 4), glVertex2f(28, 8), glVertex2f(30, 30), glVertex2f(6, 26);
    glColor3f(0, 0.5f, 1);
    glVertex2f(36, 36), glVertex2f(60, 36), glVertex2f(56, 60), glVertex2f(40, 56);
    glEnd();
}

void QuadStrip() {
    PixelProjection();
    glBegin(GL_QUAD_STRIP);
    for (int step = 0; step < 4; ++step) {
        glColor3f(0.3f * step, 0.8f, 1 - 0.3f * step);
        glVertex2f(8 + step * 16.0f, 10 + step * 4.0f);
        glVertex2f(8 + step * 16.0f, 54 - step * 4.0f);
    }
    glEnd();
}

constexpr GLfloat ArrayCorners[] = {8, 8, 56, 8, 56, 56, 8, 56, 20, 20, 44, 20, 32, 44};
constexpr GLubyte ArrayColours[] = {255, 0, 0, 0, 255, 0, 0, 0, 255, 255, 255,
                                    255, 0, 0, 0, 0,   0, 0, 0, 255, 255};

void UseArrays() {
    PixelProjection();
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_COLOR_ARRAY);
    glVertexPointer(2, GL_FLOAT, 0, ArrayCorners);
    glColorPointer(3, GL_UNSIGNED_BYTE, 0, ArrayColours);
}

void DrawArrays() {
    UseArrays();
    glDrawArrays(GL_QUADS, 0, 4);
    glDrawArrays(GL_TRIANGLES, 4, 3);
}

void DrawElements() {
    UseArrays();
    const GLubyte fan[] = {0, 1, 2, 3};
    const GLushort triangle[] = {6, 5, 4};
    glDrawElements(GL_TRIANGLE_FAN, 4, GL_UNSIGNED_BYTE, fan);
    glDrawElements(GL_TRIANGLES, 3, GL_UNSIGNED_SHORT, triangle);
}

void ArrayElement() {
    UseArrays();
    glBegin(GL_TRIANGLES);
    for (int index : {0, 1, 3, 4, 5, 6})
        glArrayElement(index);
    glEnd();
}

void InterleavedArrays() {
    PixelProjection();
    // GL_C3F_V3F: red, green and blue corners of one triangle, then a white one.
    const GLfloat interleaved[] = {1, 0, 0, 6,  6, 0, 0, 1, 0, 58, 10, 0, 0, 0, 1, 30, 58, 0,
                                   1, 1, 1, 40, 4, 0, 1, 1, 1, 60, 4,  0, 1, 1, 1, 60, 24, 0};
    glInterleavedArrays(GL_C3F_V3F, 0, interleaved);
    glDrawArrays(GL_TRIANGLES, 0, 6);
}

void DisplayLists() {
    PixelProjection();
    const GLuint lists = glGenLists(3);
    glNewList(lists, GL_COMPILE);
    Rectangle(0, 0, 12, 12);
    glEndList();
    // A list that calls another, and moves on as it goes.
    glNewList(lists + 1, GL_COMPILE);
    glColor3f(1, 0.8f, 0);
    glCallList(lists);
    glTranslatef(16, 4, 0);
    glEndList();
    glNewList(lists + 2, GL_COMPILE_AND_EXECUTE);
    glColor3f(0, 0.7f, 1);
    glTranslatef(2, 40, 0);
    glCallList(lists);
    glEndList();
    glLoadIdentity();
    glTranslatef(2, 4, 0);
    const GLubyte calls[] = {1, 1, 1, 2};
    glListBase(lists);
    glCallLists(4, GL_UNSIGNED_BYTE, calls);
    glListBase(0);
    glDeleteLists(lists, 3);
}

void ShadeFlat() {
    glShadeModel(GL_FLAT);
    DrawRing(GL_TRIANGLE_FAN);
}

void MatrixStack() {
    glMatrixMode(GL_PROJECTION);
    glFrustum(-1, 1, -1, 1, 2, 10);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(0, 0, -4);
    for (int step = 0; step < 4; ++step) {
        glPushMatrix();
        glRotatef(90.0f * step + 20, 0, 0, 1);
        glTranslatef(0.9f, 0, 0);
        glScalef(0.6f, 0.3f, 1);
        glColor3f(step == 0, step == 1, step >= 2);
        glBegin(GL_QUADS);
        glVertex2f(-1, -1), glVertex2f(1, -1), glVertex2f(1, 1), glVertex2f(-1, 1);
        glEnd();
        glPopMatrix();
    }
    // A matrix loaded whole, then multiplied: a sheared square at the centre.
    const GLfloat shear[] = {0.4f, 0, 0, 0, 0.2f, 0.4f, 0, 0, 0, 0, 1, 0, 0, 0, -4, 1};
    glLoadMatrixf(shear);
    const GLdouble half[] = {0.5, 0, 0, 0, 0, 0.5, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
    glMultMatrixd(half);
    glColor3f(1, 1, 1);
    Rectangle(-1, -1, 1, 1);
}

void ClipPlanes() {
    PixelProjection();
    const GLdouble diagonal[] = {1, 1, 0, -56}, vertical[] = {-1, 0, 0, 48};
    glClipPlane(GL_CLIP_PLANE0, diagonal);
    glClipPlane(GL_CLIP_PLANE1, vertical);
    glEnable(GL_CLIP_PLANE0);
    glEnable(GL_CLIP_PLANE1);
    glColor3f(0.2f, 1, 0.4f);
    Rectangle(4, 4, 60, 60);
}

void CullFace() {
    glEnable(GL_CULL_FACE);
    glFrontFace(GL_CW);
    PixelProjection();
    glColor3f(1, 0.4f, 0.4f);
    Rectangle(4, 4, 28, 60); // anticlockwise: the back face, culled
    glBegin(GL_QUADS);
    glColor3f(0.4f, 1, 0.4f);
    glVertex2f(36, 4), glVertex2f(36, 60), glVertex2f(60, 60), glVertex2f(60, 4);
    glEnd();
}

const SweepCase Cases[] = {
    {"points", Points},
    {"lines", Lines},
    {"line-strip", LineStrip},
    {"line-loop", LineLoop},
    {"triangles", Triangles},
    {"triangle-strip", TriangleStrip},
    {"triangle-fan", TriangleFan},
    {"quads", Quads},
    {"quad-strip", QuadStrip},
    {"polygon", Polygon},
    {"draw-arrays", DrawArrays},
    {"draw-elements", DrawElements},
    {"array-element", ArrayElement},
    {"interleaved-arrays", InterleavedArrays},
    {"display-lists", DisplayLists},
    {"shade-flat", ShadeFlat},
    {"matrix-stack", MatrixStack},
    {"clip-planes", ClipPlanes},
    {"cull-face", CullFace},
};

} // namespace

std::span<const SweepCase> GeometryCases() {
    return Cases;
}

} // namespace sweep
