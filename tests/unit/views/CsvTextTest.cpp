// CSV text: quoting, UTF-8 repair, numbers in hundredths; and the strict reader the table tests
// rely on, which must refuse what is malformed.
#include <gtest/gtest.h>

#include <climits>

#include "tests/support/CsvReader.h"
#include "views/CsvText.h"

namespace orv5::testing {
namespace {

TEST(CsvText, AFieldIsQuotedOnlyWhenItHoldsACommaQuoteCarriageReturnOrLineFeed) {
  EXPECT_EQ(CsvField("Paris"), "Paris");
  EXPECT_EQ(CsvField(""), "");
  EXPECT_EQ(CsvField("Москва; Kraków"), "Москва; Kraków");
  EXPECT_EQ(CsvField("Paris, France"), "\"Paris, France\"");
  EXPECT_EQ(CsvField("the \"Great\" Library"), "\"the \"\"Great\"\" Library\"");
  EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
  EXPECT_EQ(CsvField("two\rlines"), "\"two\rlines\"");
  EXPECT_EQ(CsvField("\""), "\"\"\"\"");
}

TEST(CsvText, ALineJoinsItsFieldsByCommasAndEndsWithALineFeed) {
  std::string out = "a\n";
  AppendCsvLine(std::vector<std::string>{"x", "y,z", ""}, out);
  EXPECT_EQ(out, "a\nx,\"y,z\",\n");
}

TEST(CsvText, BytesOutsideWellFormedUtf8BecomeReplacementCharacters) {
  const std::string r = "\xEF\xBF\xBD";
  EXPECT_EQ(ValidUtf8("Gr\xFC\xDF"), "Gr" + r + r);  // Latin-1 bytes
  EXPECT_EQ(ValidUtf8("\xC2\x80"), "\xC2\x80");       // U+0080, the first two-byte character
  EXPECT_EQ(ValidUtf8("\xC1\xBF"), r + r);            // overlong U+007F
  EXPECT_EQ(ValidUtf8("\xE0\xA0\x80"), "\xE0\xA0\x80");  // U+0800
  EXPECT_EQ(ValidUtf8("\xE0\x9F\xBF"), r + r + r);       // overlong U+07FF
  EXPECT_EQ(ValidUtf8("\xED\x9F\xBF"), "\xED\x9F\xBF");  // U+D7FF, the last before the surrogates
  EXPECT_EQ(ValidUtf8("\xED\xA0\x80"), r + r + r);       // U+D800, a surrogate
  EXPECT_EQ(ValidUtf8("\xF0\x90\x80\x80"), "\xF0\x90\x80\x80");  // U+10000
  EXPECT_EQ(ValidUtf8("\xF0\x8F\xBF\xBF"), r + r + r + r);       // overlong U+FFFF
  EXPECT_EQ(ValidUtf8("\xF4\x8F\xBF\xBF"), "\xF4\x8F\xBF\xBF");  // U+10FFFF, the last code point
  EXPECT_EQ(ValidUtf8("\xF4\x90\x80\x80"), r + r + r + r);       // above U+10FFFF
  EXPECT_EQ(ValidUtf8("ok\xD0"), "ok" + r);                      // cut off at the end
  EXPECT_EQ(ValidUtf8("\xD0x"), r + "x");                        // a lead byte without its follower
  EXPECT_EQ(CsvField("a,\xFF"), "\"a," + r + "\"");
}

TEST(CsvText, HundredthsPrintWithTwoDecimalsAndAPoint) {
  EXPECT_EQ(HundredthsText(0), "0.00");
  EXPECT_EQ(HundredthsText(7), "0.07");
  EXPECT_EQ(HundredthsText(1234), "12.34");
  EXPECT_EQ(HundredthsText(-5), "-0.05");
  EXPECT_EQ(HundredthsText(-100), "-1.00");
  EXPECT_EQ(HundredthsText(INT32_MIN), "-21474836.48");
  EXPECT_EQ(HundredthsText(INT64_MIN), "-92233720368547758.08");
}

TEST(CsvReader, ReadsQuotedFieldsAndRefusesEveryMalformedLine) {
  const CsvDocument good = ReadCsvStrict("a,\"b,\"\"c\"\"\nd\",\n\"\",x\n");
  ASSERT_EQ(good.Error, "");
  ASSERT_EQ(good.Rows.size(), 2u);
  EXPECT_EQ(good.Rows[0], (std::vector<std::string>{"a", "b,\"c\"\nd", ""}));
  EXPECT_EQ(good.Rows[1], (std::vector<std::string>{"", "x"}));
  EXPECT_EQ(ReadCsvStrict("").Rows.size(), 0u);
  for (const char* bad : {"a,b", "a\"b\n", "\"ab\n", "\"a\"b\n", "a\r\n", "\"a\"\r\n", "\xFF\n"}) {
    EXPECT_NE(ReadCsvStrict(bad).Error, "") << bad;
  }
}

}  // namespace
}  // namespace orv5::testing
