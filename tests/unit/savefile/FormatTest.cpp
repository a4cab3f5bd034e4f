#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "savefile/Format.h"

namespace orv5 {
namespace {

// The C library's own rendering, for the cases where our rules are C's rules.
template <typename... Args>
std::string CFormat(const char* format, Args... args) {
  char buffer[512];
  std::snprintf(buffer, sizeof buffer, format, args...);
  return buffer;
}

// ---- Integers -------------------------------------------------------------------------

TEST(FormatIntegers, WidthsUsedByTheViews) {
  EXPECT_EQ(Format("%7d", 42), "     42");
  EXPECT_EQ(Format("%8d", -42), "     -42");
  EXPECT_EQ(Format("%11d", std::numeric_limits<int32_t>::min()), "-2147483648");
  EXPECT_EQ(Format("%2d", 12345), "12345");  // a width never cuts
  EXPECT_EQ(Format("%6d/xxx", 12), "    12/xxx");
  EXPECT_EQ(Format("%4d/%3d", 7, 330), "   7/330");
  EXPECT_EQ(Format("%4d;%d", 12, -3), "  12;-3");
  EXPECT_EQ(Format("%3d%5d%6d %s | ", 1, 27, -3, "Jul"), "  1   27    -3 Jul | ");
}

TEST(FormatIntegers, PrecisionPadsWithZerosAsC) {
  EXPECT_EQ(Format("%02.2d", 5), "05");
  EXPECT_EQ(Format("%02.2d", 45), "45");
  EXPECT_EQ(Format("%02.2d", 123), "123");
  EXPECT_EQ(Format("%6d:%02.2d:%02.2d", 12, 3, 0), "    12:03:00");
  EXPECT_EQ(Format("%6d:%02.2d:%02.2d,%1d", 1, 59, 7, 4), "     1:59:07,4");
  EXPECT_EQ(Format("%.3d", 7), "007");
  EXPECT_EQ(Format("%.3d", -7), "-007");
  EXPECT_EQ(Format("%08.3d", 7), "     007");  // precision turns the '0' flag off
  EXPECT_EQ(Format("%.0d", 0), "");
}

TEST(FormatIntegers, Flags) {
  EXPECT_EQ(Format("%05d", -42), "-0042");
  EXPECT_EQ(Format("%-5d|", 42), "42   |");
  EXPECT_EQ(Format("%-05d|", 42), "42   |");
  EXPECT_EQ(Format("%+d %+d", 42, -42), "+42 -42");
  EXPECT_EQ(Format("% d|% d", 42, -42), " 42|-42");
  EXPECT_EQ(Format("%i", 9), "9");
}

TEST(FormatIntegers, AllWidthsOfIntegerArguments) {
  EXPECT_EQ(Format("%d", int8_t{-8}), "-8");
  EXPECT_EQ(Format("%d", uint8_t{200}), "200");
  EXPECT_EQ(Format("%d", int16_t{-300}), "-300");
  EXPECT_EQ(Format("%d", std::numeric_limits<int64_t>::min()), "-9223372036854775808");
  EXPECT_EQ(Format("%d", std::numeric_limits<uint64_t>::max()), "18446744073709551615");
  EXPECT_EQ(Format("%d", true), "1");
}

TEST(FormatIntegers, LengthModifiersAreAccepted) {
  EXPECT_EQ(Format("%ld %lld %hd %zu %lu", 1L, 2LL, 3, size_t{4}, 5UL), "1 2 3 4 5");
}

TEST(FormatIntegers, UnsignedShowsThe32BitWordOfNegatives) {
  EXPECT_EQ(Format("%u", -1), "4294967295");
  EXPECT_EQ(Format("%u", 7u), "7");
}

TEST(FormatIntegers, MatchTheCLibrary) {
  const char* formats[] = {"%d",       "%8d",  "%-6d|", "%+d",  "% d", "%05d",  "%02.2d", "%.3d", "%8.3d",
                           "%-08.3d|", "%.0d", "%X",    "%08X", "%#X", "%#08X", "%.0X",   "%u"};
  const int values[] = {std::numeric_limits<int>::min(), -65536, -1, 0, 1, 7, 42, 0xCADB,
                        std::numeric_limits<int>::max()};
  for (const char* format : formats) {
    for (int value : values) EXPECT_EQ(Format(format, value), CFormat(format, value)) << format << " of " << value;
  }
}

// ---- Hexadecimal ----------------------------------------------------------------------

TEST(FormatHex, UpperCaseDigitsForBothSpellings) {
  EXPECT_EQ(Format("%x", 255), "FF");
  EXPECT_EQ(Format("%X", 255), "FF");
  EXPECT_EQ(Format("%x", 0xabcdef), "ABCDEF");
  EXPECT_EQ(Format("Unit(%08x)", 0x1a), "Unit(0000001A)");
  EXPECT_EQ(Format("%#x", 255), "0XFF");
}

TEST(FormatHex, NegativeHashesShowTheir32BitWord) {
  EXPECT_EQ(Format("%08x", -1), "FFFFFFFF");
  EXPECT_EQ(Format("%08x", static_cast<int32_t>(0xCADBBE3Du)), "CADBBE3D");
  EXPECT_EQ(Format("Building(%08x)", int64_t{-2}), "Building(FFFFFFFE)");
  EXPECT_EQ(Format("%x", std::numeric_limits<int32_t>::min()), "80000000");
  // Beyond 32 bits there is no save word to mean; the 64-bit word is shown.
  EXPECT_EQ(Format("%x", -(int64_t{1} << 40)), "FFFFFF0000000000");
  EXPECT_EQ(Format("%x", uint64_t{1} << 40), "10000000000");
}

// ---- Reals ----------------------------------------------------------------------------

TEST(FormatReals, PlainFHasTwoDecimals) {
  EXPECT_EQ(Format("%f", 12.5), "12.50");
  EXPECT_EQ(Format("%f turns", 12.5), "12.50 turns");
  EXPECT_EQ(Format("%f", 0.0), "0.00");
  EXPECT_EQ(Format("%f", 1e9), "1000000000.00");
  EXPECT_EQ(Format("%f", 2.0f), "2.00");
  EXPECT_EQ(Format("%10f|", -3.14159), "     -3.14|");
}

TEST(FormatReals, WidthAndPrecisionUsedByTheViews) {
  EXPECT_EQ(Format("%7.2f", 3.14159), "   3.14");
  EXPECT_EQ(Format("%7.2f", -1234.5), "-1234.50");
  EXPECT_EQ(Format("%9.2f%%", 12.5), "    12.50%");
  EXPECT_EQ(Format("%7.2f/%d(%d)", 1.5, 3, 4), "   1.50/3(4)");
  EXPECT_EQ(Format("%16.2f/%d", 100.0, 7), "          100.00/7");
  EXPECT_EQ(Format("%5.2f", 0.005), " 0.01");  // 0.005 is just above the half in binary
  EXPECT_EQ(Format("%.1f", 2.25), "2.2");      // exact half: printf rounds to even
  EXPECT_EQ(Format("%.1f", 0.35), "0.3");      // 0.35 is just below the half in binary
  EXPECT_EQ(Format("%.0f", 2.5), "2");
  EXPECT_EQ(Format("%.3f", 1.0), "1.000");
}

TEST(FormatReals, FlagsAndSigns) {
  EXPECT_EQ(Format("%08.2f", -3.5), "-0003.50");
  EXPECT_EQ(Format("%-8.2f|", 3.5), "3.50    |");
  EXPECT_EQ(Format("%+.1f", 3.0), "+3.0");
  EXPECT_EQ(Format("% .1f", 3.0), " 3.0");
  EXPECT_EQ(Format("%f", -0.0), "-0.00");
}

TEST(FormatReals, NotFiniteValues) {
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(Format("%f", inf), "inf");
  EXPECT_EQ(Format("%06.2f", -inf), "  -inf");  // no zeros in front of a word
  EXPECT_EQ(Format("%F", inf), "INF");
  EXPECT_EQ(Format("%f", std::numeric_limits<double>::quiet_NaN()), "nan");
}

TEST(FormatReals, ExplicitPrecisionMatchesTheCLibrary) {
  const char* formats[] = {"%7.2f", "%.1f", "%9.2f", "%.0f", "%11.2f", "%+08.3f", "%-10.4f|", "%8.2f", "%.6f"};
  const double values[] = {0.0,  -0.0,   0.125,  0.375,      2.675,      1.005, -0.5,   0.5,     1.5,
                           -2.5, 12.345, 99.995, 123456.785, 1e15 + 0.5, -1e-7, 3.0e10, 1.0 / 3, 1e300};
  for (const char* format : formats) {
    for (double value : values) EXPECT_EQ(Format(format, value), CFormat(format, value)) << format << " of " << value;
  }
}

TEST(FormatReals, LargestValuesAreWrittenInFull) {
  const double big = std::numeric_limits<double>::max();
  EXPECT_EQ(Format("%f", big), CFormat("%.2f", big));
  EXPECT_EQ(Format("%.40f", -big), CFormat("%.40f", -big));
}

// ---- Decimal separator under a foreign locale -----------------------------------------

// The window takes the C library locale from the environment; in many of them the decimal
// separator is ','. The displays must not change with it.
class FormatUnderCommaLocale : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = std::setlocale(LC_ALL, nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "ru_RU.UTF-8", "nl_NL.UTF-8",
                             "es_ES.UTF-8", "it_IT.UTF-8"}) {
      if (std::setlocale(LC_ALL, name) && std::string_view(std::localeconv()->decimal_point) == ",") return;
    }
    std::setlocale(LC_ALL, saved_.c_str());
    GTEST_SKIP() << "no locale with a decimal comma is installed (try: localedef -i de_DE -f UTF-8 de_DE.UTF-8)";
  }

  void TearDown() override { std::setlocale(LC_ALL, saved_.c_str()); }

 private:
  std::string saved_;
};

TEST_F(FormatUnderCommaLocale, RealsKeepTheDecimalPoint) {
  ASSERT_EQ(CFormat("%.2f", 12.5), "12,50");  // the locale is really in force
  EXPECT_EQ(Format("%7.2f", 12.5), "  12.50");
  EXPECT_EQ(Format("%f", 12.5), "12.50");
  EXPECT_EQ(Format("%.1f", 0.25), "0.2");
  EXPECT_EQ(Format("%9.2f%%", -3.75), "    -3.75%");
  EXPECT_EQ(Format("%s", 1.5), "1.50");
}

TEST_F(FormatUnderCommaLocale, IntegersHaveNoGrouping) {
  EXPECT_EQ(Format("%d", 1234567), "1234567");
  EXPECT_EQ(Format("%8d", -1234567), "-1234567");
}

// ---- Texts and characters ---------------------------------------------------------------

TEST(FormatTexts, AllTextArgumentKinds) {
  const std::string owned = "Moscow";
  const std::string_view view = "Kyiv";
  const char* pointer = "Minsk";
  EXPECT_EQ(Format("%s,%s,%s", owned, view, pointer), "Moscow,Kyiv,Minsk");
  EXPECT_EQ(Format("%s", std::string("temp")), "temp");
  EXPECT_EQ(Format("[%s]", static_cast<const char*>(nullptr)), "[]");
}

TEST(FormatTexts, WidthPadsAndPrecisionCuts) {
  EXPECT_EQ(Format("%5s|", "ab"), "   ab|");
  EXPECT_EQ(Format("%-5s|", "ab"), "ab   |");
  EXPECT_EQ(Format("%.2s", "abcdef"), "ab");
  EXPECT_EQ(Format("%5.2s|", "abcdef"), "   ab|");
  EXPECT_EQ(Format("%.0s|", "abc"), "|");
}

TEST(FormatTexts, ReplayLineLayout) {
  EXPECT_EQ(Format("%4d%s %s %s", 12, " 3950BC", "", "Session 1"), "  12 3950BC  Session 1");
  EXPECT_EQ(Format(" %d/%d (%s)", 75, 330, "1AD"), " 75/330 (1AD)");
}

TEST(FormatTexts, EmbeddedZeroBytesArePassedThrough) {
  const std::string withZero("a\0b", 3);
  EXPECT_EQ(Format("%s", withZero), withZero);
}

TEST(FormatTexts, Characters) {
  EXPECT_EQ(Format("%c", 65), "A");
  EXPECT_EQ(Format("%3c|", 'z'), "  z|");
  EXPECT_EQ(Format("%c", "xyz"), "x");
  EXPECT_EQ(Format("%c", -1), "\xFF");
}

