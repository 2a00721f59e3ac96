#include <gtest/gtest.h>

#include <filesystem>
#include <functional>

#include "platform/fake/FakePlatform.h"
#include "shell/Formats.h"
#include "support/TempFolder.h"
#include "wakeup/DueCallCheck.h"
#include "wakeup/WakeupTable.h"

namespace {

const TDateTime kDia = EncodeDate(2024, 5, 10);
TDateTime At(int hour, int minute, int second = 0) {
    return EncodeTime(hour, minute, second, 0);
}

// Records what the check shows; `duringBox` runs while a box is open (a nested tick, say).
class RecordingUi : public AlertUi {
public:
    void MsgAtencao(const std::string& texto, const std::string& titulo) override {
        titles.push_back(titulo);
        texts.push_back(texto);
        if (duringBox) {
            auto hook = std::move(duringBox);
            duringBox = nullptr;
            hook();
        }
    }
    void ShowError(const std::string& message) override { errors.push_back(message); }
    void PlayAlarm(const std::string& path) override { sounds.push_back(path); }

    std::vector<std::string> titles, texts, errors, sounds;
    std::function<void()> duringBox;
};

struct Call {
    int codigo;
    std::optional<TDateTime> data;  // nothing: an empty date field
    std::optional<TDateTime> hora;
    std::string apto = "101";
    std::string placa;
    std::string obs;
    int status = 0;
};

class DueCallCheckTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppFormats() = FormatSettings{};
        fake.exePath = folder.file("tresmon");
        CriarCDSDespertador(cds, fake);
    }
    void Add(const Call& c) {
        cds->Insert();
        cds->FieldByName("DesCodigo").SetAsInteger(c.codigo);
        if (c.data) cds->FieldByName("DesData").SetAsDateTime(*c.data);
        if (c.hora) cds->FieldByName("DesHora").SetAsDateTime(*c.hora);
        cds->FieldByName("DesApto").SetAsString(c.apto);
        cds->FieldByName("DesPlaca").SetAsString(c.placa);
        cds->FieldByName("DesObs").SetAsString(c.obs);
        cds->FieldByName("DesStatus").SetAsInteger(c.status);
        cds->Post();
    }
    DueCallCheck Check(TDateTime start) { return DueCallCheck(fake, clock, ui, start); }
    int StatusOf(int codigo) {
        cds->SetIndexName("OrdenarCodigodx");
        const bool found = cds->FindKey({std::int32_t{codigo}});
        const int status = found ? cds->FieldByName("DesStatus").AsInteger() : -1;
        cds->SetIndexName("OrdenarDataHoradx");
        return status;
    }

    TempFolder folder;
    platform::FakePlatform fake;
    MockClock clock;
    RecordingUi ui;
    std::unique_ptr<TClientDataSet> cds;
};

struct DueCase {
    const char* name;
    Call call;
    TDateTime start;
    TDateTime now;
    bool rings;
};

