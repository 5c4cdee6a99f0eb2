// GLU: quadrics, the tessellator, NURBS, mipmaps built by GLU, projection and its inverse.
#include "sweepCases.h"

#include <vector>

namespace sweep {

namespace {

// A view of the unit cube's neighbourhood from the front, a little from above.
void LookAtOrigin() {
    glMatrixMode(GL_PROJECTION);
    gluPerspective(40, 1, 1, 20);
    glMatrixMode(GL_MODELVIEW);
    gluLookAt(0, 1.5, 5, 0, 0, 0, 0, 1, 0);
}

void Quadrics() {
    LookAtOrigin();
    GLUquadric* quadric = gluNewQuadric();
    glColor3f(1, 0.5f, 0.2f);
    glPushMatrix();
    glTranslatef(-0.9f, 0.7f, 0);
    gluSphere(quadric, 0.6, 16, 12);
    glPopMatrix();
    glColor3f(0.3f, 0.8f, 1);
    glPushMatrix();
    glTranslatef(0.9f, 0.2f, 0);
    glRotatef(-90, 1, 0, 0);
    gluCylinder(quadric, 0.5, 0.2, 1.0, 12, 3);
    glPopMatrix();
    glColor3f(0.9f, 0.9f, 0.3f);
    glPushMatrix();
    glTranslatef(-0.9f, -0.9f, 0);
    gluDisk(quadric, 0.2, 0.6, 16, 2);
    glPopMatrix();
    gluQuadricDrawStyle(quadric, GLU_LINE);
    glColor3f(0.5f, 1, 0.5f);
    glPushMatrix();
    glTranslatef(0.9f, -0.9f, 0);
    gluPartialDisk(quadric, 0.1, 0.6, 12, 2, 30, 240);
    glPopMatrix();
    gluDeleteQuadric(quadric);
}

void VYN_GLAPI TessVertex(void* vertex) {
    glVertex3dv(static_cast<const GLdouble*>(vertex));
}

void VYN_GLAPI TessBegin(GLenum primitive) {
    glBegin(primitive);
}

void VYN_GLAPI TessEnd() {
    glEnd();
}

// A concave outline with a square hole, filled by the odd winding rule.
void Tessellation() {
    PixelProjection();
    static GLdouble outline[][3] = {{4, 4, 0}, {60, 4, 0}, {60, 60, 0}, {32, 36, 0}, {4, 60, 0}};
    static GLdouble hole[][3] = {{14, 10, 0}, {30, 10, 0}, {30, 26, 0}, {14, 26, 0}};
    GLUtesselator* tess = gluNewTess();
    gluTessCallback(tess, GLU_TESS_BEGIN, reinterpret_cast<GLUfuncptr>(TessBegin));
    gluTessCallback(tess, GLU_TESS_VERTEX, reinterpret_cast<GLUfuncptr>(TessVertex));
    gluTessCallback(tess, GLU_TESS_END, reinterpret_cast<GLUfuncptr>(TessEnd));
    gluTessProperty(tess, GLU_TESS_WINDING_RULE, GLU_TESS_WINDING_ODD);
    glColor3f(0.4f, 0.9f, 0.6f);
    gluTessBeginPolygon(tess, nullptr);
    gluTessBeginContour(tess);
    for (auto& vertex : outline)
        gluTessVertex(tess, vertex, vertex);
    gluTessEndContour(tess);
    gluTessBeginContour(tess);
    for (auto& vertex : hole)
        gluTessVertex(tess, vertex, vertex);
    gluTessEndContour(tess);
    gluTessEndPolygon(tess);
    gluDeleteTess(tess);
}

// A bicubic patch with a raised middle, filled, and a cubic curve over it.
void Nurbs() {
    LookAtOrigin();
    GLfloat points[4][4][3];
    for (int u = 0; u < 4; ++u)
        for (int v = 0; v < 4; ++v) {
            points[u][v][0] = -1.5f + u;
            points[u][v][1] = (u == 1 || u == 2) && (v == 1 || v == 2) ? 1.2f : -0.5f;
            points[u][v][2] = -1.5f + v;
        }
    GLfloat knots[] = {0, 0, 0, 0, 1, 1, 1, 1};
    GLUnurbs* nurbs = gluNewNurbsRenderer();
    gluNurbsProperty(nurbs, GLU_SAMPLING_TOLERANCE, 10);
    gluNurbsProperty(nurbs, GLU_DISPLAY_MODE, GLU_FILL);
    glColor3f(0.8f, 0.5f, 1);
    gluBeginSurface(nurbs);
    gluNurbsSurface(nurbs, 8, knots, 8, knots, 4 * 3, 3, &points[0][0][0], 4, 4, GL_MAP2_VERTEX_3);
    gluEndSurface(nurbs);
    GLfloat curve[4][3] = {
        {-1.5f, 1, 1.5f}, {-0.5f, 2.5f, 1.5f}, {0.5f, -0.5f, 1.5f}, {1.5f, 1.5f, 1.5f}};
    glColor3f(1, 1, 0.3f);
    gluBeginCurve(nurbs);
    gluNurbsCurve(nurbs, 8, knots, 3, &curve[0][0], 4, GL_MAP1_VERTEX_3);
    gluEndCurve(nurbs);
    gluDeleteNurbsRenderer(nurbs);
}

// A 32 × 32 checkerboard of 1-texel squares, drawn at 32, 16 and 8 pixels: its mipmaps are grey.
void BuildMipmaps() {
    std::vector<GLubyte> texels;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const GLubyte value = (x + y) % 2 ? 255 : 0;
            texels.insert(texels.end(), {value, GLubyte(value / 2), GLubyte(255 - value)});
        }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGB, 32, 32, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);
    PixelProjection();
    Rectangle(0, 0, 32, 32);
    Rectangle(36, 0, 52, 16);
    Rectangle(36, 24, 44, 32);
    glDeleteTextures(1, &texture);
}

