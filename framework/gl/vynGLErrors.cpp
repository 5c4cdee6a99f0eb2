#include "vynGLErrors.h"

namespace vyn {

namespace {

// GL has fewer kinds of error than this; a driver that keeps answering is not waited for.
constexpr int MostPendingErrors = 8;

// The program's errors, taken from the driver and not yet handed back; plain data, so that it
// is still there for calls made after main has returned.
struct THeldErrors {
    GLenum Errors[MostPendingErrors] = {};
    int Count = 0;
    int Next = 0; // the next one to hand back
    uint64_t Generation = 0;
    GLenum(VYN_GLAPI* Driver)() = nullptr; // the slot's entry point while HandBack stands in it
};

constinit THeldErrors Held;

GLenum VYN_GLAPI HandBack();

bool HandingBack() {
    return GL.glGetError == HandBack;
}

void Forget() {
    if (HandingBack())
        GL.glGetError = Held.Driver;
    Held.Count = Held.Next = 0;
}

// The glGetError slot stands in for vyn::glGetError while errors are held.
GLenum VYN_GLAPI HandBack() {
    if (Held.Generation != GLContextGeneration() || Held.Next == Held.Count) {
        Forget();
        return GL.glGetError();
    }
    const GLenum error = Held.Errors[Held.Next++];
    if (Held.Next == Held.Count)
        Forget();
    return error;
}

// One error from the driver itself, whatever stands in the slot.
GLenum ReadDriver() {
    if (HandingBack())
        return Held.Driver();
    // Read through the slot: a lazy entry point resolves itself on its first call.
    const GLenum error = GL.glGetError();
    Held.Driver = GL.glGetError;
    return error;
}

// Moves the errors not yet handed back to the front.
void Compact() {
    int kept = 0;
    for (int i = Held.Next; i < Held.Count; ++i)
        Held.Errors[kept++] = Held.Errors[i];
    Held.Count = kept;
    Held.Next = 0;
}

bool IsHeld(GLenum error) {
    for (int i = Held.Next; i < Held.Count; ++i)
        if (Held.Errors[i] == error)
            return true;
    return false;
}

} // namespace

void HoldProgramGLErrors() {
    // Errors kept from another context or table are not this one's.
    if (!HandingBack() || Held.Generation != GLContextGeneration())
        Forget();
    Compact();
    Held.Generation = GLContextGeneration();
    for (int i = 0; i < MostPendingErrors; ++i) {
        const GLenum error = ReadDriver();
        if (error == GL_NO_ERROR)
            break;
        // GL keeps one flag per kind: one raised again before the program looked counts once.
        if (Held.Count < MostPendingErrors && !IsHeld(error))
            Held.Errors[Held.Count++] = error;
    }
    if (Held.Next < Held.Count)
        GL.glGetError = HandBack;
}

GLenum TakeOwnGLErrors() {
    GLenum first = GL_NO_ERROR;
    for (int i = 0; i < MostPendingErrors; ++i) {
        const GLenum error = ReadDriver();
        if (error == GL_NO_ERROR)
            break;
        if (first == GL_NO_ERROR)
            first = error;
    }
    return first;
}

} // namespace vyn
