#include "CBookGenerator.h"
#include "CGuiBench.h"
#include "core/print/CPostcardBatch.h"
#include "core/print/CPostcardSettings.h"
#include "gui/print/CPostcardPdf.h"

#include <benchmark/benchmark.h>

namespace {
constexpr std::size_t CARDS = 1000;

// A generated book of 1,000 persons, every one with an address, the first one the sender.
struct CCardBook {
    CCardBook() {
        CBookGenerator(7).Fill(doc, {CARDS, 10, 0});
        persons.assign(doc.GetPersonList().begin(), doc.GetPersonList().end());
    }

    CAddressDoc doc;
    std::vector<const CPersonalData*> persons;
    CTextCodec codec;
    CPostcardOptions options = CPostcardSettings().ToOptions();
};

// Every card laid out: postal codes read, numerals set, columns fitted.
void LayOutCards(benchmark::State& state) {
    const CCardBook book;
    std::size_t cards = 0;
    for (auto _ : state) {
        const CPostcardBatch batch(book.persons, book.persons.front(), book.options, book.codec);
        cards = batch.GetCards().size();
        benchmark::DoNotOptimize(cards);
    }
    state.counters["cards"] = static_cast<double>(cards);
}
BENCHMARK(LayOutCards)->Unit(benchmark::kMillisecond)->UseRealTime();

// What tarnvale-cli postcards and the preview's PDFに保存 do: the cards laid out and painted
// into one PDF of 1,000 pages, its text mended.
void CardsToPdf(benchmark::State& state) {
    const CCardBook book;
    qint64 bytes = 0;
    for (auto _ : state) {
        const CPostcardBatch batch(book.persons, book.persons.front(), book.options, book.codec);
        const QByteArray pdf =
            CPostcardPdf::Render(batch.GetCards(), QString::fromStdString(book.options.m_strFont));
        bytes = pdf.size();
        if (batch.GetCards().size() != CARDS)
            state.SkipWithError("not every person got a card");
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(CardsToPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
} // namespace

int main(int argc, char** argv) {
    return CGuiBench::Main(argc, argv);
}
