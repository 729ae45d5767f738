// Evaluation of typical catalog factors and formatting of typical results.
#include <benchmark/benchmark.h>

#include "numeric/checks.h"
#include "numeric/format.h"
#include "numeric/term.h"

using namespace quarnelo::numeric;

namespace {

const char* const kFaktoren[] = {"1609,344", "INCH*7/8", "CUINCH*277,41945*5/(160*12)", "(X+459,67)*5/9",
                                 "8*2^80"};

void BM_TermBerechnen(benchmark::State& s) {
    const char* f = kFaktoren[s.range(0)];
    s.SetLabel(f);
    for (auto _ : s) benchmark::DoNotOptimize(TermBerechnen(f, 20.0L, ','));
}
BENCHMARK(BM_TermBerechnen)->DenseRange(0, 4);

// What a factor costs on the conversion path: classify, then evaluate.
void BM_FaktorPfad(benchmark::State& s) {
    const char* f = kFaktoren[s.range(0)];
    s.SetLabel(f);
    for (auto _ : s) {
        long double v;
        if (!ZahlLesen(f, ',', v) && TermGueltig(f)) v = TermBerechnen(f, 0, ',');
        benchmark::DoNotOptimize(v);
    }
}
BENCHMARK(BM_FaktorPfad)->DenseRange(0, 3);

void BM_ZahlFormatieren(benchmark::State& s) {
    const long double werte[] = {68.0L, 293.15L, 16404.199475065616798L, 1.0L / 3, 0.000123L, 1e30L};
    const long double w = werte[s.range(0)];
    Zahlformat f;
    for (auto _ : s) benchmark::DoNotOptimize(ZahlFormatieren(w, f));
}
BENCHMARK(BM_ZahlFormatieren)->DenseRange(0, 5);

void BM_WertFinden(benchmark::State& s) {
    const char* t[] = {"5", "1,5E3", "2*(3+PI)"};
    for (auto _ : s) {
        long double v;
        benchmark::DoNotOptimize(WertFinden(t[s.range(0)], v, ','));
    }
}
BENCHMARK(BM_WertFinden)->DenseRange(0, 2);

}  // namespace

BENCHMARK_MAIN();
