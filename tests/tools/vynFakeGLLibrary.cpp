// A stand-in GL and GLU library for the binding's tests: a few entry points that count their
// calls, and deliberately not the rest.
#include <cstdint>

extern "C" {

__attribute__((visibility("default"))) int FakeEnableCalls = 0;
__attribute__((visibility("default"))) uint32_t FakeLastEnabled = 0;
__attribute__((visibility("default"))) int FakeColorCalls = 0;
__attribute__((visibility("default"))) float FakeLastColor[3] = {};
__attribute__((visibility("default"))) double FakeLastAspect = 0.0;

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
}