TEST_F(DueCallCheckTest, WhichCallsRing) {
    const DueCase cases[] = {
        {"in its minute, first second",
         {1, kDia, At(7, 30)},
         kDia + At(7, 0),
         kDia + At(7, 30, 0),
         true},
        {"in its minute, last second",
         {1, kDia, At(7, 30)},
         kDia + At(7, 0),
         kDia + At(7, 30, 59),
         true},
        {"a minute early", {1, kDia, At(7, 30)}, kDia + At(7, 0), kDia + At(7, 29, 59), false},
        {"late, after the start", {1, kDia, At(7, 30)}, kDia + At(7, 0), kDia + At(9, 12), true},
        {"yesterday's, run started before",
         {1, kDia - 1, At(23, 59)},
         kDia - 1 + At(20, 0),
         kDia + At(0, 5),
         true},
        {"from before the start", {1, kDia, At(7, 30)}, kDia + At(7, 31), kDia + At(7, 31), false},
        {"same minute as the start",
         {1, kDia, At(7, 30)},
         kDia + At(7, 30, 40),
         kDia + At(7, 30, 50),
         true},
        {"already given",
         {1, kDia, At(7, 30), "101", "", "", 1},
         kDia + At(7, 0),
         kDia + At(7, 30),
         false},
        {"tomorrow at this time",
         {1, kDia + 1, At(7, 30)},
         kDia + At(7, 0),
         kDia + At(7, 30),
         false},
        {"empty time is midnight",
         {1, kDia, std::nullopt},
         kDia - 1 + At(23, 0),
         kDia + At(0, 0, 30),
         true},
        {"empty date is skipped",
         {1, std::nullopt, At(7, 30)},
         kDia + At(7, 0),
         kDia + At(7, 30),
         false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(folder.file("despertar.xml"));
        CriarCDSDespertador(cds, fake);
        ui = RecordingUi{};
        Add(c.call);
        clock.Set(c.now);
        Check(c.start).VerificarDespertador(*cds);
        EXPECT_EQ(ui.titles.size(), c.rings ? 1u : 0u);
        EXPECT_EQ(StatusOf(1), c.rings ? 1 : c.call.status);
    }
}

struct TextCase {
    const char* name;
    Call call;
    std::string title;
    std::string text;
};

TEST_F(DueCallCheckTest, BoxTitleAndText) {
    const TextCase cases[] = {
        {"everything",
         {1, kDia, At(7, 30), "101", "ABC1234", "CAFE"},
         "Despertar Apto 101",
         "Data e Hora: 10/05/2024 07:30 Placa Veiculo: ABC1234 Obs.: CAFE"},
        {"no plate",
         {1, kDia, At(7, 30), "101", "", "CAFE"},
         "Despertar Apto 101",
         "Data e Hora: 10/05/2024 07:30 Obs.: CAFE"},
        {"no notes",
         {1, kDia, At(7, 30), "7", "XYZ", ""},
         "Despertar Apto 7",
         "Data e Hora: 10/05/2024 07:30 Placa Veiculo: XYZ Obs.: "},
        {"no room",
         {1, kDia, At(7, 30), "", "", ""},
         "Despertar",
         "Data e Hora: 10/05/2024 07:30 Obs.: "},
    };
    clock.Set(kDia + At(7, 30, 10));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(folder.file("despertar.xml"));
        CriarCDSDespertador(cds, fake);
        ui = RecordingUi{};
        Add(c.call);
        Check(kDia).VerificarDespertador(*cds);
        ASSERT_EQ(ui.titles.size(), 1u);
        EXPECT_EQ(ui.titles[0], c.title);
        EXPECT_EQ(ui.texts[0], c.text);
    }
}

TEST_F(DueCallCheckTest, TextFollowsTheShortDateFormat) {
    AppFormats().ShortDateFormat = "dd/mm/yy";
    EXPECT_EQ(DueCallCheck::RetornarTexto("10/05/24", "07:30", "ABC1234", "CAFE"),
              "Data e Hora: 10/05/24 07:30 Placa Veiculo: ABC1234 Obs.: CAFE");
    Add({1, kDia, At(7, 30)});
    clock.Set(kDia + At(7, 30));
    Check(kDia).VerificarDespertador(*cds);
    EXPECT_EQ(ui.texts.at(0), "Data e Hora: 10/05/24 07:30 Obs.: ");
}

TEST_F(DueCallCheckTest, RingsOnceAndTheGivenStatusIsInTheFileBeforeTheBox) {
    Add({1, kDia, At(7, 30)});
    clock.Set(kDia + At(7, 30));
    auto check = Check(kDia);
    std::string fileDuringBox;
    ui.duringBox = [&] { fileDuringBox = folder.read("despertar.xml"); };
    check.VerificarDespertador(*cds);
    EXPECT_NE(fileDuringBox.find("DesStatus=\"1\""), std::string::npos);
    clock.AdvanceSeconds(12);
    check.VerificarDespertador(*cds);
    EXPECT_EQ(ui.titles.size(), 1u);

    std::unique_ptr<TClientDataSet> reloaded;  // as after a restart
    CriarCDSDespertador(reloaded, fake);
    reloaded->First();
    EXPECT_EQ(reloaded->FieldByName("DesStatus").AsInteger(), 1);
}