// Three corners of a square projected to the window and marked there, and a window point taken
// back into the scene and drawn there.
void ProjectUnproject() {
    LookAtOrigin();
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glColor3f(0.3f, 0.5f, 1);
    glBegin(GL_QUADS);
    glVertex3f(-1, 0, -1), glVertex3f(-1, 0, 1), glVertex3f(1, 0, 1), glVertex3f(1, 0, -1);
    glEnd();
    GLdouble object[3];
    gluUnProject(48, 48, 0.9, model, projection, viewport, &object[0], &object[1], &object[2]);
    glPointSize(1);
    glColor3f(1, 1, 0);
    glBegin(GL_TRIANGLES);
    glVertex3d(object[0], object[1], object[2]);
    glVertex3d(object[0] - 0.3, object[1] + 0.3, object[2]);
    glVertex3d(object[0] + 0.3, object[1] + 0.3, object[2]);
    glEnd();
    const GLdouble corners[][3] = {{-1, 0, -1}, {1, 0, 1}, {1, 0, -1}};
    std::vector<GLdouble> marks;
    for (const auto& corner : corners) {
        GLdouble x, y, z;
        if (gluProject(corner[0], corner[1], corner[2], model, projection, viewport, &x, &y, &z))
            marks.insert(marks.end(), {x, y});
    }
    glLoadIdentity();
    PixelProjection();
    glColor3f(1, 0.3f, 0.3f);
    for (size_t at = 0; at + 1 < marks.size(); at += 2)
        Rectangle(GLfloat(marks[at] - 3), GLfloat(marks[at + 1] - 3), GLfloat(marks[at] + 3),
                  GLfloat(marks[at + 1] + 3));
}

const SweepCase Cases[] = {
    {"glu-quadrics", Quadrics},    {"glu-tessellation", Tessellation}, {"glu-nurbs", Nurbs},
    {"glu-mipmaps", BuildMipmaps}, {"glu-project", ProjectUnproject},
};

} // namespace

std::span<const SweepCase> GluCases() {
    return Cases;
}

} // namespace sweep
