#include "CBookFixture.h"
#include "CTempFolder.h"
#include "core/settings/CProfile.h"
#include "core/settings/CRecentFileList.h"
#include "core/storage/CDataFile.h"
#include "core/storage/CSafeFileWriter.h"
#include "core/storage/CTempFile.h"

#include <algorithm>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using ::testing::HasSubstr;

namespace fs = std::filesystem;

namespace {

// A path that is there but is no regular file; reading it must neither block nor run on.
struct CNotAFileCase {
    const char* name;
    void (*make)(const fs::path& path);
};

const CNotAFileCase NOT_A_FILE_CASES[] = {
    {"NamedPipe",
     [](const fs::path& path) {
         ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
     }},
    {"DeviceBehindALink",
     [](const fs::path& path) {
         fs::create_symlink("/dev/zero", path);
     }},
    {"Folder",
     [](const fs::path& path) {
         fs::create_directory(path);
     }},
};

class CNotAFileTest : public CBookFixture, public ::testing::WithParamInterface<CNotAFileCase> {
protected:
    void SetUp() override { GetParam().make(m_path); }

    CTempFolder m_folder;
    fs::path m_path = m_folder / "target";
};

TEST_P(CNotAFileTest, DataFileIsRefusedAndTheDocumentStays) {
    AddPerson("kept");
    const CFileResult result = CDataFile::Load(m_doc, m_path);
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, EFileFailure::NotRegularFile);
    EXPECT_THAT(result.message, HasSubstr("target"));
    EXPECT_EQ(m_doc.GetPersonList().size(), 1U);
}

TEST_P(CNotAFileTest, SettingsGiveDefaultsAndAreNeverWrittenOver) {
    CProfile profile(m_path);
    EXPECT_EQ(profile.GetProfileInt("Window", "left", 7), 7);
    EXPECT_FALSE(profile.WriteProfileInt("Window", "left", 1));
    EXPECT_FALSE(profile.Flush());
    EXPECT_FALSE(fs::is_regular_file(fs::symlink_status(m_path)));
}

TEST_P(CNotAFileTest, SavingOverItIsRefused) {
    AddPerson("A");
    const CFileResult result = CDataFile::Save(m_doc, m_path);
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(m_doc.IsModified());
    EXPECT_FALSE(fs::is_regular_file(m_path));
}

INSTANTIATE_TEST_SUITE_P(Kinds, CNotAFileTest, ::testing::ValuesIn(NOT_A_FILE_CASES),
                         [](const auto& info) { return std::string(info.param.name); });

class CSafeSaveTest : public CBookFixture {
protected:
    fs::path File(const std::string& name) const { return m_folder / name; }

    CTempFolder m_folder;
};

TEST_F(CSafeSaveTest, AReadOnlyFileIsRefusedWithItsBackup) {
    CTempFolder::WriteFile(File("book.dat"), "old");
    CTempFolder::WriteFile(File("book.dat.bak"), "older");
    ::chmod(File("book.dat").c_str(), 0444);
    AddPerson("A");
    const CFileResult result = CDataFile::Save(m_doc, File("book.dat"));
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.failure, EFileFailure::ReadOnly);
    EXPECT_EQ(result.message, "「" + File("book.dat").string() +
                                  "」は書き込みが禁止されているため保存できません。");
    EXPECT_EQ(CTempFolder::ReadFile(File("book.dat")), "old");
    EXPECT_EQ(CTempFolder::ReadFile(File("book.dat.bak")), "older");
    EXPECT_TRUE(m_doc.IsModified());
}

TEST_F(CSafeSaveTest, ABackupThatIsALinkIsReplacedNotWrittenThrough) {
    CTempFolder::WriteFile(File("book.dat"), "old");
    CTempFolder::WriteFile(File("elsewhere"), "precious");
    fs::create_symlink(File("elsewhere"), File("book.dat.bak"));
    ASSERT_TRUE(CDataFile::Save(m_doc, File("book.dat")).ok);
    EXPECT_EQ(CTempFolder::ReadFile(File("elsewhere")), "precious");
    EXPECT_FALSE(fs::is_symlink(File("book.dat.bak")));
    EXPECT_EQ(CTempFolder::ReadFile(File("book.dat.bak")), "old");
}

