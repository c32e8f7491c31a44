#include "CBookGenerator.h"
#include "CScriptedUserInterface.h"
#include "core/commands/CCommandGroup.h"
#include "core/commands/CDeleteGroupAndMembersCommand.h"
#include "core/commands/CDeletePersonalCommand.h"
#include "core/document/CDataFile.h"
#include "core/document/CDataFileReader.h"
#include "core/document/CDataFileWriter.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>

namespace fs = std::filesystem;

namespace {
// A folder of its own for the files one benchmark writes.
class CBenchFolder {
public:
    CBenchFolder() {
        std::string pattern = (fs::temp_directory_path() / "tarnvale-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        m_path = pattern;
    }
    CBenchFolder(const CBenchFolder&) = delete;
    CBenchFolder& operator=(const CBenchFolder&) = delete;
    ~CBenchFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    fs::path WriteBook(const CBookShape& shape) const {
        const fs::path path = m_path / "book.dat";
        const std::string bytes = CBookGenerator().MakeFile(shape);
        std::ofstream(path, std::ios::binary)
            .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        return path;
    }
    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

// A document as the window has it: the group tree and the person list attached.
struct CWindowBook {
    CWindowBook() : m_tree(m_doc, m_ui), m_list(m_doc, m_ui) { m_doc.OnNewDocument(); }

    CScriptedUserInterface m_ui;
    CAddressDoc m_doc;
    CFriendTreeView m_tree;
    CFriendListView m_list;
};

std::size_t HeapInUse() {
    return mallinfo2().uordblks;
}

CBookShape ShapeOf(const benchmark::State& state) {
    return {static_cast<std::size_t>(state.range(0)), static_cast<std::size_t>(state.range(1)),
            static_cast<std::size_t>(state.range(2))};
}

void LoadBook(benchmark::State& state, bool withViews, bool showPersons = false) {
    const CBenchFolder folder;
    const fs::path path = folder.WriteBook(ShapeOf(state));
    const auto fileSize = static_cast<double>(fs::file_size(path));
    double heap = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto plain = std::make_unique<CAddressDoc>();
        auto window = std::make_unique<CWindowBook>();
        window->m_tree.m_bShowPersonal = showPersons;
        CAddressDoc& doc = withViews ? window->m_doc : *plain;
        const std::size_t before = HeapInUse();
        state.ResumeTiming();
        if (!CDataFile::Load(doc, path).ok)
            state.SkipWithError("load failed");
        state.PauseTiming();
        heap = static_cast<double>(HeapInUse() - before);
        plain.reset();
        window.reset();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = fileSize / 1e6;
    state.counters["heap_MB"] = heap / 1e6;
    state.counters["heap_per_file_byte"] = heap / fileSize;
}

void BM_LoadWithoutViews(benchmark::State& state) {
    LoadBook(state, false);
}
void BM_LoadWithViews(benchmark::State& state) {
    LoadBook(state, true);
}
// As the window opens a book by default: the tree shows every person under its groups.
void BM_LoadShowingPersons(benchmark::State& state) {
    LoadBook(state, true, true);
}

// Parsing alone, as the file's records are made; no document list or view is touched.
void BM_ReadRecords(benchmark::State& state) {
    const std::string bytes = CBookGenerator().MakeFile(ShapeOf(state));
    for (auto _ : state) {
        state.PauseTiming();
        auto doc = std::make_unique<CAddressDoc>();
        state.ResumeTiming();
        const CReadResult result = CDataFileReader::Read(bytes, *doc);
        benchmark::DoNotOptimize(result.ok);
        state.PauseTiming();
        doc.reset();
        state.ResumeTiming();
    }
}

void BM_WriteBytes(benchmark::State& state) {
    CAddressDoc doc;
    CBookGenerator().Fill(doc, ShapeOf(state));
    for (auto _ : state)
        benchmark::DoNotOptimize(CDataFileWriter::Write(doc.GetGroupList(), doc.GetPersonList()));
}

// The whole save: bytes, backup copy, temporary file, fsync, rename.
void BM_Save(benchmark::State& state) {
    const CBenchFolder folder;
    CAddressDoc doc;
    CBookGenerator().Fill(doc, ShapeOf(state));
    const fs::path path = folder.Path() / "saved.dat";
    for (auto _ : state) {
        if (!CDataFile::Save(doc, path).ok)
            state.SkipWithError("save failed");
    }
    state.counters["file_MB"] = static_cast<double>(fs::file_size(path)) / 1e6;
}

// A window book loaded from a generated file whose first group is the big one.
std::unique_ptr<CWindowBook> LoadWindowBook(const CBookShape& shape, bool showPersons) {
    const CBenchFolder folder;
    auto book = std::make_unique<CWindowBook>();
    if (showPersons)
        book->m_tree.ToggleShowPersonal();
    if (!CDataFile::Load(book->m_doc, folder.WriteBook(shape)).ok)
        throw std::runtime_error("cannot load the generated book");
    return book;
}

// Deleting the big group with its members, or undoing that, timed alone.
void DeleteGroupAndMembers(benchmark::State& state, bool showPersons, bool timeUndo) {
    const auto book = LoadWindowBook(ShapeOf(state), showPersons);
    CGroup* group = book->m_doc.GetGroupList().front();
    state.counters["members"] = static_cast<double>(group->m_memberList.GetCount());
    for (auto _ : state) {
        if (timeUndo)
            state.PauseTiming();
        book->m_doc.ExecuteCommand(std::make_unique<CDeleteGroupAndMembersCommand>(group));
        if (timeUndo)
            state.ResumeTiming();
        else
            state.PauseTiming();
        book->m_doc.OnEditUndo();
        if (!timeUndo)
            state.ResumeTiming();
    }
}

void BM_DeleteGroupAndMembers(benchmark::State& state) {
    DeleteGroupAndMembers(state, false, false);
}
void BM_UndoDeleteGroupAndMembers(benchmark::State& state) {
    DeleteGroupAndMembers(state, false, true);
}
void BM_DeleteGroupAndMembersShown(benchmark::State& state) {
    DeleteGroupAndMembers(state, true, false);
}
void BM_UndoDeleteGroupAndMembersShown(benchmark::State& state) {
    DeleteGroupAndMembers(state, true, true);
}

// Deleting some members of a big group as one composite while the list shows that group.
void DeletePersons(benchmark::State& state, bool timeUndo) {
    const auto book = LoadWindowBook(ShapeOf(state), false);
    CGroup* group = book->m_doc.GetGroupList().front();
    book->m_tree.GetTreeCtrl().SelectItem(group->m_hTreeItem);
    const auto count = static_cast<std::size_t>(state.range(3));
    std::vector<CPersonalData*> victims;
    for (CPersonalData* person : group->m_memberList) {
        if (victims.size() == count)
            break;
        victims.push_back(person);
    }
    state.counters["rows_shown"] = book->m_list.GetRowCount();
    for (auto _ : state) {
        auto commands = std::make_unique<CCommandGroup>();
        for (CPersonalData* person : victims)
            commands->AddCommand(std::make_unique<CDeletePersonalCommand>(person));
        if (timeUndo)
            state.PauseTiming();
        book->m_doc.ExecuteCommand(std::move(commands));
        if (timeUndo)
            state.ResumeTiming();
        else
            state.PauseTiming();
        book->m_doc.OnEditUndo();
        if (!timeUndo)
            state.ResumeTiming();
    }
}

void BM_DeletePersonsOfBigGroup(benchmark::State& state) {
    DeletePersons(state, false);
}
void BM_UndoDeletePersonsOfBigGroup(benchmark::State& state) {
    DeletePersons(state, true);
}

// Arguments: persons, groups, members of the big group.
void FullAndTenth(benchmark::internal::Benchmark* bench) {
    bench->Args({100000, 1000, 0})->Args({10000, 100, 0});
}
void BigGroupHalf(benchmark::internal::Benchmark* bench) {
    bench->Args({100000, 1000, 50000})->Args({10000, 100, 5000});
}
// Arguments: persons, groups, members of the big group, persons deleted.
void BigGroupAll(benchmark::internal::Benchmark* bench) {
    bench->Args({100000, 1000, 100000, 10000})->Args({10000, 100, 10000, 1000});
}
} // namespace

BENCHMARK(BM_ReadRecords)->Apply(FullAndTenth)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LoadWithoutViews)->Apply(FullAndTenth)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LoadWithViews)->Apply(FullAndTenth)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_LoadShowingPersons)->Apply(FullAndTenth)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_WriteBytes)->Apply(FullAndTenth)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_Save)->Apply(FullAndTenth)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_DeleteGroupAndMembers)
    ->Apply(BigGroupHalf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_UndoDeleteGroupAndMembers)
    ->Apply(BigGroupHalf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_DeleteGroupAndMembersShown)
    ->Apply(BigGroupHalf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_UndoDeleteGroupAndMembersShown)
    ->Apply(BigGroupHalf)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_DeletePersonsOfBigGroup)
    ->Apply(BigGroupAll)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
BENCHMARK(BM_UndoDeletePersonsOfBigGroup)
    ->Apply(BigGroupAll)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
