#include "CBenchFolder.h"
#include "CBookGenerator.h"
#include "CGuiBench.h"
#include "CScriptedUserInterface.h"
#include "core/document/CDataFile.h"
#include "core/settings/CProfile.h"
#include "core/ui/CommandIds.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"
#include "gui/views/CGroupTreeWidget.h"
#include "gui/views/CListEdit.h"
#include "gui/views/CPersonListWidget.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <memory>

namespace {
// 100,000 persons in 1,000 groups, as the views' benchmarks have them.
const CBookShape BOOK{100000, 1000, 50000};
constexpr int MOVES = 1000;

// The cell editor walking the list by key, both panes shown: each step is one arrow key on the
// list, the commit it asks for, the editor laid over the next cell and the window painted.
// Across the columns and back, one row down at each end, the list scrolls sideways at most
// moves near either end; straight down, it scrolls by a row at each move past the first page.
void MoveCellEditorByKey(benchmark::State& state, bool acrossColumns) {
    const CBenchFolder folder("views", BOOK);
    CScriptedUserInterface ui;
    CAddressDoc doc;
    CFriendTreeView tree(doc, ui);
    CFriendListView list(doc, ui);
    const CProfile profile(folder.GetSettings());
    tree.LoadSettings(profile);
    list.LoadSettings(profile);
    doc.OnNewDocument();
    QWidget window;
    auto* layout = new QHBoxLayout(&window);
    auto* treeWidget = new CGroupTreeWidget(tree, &window);
    auto* listWidget = new CPersonListWidget(list, &window);
    layout->addWidget(treeWidget, 1);
    layout->addWidget(listWidget, 3);
    window.resize(1200, 800);
    window.show();
    if (!CDataFile::Load(doc, folder.GetBook()).ok)
        state.SkipWithError("the generated book does not load");
    QCoreApplication::processEvents();
    list.GetCellEditor().OnCommand(ID_CELL_EDIT_MODE);
    QCoreApplication::processEvents();

    int step = 0;
    for (auto _ : state) {
        const int inRow = step % (CFriendListView::COLUMN_COUNT + 1);
        const bool rightward = (step / (CFriendListView::COLUMN_COUNT + 1)) % 2 == 0;
        const Qt::Key key = !acrossColumns || inRow == CFriendListView::COLUMN_COUNT
                                ? Qt::Key_Down
                                : (rightward ? Qt::Key_Right : Qt::Key_Left);
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(listWidget, &press);
        QCoreApplication::processEvents();
        ++step;
    }
    if (!list.GetCellEditor().IsVisible() || list.GetCellEditor().GetCursorRow() == 0)
        state.SkipWithError("the editor did not walk the list");
    state.counters["row"] = list.GetCellEditor().GetCursorRow();
}
BENCHMARK_CAPTURE(MoveCellEditorByKey, AcrossColumns, true)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(MOVES);
BENCHMARK_CAPTURE(MoveCellEditorByKey, DownTheRows, false)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(MOVES);
} // namespace

int main(int argc, char** argv) {
    return CGuiBench::Main(argc, argv);
}
