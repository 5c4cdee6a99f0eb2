// A stand-in GL and GLU library for the binding's tests: a few entry points that count their
// calls, and deliberately not the rest.
#include <cstdint>

extern "C" {

__attribute__((visibility("default"))) int FakeEnableCalls = 0;
__attribute__((visibility("default"))) uint32_t FakeLastEnabled = 0;
__attribute__((visibility("default"))) double FakeLastAspect = 0.0;

__attribute__((visibility("default"))) void glEnable(uint32_t cap) {
    ++FakeEnableCalls;
    FakeLastEnabled = cap;
}

__attribute__((visibility("default"))) void gluPerspective(double, double aspect, double, double) {
    FakeLastAspect = aspect;
}
}
