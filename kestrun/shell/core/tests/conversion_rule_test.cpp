// The text-to-integer rule without the toolkit: what it accepts at the edges
// of 32 bits, and that a refused text is reported once, quoted as typed.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/conversion_rule.h"

namespace {

using kestrun::ConvertInteger;

struct Reports {
  std::vector<std::string> messages;
  kestrun::ConversionReport sink() {
    return [this](const std::string& m) { messages.push_back(m); };
  }
};

TEST(ConvertInteger, AcceptsTheWholeInt32RangeWithoutAReport) {
  Reports reports;
  EXPECT_EQ(ConvertInteger("-2147483648", reports.sink()), INT32_MIN);
  EXPECT_EQ(ConvertInteger("+2147483647", reports.sink()), INT32_MAX);
  EXPECT_EQ(ConvertInteger("\t 16 \t", reports.sink()), 16);
  // Leading zeros do not count towards the size of the number.
  EXPECT_EQ(ConvertInteger("000000000000000000000000000032", reports.sink()), 32);
  EXPECT_EQ(ConvertInteger("-0", reports.sink()), 0);
  EXPECT_TRUE(reports.messages.empty());
}

TEST(ConvertInteger, RefusesOneStepPastEitherEnd) {
  Reports reports;
  EXPECT_FALSE(ConvertInteger("2147483648", reports.sink()));
  EXPECT_FALSE(ConvertInteger("-2147483649", reports.sink()));
  EXPECT_EQ(reports.messages.size(), 2u);
}

TEST(ConvertInteger, ReportsARefusedTextOnceQuotedByteForByte) {
  const std::string withNul{'1', '\0', '2'};
  for (const std::string& text :
       {std::string(), std::string("два"), std::string("12 x "), std::string("\n16"), withNul}) {
    Reports reports;
    EXPECT_FALSE(ConvertInteger(text, reports.sink()));
    ASSERT_EQ(reports.messages.size(), 1u) << text;
    EXPECT_EQ(reports.messages[0], "'" + text + "' is not a valid integer value");
  }
}

TEST(ConvertInteger, WorksWithoutAReceiver) {
  EXPECT_FALSE(ConvertInteger("abc", nullptr));
  EXPECT_EQ(ConvertInteger("7", nullptr), 7);
}

}  // namespace
