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
