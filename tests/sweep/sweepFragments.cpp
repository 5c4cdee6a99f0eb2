// What happens to a fragment: blending, alpha test, depth, stencil, scissor, colour mask.
#include "sweepCases.h"

namespace sweep {

namespace {

// Three overlapping squares, half transparent: red, green, blue.
void OverlappingSquares() {
    PixelProjection();
    const GLfloat corners[][2] = {{6, 20}, {22, 4}, {22, 28}};
    for (int index = 0; index < 3; ++index) {
        glColor4f(index == 0, index == 1, index == 2, 0.6f);
        Rectangle(corners[index][0], corners[index][1], corners[index][0] + 36,
                  corners[index][1] + 32);
    }
}

void BlendAlpha() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    OverlappingSquares();
}

void BlendAdditive() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    OverlappingSquares();
}

void BlendDestination() {
    glEnable(GL_BLEND);
    glBlendFunc(GL_DST_COLOR, GL_ONE_MINUS_SRC_ALPHA);
    OverlappingSquares();
}

// A quad whose alpha runs from 0 to 1 across; only fragments above 0.5 pass.
void AlphaTest() {
    glEnable(GL_ALPHA_TEST);
    glAlphaFunc(GL_GREATER, 0.5f);
    PixelProjection();
    glBegin(GL_QUADS);
    glColor4f(1, 0.5f, 0, 0), glVertex2f(4, 4);
    glColor4f(0, 1, 0.5f, 1), glVertex2f(60, 4);
    glColor4f(0, 0.5f, 1, 1), glVertex2f(60, 60);
    glColor4f(1, 1, 0, 0), glVertex2f(4, 60);
    glEnd();
}

// Two squares crossing in depth: each covers the other where it is nearer.
void CrossingSquares() {
    PixelProjection();
    glBegin(GL_QUADS);
    glColor3f(1, 0.3f, 0.2f);
    glVertex3f(4, 4, -0.9f), glVertex3f(44, 4, 0.9f), glVertex3f(44, 44, 0.9f);
    glVertex3f(4, 44, -0.9f);
    glColor3f(0.2f, 0.6f, 1);
    glVertex3f(20, 20, 0.5f), glVertex3f(60, 20, 0.5f), glVertex3f(60, 60, -0.5f);
    glVertex3f(20, 60, -0.5f);
    glEnd();
}

void DepthLess() {
    glEnable(GL_DEPTH_TEST);
    CrossingSquares();
}

void DepthGreater() {
    glClearDepth(0);
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_GREATER);
    CrossingSquares();
}

// The first square writes no depth: the second covers it whole.
void DepthMask() {
    glEnable(GL_DEPTH_TEST);
    glDepthMask(GL_FALSE);
    PixelProjection();
    glColor3f(1, 1, 0);
    Rectangle(4, 4, 40, 40);
    glDepthMask(GL_TRUE);
    glTranslatef(0, 0, -0.5f);
    glColor3f(0, 0.8f, 0.4f);
    Rectangle(20, 20, 60, 60);
}

// A diamond drawn into the stencil buffer only; a large square then shows only inside it.
void StencilMask() {
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 1, 0xFF);
    glStencilOp(GL_REPLACE, GL_REPLACE, GL_REPLACE);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    PixelProjection();
    glBegin(GL_QUADS);
    glVertex2f(32, 4), glVertex2f(60, 32), glVertex2f(32, 60), glVertex2f(4, 32);
    glEnd();
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glStencilFunc(GL_EQUAL, 1, 0xFF);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glColor3f(1, 0.6f, 0);
    Rectangle(0, 0, 48, 48);
    glStencilFunc(GL_NOTEQUAL, 1, 0xFF);
    glColor3f(0, 0.5f, 1);
    Rectangle(16, 16, 64, 64);
}

// Overlaps counted in the stencil buffer, then each count drawn in its own colour.
void StencilCount() {
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 0, 0xFF);
    glStencilOp(GL_KEEP, GL_KEEP, GL_INCR);
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    PixelProjection();
    Rectangle(4, 4, 44, 44);
    Rectangle(20, 20, 60, 60);
    Rectangle(4, 28, 60, 36);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    const GLfloat colours[][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    for (int count = 1; count <= 3; ++count) {
        glStencilFunc(GL_EQUAL, count, 0xFF);
        glColor3fv(colours[count - 1]);
        Rectangle(0, 0, 64, 64);
    }
}

void Scissor() {
    glEnable(GL_SCISSOR_TEST);
    glScissor(10, 16, 30, 40);
    glClearColor(0.9f, 0.9f, 0.2f, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    glScissor(24, 4, 36, 24);
    PixelProjection();
    glColor3f(0.2f, 0.5f, 1);
    Rectangle(0, 0, 64, 64);
}

void ColorMask() {
    glColorMask(GL_TRUE, GL_FALSE, GL_TRUE, GL_TRUE);
    PixelProjection();
    glColor3f(1, 1, 1);
    Rectangle(4, 4, 40, 40);
    glColorMask(GL_FALSE, GL_TRUE, GL_FALSE, GL_TRUE);
    glColor3f(0.5f, 0.9f, 0.5f);
    Rectangle(24, 24, 60, 60);
}

void LogicOp() {
    PixelProjection();
    glColor3f(1, 0.6f, 0.2f);
    Rectangle(4, 4, 40, 40);
    glEnable(GL_COLOR_LOGIC_OP);
    glLogicOp(GL_XOR);
    glColor3f(1, 1, 1);
    Rectangle(24, 24, 60, 60);
    glDisable(GL_COLOR_LOGIC_OP);
}

// Two pictures summed in the accumulation buffer at half weight each.
void Accumulation() {
    glClearAccum(0, 0, 0, 0);
    glClear(GL_ACCUM_BUFFER_BIT);
    PixelProjection();
    glColor3f(1, 0.2f, 0.2f);
    Rectangle(4, 4, 44, 44);
    glAccum(GL_LOAD, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT);
    glColor3f(0.2f, 0.6f, 1);
    Rectangle(20, 20, 60, 60);
    glAccum(GL_ACCUM, 0.5f);
    glAccum(GL_RETURN, 1);
}

// A picture added to a cleared accumulation buffer, then scaled and offset within a scissor box
// that reaches past the window's corner: only the box's pixels change.
void AccumulationScissor() {
    PixelProjection();
    glColor3f(0.9f, 0.5f, 0.1f);
    Rectangle(8, 8, 56, 56);
    glClearAccum(0.1f, 0.1f, 0.3f, 1);
    glClear(GL_ACCUM_BUFFER_BIT);
    glAccum(GL_ACCUM, 1);
    glEnable(GL_SCISSOR_TEST);
    glScissor(-16, -16, 48, 48);
    glAccum(GL_MULT, 0.5f);
    glAccum(GL_ADD, 0.25f);
    glDisable(GL_SCISSOR_TEST);
    glAccum(GL_RETURN, 1);
}

const SweepCase Cases[] = {
    {"blend-alpha", BlendAlpha},
    {"blend-additive", BlendAdditive},
    {"blend-destination", BlendDestination},
    {"alpha-test", AlphaTest},
    {"depth-less", DepthLess},
    {"depth-greater", DepthGreater},
    {"depth-mask", DepthMask},
    {"stencil-mask", StencilMask},
    {"stencil-count", StencilCount},
    {"scissor", Scissor},
    {"color-mask", ColorMask},
    {"logic-op", LogicOp},
    {"accumulation", Accumulation},
    {"accumulation-scissor", AccumulationScissor},
};

} // namespace

std::span<const SweepCase> FragmentCases() {
    return Cases;
}

} // namespace sweep