TEST_F(DueCallCheckTest, CodeZeroIsMarkedAndRingsOnlyOnce) {
    Add({0, kDia, At(7, 30)});
    clock.Set(kDia + At(7, 30));
    auto check = Check(kDia);
    check.VerificarDespertador(*cds);
    clock.AdvanceSeconds(12);
    check.VerificarDespertador(*cds);
    EXPECT_EQ(ui.titles.size(), 1u);
}

TEST_F(DueCallCheckTest, EmptyDateDoesNotStopTheOthers) {
    Add({1, std::nullopt, At(7, 30)});
    Add({2, kDia, At(7, 30), "202"});
    clock.Set(kDia + At(7, 30));
    Check(kDia).VerificarDespertador(*cds);
    EXPECT_EQ(ui.titles, std::vector<std::string>{"Despertar Apto 202"});
}

TEST_F(DueCallCheckTest, TwoCallsInOneMinuteAnsweredAtOnce) {
    Add({1, kDia, At(7, 30), "101"});
    Add({2, kDia, At(7, 30), "102"});
    clock.Set(kDia + At(7, 30, 5));
    Check(kDia).VerificarDespertador(*cds);
    EXPECT_EQ(ui.titles, (std::vector<std::string>{"Despertar Apto 101", "Despertar Apto 102"}));
}

TEST_F(DueCallCheckTest, NobodyAnsweringTheNextTickRingsTheNextCallOnTop) {
    Add({1, kDia, At(7, 30), "101"});
    Add({2, kDia, At(7, 30), "102"});
    Add({3, kDia, At(7, 31), "103"});
    clock.Set(kDia + At(7, 30, 5));
    auto check = Check(kDia);
    // While the first box is open, ticks come: the second opens on top, then (its minute past
    // by then) the third, which would once have been lost.
    ui.duringBox = [&] {
        clock.AdvanceSeconds(12);
        ui.duringBox = [&] {
            clock.Set(kDia + At(7, 33));
            check.VerificarDespertador(*cds);
        };
        check.VerificarDespertador(*cds);
    };
    check.VerificarDespertador(*cds);
    EXPECT_EQ(ui.titles, (std::vector<std::string>{"Despertar Apto 101", "Despertar Apto 102",
                                                   "Despertar Apto 103"}));
    EXPECT_EQ(StatusOf(3), 1);
}

TEST_F(DueCallCheckTest, SoundOnlyWhenTheFileIsThere) {
    Add({1, kDia, At(7, 30)});
    Add({2, kDia, At(7, 31)});
    clock.Set(kDia + At(7, 30));
    auto check = Check(kDia);
    check.VerificarDespertador(*cds);
    EXPECT_TRUE(ui.sounds.empty());
    EXPECT_EQ(ui.titles.size(), 1u);
    folder.write("despertar.wav", "RIFF");
    clock.Set(kDia + At(7, 31));
    check.VerificarDespertador(*cds);
    EXPECT_EQ(ui.sounds, std::vector<std::string>{folder.file("despertar.wav")});
}

TEST_F(DueCallCheckTest, FailedSaveStillShowsTheAlertThenTheError) {
    Add({1, kDia, At(7, 30)});
    clock.Set(kDia + At(7, 30));
    fake.failReplaceFile = true;
    Check(kDia).VerificarDespertador(*cds);
    EXPECT_EQ(ui.titles.size(), 1u);
    ASSERT_EQ(ui.errors.size(), 1u);
    EXPECT_EQ(ui.errors[0].rfind("Unable to write to ", 0), 0u);
    EXPECT_EQ(StatusOf(1), 1);
}

TEST_F(DueCallCheckTest, MissingFieldRaises) {
    folder.write("despertar.xml",
                 "<?xml version=\"1.0\" standalone=\"yes\"?><DATAPACKET Version=\"2.0\"><METADATA>"
                 "<FIELDS><FIELD attrname=\"DesCodigo\" fieldtype=\"i4\"/></FIELDS><PARAMS/>"
                 "</METADATA><ROWDATA><ROW DesCodigo=\"1\"/></ROWDATA></DATAPACKET>");
    CriarCDSDespertador(cds, fake);
    EXPECT_THROW(Check(kDia).VerificarDespertador(*cds), std::runtime_error);
}

}  // namespace
