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
    LogicOperations,
    LogicBlending,
    ClampToBorder,
    DepthCopies,
    ListedCopies,
    AccumulationInLists,
    ArbPrograms,
    LimitCount
};

// What the page draws instead, and why (the rows of docs/web-differences.md).
constexpr const char* Reasons[LimitCount] = {
    "draws logic operations other than GL_CLEAR, GL_COPY, GL_NOOP, GL_AND, GL_AND_REVERSE, "
    "GL_AND_INVERTED, GL_OR and GL_XOR as GL_COPY: WebGL has no logic operations",
    "draws GL_AND, GL_AND_REVERSE, GL_AND_INVERTED, GL_OR and GL_XOR by blending, as the desktop "
    "only where each channel of the colour drawn is 0 or 1: WebGL has no logic operations",
    "clamps to the edge's texels for GL_CLAMP: WebGL textures have no border colour",
    "copies no depth or stencil with glCopyPixels: WebGL reads neither",
    "draws nothing for a glCopyPixels compiled into a display list: gl4es reads nothing there",
    "leaves glAccum out of display lists: gl4es runs it only outside one",
    "refuses ARB assembly programs in a Debug build, which leaves their translator out for a quick "
    "link: build Release for them",
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
    if (mask & (GL_ENABLE_BIT | GL_COLOR_BUFFER_BIT))
        State.LogicOp = old.LogicOp;
    if (mask & GL_COLOR_BUFFER_BIT)
        State.LogicOpcode = old.LogicOpcode;
}

void SetCapability(GLenum capability, bool on) {
    if (capability == GL_COLOR_LOGIC_OP)
        State.LogicOp = on;
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

void CheckDrawing() {
    if (State.LogicOp)
        CheckLogicOp();
}

void CheckWrap(GLenum name, GLfloat value) {
    if ((name == GL_TEXTURE_WRAP_S || name == GL_TEXTURE_WRAP_T) && value == GLfloat(GL_CLAMP))
        Report(ClampToBorder);
}

#ifdef VYN_GL4ES_WITHOUT_ARB_PROGRAMS
constexpr bool WithoutArbPrograms = true;
#else
constexpr bool WithoutArbPrograms = false;
#endif

// Each watched entry point: gl4es's own, and the wrapper that calls it.
#define VYN_WATCH(name, ret, params, args, before)                                                 \
    ret(*Next_##name) params = nullptr;                                                            \
    ret Watch_##name params {                                                                      \
        before;                                                                                    \
        return Next_##name args;                                                                   \
    }

VYN_WATCH(glEnable, void, (GLenum cap), (cap), SetCapability(cap, true))
VYN_WATCH(glDisable, void, (GLenum cap), (cap), SetCapability(cap, false))
VYN_WATCH(glLogicOp, void, (GLenum opcode), (opcode), State.LogicOpcode = opcode)
VYN_WATCH(glPushAttrib, void, (GLbitfield mask), (mask), PushState(mask))
VYN_WATCH(glPopAttrib, void, (), (), PopState())
VYN_WATCH(glBegin, void, (GLenum mode), (mode), CheckDrawing())
VYN_WATCH(glDrawArrays, void, (GLenum mode, GLint first, GLsizei count), (mode, first, count),
          CheckDrawing())
VYN_WATCH(glDrawElements, void, (GLenum mode, GLsizei count, GLenum type, const void* indices),
          (mode, count, type, indices), CheckDrawing())
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
VYN_WATCH(glProgramStringARB, void,
          (GLenum target, GLenum format, GLsizei length, const void* text),
          (target, format, length, text), {
              if (WithoutArbPrograms)
                  Report(ArbPrograms);
          })
#undef VYN_WATCH

struct Watched {
    const char* Name;
    void* Wrapper;
    void** Next;
};

#define VYN_WATCHED(name)                                                                          \
    { #name, reinterpret_cast < void*>(&Watch_##name), reinterpret_cast < void**>(&Next_##name) }
// clang-format off
const Watched WatchedEntryPoints[] = {
    VYN_WATCHED(glEnable),
    VYN_WATCHED(glDisable),
    VYN_WATCHED(glLogicOp),
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
    VYN_WATCHED(glProgramStringARB),
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
