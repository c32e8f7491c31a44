#include "CBookGenerator.h"
#include "core/find/CFindWalk.h"
#include "core/model/CFieldTable.h"
#include "core/model/CPersonalData.h"
#include "core/text/CTextCodec.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;

namespace {
const CBookShape BOOK{100000, 1000, 0};
const std::vector<int> ALL_FIELDS = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
// Matches nobody in a generated book; grep gets the same text in UTF-8.
constexpr const char* NO_MATCH = "該当者なし";

std::string Cp932(const char* utf8) {
    return CTextCodec().FromUtf8(utf8).text;
}

// Walks every person of a generated book once per iteration, as the dialog's search does but
// without views.
void Walk(benchmark::State& state, bool ignoreCaseWidth) {
    CAddressDoc doc;
    CBookGenerator().Fill(doc, BOOK);
    const std::string text = Cp932(NO_MATCH);
    for (auto _ : state) {
        CFindWalk walk(doc, text, CFindMatcher(text, ALL_FIELDS, ignoreCaseWidth));
        while (walk.Step() != EFindStep::Finished) {
        }
        if (walk.GetHitCount() != 0)
            state.SkipWithError("the string was found");
    }
    state.counters["persons"] = static_cast<double>(doc.GetPersonList().size());
}
BENCHMARK_CAPTURE(Walk, NoMatch, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(Walk, NoMatchIgnoringCaseAndWidth, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// The floor under the walk: reading the document's person list and nothing else. Each person
// says where the next is, so the persons are read one after another.
void PersonList(benchmark::State& state) {
    CAddressDoc doc;
    CBookGenerator().Fill(doc, BOOK);
    for (auto _ : state) {
        std::size_t persons = 0;
        for (const CPersonalData* person : doc.GetPersonList())
            persons += person != nullptr ? 1 : 0;
        benchmark::DoNotOptimize(persons);
    }
}
BENCHMARK(PersonList)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same texts for grep: one UTF-8 line per person, the eleven fields joined by tabs.
fs::path WriteLines(const fs::path& folder) {
    CAddressDoc doc;
    CBookGenerator().Fill(doc, BOOK);
    const CTextCodec codec;
    std::string lines;
    for (const CPersonalData* person : doc.GetPersonList()) {
        for (const int field : ALL_FIELDS) {
            std::string utf8 = codec.ToUtf8(person->GetFieldView(field));
            for (char& c : utf8)
                c = c == '\r' || c == '\n' ? ' ' : c;
            lines += utf8;
            lines += field == ALL_FIELDS.back() ? '\n' : '\t';
        }
    }
    const fs::path path = folder / "persons.txt";
    std::ofstream(path, std::ios::binary)
        .write(lines.data(), static_cast<std::streamsize>(lines.size()));
    return path;
}

double ChildCpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto seconds = [](const timeval& time) {
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// grep -c -F over the same texts, started as a process and timed from outside; its own
// processor time (through the shell) is the counter cpuMs, the fair match for the walk's CPU
// column on a busy machine.
void Grep(benchmark::State& state) {
    std::string pattern = (fs::temp_directory_path() / "tarnvale-find-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot create a temporary folder");
    const fs::path folder = pattern;
    const fs::path lines = WriteLines(folder);
    const std::string command =
        std::string("grep -c -F '") + NO_MATCH + "' '" + lines.string() + "' > /dev/null";
    const double cpuBefore = ChildCpuSeconds();
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        // grep says 1 when nothing matched.
        if (std::system(command.c_str()) == -1)
            state.SkipWithError("grep did not run");
        const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(wall.count());
    }
    const auto iterations = static_cast<double>(state.iterations());
    const double cpuSeconds = (ChildCpuSeconds() - cpuBefore) / iterations;
    state.counters["cpuMs"] = cpuSeconds * 1000;
    state.counters["bytes"] = static_cast<double>(fs::file_size(lines));
    fs::remove_all(folder);
}
BENCHMARK(Grep)->Unit(benchmark::kMillisecond)->UseManualTime();

// A long string against a long field, where a search that compares the string at every place
// where its last byte matches takes half a minute: a 50 MB memo of katakana SO against 100 KB
// of them with one katakana A in the middle, which matches nowhere.
void LongPattern(benchmark::State& state) {
    const std::string so = "\x83\x5C";
    std::string needle;
    for (int i = 0; i < 49999; ++i)
        needle += i == 25000 ? "\x83\x41" : so;
    std::string memo;
    memo.reserve(50'000'000);
    while (memo.size() < 50'000'000)
        memo += so;
    std::array<std::string_view, CPersonalData::TEXT_COUNT> texts{};
    texts[static_cast<std::size_t>(EPersonText::Memo)] = memo;
    const CPersonalData person(texts, CPersonalData::SEX_NONE);
    const CFindMatcher matcher(needle, {CFieldTable::FIELD_MEMO}, false);
    for (auto _ : state) {
        if (matcher.Matches(person))
            state.SkipWithError("the string was found");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(memo.size()));
}
BENCHMARK(LongPattern)->Unit(benchmark::kMillisecond)->UseRealTime();
} // namespace
