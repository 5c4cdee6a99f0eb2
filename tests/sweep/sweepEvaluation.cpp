// Selection, feedback and evaluators. What selection and feedback return is drawn, so that the
// picture shows it.
#include "sweepCases.h"

#include <algorithm>
#include <iterator>

namespace sweep {

namespace {

// Four named squares in a row, the third and fourth under the pick region.
void NamedSquares() {
    for (GLuint name = 0; name < 4; ++name) {
        glLoadName(name + 1);
        Rectangle(4 + name * 15.0f, 24, 16 + name * 15.0f, 40);
    }
}

void Selection() {
    GLuint hits[64] = {};
    glSelectBuffer(64, hits);
    glRenderMode(GL_SELECT);
    glInitNames();
    glPushName(0);
    glMatrixMode(GL_PROJECTION);
    glOrtho(34, 64, 0, 64, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    NamedSquares();
    const GLint count = glRenderMode(GL_RENDER);
    PixelProjection();
    // Every square grey, each hit one orange; a bar per hit record at the top.
    glColor3f(0.5f, 0.5f, 0.5f);
    NamedSquares();
    GLint at = 0;
    for (GLint hit = 0; hit < count && at < 64; ++hit) {
        const GLuint names = hits[at], last = hits[at + 2 + names];
        glColor3f(1, 0.5f, 0);
        Rectangle(4 + (last - 1) * 15.0f, 24, 16 + (last - 1) * 15.0f, 40);
        Rectangle(4 + hit * 10.0f, 50, 12 + hit * 10.0f, 60);
        at += 3 + GLint(names);
    }
}

void FeedbackTriangle() {
    glBegin(GL_TRIANGLES);
    glColor3f(1, 0, 0), glVertex2f(-0.8f, -0.6f);
    glColor3f(0, 1, 0), glVertex2f(0.8f, -0.6f);
    glColor3f(0, 0, 1), glVertex2f(0, 0.8f);
    glEnd();
}

// Feedback into a buffer of 4 values, too small for the triangle's 23: whether glRenderMode
// answers -1 and nothing past the buffer's end was written.
bool FeedbackOverflows() {
    GLfloat buffer[8];
    std::fill(std::begin(buffer), std::end(buffer), -1.0f);
    glFeedbackBuffer(4, GL_3D_COLOR, buffer);
    glRenderMode(GL_FEEDBACK);
    FeedbackTriangle();
    const GLint count = glRenderMode(GL_RENDER);
    return count == -1 &&
           std::all_of(buffer + 4, std::end(buffer), [](GLfloat value) { return value == -1.0f; });
}

void Feedback() {
    GLfloat buffer[256] = {};
    glFeedbackBuffer(256, GL_3D_COLOR, buffer);
    glRenderMode(GL_FEEDBACK);
    glMatrixMode(GL_PROJECTION);
    glOrtho(-1, 1, -1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glRotatef(30, 0, 0, 1);
    FeedbackTriangle();
    const GLint count = glRenderMode(GL_RENDER);
    const bool overflows = FeedbackOverflows();
    // A polygon token, its vertex count, then x, y, z and RGBA in window coordinates each; a white
    // square in the corner when the small buffer overflowed as it should.
    glLoadIdentity();
    PixelProjection();
    if (overflows) {
        glColor3f(1, 1, 1);
        Rectangle(2, 2, 10, 10);
    }
    if (count < 2 || buffer[0] != GLfloat(GL_POLYGON_TOKEN))
        return;
    glBegin(GL_LINE_LOOP);
    for (int vertex = 0; vertex < int(buffer[1]) && 2 + vertex * 7 + 6 < count; ++vertex) {
        const GLfloat* at = &buffer[2 + vertex * 7];
        glColor4f(at[3], at[4], at[5], at[6]);
        glVertex2f(at[0], at[1]);
    }
    glEnd();
}

constexpr GLfloat CurvePoints[][3] = {
    {-0.9f, -0.9f, 0}, {-0.5f, 0.9f, 0}, {0.5f, -0.9f, 0}, {0.9f, 0.9f, 0}};

void EvalCurve() {
    glMap1f(GL_MAP1_VERTEX_3, 0, 1, 3, 4, &CurvePoints[0][0]);
    glEnable(GL_MAP1_VERTEX_3);
    glLineWidth(2);
    glColor3f(1, 0.8f, 0.2f);
    glBegin(GL_LINE_STRIP);
    for (int step = 0; step <= 30; ++step)
        glEvalCoord1f(step / 30.0f);
    glEnd();
    glColor3f(0.3f, 0.8f, 1);
    glPointSize(4);
    glMapGrid1f(8, 0, 1);
    glEvalMesh1(GL_POINT, 0, 8);
}

void EvalSurface() {
    GLfloat points[4][4][3],
        colours[2][2][4] = {{{1, 0, 0, 1}, {0, 1, 0, 1}}, {{0, 0, 1, 1}, {1, 1, 0, 1}}};
    for (int u = 0; u < 4; ++u)
        for (int v = 0; v < 4; ++v) {
            points[u][v][0] = -0.9f + u * 0.6f;
            points[u][v][1] = -0.9f + v * 0.6f + ((u == 1 || u == 2) ? 0.3f : 0);
            points[u][v][2] = 0;
        }
    glMap2f(GL_MAP2_VERTEX_3, 0, 1, 3, 4, 0, 1, 12, 4, &points[0][0][0]);
    glMap2f(GL_MAP2_COLOR_4, 0, 1, 4, 2, 0, 1, 8, 2, &colours[0][0][0]);
    glEnable(GL_MAP2_VERTEX_3);
    glEnable(GL_MAP2_COLOR_4);
    glMapGrid2f(8, 0, 1, 8, 0, 1);
    glEvalMesh2(GL_FILL, 0, 8, 0, 8);
    glColor3f(1, 1, 1);
    glDisable(GL_MAP2_COLOR_4);
    glEvalMesh2(GL_LINE, 0, 8, 4, 4);
    glPointSize(3);
    glBegin(GL_POINTS);
    glEvalPoint2(2, 6);
    glEvalPoint2(6, 2);
    glEnd();
}

const SweepCase Cases[] = {
    {"selection", Selection},
    {"feedback", Feedback},
    {"eval-curve", EvalCurve},
    {"eval-surface", EvalSurface},
};

} // namespace

std::span<const SweepCase> EvaluationCases() {
    return Cases;
}

} // namespace sweep
