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
    WideLines,
    SmoothLines,
    SmoothPoints,
    PolygonModes,
    LogicOperations,
    LogicBlending,
    ClampToBorder,
    DepthCopies,
    ListedCopies,
    AccumulationInLists,
    LimitCount
};

// What the page draws instead, and why (the rows of docs/web-differences.md).
constexpr const char* Reasons[LimitCount] = {
    "draws lines 1 pixel wide: the browser's WebGL has no wider lines (glLineWidth above 1)",
    "draws smoothed lines without smoothing: WebGL has no line smoothing (GL_LINE_SMOOTH)",
    "draws smoothed points square: WebGL has no point smoothing (GL_POINT_SMOOTH)",
    "draws the outlines or corners of every triangle of both faces for glPolygonMode GL_LINE or "
    "GL_POINT",
    "draws logic operations other than GL_CLEAR, GL_COPY, GL_NOOP, GL_AND, GL_AND_REVERSE, "
    "GL_AND_INVERTED, GL_OR and GL_XOR as GL_COPY: WebGL has no logic operations",
    "draws GL_AND, GL_AND_REVERSE, GL_AND_INVERTED, GL_OR and GL_XOR by blending, as the desktop "
    "only where each channel of the colour drawn is 0 or 1: WebGL has no logic operations",
    "clamps to the edge's texels for GL_CLAMP: WebGL textures have no border colour",
    "copies no depth or stencil with glCopyPixels: WebGL reads neither",
    "draws nothing for a glCopyPixels compiled into a display list: gl4es reads nothing there",
    "leaves glAccum out of display lists: gl4es runs it only outside one",
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
    GLfloat LineWidth = 1;
    GLenum FrontMode = GL_FILL;
    GLenum BackMode = GL_FILL;
    GLenum CulledFaces = GL_BACK;
    bool Culling = false;
    bool LineSmooth = false;
    bool PointSmooth = false;
    bool LogicOp = false;
    bool CompilingList = false;
    GLenum LogicOpcode = GL_COPY;
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
        State.Culling = old.Culling;
    if (mask & (GL_ENABLE_BIT | GL_LINE_BIT))
        State.LineSmooth = old.LineSmooth;
    if (mask & (GL_ENABLE_BIT | GL_POINT_BIT))
        State.PointSmooth = old.PointSmooth;
    if (mask & (GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT))
        State.LogicOp = old.LogicOp;
    if (mask & GL_COLOR_BUFFER_BIT)
        State.LogicOpcode = old.LogicOpcode;
    if (mask & GL_LINE_BIT)
        State.LineWidth = old.LineWidth;
    if (mask & GL_POLYGON_BIT) {
        State.FrontMode = old.FrontMode;
        State.BackMode = old.BackMode;
        State.CulledFaces = old.CulledFaces;
    }
}

void SetCapability(GLenum capability, bool on) {
    switch (capability) {
    case GL_CULL_FACE:
        State.Culling = on;
        break;
    case GL_LINE_SMOOTH:
        State.LineSmooth = on;
        break;
    case GL_POINT_SMOOTH:
        State.PointSmooth = on;
        break;
    case GL_COLOR_LOGIC_OP:
        State.LogicOp = on;
        break;
    default:
        break;
    }
}

void CheckLines() {
    if (State.LineWidth > 1)
        Report(WideLines);
    if (State.LineSmooth)
        Report(SmoothLines);
}

// Faces the culling leaves drawn in a mode other than GL_FILL become lines or points.
void CheckPolygons() {
    const bool frontDrawn = !State.Culling || State.CulledFaces == GL_BACK;
    const bool backDrawn = !State.Culling || State.CulledFaces == GL_FRONT;
    const bool front = frontDrawn && State.FrontMode != GL_FILL;
    const bool back = backDrawn && State.BackMode != GL_FILL;
    if (front || back) {
        Report(PolygonModes);
        CheckLines();
    }
}

// The logic operations gl4es draws by blending (its patch 064), exactly or for colours of 0 and 1.
void CheckLogicOp() {
    switch (State.LogicOpcode) {
    case GL_CLEAR:
    case GL_COPY:
    case GL_NOOP:
        return;
    case GL_AND:
    case GL_AND_REVERSE:
    case GL_AND_INVERTED:
    case GL_OR:
    case GL_XOR:
        Report(LogicBlending);
        return;
    default:
        Report(LogicOperations);
    }
}

