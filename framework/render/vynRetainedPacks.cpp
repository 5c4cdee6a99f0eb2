#include "vynRetainedPacks.h"

#include "framework/core/vynFailure.h"
#include "framework/core/vynNeverDestroyed.h"
#include "framework/gl/vynGLErrors.h"

#include <cstdint>
#include <cstdio>
#include <new>
#include <optional>
#include <stdexcept>
#include <string>
#include <unordered_map>

namespace vyn {

namespace {

// Every field that decides what the pack's glDrawArrays reads and draws.
struct PackLayout {
    GLint TexCoordSize;
    GLenum TexCoordType;
    GLsizei TexCoordStride;
    const void* TexCoordPointer;
    GLint VertexSize;
    GLenum VertexType;
    GLsizei VertexStride;
    const void* VertexPointer;
    GLenum Mode;
    GLint First;
    GLsizei Count;
    // A TMyPackPA_VTN's normals and colours; none for a TMyPackPA_VT.
    GLenum NormalType = 0;
    GLsizei NormalStride = 0;
    const void* NormalPointer = nullptr;
    GLint ColorSize = 0;
    GLenum ColorType = 0;
    GLsizei ColorStride = 0;
    const void* ColorPointer = nullptr;
    bool operator==(const PackLayout&) const = default;
};

PackLayout LayoutOf(const TMyPackPA_VT& pack) {
    return {pack.TexCoordSize, pack.TexCoordType, pack.TexCoordStride, pack.TexCoordPointer,
            pack.VertexSize,   pack.VertexType,   pack.VertexStride,   pack.VertexPointer,
            pack.Mode,         pack.First,        pack.Count};
}

PackLayout LayoutOf(const TMyPackPA_VTN& pack) {
    PackLayout layout = LayoutOf(static_cast<const TMyPackPA_VT&>(pack));
    layout.NormalType = pack.NormalType;
    layout.NormalStride = pack.NormalStride;
    layout.NormalPointer = pack.NormalPointer;
    layout.ColorSize = pack.ColorSize;
    layout.ColorType = pack.ColorType;
    layout.ColorStride = pack.ColorStride;
    layout.ColorPointer = pack.ColorPointer;
    return layout;
}

struct Recording {
    std::optional<PackLayout> Layout; // none until the first attempt
    GLuint List = 0;                  // 0: the attempt failed, the pack is drawn plainly
};

// The recordings of one context, by pack.
struct Recordings {
    uint64_t Generation = 0;
    std::unordered_map<const TMyDrawPack*, Recording> ByPack;
};

// The table of the current context: the lists of an earlier one went with it. Never destroyed: a
// program's global pack forgets its recording from its destructor, after main has returned.
std::unordered_map<const TMyDrawPack*, Recording>& CurrentRecordings() {
    static TNeverDestroyed<Recordings> table;
    Recordings& recordings = table.Value;
    if (recordings.Generation != GLContextGeneration()) {
        recordings.ByPack.clear();
        recordings.Generation = GLContextGeneration();
    }
    return recordings.ByPack;
}

std::string DescribeGLError(GLenum error) {
    if (error == GL_OUT_OF_MEMORY)
        return "the driver is out of memory";
    char code[32];
    std::snprintf(code, sizeof code, "GL error 0x%04X", error);
    return std::string("the driver reported ") + code;
}

// Compiles the pack's plain draw into a new display list. Its pointer calls are client state,
// which GL runs at once rather than compile: the list holds the draw of the arrays they name.
// The errors the program left pending stay the program's.
GLuint CompileList(TMyPackPA_VT& pack, TMyDrawRoutine plainDraw) {
    HoldProgramGLErrors();
    const GLuint list = glGenLists(1);
    if (list != 0) {
        glNewList(list, GL_COMPILE);
        plainDraw(&pack);
        glEndList();
    }
    const GLenum error = TakeOwnGLErrors();
    if (list == 0)
        throw std::runtime_error("glGenLists gave no list");
    if (error == GL_NO_ERROR)
        return list;
    glDeleteLists(list, 1);
    throw std::runtime_error(DescribeGLError(error));
}

// The pack's new list, or 0 after saying why there is none.
GLuint Record(TMyPackPA_VT& pack, TMyDrawRoutine plainDraw) {
    try {
        return CompileList(pack, plainDraw);
    } catch (...) {
        RecordFailure(
            "retained pack \"" + pack.Name +
            "\" is drawn from its arrays, as recording it failed: " + ReasonOfCurrentException());
        return 0;
    }
}

void DeleteList(const Recording& recording) {
    if (recording.List != 0)
        glDeleteLists(recording.List, 1);
}

// The pack's list in the current context, recorded now if it has none or the pack has changed;
// 0 where recording failed.
GLuint CurrentList(TMyPackPA_VT& pack, const PackLayout& layout, TMyDrawRoutine plainDraw) {
    Recording& recording = CurrentRecordings()[&pack];
    if (recording.Layout == layout)
        return recording.List;
    DeleteList(recording);
    recording = {layout, 0};
    recording.List = Record(pack, plainDraw);
    return recording.List;
}

// Whether the program is compiling a display list of its own: GL has no nested compiling, so a
// recording of ours would end the program's list.
bool CompilingAList() {
    GLint list = 0;
    glGetIntegerv(GL_LIST_INDEX, &list);
    return list != 0;
}

// Draws the pack from its recording of `plainDraw`, or with `plainDraw` where there is none; drawn
// plainly inside the program's own list, the pack goes into it as any draw would.
void DrawRetained(TMyPackPA_VT& pack, const PackLayout& layout, TMyDrawRoutine plainDraw) {
    if (CompilingAList()) {
        plainDraw(&pack);
        return;
    }
    GLuint list = 0;
    try {
        list = CurrentList(pack, layout, plainDraw);
    } catch (const std::bad_alloc&) {
        RecordFailure("retained packs: no memory to keep a recording");
    }
    if (list != 0)
        glCallList(list);
    else
        plainDraw(&pack);
}

} // namespace

void DrawRetainedPackPA_VT(TMyDrawPack* pack) {
    auto& packPA_VT = *static_cast<TMyPackPA_VT*>(pack);
    DrawRetained(packPA_VT, LayoutOf(packPA_VT), DrawPackPA_VT);
}

void DrawRetainedPackPA_VTN(TMyDrawPack* pack) {
    auto& packPA_VTN = *static_cast<TMyPackPA_VTN*>(pack);
    DrawRetained(packPA_VTN, LayoutOf(packPA_VTN), DrawPackPA_VTN);
}

void ForgetRetainedPack(const TMyDrawPack* pack) {
    auto& recordings = CurrentRecordings();
    const auto found = recordings.find(pack);
    if (found == recordings.end())
        return;
    DeleteList(found->second);
    recordings.erase(found);
}

} // namespace vyn
