#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"
#include "shell/uFuncao.h"

namespace {

struct PathCase {
    const char* path;
    const char* separators;
    const char* folder;
    const char* file;
};

TEST(Paths, FolderAndFileNameParts) {
    const PathCase cases[] = {
        {"C:\\Sistemas\\Recepcao.exe", "\\:", "C:\\Sistemas\\", "Recepcao.exe"},
        {"C:\\tresmon.exe", "\\:", "C:\\", "tresmon.exe"},
        {"C:app.exe", "\\:", "C:", "app.exe"},
        {"app.exe", "\\:", "", "app.exe"},
        {"D:/Apps/Leitor.exe", "\\:", "D:", "/Apps/Leitor.exe"},
        {"/opt/tresmon/tresmon", "/", "/opt/tresmon/", "tresmon"},
        {"/tresmon", "/", "/", "tresmon"},
        {"", "/", "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(FolderPart(c.path, c.separators), c.folder);
        EXPECT_EQ(FileNamePart(c.path, c.separators), c.file);
    }
}

TEST(TFuncao, GetCaminhoExeGerenciadorEndsWithTheSeparator) {
    platform::FakePlatform fake;
    fake.exePath = "/opt/tresmon/tresmon";
    EXPECT_EQ(TFuncao::GetCaminhoExeGerenciador(fake), "/opt/tresmon/");
    fake.exePath = "C:\\tresmon.exe";
    fake.separators = "\\:";
    EXPECT_EQ(TFuncao::GetCaminhoExeGerenciador(fake), "C:\\");
}

}  // namespace

namespace {

TEST(Split, ExamplesWithTheBarSeparator) {
    const std::pair<std::string, TStringArray> cases[] = {
        {"", {""}},
        {"A", {"A"}},
        {"A|B", {"A", "B"}},
        {"A|", {"A", ""}},
        {"|A", {"", "A"}},
        {"A||B", {"A", "", "B"}},
        {"C:\\a.exe|C:\\a.exe", {"C:\\a.exe", "C:\\a.exe"}},
    };
    for (const auto& [stored, elements] : cases) EXPECT_EQ(Split(stored, "|"), elements) << stored;
}

TEST(Split, EmptySeparatorGivesTheWholeText) {
    EXPECT_EQ(Split("A|B", ""), TStringArray{"A|B"});
    EXPECT_EQ(Split("", ""), TStringArray{""});
}

TEST(Occurs, CountsWithoutOverlap) {
    struct Case {
        std::string str, substr;
        int count;
    };
    const Case cases[] = {
        {"A|B|C", "|", 2},
        {"", "|", 0},
        {"A|B", "", 0},
        {"aaaa", "aa", 2},
        {"aaa", "aa", 1},
        {"||", "|", 2},
        {std::string("a|\0|", 4), "|", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(Occurs(c.str, c.substr), c.count) << c.str;
}

}  // namespace
