// GL's start values, restored before every case, and the shapes the cases share.
#include "sweepCases.h"

#include <cmath>
#include <vector>

namespace sweep {

namespace {

constexpr GLenum Capabilities[] = {
    GL_LIGHTING,
    GL_FOG,
    GL_DEPTH_TEST,
    GL_CULL_FACE,
    GL_BLEND,
    GL_ALPHA_TEST,
    GL_STENCIL_TEST,
    GL_SCISSOR_TEST,
    GL_TEXTURE_1D,
    GL_TEXTURE_2D,
    GL_TEXTURE_GEN_S,
    GL_TEXTURE_GEN_T,
    GL_COLOR_MATERIAL,
    GL_NORMALIZE,
    GL_POLYGON_OFFSET_FILL,
    GL_POLYGON_OFFSET_LINE,
    GL_POLYGON_STIPPLE,
    GL_LINE_STIPPLE,
    GL_LINE_SMOOTH,
    GL_POINT_SMOOTH,
    GL_MAP1_VERTEX_3,
    GL_MAP2_VERTEX_3,
    GL_MAP2_COLOR_4,
    GL_AUTO_NORMAL,
    GL_CLIP_PLANE0,
    GL_CLIP_PLANE1,
    GL_LIGHT0,
    GL_LIGHT1,
    GL_LIGHT2,
};

constexpr GLenum ClientArrays[] = {GL_VERTEX_ARRAY, GL_NORMAL_ARRAY, GL_COLOR_ARRAY,
                                   GL_TEXTURE_COORD_ARRAY};

void ResetLights() {
    const GLfloat black[] = {0, 0, 0, 1}, white[] = {1, 1, 1, 1}, ambient[] = {0.2f, 0.2f, 0.2f, 1};
    const GLfloat position[] = {0, 0, 1, 0}, direction[] = {0, 0, -1};
    for (GLenum light : {GL_LIGHT0, GL_LIGHT1, GL_LIGHT2}) {
        glLightfv(light, GL_AMBIENT, black);
        glLightfv(light, GL_DIFFUSE, light == GL_LIGHT0 ? white : black);
        glLightfv(light, GL_SPECULAR, light == GL_LIGHT0 ? white : black);
        glLightfv(light, GL_POSITION, position);
        glLightfv(light, GL_SPOT_DIRECTION, direction);
        glLightf(light, GL_SPOT_EXPONENT, 0);
        glLightf(light, GL_SPOT_CUTOFF, 180);
        glLightf(light, GL_CONSTANT_ATTENUATION, 1);
        glLightf(light, GL_LINEAR_ATTENUATION, 0);
        glLightf(light, GL_QUADRATIC_ATTENUATION, 0);
    }
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_FALSE);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_FALSE);
    const GLfloat diffuse[] = {0.8f, 0.8f, 0.8f, 1};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, ambient);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, diffuse);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, black);
    glMaterialfv(GL_FRONT_AND_BACK, GL_EMISSION, black);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 0);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
}

void ResetRasterisation() {
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glFrontFace(GL_CCW);
    glCullFace(GL_BACK);
    glShadeModel(GL_SMOOTH);
    glPointSize(1);
    glLineWidth(1);
    glPolygonOffset(0, 0);
    for (GLenum hint :
         {GL_PERSPECTIVE_CORRECTION_HINT, GL_POINT_SMOOTH_HINT, GL_LINE_SMOOTH_HINT, GL_FOG_HINT})
        glHint(hint, GL_DONT_CARE);
}

void ResetFragments() {
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
    glClearDepth(1);
    glDepthRange(0, 1);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glStencilMask(~0u);
    glStencilFunc(GL_ALWAYS, 0, ~0u);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glClearStencil(0);
    glBlendFunc(GL_ONE, GL_ZERO);
    glAlphaFunc(GL_ALWAYS, 0);
    const GLfloat black[] = {0, 0, 0, 0};
    glFogi(GL_FOG_MODE, GL_EXP);
    glFogf(GL_FOG_DENSITY, 1);
    glFogf(GL_FOG_START, 0);
    glFogf(GL_FOG_END, 1);
    glFogfv(GL_FOG_COLOR, black);
}

