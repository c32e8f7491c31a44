#include "core/settings/CProfile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace {

class CProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tarnvale-profile-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        m_file = m_folder / "Tarnvale.INI";
    }

    void TearDown() override {
        std::error_code ignored;
        fs::remove_all(m_folder, ignored);
    }

    void WriteFile(const std::string& bytes) const {
        std::ofstream out(m_file, std::ios::binary);
        out << bytes;
    }

    std::string ReadFile() const {
        std::ifstream in(m_file, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }

    int CountFilesInFolder() const {
        int count = 0;
        for ([[maybe_unused]] const auto& entry : fs::directory_iterator(m_folder)) {
            ++count;
        }
        return count;
    }

    fs::path m_folder;
    fs::path m_file;
};

} // namespace

TEST_F(CProfileTest, MissingFileGivesDefaults) {
    const CProfile profile(m_file);
    EXPECT_EQ(profile.GetPath(), m_file);
    EXPECT_EQ(profile.GetProfileString("CopyEmail", "sep", ";"), ";");
    EXPECT_EQ(profile.GetProfileInt("CopyEmail", "capa", 10), 10);
}

TEST_F(CProfileTest, MissingSectionOrKeyGivesDefault) {
    WriteFile("[Tree]\r\nexpand=0\r\n");
    const CProfile profile(m_file);
    EXPECT_EQ(profile.GetProfileInt("Tree", "noindent", 7), 7);
    EXPECT_EQ(profile.GetProfileInt("Window", "expand", 7), 7);
    EXPECT_EQ(profile.GetProfileInt("Tree", "expand", 7), 0);
}

TEST_F(CProfileTest, NamesMatchWithoutRegardToLetterCase) {
    WriteFile("[ListColor]\r\nTextBk=255\r\n");
    const CProfile profile(m_file);
    EXPECT_EQ(profile.GetProfileInt("listcolor", "TEXTBK", 0), 255);
    EXPECT_EQ(profile.GetProfileInt("LISTCOLOR", "textbk", 0), 255);
}

TEST_F(CProfileTest, TrailBytesOfDoubleByteNamesAreNotCaseFolded) {
    WriteFile("[\x83\x41]\r\nk=1\r\n"); // ア; 0x83 0x61 is another character
    const CProfile profile(m_file);
    EXPECT_EQ(profile.GetProfileInt("\x83\x41", "K", 0), 1);
    EXPECT_EQ(profile.GetProfileInt("\x83\x61", "K", 0), 0);
}

TEST_F(CProfileTest, WhitespaceAroundNamesAndValuesIsDropped) {
    WriteFile("  [ Window ]  \r\n\t key  =  some value \t\r\n");
    const CProfile profile(m_file);
    EXPECT_EQ(profile.GetProfileString("Window", "key", ""), "some value");
    EXPECT_EQ(profile.GetProfileString(" Window", "key ", ""), "some value");
}

TEST_F(CProfileTest, ValuesAreRawBytes) {
    WriteFile("[S]\r\npath=C:\\dir\\file.dat,1;2 # x\r\nname=\x83\x5C\x83\x74\x83\x67\r\n");
    const CProfile profile(m_file);
    EXPECT_EQ(profile.GetProfileString("S", "path", ""), "C:\\dir\\file.dat,1;2 # x");
    EXPECT_EQ(profile.GetProfileString("S", "name", ""), "\x83\x5C\x83\x74\x83\x67");
}

TEST_F(CProfileTest, MatchingQuotesAroundTheWholeValueAreDropped) {
    WriteFile("[S]\r\na=\"x y\"\r\nb='z'\r\nc=\"x'\r\nd=\"\r\n");
    const CProfile profile(m_file);
    EXPECT_EQ(profile.GetProfileString("S", "a", ""), "x y");
    EXPECT_EQ(profile.GetProfileString("S", "b", ""), "z");
    EXPECT_EQ(profile.GetProfileString("S", "c", ""), "\"x'");
    EXPECT_EQ(profile.GetProfileString("S", "d", ""), "\"");
}

TEST_F(CProfileTest, ReadsLfLineEnds) {
    WriteFile("[A]\nx=1\n[B]\nx=2");
    const CProfile profile(m_file);
    EXPECT_EQ(profile.GetProfileInt("A", "x", 0), 1);
    EXPECT_EQ(profile.GetProfileInt("B", "x", 0), 2);
}

TEST_F(CProfileTest, FirstSectionAndFirstKeyOfANameWin) {
    WriteFile("[A]\r\nx=1\r\nx=2\r\n[B]\r\ny=3\r\n[a]\r\nx=4\r\nz=5\r\n");
    const CProfile profile(m_file);
    EXPECT_EQ(profile.GetProfileInt("A", "x", 0), 1);
    EXPECT_EQ(profile.GetProfileInt("A", "z", 0), 0);
}

