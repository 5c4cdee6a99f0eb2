// Lighting (several lights, spot, attenuation, two-sided, local viewer), materials, colour
// material and fog.
#include "sweepCases.h"

namespace sweep {

namespace {

// A sphere seen from z = 3 through a narrow perspective, filling most of the cell.
void SphereView(int rings, int segments) {
    glMatrixMode(GL_PROJECTION);
    glFrustum(-0.45, 0.45, -0.45, 0.45, 1, 10);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(0, 0, -3);
    glRotatef(20, 1, 0, 0);
    Sphere(rings, segments);
}

// A 16 × 16 grid of quads facing the eye in the plane z = -2, covering the cell.
void Floor() {
    glMatrixMode(GL_PROJECTION);
    glFrustum(-1, 1, -1, 1, 1, 10);
    glMatrixMode(GL_MODELVIEW);
    glNormal3f(0, 0, 1);
    glBegin(GL_QUADS);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const GLfloat left = -2 + x * 0.25f, bottom = -2 + y * 0.25f;
            glVertex3f(left, bottom, -2), glVertex3f(left + 0.25f, bottom, -2);
            glVertex3f(left + 0.25f, bottom + 0.25f, -2), glVertex3f(left, bottom + 0.25f, -2);
        }
    glEnd();
}

void Light(GLenum light, const GLfloat (&position)[4], const GLfloat (&colour)[4]) {
    glLightfv(light, GL_POSITION, position);
    glLightfv(light, GL_DIFFUSE, colour);
    glLightfv(light, GL_SPECULAR, colour);
    glEnable(light);
}

// A white light from the upper left in front, set in eye coordinates.
void OneLight() {
    glEnable(GL_LIGHTING);
    Light(GL_LIGHT0, {-1, 1, 1, 0}, {1, 1, 1, 1});
}

void Shiny() {
    const GLfloat specular[] = {1, 1, 1, 1};
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT, GL_SHININESS, 20);
}

void LightDirectional() {
    OneLight();
    SphereView(12, 16);
}

// Coarse: a per-vertex lighting shows its facets and a highlight cut at the edges.
void LightCoarseMesh() {
    OneLight();
    Shiny();
    SphereView(6, 8);
}

void LightSeveral() {
    glEnable(GL_LIGHTING);
    Light(GL_LIGHT0, {-1, 0, 0.5f, 0}, {1, 0, 0, 1});
    Light(GL_LIGHT1, {1, 0, 0.5f, 0}, {0, 1, 0, 1});
    Light(GL_LIGHT2, {0, 1, 0.5f, 0}, {0, 0, 1, 1});
    SphereView(12, 16);
}

void LightSpot() {
    glEnable(GL_LIGHTING);
    Light(GL_LIGHT0, {0.5f, 0.5f, 0, 1}, {1, 1, 0.6f, 1});
    const GLfloat direction[] = {-0.3f, -0.3f, -1};
    glLightfv(GL_LIGHT0, GL_SPOT_DIRECTION, direction);
    glLightf(GL_LIGHT0, GL_SPOT_CUTOFF, 30);
    glLightf(GL_LIGHT0, GL_SPOT_EXPONENT, 4);
    Floor();
}

void LightAttenuation() {
    glEnable(GL_LIGHTING);
    Light(GL_LIGHT0, {-1, -1, -1.5f, 1}, {1, 0.6f, 0.2f, 1});
    Light(GL_LIGHT1, {1, 1, -1.5f, 1}, {0.2f, 0.6f, 1, 1});
    for (GLenum light : {GL_LIGHT0, GL_LIGHT1}) {
        glLightf(light, GL_CONSTANT_ATTENUATION, 0.2f);
        glLightf(light, GL_LINEAR_ATTENUATION, 0.5f);
        glLightf(light, GL_QUADRATIC_ATTENUATION, 1);
    }
    Floor();
}

// A square turned so that the eye sees its back on the right: red in front, blue behind.
void LightTwoSided() {
    glEnable(GL_LIGHTING);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    Light(GL_LIGHT0, {0, 0, 1, 0}, {1, 1, 1, 1});
    const GLfloat front[] = {1, 0.2f, 0.2f, 1}, back[] = {0.2f, 0.4f, 1, 1};
    glMaterialfv(GL_FRONT, GL_DIFFUSE, front);
    glMaterialfv(GL_BACK, GL_DIFFUSE, back);
    PixelProjection();
    Rectangle(4, 6, 28, 58);
    // Lit from behind: the back face's normal is the reverse of the one given.
    glNormal3f(0, 0, -1);
    glBegin(GL_QUADS);
    glVertex2f(36, 6), glVertex2f(36, 58), glVertex2f(60, 58), glVertex2f(60, 6);
    glEnd();
}

