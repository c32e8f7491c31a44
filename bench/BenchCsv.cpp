#include "CBookGenerator.h"
#include "core/app/CCsvCommands.h"
#include "core/csv/CCSVReader.h"
#include "core/csv/CCSVWriter.h"
#include "core/document/CAddressDoc.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <stdexcept>
#include <string>

namespace fs = std::filesystem;

namespace {
constexpr std::size_t CSV_PERSONS = 100000;

// A generated CSV file of 100,000 persons in a folder of its own.
class CCsvFile {
public:
    explicit CCsvFile(const std::string& bytes) {
        std::string pattern = (fs::temp_directory_path() / "tarnvale-csv-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        m_folder = pattern;
        std::ofstream(GetPath(), std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        m_nSize = bytes.size();
    }
    CCsvFile(const CCsvFile&) = delete;
    CCsvFile& operator=(const CCsvFile&) = delete;
    ~CCsvFile() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    fs::path GetPath() const { return m_folder / "book.csv"; }
    std::size_t GetSize() const { return m_nSize; }

private:
    fs::path m_folder;
    std::size_t m_nSize = 0;
};

std::vector<int> AllColumns() {
    std::vector<int> map;
    for (int field = 0; field < 11; ++field)
        map.push_back(field);
    return map;
}

void Import(CAddressDoc& doc, const fs::path& path, const CCsvOptions& options) {
    CCSVReader reader(CCsvCommands::FieldNames());
    if (!reader.Load(path).ok || !reader.Prepare(options, AllColumns(), false).ok)
        throw std::runtime_error("the generated CSV does not import");
    CCsvCommands::ImportRecords(doc, reader, true);
}

// Reading, splitting and making the persons, without views: what core costs of an import.
void ImportCsv(benchmark::State& state) {
    const CCsvFile file(CBookGenerator().MakeCsv(CSV_PERSONS));
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CAddressDoc>();
        state.ResumeTiming();
        Import(*doc, file.GetPath(), {ECsvEncoding::Cp932, false, ECsvQuoting::Plain});
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["bytes"] = static_cast<double>(file.GetSize());
}
BENCHMARK(ImportCsv)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

long StatusKilobytes(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word) {
        if (word == key) {
            long value = 0;
            status >> value;
            return value;
        }
    }
    return 0;
}

// The most memory the import holds beyond the document it fills, as a multiple of the file's
// size: the peak resident size during the import less the resident size of the document
// alone afterwards, once freed memory went back to the system.
void ImportCsvMemory(benchmark::State& state) {
    const CCsvFile file(CBookGenerator().MakeCsv(CSV_PERSONS));
    double ratio = 0;
    for (auto _ : state) {
        CAddressDoc doc;
        ::malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5"; // resets the peak
        Import(doc, file.GetPath(), {ECsvEncoding::Auto, false, ECsvQuoting::Plain});
        const long peak = StatusKilobytes("VmHWM:");
        ::malloc_trim(0);
        const long after = StatusKilobytes("VmRSS:");
        ratio = static_cast<double>(peak - after) * 1024.0 / static_cast<double>(file.GetSize());
    }
    state.counters["peakBeyondDocPerCsvByte"] = ratio;
}
BENCHMARK(ImportCsvMemory)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace
