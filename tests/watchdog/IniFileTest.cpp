#include <gtest/gtest.h>

#include <filesystem>

#include "shell/TextCodec.h"
#include "support/TempFolder.h"
#include "watchdog/IniFile.h"

namespace {

struct ReadCase {
    const char* name;
    std::string text;
    std::string expected;
};

TEST(IniRead, ValueOfEXECUTAVELCAMINHOS) {
    const std::string big2047(2047, 'a'), big2048(2048, 'b'), big5000(5000, 'c');
    const ReadCase cases[] = {
        {"plain", "[EXECUTAVEL]\r\nCAMINHOS=C:\\A.exe|D:\\B.exe\r\n", "C:\\A.exe|D:\\B.exe"},
        {"empty file", "", ""},
        {"missing section", "[OUTRA]\r\nCAMINHOS=x\r\n", ""},
        {"missing key", "[EXECUTAVEL]\r\nOUTRA=x\r\n", ""},
        {"empty value", "[EXECUTAVEL]\r\nCAMINHOS=\r\n", ""},
        {"other letter case", "[executavel]\r\ncaminhos=x\r\n", "x"},
        {"blanks around", "[EXECUTAVEL]\r\n  CAMINHOS  =  x y \t\r\n", "x y"},
        {"blanks inside brackets", "[ EXECUTAVEL ]\r\nCAMINHOS=x\r\n", ""},
        {"double quotes", "[EXECUTAVEL]\r\nCAMINHOS=\"C:\\Program Files\\a.exe\"\r\n",
         "C:\\Program Files\\a.exe"},
        {"single quotes", "[EXECUTAVEL]\r\nCAMINHOS='x'\r\n", "x"},
        {"quotes then blanks", "[EXECUTAVEL]\r\nCAMINHOS= \"x\" \r\n", "x"},
        {"one-ended quote", "[EXECUTAVEL]\r\nCAMINHOS=\"x\r\n", "\"x"},
        {"mismatched quotes", "[EXECUTAVEL]\r\nCAMINHOS=\"x'\r\n", "\"x'"},
        {"a lone quote", "[EXECUTAVEL]\r\nCAMINHOS=\"\r\n", "\""},
        {"only a pair", "[EXECUTAVEL]\r\nCAMINHOS=\"\"\r\n", ""},
        {"two pairs", "[EXECUTAVEL]\r\nCAMINHOS=\"a\"|\"b\"\r\n", "a\"|\"b"},
        {"duplicate key", "[EXECUTAVEL]\r\nCAMINHOS=first\r\nCAMINHOS=second\r\n", "first"},
        {"duplicate section, key in first",
         "[EXECUTAVEL]\r\nCAMINHOS=first\r\n[EXECUTAVEL]\r\nCAMINHOS=second\r\n", "first"},
        {"duplicate section, key only in second",
         "[EXECUTAVEL]\r\nOUTRA=1\r\n[EXECUTAVEL]\r\nCAMINHOS=second\r\n", ""},
        {"comment line", "[EXECUTAVEL]\r\n;CAMINHOS=commented\r\nCAMINHOS=x\r\n", "x"},
        {"line without equals", "[EXECUTAVEL]\r\nCAMINHOS\r\nCAMINHOS=x\r\n", ""},
        {"other line without equals", "[EXECUTAVEL]\r\nOUTRA\r\nCAMINHOS=x\r\n", "x"},
        {"equals in the value", "[EXECUTAVEL]\r\nCAMINHOS=a=b\r\n", "a=b"},
        {"LF line ends", "[EXECUTAVEL]\nCAMINHOS=x\n", "x"},
        {"no final line end", "[EXECUTAVEL]\r\nCAMINHOS=x", "x"},
        {"UTF-8 byte-order mark", "\xEF\xBB\xBF[EXECUTAVEL]\r\nCAMINHOS=x\r\n", "x"},
        {"key before any section", "CAMINHOS=x\r\n[EXECUTAVEL]\r\n", ""},
        {"2047 characters", "[EXECUTAVEL]\r\nCAMINHOS=" + big2047 + "\r\n", big2047},
        {"2048 characters, read whole", "[EXECUTAVEL]\r\nCAMINHOS=" + big2048 + "\r\n", big2048},
        {"5000 characters, read whole", "[EXECUTAVEL]\r\nCAMINHOS=" + big5000 + "\r\n", big5000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ProfileValue(c.text, "EXECUTAVEL", "CAMINHOS"), c.expected) << c.name;
}

struct WriteCase {
    const char* name;
    std::string before;
    std::string value;
    std::string after;
};

TEST(IniWrite, OnlyTheValueChanges) {
    const WriteCase cases[] = {
        {"in place", "; lista\r\n[EXECUTAVEL]\r\nCAMINHOS=old\r\nX=1\r\n", "new",
         "; lista\r\n[EXECUTAVEL]\r\nCAMINHOS=new\r\nX=1\r\n"},
        {"in place keeps the key's spelling", "[executavel]\r\n caminhos =old\r\n", "a|b",
         "[executavel]\r\n caminhos =a|b\r\n"},
        {"key without equals", "[EXECUTAVEL]\r\nCAMINHOS\r\n", "v",
         "[EXECUTAVEL]\r\nCAMINHOS=v\r\n"},
        {"to empty", "[EXECUTAVEL]\r\nCAMINHOS=old\r\n", "", "[EXECUTAVEL]\r\nCAMINHOS=\r\n"},
        {"first of two duplicates", "[EXECUTAVEL]\r\nCAMINHOS=1\r\nCAMINHOS=2\r\n", "x",
         "[EXECUTAVEL]\r\nCAMINHOS=x\r\nCAMINHOS=2\r\n"},
        {"missing key after the section's last line",
         "[EXECUTAVEL]\r\nX=1\r\n\r\n[OUTRA]\r\nY=2\r\n", "v",
         "[EXECUTAVEL]\r\nX=1\r\nCAMINHOS=v\r\n\r\n[OUTRA]\r\nY=2\r\n"},
        {"missing key, section without final line end", "[EXECUTAVEL]", "v",
         "[EXECUTAVEL]\r\nCAMINHOS=v"},
        {"missing section at the end", "[OUTRA]\r\nY=2\r\n", "v",
         "[OUTRA]\r\nY=2\r\n[EXECUTAVEL]\r\nCAMINHOS=v\r\n"},
        {"missing section, no final line end", "[OUTRA]\nY=2", "v",
         "[OUTRA]\nY=2\n[EXECUTAVEL]\nCAMINHOS=v\n"},
        {"empty text", "", "", "[EXECUTAVEL]\r\nCAMINHOS=\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(WithProfileValue(c.before, "EXECUTAVEL", "CAMINHOS", c.value), c.after) << c.name;
}

TEST(IniFile, MissingFileReadsEmptyAndIsCreatedByAWrite) {
    TempFolder folder;
    const std::string path = folder.file("setup.ini");
    EXPECT_EQ(ReadIniValue(path, "EXECUTAVEL", "CAMINHOS"), "");
    WriteIniValue(path, "EXECUTAVEL", "CAMINHOS", "");
    EXPECT_EQ(folder.read("setup.ini"), "[EXECUTAVEL]\r\nCAMINHOS=\r\n");
}

TEST(IniFile, Utf16FileIsReadAndWrittenAsUtf16) {
    TempFolder folder;
    const std::string text = "[EXECUTAVEL]\r\nCAMINHOS=C:\\Recepção\\a.exe\r\n";
    folder.write("setup.ini", "\xFF\xFE" + Utf8ToUtf16Le(text));
    const std::string path = folder.file("setup.ini");
    EXPECT_EQ(ReadIniValue(path, "EXECUTAVEL", "CAMINHOS"), "C:\\Recepção\\a.exe");
    WriteIniValue(path, "EXECUTAVEL", "CAMINHOS", "D:\\Ação.exe");
    EXPECT_EQ(folder.read("setup.ini"),
              "\xFF\xFE" + Utf8ToUtf16Le("[EXECUTAVEL]\r\nCAMINHOS=D:\\Ação.exe\r\n"));
}

TEST(IniFile, ReadOnlyFileRaisesAndKeepsItsContent) {
    TempFolder folder;
    folder.write("setup.ini", "[EXECUTAVEL]\r\nCAMINHOS=keep\r\n");
    const std::string path = folder.file("setup.ini");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    if (std::ofstream(path, std::ios::app))
        GTEST_SKIP() << "running with rights that ignore file permissions (root)";
    try {
        WriteIniValue(path, "EXECUTAVEL", "CAMINHOS", "lost");
        FAIL() << "the write did not fail";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()), "Unable to write to " + path);
    }
    EXPECT_EQ(folder.read("setup.ini"), "[EXECUTAVEL]\r\nCAMINHOS=keep\r\n");
}

TEST(IniFile, FolderThatCannotBeWrittenRaises) {
    TempFolder folder;
    const std::string path = folder.file("missing-folder/setup.ini");
    EXPECT_THROW(WriteIniValue(path, "EXECUTAVEL", "CAMINHOS", "x"), std::runtime_error);
}

}  // namespace