TEST_F(CProfileTest, CommentsAndLinesWithoutValueAreNotValues) {
    WriteFile("[A]\r\n;x=1\r\nflag\r\n");
    const CProfile profile(m_file);
    EXPECT_EQ(profile.GetProfileString("A", ";x", "def"), "def");
    EXPECT_EQ(profile.GetProfileString("A", "flag", "def"), "def");
    EXPECT_EQ(profile.GetProfileInt("A", "flag", 3), 3);
}

TEST_F(CProfileTest, IntegersParseLikeWindows) {
    WriteFile("[N]\r\nplain=42\r\nneg=-7\r\nplus=+5\r\ntail=12abc\r\nword=abc\r\nempty=\r\n"
              "hex=0x1F\r\nwrap=4294967295\r\nquoted=\"8\"\r\n");
    const CProfile profile(m_file);
    EXPECT_EQ(profile.GetProfileInt("N", "plain", 99), 42);
    EXPECT_EQ(profile.GetProfileInt("N", "neg", 99), -7);
    EXPECT_EQ(profile.GetProfileInt("N", "plus", 99), 5);
    EXPECT_EQ(profile.GetProfileInt("N", "tail", 99), 12);
    EXPECT_EQ(profile.GetProfileInt("N", "word", 99), 0);
    EXPECT_EQ(profile.GetProfileInt("N", "empty", 99), 99);
    EXPECT_EQ(profile.GetProfileInt("N", "hex", 99), 0);
    EXPECT_EQ(profile.GetProfileInt("N", "wrap", 99), -1);
    EXPECT_EQ(profile.GetProfileInt("N", "quoted", 99), 8);
}

TEST_F(CProfileTest, FirstWriteCreatesTheFileWithCrLf) {
    CProfile profile(m_file);
    EXPECT_TRUE(profile.WriteProfileString("CopyEmail", "sep", ";"));
    EXPECT_TRUE(profile.WriteProfileInt("CopyEmail", "capa", 10));
    EXPECT_EQ(ReadFile(), "[CopyEmail]\r\nsep=;\r\ncapa=10\r\n");
    EXPECT_EQ(profile.GetProfileString("copyemail", "SEP", ""), ";");
}

TEST_F(CProfileTest, IntegersAreWrittenAsDecimalText) {
    CProfile profile(m_file);
    EXPECT_TRUE(profile.WriteProfileInt("TreeColor", "background", 0xFFFFFF));
    EXPECT_TRUE(profile.WriteProfileInt("Window", "x", -32000));
    EXPECT_EQ(ReadFile(), "[TreeColor]\r\nbackground=16777215\r\n\r\n[Window]\r\nx=-32000\r\n");
    EXPECT_EQ(profile.GetProfileInt("TreeColor", "background", 0), 16777215);
    EXPECT_EQ(profile.GetProfileInt("Window", "x", 0), -32000);
}

TEST_F(CProfileTest, ReplacingAValueKeepsEveryOtherByte) {
    const std::string before = "; settings\r\n"
                               "[Window]\r\n"
                               "  FlatSB = 1   \r\n"
                               "Unknown=keep me\n"
                               "\r\n"
                               "; about the tree\r\n"
                               "[Tree]\r\n"
                               "Expand=1\r\n"
                               "odd line without equals\r\n";
    WriteFile(before);
    CProfile profile(m_file);
    EXPECT_TRUE(profile.WriteProfileInt("window", "flatsb", 0));
    EXPECT_TRUE(profile.WriteProfileInt("TREE", "EXPAND", 0));
    const std::string after = "; settings\r\n"
                              "[Window]\r\n"
                              "FlatSB=0\r\n"
                              "Unknown=keep me\n"
                              "\r\n"
                              "; about the tree\r\n"
                              "[Tree]\r\n"
                              "Expand=0\r\n"
                              "odd line without equals\r\n";
    EXPECT_EQ(ReadFile(), after);
}

TEST_F(CProfileTest, NewKeyFollowsTheLastKeyOfItsSection) {
    WriteFile("[A]\r\nx=1\r\n; note on B\r\n\r\n[B]\r\ny=2\r\n");
    CProfile profile(m_file);
    EXPECT_TRUE(profile.WriteProfileString("a", "New", "v"));
    EXPECT_EQ(ReadFile(), "[A]\r\nx=1\r\nNew=v\r\n; note on B\r\n\r\n[B]\r\ny=2\r\n");
}

TEST_F(CProfileTest, NewKeyInEmptySectionFollowsItsHeader) {
    WriteFile("[A]\r\n\r\n[B]\r\n");
    CProfile profile(m_file);
    EXPECT_TRUE(profile.WriteProfileString("A", "k", "1"));
    EXPECT_TRUE(profile.WriteProfileString("B", "k", "2"));
    EXPECT_EQ(ReadFile(), "[A]\r\nk=1\r\n\r\n[B]\r\nk=2\r\n");
}

