#include <gtest/gtest.h>

#include "shell/Formats.h"
#include "wakeup/ClientDataSet.h"

namespace {

// A small table shaped like the wake-up calls: code, date, room.
class ClientDataSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        AppFormats() = FormatSettings{};
        cds.FieldDefs() = {{"Codigo", FieldType::Integer, 0, false},
                           {"Data", FieldType::Date, 0, false},
                           {"Hora", FieldType::Time, 0, false},
                           {"Apto", FieldType::String, 4, false}};
        cds.CreateDataSet();
        cds.AddIndex("PorData", "Data; Hora", IndexOption::CaseInsensitive);
        cds.AddIndex("PorCodigo", "Codigo", IndexOption::None);
        cds.SetIndexName("PorData");
    }
    void Add(int codigo, TDateTime data, TDateTime hora, const std::string& apto) {
        cds.Insert();
        cds.FieldByName("Codigo").SetAsInteger(codigo);
        cds.FieldByName("Data").SetAsDateTime(data);
        cds.FieldByName("Hora").SetAsDateTime(hora);
        cds.FieldByName("Apto").SetAsString(apto);
        cds.Post();
    }
    std::vector<int> Codes() {
        std::vector<int> codes;
        for (cds.First(); !cds.Eof(); cds.Next())
            codes.push_back(cds.FieldByName("Codigo").AsInteger());
        return codes;
    }

    TClientDataSet cds;
    const TDateTime d1 = EncodeDate(2024, 5, 10), d2 = EncodeDate(2024, 5, 11);
    const TDateTime h7 = EncodeTime(7, 30, 0, 0), h9 = EncodeTime(9, 0, 0, 0);
};

TEST_F(ClientDataSetTest, EmptyTableIsAtItsEnd) {
    cds.First();
    EXPECT_TRUE(cds.Eof());
    cds.Next();
    EXPECT_TRUE(cds.Eof());
    EXPECT_EQ(cds.RecordCount(), 0);
    EXPECT_EQ(cds.FieldByName("Codigo").AsInteger(), 0);
    EXPECT_EQ(cds.FieldByName("Apto").AsString(), "");
}

