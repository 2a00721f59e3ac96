#include <gtest/gtest.h>

#include "platform/fake/FakePlatform.h"
#include "shell/Formats.h"
#include "support/TempFolder.h"
#include "wakeup/WakeupTable.h"

namespace {

const std::string kFields =
    "<FIELD attrname=\"DesCodigo\" fieldtype=\"i4\"/><FIELD attrname=\"DesData\" "
    "fieldtype=\"date\"/><FIELD attrname=\"DesHora\" fieldtype=\"time\"/><FIELD "
    "attrname=\"DesApto\" fieldtype=\"string\" WIDTH=\"10\"/><FIELD attrname=\"DesPlaca\" "
    "fieldtype=\"string\" WIDTH=\"20\"/><FIELD attrname=\"DesObs\" fieldtype=\"string\" "
    "WIDTH=\"100\"/><FIELD attrname=\"DesStatus\" fieldtype=\"i4\"/>";
const std::string kHead =
    "<?xml version=\"1.0\" standalone=\"yes\"?>  <DATAPACKET Version=\"2.0\">"
    "<METADATA><FIELDS>" +
    kFields + "</FIELDS>";

struct Call {
    int codigo;
    TDateTime data;
    TDateTime hora;
    std::string apto, placa, obs;
    int status;
};

class WakeupTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppFormats() = FormatSettings{};
        fake.exePath = folder.file("tresmon");
    }
    std::unique_ptr<TClientDataSet> Create() {
        std::unique_ptr<TClientDataSet> cds;
        CriarCDSDespertador(cds, fake);
        return cds;
    }
    static void Add(TClientDataSet& cds, const Call& c) {
        cds.Insert();
        cds.FieldByName("DesCodigo").SetAsInteger(c.codigo);
        cds.FieldByName("DesData").SetAsDateTime(c.data);
        cds.FieldByName("DesHora").SetAsDateTime(c.hora);
        cds.FieldByName("DesApto").SetAsString(c.apto);
        cds.FieldByName("DesPlaca").SetAsString(c.placa);
        cds.FieldByName("DesObs").SetAsString(c.obs);
        cds.FieldByName("DesStatus").SetAsInteger(c.status);
        cds.Post();
    }
    static std::vector<Call> Read(TClientDataSet& cds) {
        std::vector<Call> calls;
        for (cds.First(); !cds.Eof(); cds.Next())
            calls.push_back(
                {cds.FieldByName("DesCodigo").AsInteger(), cds.FieldByName("DesData").AsDateTime(),
                 cds.FieldByName("DesHora").AsDateTime(), cds.FieldByName("DesApto").AsString(),
                 cds.FieldByName("DesPlaca").AsString(), cds.FieldByName("DesObs").AsString(),
                 cds.FieldByName("DesStatus").AsInteger()});
        return calls;
    }

    TempFolder folder;
    platform::FakePlatform fake;
};

void ExpectSame(const std::vector<Call>& a, const std::vector<Call>& b) {
    ASSERT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(a[i].codigo, b[i].codigo);
        EXPECT_EQ(a[i].data, b[i].data);
        EXPECT_EQ(a[i].hora, b[i].hora);
        EXPECT_EQ(a[i].apto, b[i].apto);
        EXPECT_EQ(a[i].placa, b[i].placa);
        EXPECT_EQ(a[i].obs, b[i].obs);
        EXPECT_EQ(a[i].status, b[i].status);
    }
}

TEST_F(WakeupTableTest, NoFileGivesAnEmptyTableAndWritesNothing) {
    auto cds = Create();
    EXPECT_EQ(cds->RecordCount(), 0);
    EXPECT_EQ(cds->IndexName(), "OrdenarDataHoradx");
    EXPECT_EQ(CodigoGenerator(*cds), 1);
    EXPECT_FALSE(folder.exists("despertar.xml"));
}

TEST_F(WakeupTableTest, SaveAndLoadKeepEveryField) {
    const std::vector<Call> calls = {
        {1, EncodeDate(2024, 5, 10), EncodeTime(7, 30, 0, 0), "101", "ABC1234", "CAFE", 0},
        {2, EncodeDate(2024, 5, 10), EncodeTime(8, 0, 0, 0), "Suíte 3", "",
         "a&b <c> 'd' \"e\" \\f\r\ng\th çãé", 1},
        {3, EncodeDate(2024, 12, 31), EncodeTime(23, 59, 0, 0), "", "", "", 0},
    };
    auto cds = Create();
    for (const Call& c : calls) Add(*cds, c);
    SalvarDados(*cds, fake);
    auto loaded = Create();
    ExpectSame(Read(*loaded), calls);
}

