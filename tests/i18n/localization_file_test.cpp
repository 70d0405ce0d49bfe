#include "i18n/localization_file.h"

#include <gtest/gtest.h>

#include "i18n/localization_text.h"

namespace i18n {
namespace {

TEST(LocalizationFile, GroupsAreReadInFileOrderWithUntrimmedNames) {
    const std::string file = testing::LocalizationFile(
        {{"de", "Deutsch", {{"A", "a"}}}, {"en", " English", {{"A", "b"}}}});
    const std::vector<LanguageGroup> groups = ReadLanguageGroups(file);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].name, "Deutsch");
    EXPECT_EQ(groups[1].name, " English");
}

TEST(LocalizationFile, TagsAreFoundWithoutRegardToCase) {
    const std::string file =
        "<language_group><Language_Name>X</language_name><translation_items>\r\n"
        "<K>v</K>\r\n</TRANSLATION_ITEMS></Language_Group>";
    const std::vector<LanguageGroup> groups = ReadLanguageGroups(file);
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].name, "X");
    EXPECT_EQ(TranslationBlock(groups[0].text), "\r\n<K>v</K>\r\n");
}

TEST(LocalizationFile, AGroupWithoutItsClosingTagRunsToTheEndAndTheReadEnds) {
    const std::vector<LanguageGroup> groups = ReadLanguageGroups(
        "<LANGUAGE_GROUP><LANGUAGE_NAME>A</LANGUAGE_NAME><LANGUAGE_GROUP><LANGUAGE_NAME>B");
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].name, "A");
}

TEST(LocalizationFile, AStrayClosingTagBeforeAGroupDoesNotCutIt) {
    const std::vector<LanguageGroup> groups = ReadLanguageGroups(
        "</LANGUAGE_GROUP><LANGUAGE_GROUP><LANGUAGE_NAME>A</LANGUAGE_NAME></LANGUAGE_GROUP>");
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].name, "A");
}

TEST(LocalizationFile, AGroupWithoutNameOrItemsHasEmptyParts) {
    const std::vector<LanguageGroup> groups =
        ReadLanguageGroups("<LANGUAGE_GROUP></LANGUAGE_GROUP>");
    ASSERT_EQ(groups.size(), 1u);
    EXPECT_EQ(groups[0].name, "");
    EXPECT_EQ(TranslationBlock(groups[0].text), std::nullopt);
}

TEST(LocalizationFile, ItemKeysMatchWithoutRegardToCase) {
    EXPECT_EQ(ItemText("\t\t<frmmain_cmdscan>Suchen</FRMMAIN_CMDSCAN>", "FrmMain_cmdScan"),
              "Suchen");
}

TEST(LocalizationFile, ItemTextRunsToTheFirstClosingTagOfItsKey) {
    EXPECT_EQ(ItemText("\t<K>a</B>b</K>c</K>", "K"), "a</B>b");
    EXPECT_EQ(ItemText("\t<K>&amp;</K>", "K"), "&amp;");
    EXPECT_EQ(ItemText("\t<K></K>", "K"), "");
}

TEST(LocalizationFile, LinesWithoutAnItemForTheKeyGiveNothing) {
    EXPECT_EQ(ItemText("<K>v</K>", "KEY"), std::nullopt);
    EXPECT_EQ(ItemText("no tags here", "K"), std::nullopt);
    // The part before ">" must be longer than two characters.
    EXPECT_EQ(ItemText("<K>v</K>", "K"), std::nullopt);
    EXPECT_EQ(ItemText("\t<K>v</K>", "K"), "v");
}

TEST(LocalizationFile, AnItemWithoutItsClosingTagHasNoText) {
    EXPECT_EQ(ItemText("\t\t<KEY>value", "KEY"), "");
}

}  // namespace
}  // namespace i18n