void CheckDrawing(GLenum mode) {
    if (State.LogicOp)
        CheckLogicOp();
    if (mode == GL_POINTS) {
        if (State.PointSmooth)
            Report(SmoothPoints);
        return;
    }
    if (mode == GL_LINES || mode == GL_LINE_STRIP || mode == GL_LINE_LOOP)
        CheckLines();
    else
        CheckPolygons();
}

void CheckWrap(GLenum name, GLfloat value) {
    if ((name == GL_TEXTURE_WRAP_S || name == GL_TEXTURE_WRAP_T) && value == GLfloat(GL_CLAMP))
        Report(ClampToBorder);
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
VYN_WATCH(glLineWidth, void, (GLfloat width), (width), State.LineWidth = width)
VYN_WATCH(glCullFace, void, (GLenum mode), (mode), State.CulledFaces = mode)
VYN_WATCH(glLogicOp, void, (GLenum opcode), (opcode), State.LogicOpcode = opcode)
VYN_WATCH(glPolygonMode, void, (GLenum face, GLenum mode), (face, mode), {
    if (face != GL_BACK)
        State.FrontMode = mode;
    if (face != GL_FRONT)
        State.BackMode = mode;
})
VYN_WATCH(glPushAttrib, void, (GLbitfield mask), (mask), PushState(mask))
VYN_WATCH(glPopAttrib, void, (), (), PopState())
VYN_WATCH(glBegin, void, (GLenum mode), (mode), CheckDrawing(mode))
VYN_WATCH(glDrawArrays, void, (GLenum mode, GLint first, GLsizei count), (mode, first, count),
          CheckDrawing(mode))
VYN_WATCH(glDrawElements, void, (GLenum mode, GLsizei count, GLenum type, const void* indices),
          (mode, count, type, indices), CheckDrawing(mode))
VYN_WATCH(glTexParameteri, void, (GLenum target, GLenum name, GLint value), (target, name, value),
          CheckWrap(name, GLfloat(value)))
VYN_WATCH(glTexParameterf, void, (GLenum target, GLenum name, GLfloat value), (target, name, value),
          CheckWrap(name, value))
VYN_WATCH(glNewList, void, (GLuint list, GLenum mode), (list, mode), State.CompilingList = true)
VYN_WATCH(glEndList, void, (), (), State.CompilingList = false)
VYN_WATCH(glCopyPixels, void, (GLint x, GLint y, GLsizei width, GLsizei height, GLenum type),
          (x, y, width, height, type), {
              if (type != GL_COLOR)
                  Report(DepthCopies);
              if (State.CompilingList)
                  Report(ListedCopies);
          })
VYN_WATCH(glAccum, void, (GLenum operation, GLfloat value), (operation, value), {
    if (State.CompilingList)
        Report(AccumulationInLists);
})
#undef VYN_WATCH

struct Watched {
    const char* Name;
    void* Wrapper;
    void** Next;
};

#define VYN_WATCHED(name)                                                                          \
    { #name, reinterpret_cast < void*>(&Watch_##name), reinterpret_cast < void**>(&Next_##name) }
const Watched WatchedEntryPoints[] = {
    VYN_WATCHED(glEnable),
    VYN_WATCHED(glDisable),
    VYN_WATCHED(glLineWidth),
    VYN_WATCHED(glCullFace),
    VYN_WATCHED(glLogicOp),
    VYN_WATCHED(glPolygonMode),
    VYN_WATCHED(glPushAttrib),
    VYN_WATCHED(glPopAttrib),
    VYN_WATCHED(glBegin),
    VYN_WATCHED(glDrawArrays),
    VYN_WATCHED(glDrawElements),
    VYN_WATCHED(glTexParameteri),
    VYN_WATCHED(glTexParameterf),
    VYN_WATCHED(glCopyPixels),
    VYN_WATCHED(glNewList),
    VYN_WATCHED(glEndList),
    VYN_WATCHED(glAccum),
};
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
