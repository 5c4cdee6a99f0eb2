// Texturing: environment modes, wrap, filters, mipmaps, sub-images, copies, texture objects,
// formats, the texture matrix and generated coordinates.
#include "sweepCases.h"

#include <vector>

namespace sweep {

namespace {

constexpr GLubyte Orange[] = {255, 140, 0}, Teal[] = {0, 120, 140};
constexpr GLubyte White[] = {255, 255, 255}, Black[] = {0, 0, 0};

// A textured square over half the cell on a coloured quad, each corner its own colour.
void TexturedQuad(GLfloat repeat) {
    PixelProjection();
    glEnable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    glColor3f(1, 0.3f, 0.3f);
    glTexCoord2f(0, 0), glVertex2f(4, 4);
    glColor3f(0.3f, 1, 0.3f);
    glTexCoord2f(repeat, 0), glVertex2f(60, 4);
    glColor3f(0.3f, 0.3f, 1);
    glTexCoord2f(repeat, repeat), glVertex2f(60, 60);
    glColor3f(1, 1, 1);
    glTexCoord2f(0, repeat), glVertex2f(4, 60);
    glEnd();
}

// A texture with alpha: opaque orange checks on see-through ones.
void AlphaChecker() {
    GLubyte texels[8 * 8 * 4];
    for (int texel = 0; texel < 64; ++texel) {
        const bool on = (texel % 8 / 2 + texel / 16) % 2;
        GLubyte* at = &texels[texel * 4];
        at[0] = 255, at[1] = on ? 140 : 255, at[2] = 0, at[3] = on ? 255 : 60;
    }
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 8, 8, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
}

void EnvMode(GLenum mode) {
    AlphaChecker();
    const GLfloat colour[] = {0.2f, 0.9f, 0.9f, 1};
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, colour);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, mode);
    TexturedQuad(1);
}

void EnvModulate() {
    EnvMode(GL_MODULATE);
}

void EnvDecal() {
    EnvMode(GL_DECAL);
}

void EnvBlend() {
    EnvMode(GL_BLEND);
}

void EnvReplace() {
    EnvMode(GL_REPLACE);
}

void Wrap(GLenum wrap) {
    CheckerTexture(8, 2, Orange, Teal);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glMatrixMode(GL_TEXTURE);
    glTranslatef(-0.5f, -0.5f, 0);
    glMatrixMode(GL_MODELVIEW);
    TexturedQuad(2.5f);
}

void WrapRepeat() {
    Wrap(GL_REPEAT);
}

void WrapClamp() {
    Wrap(GL_CLAMP);
}

// A 4 × 4 texture magnified 14 times: nearest shows blocks, linear blends them.
void Filter(GLenum filter) {
    CheckerTexture(4, 1, White, Teal);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    TexturedQuad(1);
}

void FilterNearest() {
    Filter(GL_NEAREST);
}

void FilterLinear() {
    Filter(GL_LINEAR);
}

// Each level of a 32 × 32 texture one colour, loaded by hand; squares of 32, 16, 8 and 4 pixels
// show levels 0 to 3.
void Mipmaps() {
    const GLubyte colours[][3] = {{255, 0, 0},   {0, 255, 0},   {0, 0, 255},
                                  {255, 255, 0}, {0, 255, 255}, {255, 0, 255}};
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    for (int level = 0, size = 32; size > 0; ++level, size /= 2) {
        std::vector<GLubyte> texels;
        for (int texel = 0; texel < size * size; ++texel)
            texels.insert(texels.end(), colours[level], colours[level] + 3);
        glTexImage2D(GL_TEXTURE_2D, level, GL_RGB, size, size, 0, GL_RGB, GL_UNSIGNED_BYTE,
                     texels.data());
    }
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST_MIPMAP_NEAREST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);
    PixelProjection();
    Rectangle(0, 0, 32, 32);
    Rectangle(34, 0, 50, 16);
    Rectangle(34, 20, 42, 28);
    Rectangle(52, 4, 56, 8);
}

void SubImage() {
    CheckerTexture(16, 4, Orange, Teal);
    GLubyte patch[6 * 6 * 3];
    for (int index = 0; index < 6 * 6 * 3; ++index)
        patch[index] = index % 3 == 1 ? 255 : 40;
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 5, 3, 6, 6, GL_RGB, GL_UNSIGNED_BYTE, patch);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    TexturedQuad(1);
}

// A drawing in the cell's corner copied into a texture, then a part of it over a part of that.
void CopyTexture() {
    PixelProjection();
    glColor3f(1, 0.5f, 0);
    Rectangle(0, 0, 16, 8);
    glColor3f(0, 0.5f, 1);
    Rectangle(0, 8, 8, 16);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glCopyTexImage2D(GL_TEXTURE_2D, 0, GL_RGB, 0, 0, 16, 16, 0);
    glCopyTexSubImage2D(GL_TEXTURE_2D, 0, 8, 8, 0, 0, 8, 8);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);
    Rectangle(20, 20, 60, 60);
}

