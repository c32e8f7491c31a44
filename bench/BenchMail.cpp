#include "CBookGenerator.h"
#include "CScriptedUserInterface.h"
#include "core/mail/CMailer.h"
#include "core/model/CFieldTable.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {
constexpr std::size_t PERSONS = 100000;

// Writing mail to everyone of a big address book, delivered to the clipboard: joining the
// addresses, remembering the use and converting the text for the clipboard.
void BM_WriteMailToEveryone(benchmark::State& state) {
    CAddressDoc doc;
    const std::vector<CPersonalData*> persons = CBookGenerator().FillForMail(doc, PERSONS);
    CScriptedUserInterface ui;
    CMailer mailer(ui, {});
    mailer.GetSettings().m_bMailToClipboard = true;
    for (auto _ : state) {
        mailer.WriteMail(persons, CFieldTable::FIELD_EMAIL1);
        benchmark::DoNotOptimize(ui.m_clipboardTexts.back().size());
        ui.m_clipboardTexts.clear();
    }
    state.counters["addresses"] = static_cast<double>(PERSONS * 6 / 10);
}
BENCHMARK(BM_WriteMailToEveryone)->Unit(benchmark::kMillisecond);
} // namespace
