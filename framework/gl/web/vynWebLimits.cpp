// The page's watch over the features it cannot draw as the desktop does. Each wrapper notes the
// state it sets, or checks the state a drawing uses, then calls gl4es's entry point; each feature
// is told once a page, at its first use.
#include "framework/gl/web/vynWebLimits.h"

#include "framework/core/vynFailure.h"
#include "framework/gl/vynGLConstants.h"
#include "framework/gl/vynGLTypes.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace vyn {

namespace {

enum Limit {
    FlatShading,
    PolygonStipple,
    LogicOperations,
    Feedback,
    ClampToBorder,
    SpotLights,
    MipmapLevels,
    TextureFormats,
    TextureCopies,
    PixelRectangles,
    Accumulation,
    LimitCount
};

// What the page draws instead, and why (the rows of docs/web-differences.md).
constexpr const char* Reasons[LimitCount] = {
    "shades smoothly where GL_FLAT asks for one colour per face: WebGL 1 has no flat "
    "interpolation",
    "draws stippled polygons solid: gl4es has no polygon stipple (GL_POLYGON_STIPPLE)",
    "draws over the frame instead of combining with it: WebGL has no logic operations "
    "(GL_COLOR_LOGIC_OP)",
    "draws in glRenderMode(GL_FEEDBACK) and returns no feedback: gl4es has no feedback mode",
    "clamps to the edge's texels for GL_CLAMP: WebGL textures have no border colour",
    "shapes a spot light's cone per pixel, where the desktop lights per vertex (GL_SPOT_CUTOFF)",
    "draws level 0 of a texture whose mipmap levels are loaded one by one: gl4es keeps the first",
    "blends GL_INTENSITY and GL_LUMINANCE_ALPHA textures with other alpha than the desktop",
    "copies the wrong part of the frame into a texture (glCopyTexImage2D, glCopyTexSubImage2D)",
    "draws black rectangles for glDrawPixels and glCopyPixels: gl4es's texture for them is "
    "incomplete in WebGL",
    "draws without an accumulation buffer: WebGL has none, and gl4es's glAccum does nothing",
};

void Report(Limit limit) {
    static bool reported[LimitCount] = {};
    if (std::exchange(reported[limit], true))
        return;
    const std::string reason = std::string("the page ") + Reasons[limit];
    RecordFailure(reason);
    std::fprintf(stderr, "vyn: %s\n", reason.c_str());
}

// What a drawing is drawn with, as the program set it.
struct DrawingState {
    GLenum ShadeModel = GL_SMOOTH;
    bool PolygonStipple = false;
    bool LogicOp = false;
};

DrawingState State;
// What glPushAttrib saved, with its mask: glPopAttrib puts back what the mask covered, so that a
// helper drawing between the two (text over the scene) leaves the state as the program set it.
std::vector<std::pair<GLbitfield, DrawingState>> Saved;

void PushState(GLbitfield mask) {
    Saved.emplace_back(mask, State);
}

void PopState() {
    if (Saved.empty())
        return;
    const auto [mask, old] = Saved.back();
    Saved.pop_back();
    if (mask & (GL_ENABLE_BIT | GL_POLYGON_BIT))
        State.PolygonStipple = old.PolygonStipple;
    if (mask & (GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT))
        State.LogicOp = old.LogicOp;
    if (mask & GL_LIGHTING_BIT)
        State.ShadeModel = old.ShadeModel;
}

void SetCapability(GLenum capability, bool on) {
    switch (capability) {
    case GL_POLYGON_STIPPLE:
        State.PolygonStipple = on;
        break;
    case GL_COLOR_LOGIC_OP:
        State.LogicOp = on;
        break;
    default:
        break;
    }
}

void CheckPolygons() {
    if (State.PolygonStipple)
        Report(PolygonStipple);
}

void CheckDrawing(GLenum mode) {
    if (State.LogicOp)
        Report(LogicOperations);
    if (mode == GL_POINTS)
        return;
    if (State.ShadeModel == GL_FLAT)
        Report(FlatShading);
    if (mode != GL_LINES && mode != GL_LINE_STRIP && mode != GL_LINE_LOOP)
        CheckPolygons();
}

void CheckWrap(GLenum name, GLfloat value) {
    if ((name == GL_TEXTURE_WRAP_S || name == GL_TEXTURE_WRAP_T) && value == GLfloat(GL_CLAMP))
        Report(ClampToBorder);
}

void CheckLight(GLenum name, GLfloat value) {
    if (name == GL_SPOT_CUTOFF && value != 180)
        Report(SpotLights);
}

void CheckTextureImage(GLint level, GLint format) {
    if (level > 0)
        Report(MipmapLevels);
    if (format == GLint(GL_INTENSITY) || format == GLint(GL_LUMINANCE_ALPHA))
        Report(TextureFormats);
}

// Each watched entry point: gl4es's own, and the wrapper that calls it.
#define VYN_WATCH(name, ret, params, args, before)                                                 \
    ret(*Next_##name) params = nullptr;                                                            \
    ret Watch_##name params {                                                                      \
        before;                                                                                    \
        return Next_##name args;                                                                   \
    }

VYN_WATCH(glEnable, void, (GLenum cap), (cap), SetCapability(cap, true))
VYN_WATCH(glDisable, void, (GLenum cap), (cap), SetCapability(cap, false))
VYN_WATCH(glShadeModel, void, (GLenum mode), (mode), State.ShadeModel = mode)
VYN_WATCH(glPushAttrib, void, (GLbitfield mask), (mask), PushState(mask))
VYN_WATCH(glPopAttrib, void, (), (), PopState())
VYN_WATCH(glBegin, void, (GLenum mode), (mode), CheckDrawing(mode))
VYN_WATCH(glDrawArrays, void, (GLenum mode, GLint first, GLsizei count), (mode, first, count),
          CheckDrawing(mode))
VYN_WATCH(glDrawElements, void, (GLenum mode, GLsizei count, GLenum type, const void* indices),
          (mode, count, type, indices), CheckDrawing(mode))
VYN_WATCH(glRenderMode, GLint, (GLenum mode), (mode), {
    if (mode == GL_FEEDBACK)
        Report(Feedback);
})
VYN_WATCH(glTexParameteri, void, (GLenum target, GLenum name, GLint value), (target, name, value),
          CheckWrap(name, GLfloat(value)))
VYN_WATCH(glTexParameterf, void, (GLenum target, GLenum name, GLfloat value), (target, name, value),
          CheckWrap(name, value))
VYN_WATCH(glLightf, void, (GLenum light, GLenum name, GLfloat value), (light, name, value),
          CheckLight(name, value))
VYN_WATCH(glLighti, void, (GLenum light, GLenum name, GLint value), (light, name, value),
          CheckLight(name, GLfloat(value)))
VYN_WATCH(glTexImage2D, void,
          (GLenum target, GLint level, GLint format, GLsizei width, GLsizei height, GLint border,
           GLenum external, GLenum type, const void* pixels),
          (target, level, format, width, height, border, external, type, pixels),
          CheckTextureImage(level, format))
VYN_WATCH(glCopyTexImage2D, void,
          (GLenum target, GLint level, GLenum format, GLint x, GLint y, GLsizei width,
           GLsizei height, GLint border),
          (target, level, format, x, y, width, height, border), Report(TextureCopies))
VYN_WATCH(glCopyTexSubImage2D, void,
          (GLenum target, GLint level, GLint xoffset, GLint yoffset, GLint x, GLint y,
           GLsizei width, GLsizei height),
          (target, level, xoffset, yoffset, x, y, width, height), Report(TextureCopies))
VYN_WATCH(glDrawPixels, void,
          (GLsizei width, GLsizei height, GLenum format, GLenum type, const void* pixels),
          (width, height, format, type, pixels), Report(PixelRectangles))
VYN_WATCH(glCopyPixels, void, (GLint x, GLint y, GLsizei width, GLsizei height, GLenum type),
          (x, y, width, height, type), Report(PixelRectangles))
VYN_WATCH(glAccum, void, (GLenum operation, GLfloat value), (operation, value),
          Report(Accumulation))
#undef VYN_WATCH

struct Watched {
    const char* Name;
    void* Wrapper;
    void** Next;
};

#define VYN_WATCHED(name)                                                                          \
    { #name, reinterpret_cast < void*>(&Watch_##name), reinterpret_cast < void**>(&Next_##name) }
// One a line, so that each feature's entry points come and go on their own.
// clang-format off
const Watched WatchedEntryPoints[] = {
    VYN_WATCHED(glEnable),
    VYN_WATCHED(glDisable),
    VYN_WATCHED(glShadeModel),
    VYN_WATCHED(glPushAttrib),
    VYN_WATCHED(glPopAttrib),
    VYN_WATCHED(glBegin),
    VYN_WATCHED(glDrawArrays),
    VYN_WATCHED(glDrawElements),
    VYN_WATCHED(glRenderMode),
    VYN_WATCHED(glTexParameteri),
    VYN_WATCHED(glTexParameterf),
    VYN_WATCHED(glLightf),
    VYN_WATCHED(glLighti),
    VYN_WATCHED(glTexImage2D),
    VYN_WATCHED(glCopyTexImage2D),
    VYN_WATCHED(glCopyTexSubImage2D),
    VYN_WATCHED(glDrawPixels),
    VYN_WATCHED(glCopyPixels),
    VYN_WATCHED(glAccum),
};
// clang-format on
#undef VYN_WATCHED

} // namespace

void* WatchedEntryPoint(const char* name, void* next) {
    if (name == nullptr || next == nullptr)
        return next;
    for (const Watched& watched : WatchedEntryPoints)
        if (std::strcmp(watched.Name, name) == 0) {
            *watched.Next = next;
            return watched.Wrapper;
        }
    return next;
}

} // namespace vyn