// ---- Literals and malformed formats -------------------------------------------------------

TEST(FormatLiterals, PercentSigns) {
  EXPECT_EQ(Format("%d%%", 50), "50%");
  EXPECT_EQ(Format("100%%"), "100%");
  EXPECT_EQ(Format("%%d", 5), "%d");
}

TEST(FormatLiterals, PlainTextIsCopied) {
  EXPECT_EQ(Format(""), "");
  EXPECT_EQ(Format("no directives"), "no directives");
  EXPECT_EQ(Format("Текущий ход %d", 3), "Текущий ход 3");
}

TEST(FormatLiterals, UnknownOrUnfinishedDirectivesAreCopied) {
  EXPECT_EQ(Format("%q", 1), "%q");
  EXPECT_EQ(Format("50%"), "50%");
  EXPECT_EQ(Format("%5", 1), "%5");
  EXPECT_EQ(Format("%q%d", 7), "%q7");  // the unknown one takes no argument
}

// ---- Missing and mismatched arguments -----------------------------------------------------

TEST(FormatArguments, MissingArgumentRendersNothing) {
  EXPECT_EQ(Format("%d/%d", 1), "1/");
  EXPECT_EQ(Format("[%5d]"), "[]");
  EXPECT_EQ(Format("[%s]"), "[]");
}

TEST(FormatArguments, ExtraArgumentsAreIgnored) { EXPECT_EQ(Format("%d", 1, 2, 3), "1"); }

TEST(FormatArguments, RealForIntegerIsTruncatedTowardZero) {
  EXPECT_EQ(Format("%d", 3.9), "3");
  EXPECT_EQ(Format("%d", -3.9), "-3");
  EXPECT_EQ(Format("%4d", 12.0), "  12");
  EXPECT_EQ(Format("%x", 255.9), "FF");
  EXPECT_EQ(Format("%d", std::numeric_limits<double>::quiet_NaN()), "0");
  EXPECT_EQ(Format("%d", 1e30), "9223372036854775807");
  EXPECT_EQ(Format("%d", -1e30), "-9223372036854775808");
}

TEST(FormatArguments, IntegerForRealIsConverted) {
  EXPECT_EQ(Format("%f", 5), "5.00");
  EXPECT_EQ(Format("%7.2f", -12), " -12.00");
  EXPECT_EQ(Format("%.1f", 7u), "7.0");
}

TEST(FormatArguments, NumberForTextReadsAsItsDefaultForm) {
  EXPECT_EQ(Format("%s", 42), "42");
  EXPECT_EQ(Format("%5s|", -7), "   -7|");
  EXPECT_EQ(Format("%s", 1.5), "1.50");
  EXPECT_EQ(Format("%.1s", 42), "4");
}

TEST(FormatArguments, TextForNumberIsShownAsItIs) {
  EXPECT_EQ(Format("%5d|", "ab"), "   ab|");
  EXPECT_EQ(Format("%-5x|", "ab"), "ab   |");
  EXPECT_EQ(Format("%7.2f", "n/a"), "    n/a");
}

TEST(FormatArguments, StarTakesWidthAndPrecisionFromArguments) {
  EXPECT_EQ(Format("%*d|", 5, 42), "   42|");
  EXPECT_EQ(Format("%*d|", -5, 42), "42   |");
  EXPECT_EQ(Format("%.*f", 3, 1.0), "1.000");
  EXPECT_EQ(Format("%.*f", -1, 1.0), "1.00");  // a negative precision counts as none
  EXPECT_EQ(Format("%*.*f|", 8, 1, 2.5), "     2.5|");
}

TEST(FormatArguments, HugeWidthIsCapped) {
  EXPECT_LE(Format("%999999999d", 1).size(), 4096u);
  EXPECT_LE(Format("%.999999999f", 1.0).size(), 4200u);
}

TEST(FormatArguments, ListAndVariadicFormsAgree) {
  EXPECT_EQ(Format("%d %s %.1f", {1, "two", 3.0}), Format("%d %s %.1f", 1, "two", 3.0));
  const std::vector<FormatArg> args = {FormatArg(4), FormatArg("five")};
  EXPECT_EQ(FormatArgs("%d-%s", args), "4-five");
}

}  // namespace
}  // namespace orv5
