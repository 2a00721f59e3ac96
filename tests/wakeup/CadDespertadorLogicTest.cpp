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

TEST_F(EditorTableTest, PurgeRemovesPastCallsSavingAfterEach) {
    Add(kHoje - 1, "23:00", "ontem");
    Add(kHoje, "09:59", "antes");
    Add(kHoje, "10:00", "agora");
    Add(kHoje + 1, "08:00", "amanha");
    const int saves = fake.filesReplaced;
    EXPECT_EQ(RemoverUltrapassados(*cds, fake, CarregarGrid(*cds), kAgora), 2);
    EXPECT_EQ(fake.filesReplaced, saves + 2);
    EXPECT_EQ(Rooms(), (std::vector<std::string>{"agora", "amanha"}));
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
