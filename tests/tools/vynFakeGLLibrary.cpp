// A stand-in GL and GLU library for the binding's tests: a few entry points that count their
// calls, deliberately not the rest, and the platform's own lookup answering one extension.
#include <cstdint>
#include <cstring>

#if defined(_WIN32)
#define VYN_FAKE_LOOKUP wglGetProcAddress
using LookupName = const char*;
#else
#define VYN_FAKE_LOOKUP glXGetProcAddressARB
using LookupName = const unsigned char*;
#endif

extern "C" {

__attribute__((visibility("default"))) int FakeEnableCalls = 0;
__attribute__((visibility("default"))) uint32_t FakeLastEnabled = 0;
__attribute__((visibility("default"))) int FakeColorCalls = 0;
__attribute__((visibility("default"))) float FakeLastColor[3] = {};
__attribute__((visibility("default"))) double FakeLastAspect = 0.0;
__attribute__((visibility("default"))) int32_t FakeExtensionValue = 0;

__attribute__((visibility("default"))) void glEnable(uint32_t cap) {
    ++FakeEnableCalls;
    FakeLastEnabled = cap;
}

__attribute__((visibility("default"))) void glColor3f(float red, float green, float blue) {
    ++FakeColorCalls;
    FakeLastColor[0] = red;
    FakeLastColor[1] = green;
    FakeLastColor[2] = blue;
}

__attribute__((visibility("default"))) void gluPerspective(double, double aspect, double, double) {
    FakeLastAspect = aspect;
}

// An extension entry point: not exported, reachable only through the lookup below.
static void FakeExtension(int32_t value) {
    FakeExtensionValue = value;
}

using Proc = void (*)();

__attribute__((visibility("default"))) Proc VYN_FAKE_LOOKUP(LookupName name) {
    const bool known = std::strcmp(reinterpret_cast<const char*>(name), "glVynFakeEXT") == 0;
    return known ? reinterpret_cast<Proc>(&FakeExtension) : nullptr;
}
}
