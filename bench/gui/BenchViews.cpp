#include "CBenchFolder.h"
#include "CBookGenerator.h"
#include "CGuiBench.h"
#include "CScriptedUserInterface.h"
#include "core/app/CCsvCommands.h"
#include "core/csv/CCSVReader.h"
#include "core/document/CDataFile.h"
#include "core/settings/CProfile.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"
#include "gui/views/CGroupTreeWidget.h"
#include "gui/views/CPersonListWidget.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {
// 100,000 persons in 1,000 groups; the first group has 50,000 of them.
const CBookShape BOOK{100000, 1000, 50000};

// The window as the program has it: the document, both views and both panes, shown; the
// settings are the defaults, so the tree shows the persons ("Tree" / "expand" = 1).
class CViewsWindow {
public:
    CViewsWindow(const CBenchFolder& folder, bool withWidgets)
        : m_tree(m_doc, m_ui), m_list(m_doc, m_ui) {
        const CProfile profile(folder.GetSettings());
        m_tree.LoadSettings(profile);
        m_list.LoadSettings(profile);
        m_doc.OnNewDocument();
        if (!withWidgets)
            return;
        auto* layout = new QHBoxLayout(&m_window);
        m_treeWidget = new CGroupTreeWidget(m_tree, &m_window);
        m_listWidget = new CPersonListWidget(m_list, &m_window);
        layout->addWidget(m_treeWidget, 1);
        layout->addWidget(m_listWidget, 3);
        m_window.resize(1200, 800);
        m_window.show();
        Show();
    }

    void Load(const CBenchFolder& folder) {
        if (!CDataFile::Load(m_doc, folder.GetBook()).ok)
            throw std::runtime_error("the generated book does not load");
    }

    // Lays out and paints both panes now, as the user would see them.
    void Show() {
        if (!m_treeWidget)
            return;
        QCoreApplication::processEvents();
        m_treeWidget->viewport()->repaint();
        m_listWidget->viewport()->repaint();
    }

    CScriptedUserInterface m_ui;
    CAddressDoc m_doc;
    CFriendTreeView m_tree;
    CFriendListView m_list;
    QWidget m_window;
    CGroupTreeWidget* m_treeWidget = nullptr;
    CPersonListWidget* m_listWidget = nullptr;
};

// The document alone, as the core benchmarks load it: what the window's opening is measured
// against in the same run.
void LoadWithoutViews(benchmark::State& state) {
    const CBenchFolder folder("views", BOOK);
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CAddressDoc>();
        state.ResumeTiming();
        if (!CDataFile::Load(*doc, folder.GetBook()).ok)
            state.SkipWithError("the generated book does not load");
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(LoadWithoutViews)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// Without widgets it measures what core alone costs of the same work, for comparison.
void OpenBook(benchmark::State& state, bool withWidgets) {
    const CBenchFolder folder("views", BOOK);
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<CViewsWindow>(folder, withWidgets);
        state.ResumeTiming();
        window->Load(folder);
        window->Show();
        state.PauseTiming();
        if (window->m_list.GetRowCount() != static_cast<int>(BOOK.persons))
            state.SkipWithError("the list does not show every person");
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(OpenBook, Widgets, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
BENCHMARK_CAPTURE(OpenBook, CoreOnly, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);

void SelectBigGroup(benchmark::State& state) {
    const CBenchFolder folder("views", BOOK);
    CViewsWindow window(folder, true);
    window.Load(folder);
    window.Show();
    const CGroup* big =
        *std::max_element(window.m_doc.GetGroupList().begin(), window.m_doc.GetGroupList().end(),
                          [](const CGroup* a, const CGroup* b) {
                              return a->m_memberList.GetCount() < b->m_memberList.GetCount();
                          });
    CTreeControl& tree = window.m_tree.GetTreeCtrl();
    for (auto _ : state) {
        state.PauseTiming();
        tree.SelectItem(window.m_tree.m_hDeletedItem);
        window.Show();
        state.ResumeTiming();
        tree.SelectItem(big->m_hTreeItem);
        window.Show();
    }
    state.counters["members"] = static_cast<double>(window.m_list.GetRowCount());
}
BENCHMARK(SelectBigGroup)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);

// One iteration hides the persons and shows them again: two toggles.
void TogglePersonsInTree(benchmark::State& state) {
    const CBenchFolder folder("views", BOOK);
    CViewsWindow window(folder, true);
    window.Load(folder);
    window.Show();
    for (auto _ : state) {
        window.m_tree.ToggleShowPersonal();
        window.Show();
        window.m_tree.ToggleShowPersonal();
        window.Show();
    }
    state.counters["treeItems"] = static_cast<double>(window.m_tree.GetTreeCtrl().GetCount());
}
BENCHMARK(TogglePersonsInTree)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// A CSV file of 100,000 persons read into the open book of 100,000, both panes shown: the
// import with its one undoable command, the views patched and painted.
void ImportCsvIntoOpenBook(benchmark::State& state) {
    const CBenchFolder folder("views", BOOK);
    const fs::path csv = folder.GetBook().parent_path() / "import.csv";
    const std::string bytes = CBookGenerator(2).MakeCsv(BOOK.persons);
    std::ofstream(csv, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    std::vector<int> map;
    for (int field = 0; field < 11; ++field)
        map.push_back(field);
    for (auto _ : state) {
        state.PauseTiming();
        auto window = std::make_unique<CViewsWindow>(folder, true);
        window->Load(folder);
        window->Show();
        state.ResumeTiming();
        CCSVReader reader(CCsvCommands::FieldNames());
        if (!reader.Load(csv).ok || !reader.Prepare({}, map, false).ok)
            state.SkipWithError("the generated CSV does not import");
        CCsvCommands::ImportRecords(window->m_doc, reader, true);
        window->Show();
        state.PauseTiming();
        if (window->m_list.GetRowCount() != static_cast<int>(2 * BOOK.persons))
            state.SkipWithError("the list does not show every person");
        window.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(ImportCsvIntoOpenBook)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);
} // namespace

int main(int argc, char** argv) {
    return CGuiBench::Main(
        argc, argv,
        {{"OpenBook/Widgets", "LoadWithoutViews"}, {"TogglePersonsInTree", "LoadWithoutViews"}});
}
