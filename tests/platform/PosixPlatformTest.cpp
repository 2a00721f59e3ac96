#include <gtest/gtest.h>

#include "platform/posix/PosixPlatform.h"
#include "shell/uFuncao.h"

namespace {

TEST(PosixPlatform, StrftimePatternsBecomeProgramPatterns) {
    const std::pair<const char*, const char*> cases[] = {
        {"%d/%m/%Y", "dd/mm/yyyy"},
        {"%m/%d/%y", "mm/dd/yy"},
        {"%H:%M:%S", "hh:nn:ss"},
        {"%I:%M:%S %p", "hh:nn:ss ampm"},
        {"%d.%m.%Y", "dd.mm.yyyy"},
        {"%T", "hh:nn:ss"},
        {"%Ey", "yy"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(platform::PatternFromStrftime(in), out) << in;
}

TEST(RegionalFormats, SeparatorsComeFromThePatterns) {
    const platform::RegionalFormats dotted =
        platform::RegionalFormatsFrom("dd.mm.yyyy", "hh.nn.ss");
    EXPECT_EQ(dotted.shortDate, "dd/mm/yyyy");
    EXPECT_EQ(dotted.dateSeparator, '.');
    EXPECT_EQ(dotted.longTime, "hh:nn:ss");
    EXPECT_EQ(dotted.timeSeparator, '.');
    const platform::RegionalFormats us = platform::RegionalFormatsFrom("m/d/yyyy", "h:nn:ss ampm");
    EXPECT_EQ(us.dateSeparator, '/');
    EXPECT_EQ(us.timeSeparator, ':');
    EXPECT_EQ(us.longTime, "h:nn:ss ampm");
}

TEST(PosixPlatform, ExecutableFolderIsThisTestsFolder) {
    platform::PosixPlatform posix;
    const std::string exe = posix.executablePath();
    EXPECT_EQ(FileNamePart(exe, "/"), "test_posix_platform");
    const std::string folder = TFuncao::GetCaminhoExeGerenciador(posix);
    EXPECT_EQ(folder.back(), '/');
    EXPECT_EQ(folder + "test_posix_platform", exe);
}

TEST(PosixPlatform, InstanceLockIsExclusiveUntilReleased) {
    platform::PosixPlatform posix;
    const std::string name = "TFrmGerenciadorExecutaveis-test-" +
                             std::to_string(::testing::UnitTest::GetInstance()->random_seed());
    auto first = posix.acquireInstanceLock(name);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(posix.acquireInstanceLock(name), nullptr);
    EXPECT_NE(posix.acquireInstanceLock(name + "-other"), nullptr);
    first.reset();
    EXPECT_NE(posix.acquireInstanceLock(name), nullptr);
}

TEST(PosixPlatform, RegionalFormatsAreUsablePatterns) {
    const platform::RegionalFormats f = platform::PosixPlatform().regionalFormats();
    EXPECT_NE(f.shortDate.find('d'), std::string::npos);
    EXPECT_NE(f.shortDate.find('m'), std::string::npos);
    EXPECT_NE(f.longTime.find('h'), std::string::npos);
}

}  // namespace
