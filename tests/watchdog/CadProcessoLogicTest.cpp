#include <gtest/gtest.h>

#include "watchdog/CadProcessoLogic.h"

namespace {

using Rows = std::vector<std::string>;

TEST(CadProcessoLogic, RowsOfAStoredList) {
    const std::pair<std::string, Rows> cases[] = {
        {"", {""}},
        {"a", {"a"}},
        {"a|b", {"a", "b"}},
        {"a||b", {"a", "b"}},
        {"|a", {"a"}},
        {"a|b|", {"a", "b", ""}},
        {"a|b||", {"a", "b", ""}},
        {"a|a", {"a", "a"}},
    };
    for (const auto& [stored, rows] : cases)
        EXPECT_EQ(LinhasDaLista(Split(stored, "|")), rows) << stored;
}

TEST(CadProcessoLogic, TextToAdd) {
    const std::pair<std::string, std::optional<std::string>> cases[] = {
        {"C:\\a.exe", "C:\\a.exe"},
        {"  C:\\a.exe  ", "C:\\a.exe"},
        {"\"C:\\Program Files\\a.exe\"", "C:\\Program Files\\a.exe"},
        {" \"/opt/a b/x\" ", "/opt/a b/x"},
        {"\"x", "\"x"},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"\"\"", std::nullopt},
    };
    for (const auto& [typed, added] : cases) EXPECT_EQ(TextoParaIncluir(typed), added) << typed;
}

TEST(CadProcessoLogic, AddAndRemoveRows) {
    Rows rows = {""};
    IncluirLinha(rows, "a");
    EXPECT_EQ(rows, Rows{"a"});
    IncluirLinha(rows, "a");
    IncluirLinha(rows, "b");
    EXPECT_EQ(rows, (Rows{"a", "a", "b"}));
    ExcluirLinha(rows, 1);
    EXPECT_EQ(rows, (Rows{"a", "b"}));
    ExcluirLinha(rows, 0);
    ExcluirLinha(rows, 0);
    EXPECT_EQ(rows, Rows{""});
    Rows trailing = {"a", ""};
    IncluirLinha(trailing, "b");
    EXPECT_EQ(trailing, (Rows{"a", "b"}));
}

}  // namespace
