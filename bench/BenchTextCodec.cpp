#include "core/text/CTextCodec.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {
// Text of about `bytes` bytes that iconv interrupts at every other character: a character
// code page 932 holds, then one it lacks ("é") or a byte that is no CP932 at all (0xFD).
std::string Repeated(std::string_view unit, std::size_t bytes) {
    std::string text;
    text.reserve(bytes + unit.size());
    while (text.size() < bytes)
        text += unit;
    return text;
}

void FromUtf8WithUnmappable(benchmark::State& state) {
    const std::string utf8 =
        Repeated("\xE5\xB1\xB1\xC3\xA9", static_cast<std::size_t>(state.range(0)));
    const CTextCodec codec;
    for (auto _ : state)
        benchmark::DoNotOptimize(codec.FromUtf8(utf8));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * utf8.size()));
}
BENCHMARK(FromUtf8WithUnmappable)
    ->Arg(800 << 10)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);

void ToUtf8WithInvalidBytes(benchmark::State& state) {
    const std::string cp932 = Repeated("\x8E\x52\xFD", static_cast<std::size_t>(state.range(0)));
    const CTextCodec codec;
    for (auto _ : state)
        benchmark::DoNotOptimize(codec.ToUtf8(cp932));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * cp932.size()));
}
BENCHMARK(ToUtf8WithInvalidBytes)
    ->Arg(400 << 10)
    ->Arg(10 << 20)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
} // namespace
