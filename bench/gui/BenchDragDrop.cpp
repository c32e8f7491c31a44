#include "CBenchFolder.h"
#include "CBookGenerator.h"
#include "CGuiBench.h"
#include "CScriptedUserInterface.h"
#include "core/document/CDataFile.h"
#include "core/settings/CProfile.h"
#include "core/views/CDragDrop.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"
#include "gui/views/CGroupTreeWidget.h"
#include "gui/views/CPersonListWidget.h"
#include "gui/views/CViewDrag.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <stdexcept>

namespace {
// 100,000 persons in 1,000 groups; the first group has 50,000 of them.
const CBookShape BOOK{100000, 1000, 50000};
constexpr int DRAGGED_ROWS = 10000;

// Both panes shown over a loaded book, with the drag between them as the window wires it.
class CDragWindow {
public:
    explicit CDragWindow(const CBenchFolder& folder) : m_tree(m_doc, m_ui), m_list(m_doc, m_ui) {
        const CProfile profile(folder.GetSettings());
        m_tree.LoadSettings(profile);
        m_list.LoadSettings(profile);
        m_doc.OnNewDocument();
        auto* layout = new QHBoxLayout(&m_window);
        m_treeWidget = new CGroupTreeWidget(m_tree, &m_window);
        m_listWidget = new CPersonListWidget(m_list, &m_window);
        m_treeWidget->SetDrag(&m_viewDrag);
        m_listWidget->SetDrag(&m_viewDrag);
        layout->addWidget(m_treeWidget, 1);
        layout->addWidget(m_listWidget, 3);
        m_window.resize(1200, 800);
        m_window.show();
        if (!CDataFile::Load(m_doc, folder.GetBook()).ok)
            throw std::runtime_error("the generated book does not load");
        Show();
    }

    void Show() {
        QCoreApplication::processEvents();
        m_treeWidget->viewport()->repaint();
        m_listWidget->viewport()->repaint();
    }

    // Every tenth row of what the list shows, selected through the pane as a user would.
    void SelectRows(HTREEITEM shown) {
        m_tree.GetTreeCtrl().SelectItem(shown);
        QItemSelection selection;
        const int step = m_list.GetRowCount() / DRAGGED_ROWS;
        for (int row = 0; row < DRAGGED_ROWS; ++row) {
            const QModelIndex index = m_listWidget->model()->index(row * step, 0);
            selection.select(index, index);
        }
        m_listWidget->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect |
                                                              QItemSelectionModel::Rows);
        Show();
    }

    // What the drop handler and the queued drop do, without the platform's drag around them.
    bool DragOnto(HTREEITEM target) {
        if (!m_drag.BeginFromList() || !m_drag.Track(target))
            return false;
        const std::optional<CPendingDrop> drop = m_drag.EndAtTarget();
        const bool done = drop && m_drag.Drop(*drop);
        Show();
        return done;
    }

    CScriptedUserInterface m_ui;
    CAddressDoc m_doc;
    CFriendTreeView m_tree;
    CFriendListView m_list;
    CDragDrop m_drag{m_doc, m_tree, m_list, m_ui};
    CViewDrag m_viewDrag{m_drag};
    QWidget m_window;
    CGroupTreeWidget* m_treeWidget = nullptr;
    CPersonListWidget* m_listWidget = nullptr;
};

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

// 10,000 rows dragged onto a small group and the drop undone, each timed on its own. From
// "全体" they are added without a question; from the big group, answering No moves them.
void DragRowsOntoGroup(benchmark::State& state) {
    const bool move = state.range(0) == 1;
    const CBenchFolder folder("dragdrop", BOOK);
    CDragWindow window(folder);
    const auto& groups = window.m_doc.GetGroupList();
    CGroup* big = groups.front();
    CGroup* target = *std::next(groups.begin());
    const HTREEITEM source = move ? big->m_hTreeItem : window.m_tree.m_hRootItem;
    double undoSeconds = 0;
    for (auto _ : state) {
        window.SelectRows(source);
        window.m_ui.m_answers = {EMessageResult::No};
        const auto start = std::chrono::steady_clock::now();
        if (!window.DragOnto(target->m_hTreeItem))
            state.SkipWithError("the drop made no step");
        state.SetIterationTime(Seconds(start));
        const auto undo = std::chrono::steady_clock::now();
        window.m_doc.OnEditUndo();
        window.Show();
        undoSeconds += Seconds(undo);
    }
    state.counters["undo_ms"] =
        benchmark::Counter(1000 * undoSeconds / static_cast<double>(state.iterations()));
    state.counters["targetMembers"] = static_cast<double>(target->m_memberList.GetCount());
}
BENCHMARK(DragRowsOntoGroup)
    ->ArgName("move")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(3);
} // namespace

int main(int argc, char** argv) {
    return CGuiBench::Main(argc, argv);
}