void TextureObjects() {
    GLuint names[3];
    glGenTextures(3, names);
    const GLuint orange = CheckerTexture(8, 2, Orange, White);
    const GLuint teal = CheckerTexture(8, 4, Teal, Black);
    const GLclampf priorities[] = {1, 0.5f};
    const GLuint pair[] = {orange, teal};
    glPrioritizeTextures(2, pair, priorities);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);
    PixelProjection();
    glBindTexture(GL_TEXTURE_2D, orange);
    Rectangle(4, 4, 28, 28);
    glBindTexture(GL_TEXTURE_2D, teal);
    Rectangle(36, 36, 60, 60);
    // Once deleted, a name is no texture any more.
    glDeleteTextures(1, &teal);
    glBindTexture(GL_TEXTURE_2D, glIsTexture(orange) ? orange : 0);
    Rectangle(36, 4, 60, 28);
    glDeleteTextures(3, names);
}

void Formats() {
    const GLubyte ramp[] = {0, 64, 128, 192, 255, 192, 128, 64, 0, 64, 128, 192, 255, 192, 128, 64};
    const GLenum formats[] = {GL_LUMINANCE, GL_ALPHA, GL_INTENSITY, GL_LUMINANCE_ALPHA};
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    PixelProjection();
    glColor3f(1, 0.8f, 0.3f);
    for (int index = 0; index < 4; ++index) {
        const GLenum format = formats[index];
        const GLenum external = format == GL_INTENSITY ? GL_LUMINANCE : format;
        const int width = format == GL_LUMINANCE_ALPHA ? 8 : 16;
        glTexImage2D(GL_TEXTURE_2D, 0, format, width, 1, 0, external, GL_UNSIGNED_BYTE, ramp);
        Rectangle(2, 2 + index * 16.0f, 62, 14 + index * 16.0f);
    }
}

void TextureMatrix() {
    CheckerTexture(8, 2, Orange, Teal);
    glMatrixMode(GL_TEXTURE);
    glRotatef(30, 0, 0, 1);
    glScalef(1.5f, 1.5f, 1);
    glMatrixMode(GL_MODELVIEW);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    TexturedQuad(1);
}

void Texture1D() {
    const GLubyte stripes[] = {255, 0, 0, 255, 255, 0, 0, 255, 0, 0, 0, 255};
    glTexImage1D(GL_TEXTURE_1D, 0, GL_RGB, 4, 0, GL_RGB, GL_UNSIGNED_BYTE, stripes);
    glTexParameteri(GL_TEXTURE_1D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_1D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_1D);
    PixelProjection();
    glBegin(GL_TRIANGLES);
    glTexCoord1f(0), glVertex2f(4, 4);
    glTexCoord1f(2), glVertex2f(60, 10);
    glTexCoord1f(1), glVertex2f(20, 60);
    glEnd();
}

void TexGen(GLenum mode) {
    CheckerTexture(8, 1, Orange, Teal);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    const GLfloat sPlane[] = {0.5f, 0, 0, 0.5f}, tPlane[] = {0, 0.5f, 0.25f, 0.5f};
    for (GLenum coordinate : {GL_S, GL_T}) {
        glTexGeni(coordinate, GL_TEXTURE_GEN_MODE, mode);
        const GLenum plane = mode == GL_OBJECT_LINEAR ? GL_OBJECT_PLANE : GL_EYE_PLANE;
        if (mode != GL_SPHERE_MAP)
            glTexGenfv(coordinate, plane, coordinate == GL_S ? sPlane : tPlane);
    }
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    glEnable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    glFrustum(-0.45, 0.45, -0.45, 0.45, 1, 10);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(0, 0, -3);
    glRotatef(30, 0, 1, 0);
    Sphere(16, 24);
}

void TexGenObject() {
    TexGen(GL_OBJECT_LINEAR);
}

void TexGenEye() {
    TexGen(GL_EYE_LINEAR);
}

void TexGenSphere() {
    TexGen(GL_SPHERE_MAP);
}

const SweepCase Cases[] = {
    {"tex-env-modulate", EnvModulate},
    {"tex-env-decal", EnvDecal},
    {"tex-env-blend", EnvBlend},
    {"tex-env-replace", EnvReplace},
    {"tex-wrap-repeat", WrapRepeat},
    {"tex-wrap-clamp", WrapClamp},
    {"tex-filter-nearest", FilterNearest},
    {"tex-filter-linear", FilterLinear},
    {"tex-mipmaps", Mipmaps},
    {"tex-sub-image", SubImage},
    {"tex-copy", CopyTexture},
    {"tex-objects", TextureObjects},
    {"tex-formats", Formats},
    {"tex-matrix", TextureMatrix},
    {"tex-1d", Texture1D},
    {"texgen-object", TexGenObject},
    {"texgen-eye", TexGenEye},
    {"texgen-sphere", TexGenSphere},
};

} // namespace

std::span<const SweepCase> TextureCases() {
    return Cases;
}

} // namespace sweep