void ResetTexturesAndPixels() {
    const GLfloat black[] = {0, 0, 0, 0};
    glBindTexture(GL_TEXTURE_1D, 0);
    glBindTexture(GL_TEXTURE_2D, 0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, black);
    for (GLenum store : {GL_UNPACK_ALIGNMENT, GL_PACK_ALIGNMENT})
        glPixelStorei(store, 4);
    for (GLenum store : {GL_UNPACK_ROW_LENGTH, GL_UNPACK_SKIP_ROWS, GL_UNPACK_SKIP_PIXELS,
                         GL_PACK_ROW_LENGTH, GL_PACK_SKIP_ROWS, GL_PACK_SKIP_PIXELS})
        glPixelStorei(store, 0);
    for (GLenum scale : {GL_RED_SCALE, GL_GREEN_SCALE, GL_BLUE_SCALE, GL_ALPHA_SCALE})
        glPixelTransferf(scale, 1);
    for (GLenum bias : {GL_RED_BIAS, GL_GREEN_BIAS, GL_BLUE_BIAS, GL_ALPHA_BIAS})
        glPixelTransferf(bias, 0);
    glPixelTransferi(GL_MAP_COLOR, GL_FALSE);
    glPixelZoom(1, 1);
}

} // namespace

void RestoreDefaults() {
    for (GLenum capability : Capabilities)
        glDisable(capability);
    for (GLenum array : ClientArrays)
        glDisableClientState(array);
    ResetLights();
    ResetRasterisation();
    ResetFragments();
    ResetTexturesAndPixels();
    for (GLenum mode : {GL_TEXTURE, GL_PROJECTION, GL_MODELVIEW}) {
        glMatrixMode(mode);
        glLoadIdentity();
    }
    glViewport(0, 0, CellSize, CellSize);
    glColor4f(1, 1, 1, 1);
    glNormal3f(0, 0, 1);
    glTexCoord2f(0, 0);
}

void PixelProjection() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, CellSize, 0, CellSize, -1, 1);
    glMatrixMode(GL_MODELVIEW);
}

void Rectangle(GLfloat left, GLfloat bottom, GLfloat right, GLfloat top) {
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(left, bottom);
    glTexCoord2f(1, 0);
    glVertex2f(right, bottom);
    glTexCoord2f(1, 1);
    glVertex2f(right, top);
    glTexCoord2f(0, 1);
    glVertex2f(left, top);
    glEnd();
}

void Sphere(int rings, int segments) {
    const auto point = [&](int ring, int segment) {
        const double theta = M_PI * ring / rings, phi = 2 * M_PI * segment / segments;
        const GLfloat x = GLfloat(std::sin(theta) * std::cos(phi));
        const GLfloat y = GLfloat(std::cos(theta));
        const GLfloat z = GLfloat(std::sin(theta) * std::sin(phi));
        glNormal3f(x, y, z);
        glTexCoord2f(GLfloat(segment) / segments, GLfloat(ring) / rings);
        glVertex3f(x, y, z);
    };
    glBegin(GL_QUADS);
    for (int ring = 0; ring < rings; ++ring)
        for (int segment = 0; segment < segments; ++segment) {
            point(ring, segment);
            point(ring, segment + 1);
            point(ring + 1, segment + 1);
            point(ring + 1, segment);
        }
    glEnd();
}

GLuint CheckerTexture(int size, int block, const GLubyte (&first)[3], const GLubyte (&second)[3]) {
    std::vector<GLubyte> texels;
    texels.reserve(size_t(size) * size * 3);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const GLubyte* colour = (x / block + y / block) % 2 ? second : first;
            texels.insert(texels.end(), colour, colour + 3);
        }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, size, size, 0, GL_RGB, GL_UNSIGNED_BYTE, texels.data());
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    return texture;
}

} // namespace sweep
