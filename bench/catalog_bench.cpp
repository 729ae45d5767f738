// Loading the largest category into a table sink, and recomputing every row.
#include <benchmark/benchmark.h>

#include "catalog/katalog.h"
#include "conversion/umrechnung.h"
#include "numeric/format.h"

using namespace quarnelo;

namespace {

struct Sink : catalog::ZeilenSink {
    QVector<catalog::Tabellenzeile> zeilen;
    void ZeileAnhaengen(catalog::Tabellenzeile&& z) override { zeilen.append(std::move(z)); }
};

void BM_KategorieLadenTabelle(benchmark::State& s) {
    catalog::Katalog k;
    Sink sink;
    k.setSink(&sink);
    for (auto _ : s) {
        sink.zeilen.clear();
        k.KategorieLaden(QStringLiteral("length"), catalog::Katalog::Tabelle, QStringLiteral("en"));
    }
    s.counters["units"] = k.Einheitenliste.size();
    s.counters["per_unit"] = benchmark::Counter(static_cast<double>(k.Einheitenliste.size()),
                                                benchmark::Counter::kIsIterationInvariantRate |
                                                    benchmark::Counter::kInvert);
}
BENCHMARK(BM_KategorieLadenTabelle)->Unit(benchmark::kMicrosecond);

// A base value carried into the unit of every row and formatted.
void BM_TabelleNeuBerechnen(benchmark::State& s) {
    catalog::Katalog k;
    Sink sink;
    k.setSink(&sink);
    k.KategorieLaden(QStringLiteral("length"), catalog::Katalog::Tabelle, QStringLiteral("en"));
    numeric::Zahlformat f;
    for (auto _ : s) {
        for (catalog::Tabellenzeile& z : sink.zeilen) {
            long double u = conversion::FaktorAnwenden(z.zelle[catalog::Tabellenzeile::Faktor], 0, 1234.5L, ',',
                                                       nullptr);
            z.zelle[catalog::Tabellenzeile::Wert] = QString::fromStdString(numeric::ZahlFormatieren(u, f));
        }
    }
    s.counters["units"] = sink.zeilen.size();
    s.counters["per_unit"] = benchmark::Counter(static_cast<double>(sink.zeilen.size()),
                                                benchmark::Counter::kIsIterationInvariantRate |
                                                    benchmark::Counter::kInvert);
}
BENCHMARK(BM_TabelleNeuBerechnen)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