TEST_F(WakeupTableTest, GoldenBytesOfASmallTable) {
    auto cds = Create();
    Add(*cds, {1, EncodeDate(2024, 5, 10), EncodeTime(7, 30, 0, 0), "101", "",
               "Café & \"pão\" <já>\\ \t€", 0});
    SalvarDados(*cds, fake);
    EXPECT_EQ(folder.read("despertar.xml"),
              kHead +
                  "<PARAMS/></METADATA><ROWDATA><ROW DesCodigo=\"1\" DesData=\"20240510\" "
                  "DesHora=\"07:30:00000\" DesApto=\"101\" DesPlaca=\"\" DesObs=\"Caf\xE9 "
                  "&amp; &quot;p\xE3o&quot; &lt;j\xE1&gt;&#092; &#009;\x80\" "
                  "DesStatus=\"0\"/></ROWDATA></DATAPACKET>");
}

TEST_F(WakeupTableTest, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    auto cds = Create();
    Add(*cds, {1, EncodeDate(2024, 5, 10), EncodeTime(7, 30, 0, 0), "", "", "Ωk", 0});
    SalvarDados(*cds, fake);
    EXPECT_NE(folder.read("despertar.xml").find("DesObs=\"?k\""), std::string::npos);
}

TEST_F(WakeupTableTest, EmptyTableFile) {
    auto cds = Create();
    SalvarDados(*cds, fake);
    EXPECT_EQ(folder.read("despertar.xml"),
              kHead + "<PARAMS/></METADATA><ROWDATA></ROWDATA></DATAPACKET>");
    EXPECT_EQ(Create()->RecordCount(), 0);
}

struct FileCase {
    const char* name;
    std::string bytes;
};

