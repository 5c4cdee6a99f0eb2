// Cost of the framework's own work per frame: one render list Draw over a no-op GL, so only the
// walk over materials and packs and the dispatch through the binding are measured.
#include "framework/render/vynDrawLineU.h"

#include <benchmark/benchmark.h>

#include <vector>

using namespace vyn;

namespace {

struct Ignore {
    template <typename... Args>
    void operator()(const Args&...) const {}
};

template <typename Result>
Result Zero() {
    return Result();
}

#define VYN_NOOP(ret, name, params, args)                                                          \
    ret VYN_GLAPI NoOp_##name params {                                                             \
        Ignore {}                                                                                  \
        args;                                                                                      \
        return Zero<ret>();                                                                        \
    }
VYN_GL_FUNCS(VYN_NOOP)
#undef VYN_NOOP

void InstallNoOpGL() {
#define VYN_INSTALL(ret, name, params, args) GL.name = NoOp_##name;
    VYN_GL_FUNCS(VYN_INSTALL)
#undef VYN_INSTALL
}

void BM_Draw(benchmark::State& state) {
    InstallNoOpGL();
    const auto materials = static_cast<int>(state.range(0));
    const auto packsPerMaterial = static_cast<int>(state.range(1));
    static float vertices[12], texCoords[8];
    std::vector<TMyPackPA_VT> packs(packsPerMaterial);
    for (TMyPackPA_VT& pack : packs) {
        pack.VertexPointer = vertices;
        pack.TexCoordPointer = texCoords;
        pack.Count = 4;
    }
    TMyDrawLine list;
    for (int m = 0; m < materials; ++m) {
        TMyGLMaterial* material = list.AddMaterial(1);
        for (TMyPackPA_VT& pack : packs)
            material->AddPack(&pack);
    }
    for (auto _ : state)
        list.Draw();
    const auto totalPacks = static_cast<int64_t>(materials) * packsPerMaterial;
    state.counters["ns_per_pack"] = benchmark::Counter(
        static_cast<double>(totalPacks) * static_cast<double>(state.iterations()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    ResetGLDispatch();
}

} // namespace

BENCHMARK(BM_Draw)->Args({1, 1})->Args({32, 32});

BENCHMARK_MAIN();
