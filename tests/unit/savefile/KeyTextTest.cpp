// Display names from game keys, markup removal, and the save's CRC-32 variant.
#include <gtest/gtest.h>

#include <string>

#include "savefile/KeyText.h"

namespace orv5 {
namespace {

TEST(CutTextKey, MakesDisplayNames) {
  EXPECT_EQ(CutTextKey("CIVILIZATION_AMERICA", "CIVILIZATION_"), "America");
  EXPECT_EQ(CutTextKey("HANDICAP_PRINCE", "HANDICAP_"), "Prince");
  EXPECT_EQ(CutTextKey("LEADER_GENGHIS_KHAN", "LEADER_"), "Genghis Khan");
}

TEST(CutTextKey, ReturnsTextThatIsNoKeyUnchanged) {
  EXPECT_EQ(CutTextKey("Prince", "HANDICAP_"), "Prince");
  EXPECT_EQ(CutTextKey("CIVILIZATION_", "CIVILIZATION_"), "CIVILIZATION_");
  EXPECT_EQ(CutTextKey("", "X_"), "");
  const std::string tooLong(MaxTextLength, 'A');
  EXPECT_EQ(CutTextKey("LEADER_" + tooLong, "LEADER_"), "LEADER_" + tooLong);
}

TEST(CutTextKey, DropsThePrefixLengthWhereverThePrefixWasFound) {
  EXPECT_EQ(CutTextKey("XLEADER_A_B", "LEADER_"), " A B");
}

TEST(CutTextKey, LowerCasesOnlyAsciiCapitals) {
  EXPECT_EQ(CutTextKey("LEADER_\xC3\x89MILE_2", "LEADER_"), "\xC3\x89mile 2");  // 'ÉMILE' in UTF-8
  EXPECT_EQ(CharLowCase('Q'), 'q');
  EXPECT_EQ(CharLowCase('['), '[');
  EXPECT_EQ(CharLowCase('@'), '@');
}

TEST(CutMacros, ReplacesBracketedGroupsWithAt) {
  EXPECT_EQ(CutMacros("[ICON_GOLD] 5 gold"), "@ 5 gold");
  EXPECT_EQ(CutMacros("[COLOR_RED]Attack[ENDCOLOR]"), "@Attack@");
  EXPECT_EQ(CutMacros("a]b"), "a]@b");
  EXPECT_EQ(CutMacros("plain text"), "plain text");
  EXPECT_EQ(CutMacros("open [never closed"), "open ");
  EXPECT_EQ(CutMacros(""), "");
  EXPECT_EQ(CutMacros(std::string(MaxTextLength, 'a')), "");
}

TEST(Crc32String, IsTheComplementOfStandardCrc32) {
  EXPECT_EQ(static_cast<uint32_t>(Crc32String("abc")), 0xCADBBE3Du);
  EXPECT_EQ(Crc32String("abc"), -891568579);
  EXPECT_EQ(Crc32String(""), -1);
  EXPECT_EQ(Crc32String(std::string("abc\0def", 7)), Crc32String("abc"));  // stops at the first zero
  EXPECT_EQ(CrcTable()[1], 0x77073096u);
  EXPECT_EQ(CrcTable()[255], 0x2D02EF8Du);
}

TEST(Crc32String, IsCaseSensitive) { EXPECT_NE(Crc32String("BUILDING_HANSE"), Crc32String("building_hanse")); }

}  // namespace
}  // namespace orv5
