#include "CBookGenerator.h"
#include "core/app/CCsvCommands.h"
#include "core/app/CVCardCommands.h"
#include "core/csv/CCSVWriter.h"
#include "core/document/CAddressDoc.h"
#include "core/model/CFieldTable.h"
#include "core/text/CTextCodec.h"
#include "core/vcard/CVCardImport.h"
#include "core/vcard/CVCardReader.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <stdexcept>
#include <vector>

namespace {
constexpr std::size_t VCARD_PERSONS = 100000;

// A generated book of 100,000 persons in ten groups, as loading leaves it.
class CVCardBook {
public:
    CVCardBook() {
        CBookGenerator().Fill(m_doc, {VCARD_PERSONS, 10, VCARD_PERSONS / 10});
        m_persons.assign(m_doc.GetPersonList().begin(), m_doc.GetPersonList().end());
    }
    const std::vector<const CPersonalData*>& GetPersons() const { return m_persons; }

private:
    CAddressDoc m_doc;
    std::vector<const CPersonalData*> m_persons;
};

const CVCardBook& Book() {
    static const CVCardBook book;
    return book;
}

// The persons as export-csv writes them: every field, code page 932.
void ExportCsv(benchmark::State& state) {
    const CVCardBook& book = Book();
    std::vector<int> fields;
    for (int field = 0; field < CFieldTable::WORKING_FIELDS; ++field)
        fields.push_back(field);
    for (auto _ : state) {
        CCSVWriter writer({});
        writer.SetColumnOrder(fields);
        for (const CPersonalData* person : book.GetPersons())
            writer.WritePerson(*person);
        benchmark::DoNotOptimize(writer.GetText().size());
    }
}
BENCHMARK(ExportCsv)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same persons as vCard 3.0: UTF-8, escaped, folded, with groups and UIDs.
void ExportVCard(benchmark::State& state) {
    const CVCardBook& book = Book();
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string text =
            CVCardCommands::ExportPersons(book.GetPersons(), EVCardVersion::V30, 0);
        bytes = text.size();
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(ExportVCard)->Unit(benchmark::kMillisecond)->Iterations(3);

// A file of 100,000 cards read, mapped, encoded and added to an empty book as one command.
void ImportVCard(benchmark::State& state) {
    const std::string text =
        CVCardCommands::ExportPersons(Book().GetPersons(), EVCardVersion::V30, 0);
    const CTextCodec codec;
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CAddressDoc>();
        state.ResumeTiming();
        const CVCardReadResult read = CVCardReader::Read(text);
        CVCardImport import(read.cards);
        if (!import.Encode(codec, false))
            throw std::runtime_error("the generated cards do not encode");
        if (CVCardCommands::ImportCards(*doc, import, true).added != VCARD_PERSONS)
            throw std::runtime_error("the generated cards do not import");
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
    state.counters["bytes"] = static_cast<double>(text.size());
}
BENCHMARK(ImportVCard)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
} // namespace
