#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"
#include "shell/Formats.h"
#include "support/TempFolder.h"
#include "wakeup/CadDespertadorLogic.h"
#include "wakeup/WakeupTable.h"

namespace {

const TDateTime kHoje = EncodeDate(2024, 5, 10);
const TDateTime kAgora = kHoje + EncodeTime(10, 0, 30, 0);

struct MomentCase {
    const char* name;
    TDateTime data;
    const char* hora;
    bool accepted;  // by VerificarDataHora
    bool past;      // by LinhaUltrapassada
};

TEST(CadDespertadorLogic, MomentRules) {
    const MomentCase cases[] = {
        {"this minute", kHoje, "10:00", true, false},
        {"a minute ago", kHoje, "09:59", false, true},
        {"later today", kHoje, "10:01", true, false},
        {"yesterday, late", kHoje - 1, "23:00", false, true},
        {"tomorrow, early", kHoje + 1, "00:00", true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(VerificarDataHora(c.data, c.hora, kAgora), c.accepted);
        LinhaGrid linha;
        linha.data = "x";
        linha.hora = c.hora;
        linha.dataReal = c.data;
        EXPECT_EQ(LinhaUltrapassada(linha, kAgora), c.past);
    }
    EXPECT_FALSE(LinhaUltrapassada(LinhaGrid{}, kAgora)) << "the empty row is never past";
}

class EditorTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppFormats() = FormatSettings{};
        fake.exePath = folder.file("tresmon");
        CriarCDSDespertador(cds, fake);
    }
    void Add(TDateTime data, const char* hora, const char* apto) {
        IncluirRegistro(*cds, fake, {data, hora, apto, "", ""});
    }
    std::vector<std::string> Rooms() {
        std::vector<std::string> rooms;
        for (const auto& linha : CarregarGrid(*cds)) rooms.push_back(linha.apto);
        return rooms;
    }

    TempFolder folder;
    platform::FakePlatform fake;
    std::unique_ptr<TClientDataSet> cds;
};

TEST_F(EditorTableTest, EmptyTableGivesOneEmptyRow) {
    const auto linhas = CarregarGrid(*cds);
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_TRUE(linhas[0].vazia());
}

TEST_F(EditorTableTest, RowsComeInDateAndTimeOrderWithTheirCells) {
    Add(kHoje + 1, "06:00", "3");
    Add(kHoje, "07:30", "1");
    Add(kHoje, "09:00", "2");
    const auto linhas = CarregarGrid(*cds);
    ASSERT_EQ(linhas.size(), 3u);
    EXPECT_EQ(linhas[0].codigo, "2");
    EXPECT_EQ(linhas[0].data, "10/05/2024");
    EXPECT_EQ(linhas[0].hora, "07:30");
    EXPECT_EQ(linhas[0].dataReal, kHoje);
    EXPECT_EQ(Rooms(), (std::vector<std::string>{"1", "2", "3"}));
    EXPECT_EQ(cds->IndexName(), "OrdenarDataHoradx");
    EXPECT_EQ(fake.filesReplaced, 3);
}

TEST_F(EditorTableTest, EditSetsPendingAndKeepsTheCode) {
    Add(kHoje, "07:30", "1");
    cds->First();
    cds->Edit();
    cds->FieldByName("DesStatus").SetAsInteger(1);
    cds->Post();
    ASSERT_TRUE(EditarRegistro(*cds, fake, 1, {kHoje, "11:00", "9", "P", "O"}));
    cds->First();
    EXPECT_EQ(cds->FieldByName("DesCodigo").AsInteger(), 1);
    EXPECT_EQ(cds->FieldByName("DesStatus").AsInteger(), 0);
    EXPECT_EQ(cds->FieldByName("DesHora").AsDateTime(), EncodeTime(11, 0, 0, 0));
    EXPECT_EQ(cds->FieldByName("DesPlaca").AsString(), "P");
}

TEST_F(EditorTableTest, ACodeNoLongerThereChangesNothing) {
    Add(kHoje, "07:30", "1");
    const int saves = fake.filesReplaced;
    EXPECT_FALSE(EditarRegistro(*cds, fake, 42, {kHoje, "11:00", "9", "", ""}));
    EXPECT_FALSE(ExcluirRegistro(*cds, fake, 42));
    EXPECT_EQ(Rooms(), std::vector<std::string>{"1"});
    EXPECT_EQ(fake.filesReplaced, saves);
}

