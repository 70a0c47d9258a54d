// A hostile resident picture: a metafile of nothing but object-creating records, the most a
// picture file may hold. Playing it must cost about as much as reading it.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "platform/drives.h"
#include "platform/qt/wmf_picture.h"

namespace vt::bench {
namespace {

std::string BrushesMetafile(std::size_t bytes) {
    std::string m;
    const auto u16 = [&](std::uint16_t v) {
        m += char(v & 0xFF);
        m += char(v >> 8);
    };
    const auto u32 = [&](std::uint32_t v) {
        u16(std::uint16_t(v & 0xFFFF));
        u16(std::uint16_t(v >> 16));
    };
    u16(1), u16(9), u16(0x0300), u32(0), u16(0), u32(7), u16(0);
    u32(5), u16(0x020C), u16(100), u16(100);  // SetWindowExt 100 x 100
    while (m.size() + 20 < bytes) {
        u32(7), u16(0x02FC), u16(0), u32(0x00FF00), u16(0);  // CreateBrushIndirect
    }
    u32(3), u16(0);
    return m;
}

void BM_MetafileOfObjects(benchmark::State& state) {
    const std::string wmf = BrushesMetafile(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(RenderWmf(wmf));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(wmf.size()));
}
BENCHMARK(BM_MetafileOfObjects)
    ->Arg(1 << 20)
    ->Arg(4 << 20)
    ->Arg(kMaxPictureFileBytes)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vt::bench