TEST_F(CSafeSaveTest, TheBackupIsAsPrivateAsTheBook) {
    CTempFolder::WriteFile(File("book.dat"), "old");
    ::chmod(File("book.dat").c_str(), 0600);
    CTempFolder::WriteFile(File("book.dat.bak"), "older");
    ::chmod(File("book.dat.bak").c_str(), 0644);
    ASSERT_TRUE(CDataFile::Save(m_doc, File("book.dat")).ok);
    struct stat info {};
    ASSERT_EQ(::stat(File("book.dat.bak").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600U);
}

// A save that was killed leaves its temporary file; the next save of the same book removes it,
// but not one of another book, nor one that a running save still holds.
TEST_F(CSafeSaveTest, AbandonedTemporaryFilesOfTheBookGoAtItsNextSave) {
    const std::string prefix = CTempFile::NamePrefix(File("book.dat"));
    const fs::path abandoned = File(prefix + "0badf00d.tmp");
    const fs::path inUse = File(prefix + "feedf00d.tmp");
    const fs::path otherBook = File(CTempFile::NamePrefix(File("other.dat")) + "0badf00d.tmp");
    for (const fs::path& path : {abandoned, inUse, otherBook})
        CTempFolder::WriteFile(path, std::string(1000, 'x'));
    const int held = ::open(inUse.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);

    ASSERT_TRUE(CDataFile::Save(m_doc, File("book.dat")).ok);
    ::close(held);
    std::vector<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(m_folder.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    std::vector<std::string> expected = {"book.dat", "book.dat.ids", inUse.filename().string(),
                                         otherBook.filename().string()};
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

TEST_F(CSafeSaveTest, OwnerAndGroupAreKept) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "only the superuser may give a file to someone else";
    CTempFolder::WriteFile(File("book.dat"), "old");
    ASSERT_EQ(::chown(File("book.dat").c_str(), 1234, 5678), 0);
    ASSERT_TRUE(CDataFile::Save(m_doc, File("book.dat")).ok);
    struct stat info {};
    ASSERT_EQ(::stat(File("book.dat").c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, 1234U);
    EXPECT_EQ(info.st_gid, 5678U);
}

// Names up to the longest a folder allows save and load again; the temporary name beside
// them must not be longer than they are.
class CLongNameTest : public CSafeSaveTest, public ::testing::WithParamInterface<int> {};

TEST_P(CLongNameTest, SavesAndLoadsAgain) {
    const std::string name(static_cast<std::size_t>(GetParam()), 'n');
    CTempFolder::WriteFile(File(name), "");
    AddPerson("A");
    const CFileResult saved = CDataFile::Save(m_doc, File(name));
    ASSERT_TRUE(saved.ok) << saved.message;
    ASSERT_TRUE(CDataFile::Load(m_doc, File(name)).ok);
    EXPECT_EQ(m_doc.GetPersonList().size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(Lengths, CLongNameTest, ::testing::Values(241, 248, 251, 255),
                         [](const auto& info) { return std::to_string(info.param) + "Bytes"; });

class CSafeSettingsTest : public ::testing::Test {
protected:
    CTempFolder m_folder;
    fs::path m_file = m_folder / "tarnvale.ini";
};

TEST_F(CSafeSettingsTest, ALinkedFileIsWrittenThroughToItsTarget) {
    fs::create_directory(m_folder / "dotfiles");
    CTempFolder::WriteFile(m_folder / "dotfiles" / "tarnvale.ini", "[A]\r\nx=1\r\n");
    fs::create_symlink("dotfiles/tarnvale.ini", m_file);
    CProfile profile(m_file);
    EXPECT_EQ(profile.GetProfileInt("A", "x", 0), 1);
    ASSERT_TRUE(profile.WriteProfileInt("A", "x", 2));
    EXPECT_TRUE(fs::is_symlink(m_file));
    EXPECT_EQ(CTempFolder::ReadFile(m_folder / "dotfiles" / "tarnvale.ini"), "[A]\r\nx=2\r\n");
}

TEST_F(CSafeSettingsTest, AFileLargerThanSixteenMegabytesIsNeitherReadNorReplaced) {
    CTempFolder::WriteFile(m_file, "[A]\r\nx=1\r\n");
    fs::resize_file(m_file, CProfile::MAX_FILE_SIZE + 1);
    CProfile profile(m_file);
    EXPECT_EQ(profile.GetProfileInt("A", "x", 5), 5);
    EXPECT_FALSE(profile.WriteProfileInt("A", "x", 2));
    EXPECT_EQ(fs::file_size(m_file), CProfile::MAX_FILE_SIZE + 1);
}

TEST_F(CSafeSettingsTest, ANameWithALineBreakIsNotRememberedAndInjectsNothing) {
    CProfile profile(m_file);
    CRecentFileList recent;
    recent.Add("/home/u/a.dat");
    recent.Add("/home/u/evil\r\n[Window]\r\nleft=-99999\r\n.dat");
    recent.Add("/home/u/evil\n.dat");
    ASSERT_TRUE(recent.Save(profile));
    EXPECT_FALSE(profile.WriteProfileString("Recent File List", "File2", "x\ny"));
    EXPECT_EQ(CTempFolder::ReadFile(m_file), "[Recent File List]\r\nFile1=/home/u/a.dat\r\n");
}

TEST_F(CSafeSettingsTest, RecentNamesReadBackExactly) {
    const std::vector<std::string> names = {"/home/u/trailing blank ", "/home/u/\"quoted\"",
                                            "'/home/u/x'", "/home/u/end\x1A"};
    {
        CProfile profile(m_file);
        CRecentFileList recent;
        for (auto name = names.rbegin(); name != names.rend(); ++name)
            recent.Add(*name);
        ASSERT_TRUE(recent.Save(profile));
    }
    const CProfile reread(m_file);
    CRecentFileList recent;
    recent.Load(reread);
    ASSERT_EQ(recent.GetCount(), 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(recent.Get(i), names[static_cast<std::size_t>(i)]);
}

} // namespace