TEST_F(ClientDataSetTest, InsertKeepsTheActiveIndexOrder) {
    Add(1, d2, h7, "201");
    Add(2, d1, h9, "102");
    Add(3, d1, h7, "101");
    Add(4, d2, h7, "202");  // same moment as code 1: after it
    EXPECT_EQ(Codes(), (std::vector<int>{3, 2, 1, 4}));
    cds.SetIndexName("PorCodigo");
    EXPECT_EQ(Codes(), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(cds.RecordCount(), 4);
}

TEST_F(ClientDataSetTest, NavigationAtTheEnds) {
    Add(1, d1, h7, "a");
    Add(2, d2, h7, "b");
    cds.Last();
    EXPECT_FALSE(cds.Eof());
    EXPECT_EQ(cds.FieldByName("Codigo").AsInteger(), 2);
    cds.Next();
    EXPECT_TRUE(cds.Eof());
    cds.Next();
    EXPECT_TRUE(cds.Eof());
    cds.First();
    EXPECT_EQ(cds.FieldByName("Codigo").AsInteger(), 1);
}

TEST_F(ClientDataSetTest, FindKeyOnBothIndexes) {
    Add(7, d2, h9, "x");
    Add(5, d1, h7, "y");
    cds.SetIndexName("PorCodigo");
    ASSERT_TRUE(cds.FindKey({std::int32_t{7}}));
    EXPECT_EQ(cds.FieldByName("Apto").AsString(), "x");
    EXPECT_FALSE(cds.FindKey({std::int32_t{6}}));
    cds.SetIndexName("PorData");
    ASSERT_TRUE(cds.FindKey({d1, h7}));
    EXPECT_EQ(cds.FieldByName("Codigo").AsInteger(), 5);
}

TEST_F(ClientDataSetTest, EditMovesTheRowToItsNewPlace) {
    Add(1, d1, h7, "a");
    Add(2, d1, h9, "b");
    cds.First();
    cds.Edit();
    cds.FieldByName("Data").SetAsDateTime(d2);
    cds.Post();
    EXPECT_EQ(Codes(), (std::vector<int>{2, 1}));
}

TEST_F(ClientDataSetTest, EditWithoutAKeyChangeKeepsThePlaceAmongEqualKeys) {
    Add(1, d1, h7, "a");
    Add(2, d1, h7, "b");
    cds.First();
    cds.Edit();
    cds.FieldByName("Apto").SetAsString("z");
    cds.Post();
    EXPECT_EQ(cds.FieldByName("Codigo").AsInteger(), 1);
    cds.Next();
    EXPECT_FALSE(cds.Eof());
    EXPECT_EQ(Codes(), (std::vector<int>{1, 2}));
}

TEST_F(ClientDataSetTest, DeleteRemovesTheCurrentRow) {
    Add(1, d1, h7, "a");
    Add(2, d1, h9, "b");
    Add(3, d2, h7, "c");
    cds.SetIndexName("PorCodigo");
    ASSERT_TRUE(cds.FindKey({std::int32_t{2}}));
    cds.Delete();
    EXPECT_EQ(cds.FieldByName("Codigo").AsInteger(), 3);  // the next row takes its place
    EXPECT_EQ(Codes(), (std::vector<int>{1, 3}));
    cds.Last();
    cds.Delete();
    cds.First();
    cds.Delete();
    EXPECT_EQ(cds.RecordCount(), 0);
    EXPECT_TRUE(cds.Eof());
}

TEST_F(ClientDataSetTest, TextIsCutToTheFieldWidth) {
    Add(1, d1, h7, "12345");
    Add(2, d1, h9, "Ação!");
    cds.First();
    EXPECT_EQ(cds.FieldByName("Apto").AsString(), "1234");
    cds.Next();
    EXPECT_EQ(cds.FieldByName("Apto").AsString(), "Ação");
}

TEST_F(ClientDataSetTest, EmptyFieldsReadAsZeroAndEmptyText) {
    cds.Insert();
    cds.Post();
    cds.First();
    EXPECT_TRUE(cds.FieldByName("Data").IsNull());
    EXPECT_EQ(cds.FieldByName("Codigo").AsInteger(), 0);
    EXPECT_EQ(cds.FieldByName("Data").AsDateTime(), 0);
    EXPECT_EQ(cds.FieldByName("Data").AsString(), "");
    EXPECT_EQ(cds.FieldByName("Apto").AsString(), "");
}

TEST_F(ClientDataSetTest, DatesReadAndWriteAsTextInTheShortDateFormat) {
    cds.Insert();
    cds.FieldByName("Data").SetAsString("10/05/2024");
    cds.FieldByName("Hora").SetAsString("07:30");
    cds.Post();
    cds.First();
    EXPECT_EQ(cds.FieldByName("Data").AsDateTime(), d1);
    EXPECT_EQ(cds.FieldByName("Hora").AsDateTime(), h7);
    AppFormats().ShortDateFormat = "dd/mm/yy";
    EXPECT_EQ(cds.FieldByName("Data").AsString(), "10/05/24");
    cds.Edit();
    cds.FieldByName("Data").SetAsString("");
    cds.Post();
    EXPECT_TRUE(cds.FieldByName("Data").IsNull());
}

TEST_F(ClientDataSetTest, UnknownFieldNameRaises) {
    EXPECT_THROW(cds.FieldByName("DesNada"), std::runtime_error);
    EXPECT_NO_THROW(cds.FieldByName("apto"));
}

TEST_F(ClientDataSetTest, WritingOutsideEditOrInsertRaises) {
    Add(1, d1, h7, "a");
    EXPECT_THROW(cds.FieldByName("Apto").SetAsString("b"), std::runtime_error);
}

}  // namespace
