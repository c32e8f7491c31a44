#include "CScriptedUserInterface.h"
#include "core/document/CAddressDoc.h"
#include "core/settings/CProfile.h"
#include "core/settings/CRecentFileList.h"
#include "core/settings/CWindowPlacement.h"
#include "core/views/CFriendListView.h"
#include "core/views/CFriendTreeView.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {
// A settings file just under the size limit: mostly sections of other programs, with this
// program's own at the end, where every look-up has to scan the whole file.
class CLargeSettingsFile {
public:
    CLargeSettingsFile() {
        std::string pattern = (fs::temp_directory_path() / "tarnvale-bench-XXXXXX").string();
        if (::mkdtemp(pattern.data()) == nullptr)
            throw std::runtime_error("cannot create a temporary folder");
        m_folder = pattern;
        std::string contents;
        for (int section = 0; contents.size() < CProfile::MAX_FILE_SIZE - 4096; ++section) {
            contents.append("[Other").append(std::to_string(section)).append("]\r\n");
            for (int key = 0; key < 20; ++key)
                contents.append("key").append(std::to_string(key)).append("=some value\r\n");
        }
        contents.append("[Window]\r\nleft=10\r\ntop=10\r\nright=810\r\nbottom=610\r\n");
        std::ofstream(Path(), std::ios::binary)
            .write(contents.data(), static_cast<std::streamsize>(contents.size()));
    }
    CLargeSettingsFile(const CLargeSettingsFile&) = delete;
    CLargeSettingsFile& operator=(const CLargeSettingsFile&) = delete;
    ~CLargeSettingsFile() {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }
    fs::path Path() const { return m_folder / "tarnvale.ini"; }

private:
    fs::path m_folder;
};

// What the program reads from its settings file before the window shows.
void BM_SettingsAtStart(benchmark::State& state) {
    const CLargeSettingsFile file;
    CScriptedUserInterface ui;
    CAddressDoc doc;
    CFriendTreeView tree(doc, ui);
    CFriendListView list(doc, ui);
    for (auto _ : state) {
        const CProfile profile(file.Path());
        CRecentFileList recent;
        recent.Load(profile);
        benchmark::DoNotOptimize(CWindowPlacement::Load(profile));
        tree.LoadSettings(profile);
        list.LoadSettings(profile);
    }
}
BENCHMARK(BM_SettingsAtStart)->Unit(benchmark::kMillisecond);

// What it writes when the window closes: one batch, one write of the file.
void BM_SettingsAtExit(benchmark::State& state) {
    const CLargeSettingsFile file;
    CScriptedUserInterface ui;
    CAddressDoc doc;
    CFriendTreeView tree(doc, ui);
    CFriendListView list(doc, ui);
    CProfile profile(file.Path());
    CRecentFileList recent;
    recent.Add("/home/u/friends.dat");
    CWindowPlacement placement;
    for (auto _ : state) {
        ++placement.m_nLeft; // a change, so the file is written each time
        const CProfile::CBatch batch(profile);
        placement.Save(profile);
        tree.SaveSettings(profile);
        list.SaveSettings(profile);
        recent.Save(profile);
    }
}
BENCHMARK(BM_SettingsAtExit)->Unit(benchmark::kMillisecond);
} // namespace