// Files as the format's own writer (and hands) produce them: the two calls must load alike.
TEST_F(WakeupTableTest, ReadsTheFormatsOwnFiles) {
    const std::string rows1252 =
        "<ROW RowState=\"4\" DesCodigo=\"2\" DesData=\"20240511\" DesHora=\"06:15:00000\" "
        "DesApto=\"1\xC7\" DesObs=\"Jo\xE3o&#013;&#010;x&#x41;&#92;\" DesStatus=\"0\"/>"
        "<ROW RowState=\"4\" DesCodigo=\"1\" DesData=\"20240510\" DesHora=\"07:30:00000\" "
        "DesApto=\"101\" DesPlaca=\"ABC1234\" DesObs=\"\" DesStatus=\"1\"/>";
    const std::string rowsUtf8 =
        "<ROW DesCodigo=\"2\" DesData=\"20240511\" DesHora=\"06:15:00000\" DesApto=\"1Ç\" "
        "DesObs=\"João&#013;&#010;xA\\\" DesStatus=\"0\"/>"
        "<ROW DesCodigo=\"1\" DesData=\"20240510\" DesHora=\"07:30:00000\" DesApto=\"101\" "
        "DesPlaca=\"ABC1234\" DesStatus=\"1\"/>";
    const std::string params = "<PARAMS CHANGE_LOG=\"1 0 4 2 0 4\" LCID=\"1046\"/>";
    const std::string fieldsOtherOrder =
        "<FIELD attrname=\"DesObs\" fieldtype=\"string\" WIDTH=\"100\"/><FIELD attrname=\"Extra\" "
        "fieldtype=\"r8\"/><FIELD attrname=\"DesStatus\" fieldtype=\"i4\"/><FIELD "
        "attrname=\"DesCodigo\" fieldtype=\"i4\"/><FIELD attrname=\"DesHora\" fieldtype=\"time\"/>"
        "<FIELD attrname=\"DesData\" fieldtype=\"date\"/><FIELD attrname=\"DesApto\" "
        "fieldtype=\"string\" WIDTH=\"10\"/><FIELD attrname=\"DesPlaca\" fieldtype=\"string\" "
        "WIDTH=\"20\"/>";
    const FileCase cases[] = {
        {"one line, Windows-1252",
         kHead + params + "</METADATA><ROWDATA>" + rows1252 + "</ROWDATA></DATAPACKET>"},
        {"pretty-printed",
         "<?xml version=\"1.0\" standalone=\"yes\"?>\r\n<DATAPACKET "
         "Version=\"2.0\">\r\n  <METADATA>\r\n    <FIELDS>\r\n      " +
             kFields + "\r\n    </FIELDS>\r\n    " + params +
             "\r\n  </METADATA>\r\n  <ROWDATA>\r\n    " + rows1252 +
             "\r\n  </ROWDATA>\r\n</DATAPACKET>\r\n"},
        {"UTF-8 byte-order mark",
         "\xEF\xBB\xBF<?xml version=\"1.0\"?><DATAPACKET "
         "Version=\"2.0\"><METADATA><FIELDS>" +
             kFields + "</FIELDS><PARAMS/></METADATA><ROWDATA>" + rowsUtf8 +
             "</ROWDATA></DATAPACKET>"},
        {"UTF-8 declared",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?><DATAPACKET "
         "Version=\"2.0\"><METADATA><FIELDS>" +
             kFields + "</FIELDS><PARAMS/></METADATA><ROWDATA>" + rowsUtf8 +
             "</ROWDATA></DATAPACKET>"},
        {"fields in another order, one unknown",
         "<?xml version=\"1.0\" standalone=\"yes\"?><DATAPACKET Version=\"2.0\"><METADATA>"
         "<FIELDS>" +
             fieldsOtherOrder + "</FIELDS><PARAMS/></METADATA><ROWDATA>" + rows1252 +
             "</ROWDATA></DATAPACKET>"},
    };
    const std::vector<Call> expected = {
        {1, EncodeDate(2024, 5, 10), EncodeTime(7, 30, 0, 0), "101", "ABC1234", "", 1},
        {2, EncodeDate(2024, 5, 11), EncodeTime(6, 15, 0, 0), "1Ç", "", "João\r\nxA\\", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        folder.write("despertar.xml", c.bytes);
        auto cds = Create();
        ExpectSame(Read(*cds), expected);
        EXPECT_EQ(CodigoGenerator(*cds), 3);
    }
}

TEST_F(WakeupTableTest, UnreadableFileRaisesAndIsLeftAlone) {
    const std::string cases[] = {"", "not xml at all", "<?xml version=\"1.0\"?><OUTRO/>",
                                 kHead + "<PARAMS/></METADATA><ROWDATA><ROW"};
    for (const std::string& bytes : cases) {
        folder.write("despertar.xml", bytes);
        EXPECT_THROW(Create(), std::runtime_error) << bytes;
        EXPECT_EQ(folder.read("despertar.xml"), bytes);
    }
}

TEST_F(WakeupTableTest, CodigoGenerator) {
    auto cds = Create();
    const TDateTime day = EncodeDate(2024, 5, 10);
    Add(*cds, {5, day, EncodeTime(6, 0, 0, 0), "", "", "", 0});
    Add(*cds, {1, day + 1, EncodeTime(6, 0, 0, 0), "", "", "", 0});
    Add(*cds, {2, day - 1, EncodeTime(6, 0, 0, 0), "", "", "", 0});
    EXPECT_EQ(CodigoGenerator(*cds), 6);
    Add(*cds, {6, day, EncodeTime(9, 0, 0, 0), "", "", "", 0});
    cds->SetIndexName("OrdenarCodigodx");
    ASSERT_TRUE(cds->FindKey({std::int32_t{6}}));
    cds->Delete();
    EXPECT_EQ(CodigoGenerator(*cds), 6);
}

TEST_F(WakeupTableTest, RoomOfElevenCharactersKeepsTen) {
    auto cds = Create();
    Add(*cds, {1, EncodeDate(2024, 5, 10), 0, "12345678901", "", "", 0});
    cds->First();
    EXPECT_EQ(cds->FieldByName("DesApto").AsString(), "1234567890");
}

TEST_F(WakeupTableTest, FailedSaveRaisesAndKeepsTheOldFile) {
    auto cds = Create();
    SalvarDados(*cds, fake);
    const std::string before = folder.read("despertar.xml");
    Add(*cds, {1, EncodeDate(2024, 5, 10), 0, "1", "", "", 0});
    fake.failReplaceFile = true;
    try {
        SalvarDados(*cds, fake);
        FAIL() << "no error";
    } catch (const std::runtime_error& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Unable to write to " + WakeupFilePath(fake), 0), 0u);
    }
    EXPECT_EQ(folder.read("despertar.xml"), before);
}

}  // namespace
