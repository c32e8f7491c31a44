#include "CBookGenerator.h"
#include "CFakeDavServer.h"
#include "core/commands/CCommandGroup.h"
#include "core/document/CAddressDoc.h"
#include "core/sync/CSyncDigest.h"
#include "core/sync/CSyncEngine.h"
#include "core/sync/CSyncState.h"
#include "core/text/CTextCodec.h"
#include "core/vcard/CVCardWriter.h"

#include <benchmark/benchmark.h>

#include <map>
#include <memory>
#include <string>

namespace {
// A generated book and a server in memory that holds every person's card, as a finished sync
// leaves them: the sync's own cost is all that is measured, with no network in it.
class CSyncedBook {
public:
    explicit CSyncedBook(std::size_t persons) {
        CBookGenerator().Fill(m_doc, {persons, 10, persons / 10});
        const CTextCodec codec;
        CVCardWriter writer(EVCardVersion::V30, codec, 0);
        m_state.m_strUrl = CFakeDavServer::COLLECTION;
        m_state.m_strCollection = CFakeDavServer::COLLECTION;
        for (const CPersonalData* person : m_doc.GetPersonList()) {
            const std::string uid = person->GetUid().ToString();
            const std::string path = "/book/" + uid + ".vcf";
            writer.WritePerson(*person);
            m_server.Write(path, writer.TakeText());
            m_state.m_entries[uid] = {path, m_server.m_cards[path].etag, CSyncDigest::Of(*person)};
        }
        m_state.m_strToken = "t" + std::to_string(persons);
    }

    CAddressDoc& Doc() { return m_doc; }
    CFakeDavServer& Server() { return m_server; }
    const CSyncState& State() const { return m_state; }

private:
    CAddressDoc m_doc;
    CFakeDavServer m_server;
    CSyncState m_state;
};

CSyncedBook& Synced(std::size_t persons) {
    static std::map<std::size_t, std::unique_ptr<CSyncedBook>> books;
    auto& book = books[persons];
    if (!book)
        book = std::make_unique<CSyncedBook>(persons);
    return *book;
}

// A sync that finds nothing to do on either side: what every sync of an unchanged book costs.
void RunQuiet(benchmark::State& bench, bool syncReport) {
    CSyncedBook& book = Synced(static_cast<std::size_t>(bench.range(0)));
    book.Server().m_bSyncReport = syncReport;
    for (auto _ : bench) {
        CSyncState state = book.State();
        CCommandGroup changes;
        const CSyncReport report =
            CSyncEngine(book.Doc(), state, book.Server()).Run(CFakeDavServer::COLLECTION, changes);
        if (!report.error.empty() || report.uploaded + report.downloaded > 0 ||
            changes.GetCount() > 0)
            bench.SkipWithError("the quiet sync did something");
        book.Server().m_log.clear();
    }
    bench.counters["persons"] = static_cast<double>(bench.range(0));
}

// With a sync token the server lists nothing.
void SyncQuiet(benchmark::State& bench) {
    RunQuiet(bench, true);
}
BENCHMARK(SyncQuiet)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

// Without one every card's ETag is listed and compared.
void SyncQuietListing(benchmark::State& bench) {
    RunQuiet(bench, false);
}
BENCHMARK(SyncQuietListing)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The first sync of a book with an empty collection: every person goes up.
void SyncFirstUpload(benchmark::State& bench) {
    CSyncedBook& book = Synced(static_cast<std::size_t>(bench.range(0)));
    for (auto _ : bench) {
        bench.PauseTiming();
        CFakeDavServer server;
        CSyncState state;
        bench.ResumeTiming();
        CCommandGroup changes;
        const CSyncReport report =
            CSyncEngine(book.Doc(), state, server).Run(CFakeDavServer::COLLECTION, changes);
        if (report.uploaded != static_cast<std::size_t>(bench.range(0)))
            bench.SkipWithError("not every person went up");
    }
}
BENCHMARK(SyncFirstUpload)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

// A second computer's first sync: every card comes down into an empty book.
void SyncDownload(benchmark::State& bench) {
    CSyncedBook& book = Synced(static_cast<std::size_t>(bench.range(0)));
    book.Server().m_bSyncReport = true;
    for (auto _ : bench) {
        bench.PauseTiming();
        auto doc = std::make_unique<CAddressDoc>();
        CSyncState state;
        bench.ResumeTiming();
        {
            CCommandGroup changes;
            const CSyncReport report =
                CSyncEngine(*doc, state, book.Server()).Run(CFakeDavServer::COLLECTION, changes);
            if (report.downloaded != static_cast<std::size_t>(bench.range(0)))
                bench.SkipWithError("not every card came down");
            bench.PauseTiming();
        }
        doc.reset();
        book.Server().m_log.clear();
        bench.ResumeTiming();
    }
}
BENCHMARK(SyncDownload)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
} // namespace
