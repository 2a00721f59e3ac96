#include <gtest/gtest.h>

#include "platform/TextEncoding.h"
#include "platform/fake/FakePlatform.h"
#include "shell/Formats.h"
#include "support/TempFolder.h"
#include "watchdog/ProcessCheck.h"

namespace {

const TDateTime kAgora = EncodeDate(2024, 12, 9) + EncodeTime(14, 30, 5, 0);
const std::string kQuando = "09/12/2024 14:30:05";

class ProcessCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppFormats() = FormatSettings{};
        // Windows-style names, while setup.ini is found through the real folder.
        fake.separators = "\\:/";
        fake.exePath = folder.file("tresmon.exe");
    }
    void List(const std::string& value) {
        // setup.ini is 8-bit text in the machine's code page.
        folder.write("setup.ini",
                     "[EXECUTAVEL]\r\nCAMINHOS=" + platform::Utf8ToAnsi(value) + "\r\n");
    }
    std::vector<std::string> Pass() { return check.ProgramaAberto(); }
    std::vector<std::string> OpenedPaths() const {
        std::vector<std::string> paths;
        for (const auto& call : fake.opened) paths.push_back(call.path);
        return paths;
    }

    TempFolder folder;
    platform::FakePlatform fake;
    MockClock clock{kAgora};
    ProcessCheck check{fake, clock};
};

TEST_F(ProcessCheckTest, NothingListedTakesNoSnapshot) {
    for (const char* stored : {"", "|", "||", "  ", "\"\""}) {
        List(stored);
        EXPECT_TRUE(Pass().empty()) << stored;
    }
    EXPECT_EQ(fake.snapshots, 0);
    EXPECT_TRUE(fake.opened.empty());
}

TEST_F(ProcessCheckTest, NoSetupIniTakesNoSnapshot) {
    EXPECT_TRUE(Pass().empty());
    EXPECT_EQ(fake.snapshots, 0);
}

TEST_F(ProcessCheckTest, MissingProgramIsStartedInItsFolderAndLogged) {
    List("C:\\Sistemas\\Recepcao.exe|D:\\Apps\\Leitor.exe");
    fake.processes = std::vector<std::string>{"explorer.exe", "Recepcao.exe"};
    EXPECT_EQ(Pass(), std::vector<std::string>{"Leitor.exe foi aberto " + kQuando});
    ASSERT_EQ(fake.opened.size(), 1u);
    EXPECT_EQ(fake.opened[0].path, "D:\\Apps\\Leitor.exe");
    EXPECT_EQ(fake.opened[0].folder, "D:\\Apps\\");
    EXPECT_EQ(fake.snapshots, 1);
}

struct MatchCase {
    const char* name;
    const char* listed;
    const char* running;
    bool matches;
};

TEST_F(ProcessCheckTest, NameMatching) {
    const MatchCase cases[] = {
        {"same name", "C:\\A\\app.exe", "app.exe", true},
        {"other folder", "C:\\A\\app.exe", "D:\\Outra\\app.exe", true},
        {"capitals listed", "C:\\A\\APP.EXE", "app.exe", true},
        {"capitals running", "C:\\A\\app.exe", "APP.EXE", true},
        {"accented letters differ in case", "C:\\A\\ação.exe", "AÇÃO.EXE", false},
        {"accented letters in the same case", "C:\\A\\ação.exe", "AçãO.EXE", true},
        {"other name", "C:\\A\\app.exe", "app2.exe", false},
        {"blanks and quotes around", " \"C:\\Program Files\\A\\app.exe\" ", "app.exe", true},
        {"drive-relative", "C:app.exe", "app.exe", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fake.opened.clear();
        List(c.listed);
        fake.processes = std::vector<std::string>{c.running};
        Pass();
        EXPECT_EQ(fake.opened.empty(), c.matches);
    }
}

TEST_F(ProcessCheckTest, EmptyElementsAreSkippedWhereverTheyStand) {
    List("|C:\\A\\um.exe||C:\\B\\dois.exe|");
    EXPECT_EQ(Pass(), (std::vector<std::string>{"um.exe foi aberto " + kQuando,
                                                "dois.exe foi aberto " + kQuando}));
    EXPECT_EQ(OpenedPaths(), (std::vector<std::string>{"C:\\A\\um.exe", "C:\\B\\dois.exe"}));
}

TEST_F(ProcessCheckTest, QuotedEntryIsStartedWithoutItsQuotes) {
    List("\"C:\\Program Files\\App\\app.exe\"");
    EXPECT_EQ(Pass(), std::vector<std::string>{"app.exe foi aberto " + kQuando});
    EXPECT_EQ(fake.opened.at(0).path, "C:\\Program Files\\App\\app.exe");
    EXPECT_EQ(fake.opened.at(0).folder, "C:\\Program Files\\App\\");
}

TEST_F(ProcessCheckTest, OneStartPerFileNamePerPass) {
    List("C:\\A\\app.exe|C:\\A\\app.exe|D:\\B\\APP.EXE|C:\\A\\outro.exe");
    EXPECT_EQ(Pass(), (std::vector<std::string>{"app.exe foi aberto " + kQuando,
                                                "outro.exe foi aberto " + kQuando}));
    EXPECT_EQ(fake.snapshots, 1);
    // The next pass starts them again if they still do not show.
    Pass();
    EXPECT_EQ(fake.opened.size(), 4u);
    EXPECT_EQ(fake.snapshots, 2);
}

TEST_F(ProcessCheckTest, UnreadableProcessListStartsNothing) {
    List("C:\\A\\app.exe|C:\\B\\outro.exe");
    fake.processes.reset();
    EXPECT_EQ(Pass(), std::vector<std::string>{"Lista de processos não pôde ser lida " + kQuando});
    EXPECT_TRUE(fake.opened.empty());
}

TEST_F(ProcessCheckTest, FailedStartIsLoggedWithItsReason) {
    List("C:\\A\\sumiu.exe|C:\\A\\ok.exe");
    fake.failingPaths = {"C:\\A\\sumiu.exe"};
    EXPECT_EQ(Pass(), (std::vector<std::string>{
                          "sumiu.exe não pôde ser aberto " + kQuando + " (arquivo não encontrado)",
                          "ok.exe foi aberto " + kQuando}));
}

TEST_F(ProcessCheckTest, LogLinesFollowTheShortDateFormat) {
    List("C:\\A\\app.exe");
    AppFormats().ShortDateFormat = "dd/mm/yy";
    clock.Set(EncodeDate(2024, 12, 9));
    EXPECT_EQ(Pass(), std::vector<std::string>{"app.exe foi aberto 09/12/24"});
}

TEST_F(ProcessCheckTest, ListChangesTakeEffectAtTheNextPass) {
    List("C:\\A\\um.exe");
    Pass();
    List("C:\\A\\dois.exe");
    Pass();
    EXPECT_EQ(OpenedPaths(), (std::vector<std::string>{"C:\\A\\um.exe", "C:\\A\\dois.exe"}));
}

}  // namespace