TEST_F(EditorTableTest, PurgeRemovesPastCallsAndSavesOnce) {
    Add(kHoje - 1, "23:00", "ontem");
    Add(kHoje, "09:59", "antes");
    Add(kHoje, "10:00", "agora");
    Add(kHoje + 1, "08:00", "amanha");
    const int saves = fake.filesReplaced;
    EXPECT_EQ(RemoverUltrapassados(*cds, fake, CarregarGrid(*cds), kAgora), 2);
    EXPECT_EQ(fake.filesReplaced, saves + 1);
    EXPECT_EQ(Rooms(), (std::vector<std::string>{"agora", "amanha"}));
    EXPECT_EQ(cds->IndexName(), "OrdenarDataHoradx");
}

// The file a purge leaves is the one the removals one by one, each saved, used to leave.
TEST_F(EditorTableTest, PurgeLeavesTheFileTheSavesOneByOneLeft) {
    // Codes out of date order, and two past calls sharing a code, as a file written elsewhere
    // may have them.
    const auto fill = [&](TClientDataSet& table) {
        const struct {
            int codigo;
            TDateTime data;
            const char* hora;
            const char* apto;
        } calls[] = {{7, kHoje + 1, "08:00", "amanha"}, {3, kHoje - 2, "06:00", "anteontem"},
                     {5, kHoje, "10:00", "agora"},      {4, kHoje - 1, "23:00", "ontem"},
                     {4, kHoje, "09:59", "antes"},      {1, kHoje + 2, "07:00", "depois"}};
        for (const auto& c : calls) {
            table.Insert();
            table.FieldByName("DesCodigo").SetAsInteger(c.codigo);
            table.FieldByName("DesData").SetAsDateTime(c.data);
            table.FieldByName("DesHora").SetAsString(c.hora);
            table.FieldByName("DesApto").SetAsString(c.apto);
            table.FieldByName("DesStatus").SetAsInteger(0);
            table.Post();
        }
    };
    fill(*cds);
    const auto linhas = CarregarGrid(*cds);
    for (const LinhaGrid& linha : linhas) {
        if (!LinhaUltrapassada(linha, kAgora)) continue;
        cds->SetIndexName("OrdenarCodigodx");
        ASSERT_TRUE(cds->FindKey({static_cast<std::int32_t>(std::stoi(linha.codigo))}));
        cds->Delete();
        SalvarDados(*cds, fake);
    }
    const std::string oneByOne = folder.read("despertar.xml");

    std::unique_ptr<TClientDataSet> fresh;
    CriarCDSDespertador(fresh, fake);  // loads the file just written: start again empty
    fresh->Close();
    fresh->CreateDataSet();
    fill(*fresh);
    EXPECT_EQ(RemoverUltrapassados(*fresh, fake, CarregarGrid(*fresh), kAgora), 3);
    EXPECT_EQ(folder.read("despertar.xml"), oneByOne);
}

TEST_F(EditorTableTest, APurgeWhoseSaveFailsIsSavedByTheNextSave) {
    Add(kHoje - 1, "23:00", "ontem");
    Add(kHoje + 1, "08:00", "amanha");
    const std::string before = folder.read("despertar.xml");
    fake.failReplaceFile = true;
    EXPECT_THROW(RemoverUltrapassados(*cds, fake, CarregarGrid(*cds), kAgora), std::runtime_error);
    EXPECT_EQ(folder.read("despertar.xml"), before);
    EXPECT_EQ(Rooms(), std::vector<std::string>{"amanha"});  // gone from the table all the same

    fake.failReplaceFile = false;
    Add(kHoje + 2, "09:00", "depois");
    std::unique_ptr<TClientDataSet> reloaded;
    CriarCDSDespertador(reloaded, fake);
    std::vector<std::string> rooms;
    for (const auto& linha : CarregarGrid(*reloaded)) rooms.push_back(linha.apto);
    EXPECT_EQ(rooms, (std::vector<std::string>{"amanha", "depois"}));
}

TEST_F(EditorTableTest, PurgeUsesTheRealDateWhateverTheFormatBecame) {
    Add(kHoje - 1, "23:00", "ontem");
    Add(kHoje + 1, "08:00", "amanha");
    const auto linhas = CarregarGrid(*cds);     // filled with dd/mm/yyyy
    AppFormats().ShortDateFormat = "dd/mm/yy";  // the password switched it meanwhile
    EXPECT_EQ(RemoverUltrapassados(*cds, fake, linhas, kAgora), 1);
    EXPECT_EQ(Rooms(), std::vector<std::string>{"amanha"});
}

}  // namespace
