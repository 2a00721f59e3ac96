// The Windows back end, with Windows itself as the reference where it has one.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/windows/WindowsPlatform.h"
#include "shell/TextCodec.h"
#include "shell/uFuncao.h"
#include "support/TempFolder.h"
#include "watchdog/IniFile.h"

namespace {

std::wstring Wide(const std::string& utf8) {
    const std::u32string points = DecodeUtf8(utf8);
    std::wstring out;
    for (const char32_t c : points) out += static_cast<wchar_t>(c);
    return out;
}

std::string WindowsValue(const std::string& path) {
    wchar_t buffer[2048];
    GetPrivateProfileStringW(L"EXECUTAVEL", L"CAMINHOS", L"", buffer, 2048, Wide(path).c_str());
    std::string out;
    for (const wchar_t* p = buffer; *p; ++p) out += EncodeUtf8(static_cast<char32_t>(*p));
    return out;
}

std::string Folder() {
    return FolderPart(platform::WindowsPlatform().executablePath(), "\\:");
}

int RunProgram(const std::string& exe) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring command = L"\"" + Wide(exe) + L"\"";
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
        return -1;
    WaitForSingleObject(pi.hProcess, 20000);
    DWORD code = 0;
    GetExitCodeProcess(pi.hProcess, &code);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return static_cast<int>(code);
}

struct IniCase {
    const char* name;
    std::string text;
};

TEST(WindowsIni, OurReaderAgreesWithGetPrivateProfileString) {
    const IniCase cases[] = {
        {"plain", "[EXECUTAVEL]\r\nCAMINHOS=C:\\A.exe|D:\\B.exe\r\n"},
        {"missing section", "[OUTRA]\r\nCAMINHOS=x\r\n"},
        {"missing key", "[EXECUTAVEL]\r\nOUTRA=x\r\n"},
        {"letter case", "[executavel]\r\ncaminhos=x\r\n"},
        {"blanks", "[EXECUTAVEL]\r\n  CAMINHOS  =  x y \t\r\n"},
        {"double quotes", "[EXECUTAVEL]\r\nCAMINHOS=\"C:\\Program Files\\a.exe\"\r\n"},
        {"single quotes", "[EXECUTAVEL]\r\nCAMINHOS='x'\r\n"},
        {"one-ended quote", "[EXECUTAVEL]\r\nCAMINHOS=\"x\r\n"},
        {"mismatched quotes", "[EXECUTAVEL]\r\nCAMINHOS=\"x'\r\n"},
        {"a lone quote", "[EXECUTAVEL]\r\nCAMINHOS=\"\r\n"},
        {"duplicate key", "[EXECUTAVEL]\r\nCAMINHOS=first\r\nCAMINHOS=second\r\n"},
        {"duplicate section", "[EXECUTAVEL]\r\nCAMINHOS=1\r\n[EXECUTAVEL]\r\nCAMINHOS=2\r\n"},
        {"key only in a second section", "[EXECUTAVEL]\r\nX=1\r\n[EXECUTAVEL]\r\nCAMINHOS=2\r\n"},
        {"comment", "[EXECUTAVEL]\r\n;CAMINHOS=no\r\nCAMINHOS=x\r\n"},
        {"line without equals", "[EXECUTAVEL]\r\nCAMINHOS\r\nCAMINHOS=x\r\n"},
        {"LF line ends", "[EXECUTAVEL]\nCAMINHOS=x\n"},
        {"no final line end", "[EXECUTAVEL]\r\nCAMINHOS=x"},
        {"2047 characters", "[EXECUTAVEL]\r\nCAMINHOS=" + std::string(2047, 'a') + "\r\n"},
    };
    TempFolder folder;
    const std::string path = folder.file("setup.ini");
    for (const auto& c : cases) {
        folder.write("setup.ini", c.text);
        EXPECT_EQ(ReadIniValue(path, "EXECUTAVEL", "CAMINHOS"), WindowsValue(path)) << c.name;
    }
}

TEST(WindowsIni, LongValuesAreReadWholeWhereWindowsCuts) {
    TempFolder folder;
    const std::string value(2048, 'b');
    folder.write("setup.ini", "[EXECUTAVEL]\r\nCAMINHOS=" + value + "\r\n");
    const std::string path = folder.file("setup.ini");
    EXPECT_EQ(ReadIniValue(path, "EXECUTAVEL", "CAMINHOS"), value);
    EXPECT_EQ(WindowsValue(path), value.substr(0, 2047));
}

