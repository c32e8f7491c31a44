#include "CBenchFolder.h"
#include "CBookGenerator.h"
#include "CGuiBench.h"
#include "CScriptedUserInterface.h"
#include "core/find/CFindController.h"
#include "core/ui/CommandIds.h"
#include "gui/app/CActionRouter.h"
#include "gui/app/CAddressBookApp.h"
#include "gui/app/CMainFrame.h"
#include "gui/dialogs/CFindDlg.h"
#include "gui/views/CGroupTreeWidget.h"
#include "gui/views/CPersonListWidget.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {
using CClock = std::chrono::steady_clock;

const CBookShape BOOK{100000, 1000, 0};
// Found in about half of the persons of a generated book (phone numbers and addresses).
const QString HALF = QStringLiteral("-5");

// The settings and the lock file beside the book.
CAppPaths PathsIn(const CBenchFolder& folder) {
    return {folder.GetSettings(), QString::fromStdString((folder.GetPath() / "lock").string()),
            folder.GetPath()};
}

// Measures the longest stretch in which the window's events could not run: from the press to
// the first time the search lets them run, between two such times, and from the last one to
// the end of the search.
class CBlockWatch {
public:
    void Start() { m_last = CClock::now(); }
    void Mark() {
        const auto now = CClock::now();
        m_longest = std::max(m_longest, now - m_last);
        m_last = now;
    }
    // The events themselves: painting the views that the search changed.
    void AddEventTime(CClock::duration time) {
        m_events += time;
        ++m_nPumps;
    }
    double EventMs() const { return std::chrono::duration<double, std::milli>(m_events).count(); }
    int GetPumps() const { return m_nPumps; }
    double LongestMs() const {
        return std::chrono::duration<double, std::milli>(m_longest).count();
    }

private:
    CClock::time_point m_last;
    CClock::duration m_longest{};
    CClock::duration m_events{};
    int m_nPumps = 0;
};

// From the press of the button to the last hit shown in both panes.
void SearchHalfTheBook(benchmark::State& state) {
    const CBenchFolder folder("find", BOOK);
    CScriptedUserInterface ui;
    double longestBlock = 0;
    double hits = 0;
    double eventMs = 0;
    double pumps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto app = std::make_unique<CAddressBookApp>(ui, PathsIn(folder));
        if (!app->InitInstance(folder.GetBook().string()))
            throw std::runtime_error("the program did not start");
        CMainFrame& frame = *app->GetMainFrame();
        frame.resize(1200, 800);
        CFindController& find = frame.GetFindController();
        frame.GetActions().Dispatch(ID_FIND);
        auto* dialog = dynamic_cast<CFindDlg*>(find.GetWindow());
        dialog->GetTextBox()->setText(HALF);
        QCoreApplication::processEvents();
        CBlockWatch watch;
        find.SetEventPump([&watch] {
            watch.Mark();
            const auto start = CClock::now();
            QCoreApplication::processEvents();
            watch.AddEventTime(CClock::now() - start);
            watch.Start();
        });
        state.ResumeTiming();

        watch.Start();
        dialog->GetFindButton()->click();
        watch.Mark();
        QCoreApplication::processEvents();
        frame.GetTreeWidget()->viewport()->repaint();
        frame.GetListWidget()->viewport()->repaint();

        state.PauseTiming();
        longestBlock = std::max(longestBlock, watch.LongestMs());
        eventMs = watch.EventMs();
        pumps = watch.GetPumps();
        hits = frame.GetListView().GetRowCount();
        frame.close();
        app->ExitInstance();
        app.reset();
        state.ResumeTiming();
    }
    state.counters["hits"] = hits;
    state.counters["longestBlockMs"] = longestBlock;
    state.counters["eventMs"] = eventMs;
    state.counters["pumps"] = pumps;
}
BENCHMARK(SearchHalfTheBook)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
} // namespace

int main(int argc, char** argv) {
    return CGuiBench::Main(argc, argv);
}