TEST_F(CProfileTest, NewSectionGoesToTheEndAfterABlankLine) {
    WriteFile("[A]\r\nx=1");
    CProfile profile(m_file);
    EXPECT_TRUE(profile.WriteProfileString("B", "y", "2"));
    EXPECT_EQ(ReadFile(), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
}

TEST_F(CProfileTest, LastLineWithoutLineEndIsReplacedInPlace) {
    WriteFile("[A]\nx=1");
    CProfile profile(m_file);
    EXPECT_TRUE(profile.WriteProfileString("A", "x", "22"));
    EXPECT_EQ(ReadFile(), "[A]\nx=22");
}

TEST_F(CProfileTest, KeyWithoutValueGetsOne) {
    WriteFile("[A]\r\n  Flag  \r\n");
    CProfile profile(m_file);
    EXPECT_TRUE(profile.WriteProfileInt("A", "flag", 1));
    EXPECT_EQ(ReadFile(), "[A]\r\nFlag=1\r\n");
}

TEST_F(CProfileTest, ValueWrittenIsReadBackByteForByte) {
    CProfile profile(m_file);
    const std::string value = "\x83\x5C\x95\x5C,\\;a=b";
    EXPECT_TRUE(profile.WriteProfileString("Recent File List", "File1", value));
    EXPECT_EQ(profile.GetProfileString("recent file list", "file1", ""), value);
}

TEST_F(CProfileTest, TheFileIsReadOnceWhenTheStoreIsMade) {
    WriteFile("[A]\r\nx=1\r\n");
    CProfile profile(m_file);
    WriteFile("[A]\r\nx=2\r\n");
    EXPECT_EQ(profile.GetProfileInt("A", "x", 0), 1);
}

TEST_F(CProfileTest, ABatchWritesTheFileOnceAtItsEnd) {
    CProfile profile(m_file);
    {
        const CProfile::CBatch batch(profile);
        EXPECT_TRUE(profile.WriteProfileInt("A", "x", 1));
        {
            const CProfile::CBatch inner(profile);
            EXPECT_TRUE(profile.WriteProfileInt("B", "y", 2));
        }
        EXPECT_FALSE(fs::exists(m_file));
        EXPECT_TRUE(profile.HasUnwrittenChanges());
        EXPECT_EQ(profile.GetProfileInt("B", "y", 0), 2);
    }
    EXPECT_FALSE(profile.HasUnwrittenChanges());
    EXPECT_EQ(ReadFile(), "[A]\r\nx=1\r\n\r\n[B]\r\ny=2\r\n");
}

TEST_F(CProfileTest, WhatABatchLeftIsWrittenWhenTheStoreGoes) {
    {
        CProfile profile(m_file);
        CProfile::CBatch batch(profile);
        profile.WriteProfileInt("A", "x", 1);
    }
    EXPECT_EQ(ReadFile(), "[A]\r\nx=1\r\n");
}

TEST_F(CProfileTest, DeletingAKeyRemovesOnlyItsLine) {
    WriteFile("[Recent File List]\r\nFile1=a\r\nFile2=b\r\n");
    CProfile profile(m_file);
    EXPECT_TRUE(profile.DeleteProfileKey("recent file list", "FILE1"));
    EXPECT_EQ(ReadFile(), "[Recent File List]\r\nFile2=b\r\n");
    EXPECT_TRUE(profile.DeleteProfileKey("Recent File List", "File9"));
    EXPECT_EQ(ReadFile(), "[Recent File List]\r\nFile2=b\r\n");
}

TEST_F(CProfileTest, WritesLeaveNoTemporaryFilesAndKeepPermissions) {
    WriteFile("[A]\r\nx=1\r\n");
    fs::permissions(m_file, fs::perms::owner_read | fs::perms::owner_write);
    CProfile profile(m_file);
    EXPECT_TRUE(profile.WriteProfileInt("A", "x", 2));
    EXPECT_TRUE(profile.WriteProfileInt("A", "y", 3));
    EXPECT_EQ(CountFilesInFolder(), 1);
    EXPECT_EQ(fs::status(m_file).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(CProfileTest, WriteBelowARegularFileFails) {
    WriteFile("[A]\r\nx=1\r\n");
    CProfile profile(m_file / "Tarnvale.INI");
    EXPECT_EQ(profile.GetProfileInt("A", "x", 5), 5);
    EXPECT_FALSE(profile.WriteProfileInt("A", "x", 2));
    EXPECT_EQ(ReadFile(), "[A]\r\nx=1\r\n");
}

TEST_F(CProfileTest, FailedReplaceLeavesTheTargetAndNoTemporaryFile) {
    // A rename cannot replace a folder that has contents.
    fs::create_directory(m_file);
    std::ofstream(m_file / "inside") << "x";
    CProfile profile(m_file);
    EXPECT_FALSE(profile.WriteProfileInt("A", "x", 2));
    EXPECT_TRUE(fs::is_directory(m_file));
    EXPECT_TRUE(fs::exists(m_file / "inside"));
    EXPECT_EQ(CountFilesInFolder(), 1);
}