TEST(WindowsIni, WhatWeWriteWindowsReads) {
    TempFolder folder;
    const std::string path = folder.file("setup.ini");
    folder.write("setup.ini", "; lista\r\n[OUTRA]\r\nX=1\r\n");
    WriteIniValue(path, "EXECUTAVEL", "CAMINHOS", "C:\\Sistemas\\Recepção.exe|D:\\b.exe");
    EXPECT_EQ(WindowsValue(path), "C:\\Sistemas\\Recepção.exe|D:\\b.exe");
    WriteIniValue(path, "EXECUTAVEL", "CAMINHOS", "");
    EXPECT_EQ(WindowsValue(path), "");
}

TEST(WindowsPlatform, ExecutableFolder) {
    platform::WindowsPlatform windows;
    const std::string exe = windows.executablePath();
    const std::string folder = TFuncao::GetCaminhoExeGerenciador(windows);
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_EQ(folder + "tresmon_windows_tests.exe", exe);
    EXPECT_EQ(FolderPart("C:\\tresmon.exe", windows.pathSeparators()), "C:\\");
}

TEST(WindowsPlatform, StartedProgramShowsInTheNextSnapshot) {
    TempFolder folder;
    const std::string name = "slp" + std::to_string(GetCurrentProcessId()) + ".exe";
    std::filesystem::copy_file(Folder() + "tresmon_sleeper.exe", folder.file(name));
    platform::WindowsPlatform windows;
    const std::string path = folder.path() + "\\" + name;
    const platform::OpenResult result = windows.open(path, folder.path() + "\\");
    ASSERT_TRUE(result.ok) << result.reason;
    bool seen = false;
    for (int i = 0; i < 250 && !seen; ++i) {
        const auto names = windows.processNames();
        ASSERT_TRUE(names.has_value());
        seen = std::find(names->begin(), names->end(), name) != names->end();
        if (!seen) std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_TRUE(seen);
    for (int i = 0; i < 250 && !folder.exists("cwd.txt"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    folder.write("stop", "");
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
}

TEST(WindowsPlatform, MissingPathFailsWithAReason) {
    const platform::OpenResult result =
        platform::WindowsPlatform().open("C:\\nao\\existe\\programa.exe", "C:\\nao\\existe\\");
    EXPECT_FALSE(result.ok);
    EXPECT_EQ(result.reason, "arquivo não encontrado");
}

TEST(WindowsPlatform, ASecondProcessFindsTheMarker) {
    platform::WindowsPlatform windows;
    const std::string probe = Folder() + "tresmon_instance_probe.exe";
    {
        auto marker = windows.acquireInstanceLock("TFrmGerenciadorExecutaveis");
        ASSERT_NE(marker, nullptr);
        EXPECT_NE(FindWindowW(L"TFrmGerenciadorExecutaveis", nullptr), nullptr);
        EXPECT_EQ(RunProgram(probe), 1);
    }
    EXPECT_EQ(FindWindowW(L"TFrmGerenciadorExecutaveis", nullptr), nullptr);
    EXPECT_EQ(RunProgram(probe), 0);
}

TEST(WindowsPlatform, RegionalPatterns) {
    const std::pair<const char*, const char*> cases[] = {
        {"dd/MM/yyyy", "dd/mm/yyyy"}, {"M/d/yyyy", "m/d/yyyy"}, {"HH:mm:ss", "hh:nn:ss"},
        {"h:mm:ss tt", "h:nn:ss ampm"}, {"yyyy-MM-dd", "yyyy-mm-dd"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(platform::PatternFromWindows(in), out) << in;
    const platform::RegionalFormats f = platform::WindowsPlatform().regionalFormats();
    EXPECT_NE(f.shortDate.find('d'), std::string::npos);
    EXPECT_NE(f.longTime.find('h'), std::string::npos);
}

TEST(WindowsPlatform, AlarmPlaysWithoutBlocking) {
    TempFolder folder;
    folder.write("despertar.wav", "RIFF not really a sound");
    const auto start = std::chrono::steady_clock::now();
    EXPECT_TRUE(platform::WindowsPlatform().playAlarm(folder.file("despertar.wav")));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}

TEST(WindowsPlatform, ReplaceFileSwapsTheWholeFile) {
    TempFolder folder;
    folder.write("despertar.xml", "old");
    std::string reason;
    ASSERT_TRUE(platform::WindowsPlatform().replaceFile(folder.file("despertar.xml"), "new", reason))
        << reason;
    EXPECT_EQ(folder.read("despertar.xml"), "new");
    EXPECT_FALSE(folder.exists("despertar.xml.tmp"));
}

}  // namespace
