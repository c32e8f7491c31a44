#include "CBookGenerator.h"
#include "core/mail/CMailer.h"
#include "core/model/CFieldTable.h"
#include "gui/app/CQtUserInterface.h"

#include <QClipboard>
#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <vector>

namespace {
constexpr std::size_t PERSONS = 100000;

// Writing mail to everyone of a big address book with the clipboard choice, up to the text
// on the desktop's clipboard: join, remember, convert and copy.
void BM_WriteMailToEveryoneOnTheClipboard(benchmark::State& state) {
    CAddressDoc doc;
    const std::vector<CPersonalData*> persons = CBookGenerator().FillForMail(doc, PERSONS);
    CQtUserInterface ui;
    CMailer mailer(ui, {});
    mailer.GetSettings().m_bMailToClipboard = true;
    for (auto _ : state) {
        mailer.WriteMail(persons, CFieldTable::FIELD_EMAIL1);
        benchmark::DoNotOptimize(QGuiApplication::clipboard()->text().size());
    }
    state.counters["addresses"] = static_cast<double>(PERSONS * 6 / 10);
}
BENCHMARK(BM_WriteMailToEveryoneOnTheClipboard)->Unit(benchmark::kMillisecond);
} // namespace
