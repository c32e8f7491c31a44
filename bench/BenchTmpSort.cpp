#include "CBookGenerator.h"
#include "core/document/CAddressDoc.h"
#include "core/document/CDataFile.h"
#include "core/model/CPersonalData.h"
#include "core/text/CSortPrefix.h"
#include "core/views/CNameOrder.h"
#include <benchmark/benchmark.h>
#include <algorithm>
#include <fstream>
namespace {
struct CKeyed { CSortPrefix prefix; std::string_view key; CPersonalData* person; };
CAddressDoc& Doc() {
    static CAddressDoc* doc = [] {
        const std::string bytes = CBookGenerator().MakeFile({100000, 1000, 50000});
        std::ofstream("/tmp/tmpsort.dat", std::ios::binary).write(bytes.data(), bytes.size());
        auto* d = new CAddressDoc;
        CDataFile::Load(*d, "/tmp/tmpsort.dat");
        return d;
    }();
    return *doc;
}
void Keys(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<CKeyed> keyed; keyed.reserve(100000);
        for (CPersonalData* p : Doc().GetPersonList()) { auto k = p->GetSortKey(); keyed.push_back({CSortPrefix(k), k, p}); }
        benchmark::DoNotOptimize(keyed.data());
    }
}
BENCHMARK(Keys)->Unit(benchmark::kMillisecond);
void Views(benchmark::State& state) {
    for (auto _ : state) {
        std::vector<std::string_view> keyed; keyed.reserve(100000);
        for (CPersonalData* p : Doc().GetPersonList()) keyed.push_back(p->GetSortKey());
        benchmark::DoNotOptimize(keyed.data());
    }
}
BENCHMARK(Views)->Unit(benchmark::kMillisecond);
void Stable(benchmark::State& state) {
    std::vector<CKeyed> keyed;
    for (CPersonalData* p : Doc().GetPersonList()) { auto k = p->GetSortKey(); keyed.push_back({CSortPrefix(k), k, p}); }
    for (auto _ : state) {
        auto copy = keyed;
        std::stable_sort(copy.begin(), copy.end(), [](const CKeyed& a, const CKeyed& b){ return CSortPrefix::Compare(a.prefix,a.key,b.prefix,b.key) < 0;});
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(Stable)->Unit(benchmark::kMillisecond);
void NameOrder(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(CNameOrder::Of(Doc().GetPersonList()).data());
}
BENCHMARK(NameOrder)->Unit(benchmark::kMillisecond);
}
namespace {
void KeysPrefetch(benchmark::State& state) {
    std::vector<CPersonalData*> persons(Doc().GetPersonList().begin(), Doc().GetPersonList().end());
    for (auto _ : state) {
        std::vector<CKeyed> keyed; keyed.reserve(100000);
        for (std::size_t i = 0; i < persons.size(); ++i) {
            if (i + 8 < persons.size()) __builtin_prefetch(persons[i + 8]->GetSortKey().data());
            if (i + 16 < persons.size()) __builtin_prefetch(persons[i + 16]);
            auto k = persons[i]->GetSortKey(); keyed.push_back({CSortPrefix(k), k, persons[i]}); }
        benchmark::DoNotOptimize(keyed.data());
    }
}
BENCHMARK(KeysPrefetch)->Unit(benchmark::kMillisecond);
void TextsOnly(benchmark::State& state) {
    std::vector<std::string_view> views;
    for (CPersonalData* p : Doc().GetPersonList()) views.push_back(p->GetSortKey());
    for (auto _ : state) {
        std::vector<CSortPrefix> keyed; keyed.reserve(100000);
        for (auto v : views) keyed.emplace_back(v);
        benchmark::DoNotOptimize(keyed.data());
    }
}
BENCHMARK(TextsOnly)->Unit(benchmark::kMillisecond);
}
#include "core/text/CTextOrder.h"
namespace {
void TextOrder(benchmark::State& state) {
    std::vector<std::string_view> names;
    for (CPersonalData* p : Doc().GetPersonList()) names.push_back(p->GetSortKey());
    for (auto _ : state) benchmark::DoNotOptimize(CTextOrder::Of(names).data());
}
BENCHMARK(TextOrder)->Unit(benchmark::kMillisecond);
}