void LightLocalViewer() {
    glLightModeli(GL_LIGHT_MODEL_LOCAL_VIEWER, GL_TRUE);
    glEnable(GL_LIGHTING);
    Light(GL_LIGHT0, {0, 0, 1, 0}, {1, 1, 1, 1});
    Shiny();
    const GLfloat diffuse[] = {0.1f, 0.2f, 0.5f, 1};
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    Floor();
}

void MaterialEmission() {
    OneLight();
    const GLfloat emission[] = {0.3f, 0, 0.3f, 1}, ambient[] = {0, 0.5f, 0, 1};
    glMaterialfv(GL_FRONT, GL_EMISSION, emission);
    glMaterialfv(GL_FRONT, GL_AMBIENT, ambient);
    SphereView(12, 16);
}

void MaterialShininess() {
    OneLight();
    const GLfloat specular[] = {1, 1, 0.5f, 1}, diffuse[] = {0.2f, 0.3f, 0.7f, 1};
    glMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glMaterialfv(GL_FRONT, GL_DIFFUSE, diffuse);
    glMaterialf(GL_FRONT, GL_SHININESS, 60);
    SphereView(16, 24);
}

// glColor sets the material's ambient and diffuse colours: a green sphere, lit.
void ColorMaterial() {
    OneLight();
    glEnable(GL_COLOR_MATERIAL);
    glColor3f(0.2f, 0.9f, 0.3f);
    SphereView(12, 16);
}

void ColorMaterialSpecular() {
    OneLight();
    glColorMaterial(GL_FRONT, GL_SPECULAR);
    glEnable(GL_COLOR_MATERIAL);
    glMaterialf(GL_FRONT, GL_SHININESS, 10);
    glColor3f(1, 0.5f, 0);
    SphereView(12, 16);
}

// Three rows of squares receding from z = -1.2 to -5.5, fogged towards a grey.
void FoggedSquares(GLenum mode) {
    const GLfloat grey[] = {0.6f, 0.6f, 0.6f, 1};
    glFogi(GL_FOG_MODE, mode);
    glFogfv(GL_FOG_COLOR, grey);
    glFogf(GL_FOG_DENSITY, 0.35f);
    glFogf(GL_FOG_START, 1);
    glFogf(GL_FOG_END, 6);
    glEnable(GL_FOG);
    glMatrixMode(GL_PROJECTION);
    glFrustum(-0.5, 0.5, -0.5, 0.5, 1, 10);
    glMatrixMode(GL_MODELVIEW);
    for (int step = 0; step < 4; ++step) {
        const GLfloat z = -1.2f - step * 1.4f, size = -z * 0.2f, x = -z * (step * 0.25f - 0.4f);
        glColor3f(1, 0.2f, 0.1f);
        glBegin(GL_QUADS);
        glVertex3f(x, -size, z), glVertex3f(x + size, -size, z);
        glVertex3f(x + size, size, z), glVertex3f(x, size, z);
        glEnd();
    }
}

void FogLinear() {
    FoggedSquares(GL_LINEAR);
}

void FogExp() {
    FoggedSquares(GL_EXP);
}

void FogExp2() {
    FoggedSquares(GL_EXP2);
}

void Normalize() {
    OneLight();
    glEnable(GL_NORMALIZE);
    glMatrixMode(GL_PROJECTION);
    glFrustum(-0.45, 0.45, -0.45, 0.45, 1, 10);
    glMatrixMode(GL_MODELVIEW);
    glTranslatef(0, 0, -3);
    glScalef(1.2f, 0.6f, 1);
    Sphere(12, 16);
}

const SweepCase Cases[] = {
    {"light-directional", LightDirectional},
    {"light-coarse-mesh", LightCoarseMesh},
    {"light-several", LightSeveral},
    {"light-spot", LightSpot},
    {"light-attenuation", LightAttenuation},
    {"light-two-sided", LightTwoSided},
    {"light-local-viewer", LightLocalViewer},
    {"material-emission", MaterialEmission},
    {"material-shininess", MaterialShininess},
    {"color-material", ColorMaterial},
    {"color-material-specular", ColorMaterialSpecular},
    {"normalize", Normalize},
    {"fog-linear", FogLinear},
    {"fog-exp", FogExp},
    {"fog-exp2", FogExp2},
};

} // namespace

std::span<const SweepCase> LightingCases() {
    return Cases;
}

} // namespace sweep
