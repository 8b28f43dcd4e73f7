#include "settings/BasicInteger.h"

#include <gtest/gtest.h>

namespace pav::settings {
namespace {

struct Case {
    const char* text;
    std::optional<std::int32_t> value;
};

TEST(BasicIntegerValue, ReadsTypedNumbersRoundingHalvesToEven) {
    const Case cases[] = {
        {"12", 12},
        {" 12", 12},
        {"12 ", 12},
        {"\t7\t", 7},
        {"+5", 5},
        {"-5", -5},
        {"007", 7},
        {"3.5", 4},
        {"2.5", 2},
        {"-2.5", -2},
        {"-3.5", -4},
        {"2.5000001", 3},
        {"2.4999999", 2},
        {"0.5", 0},
        {".5", 0},
        {".51", 1},
        {"3.", 3},
        {"1e2", 100},
        {"25E-1", 2},
        {"1.5e1", 15},
        {"0e999999999999", 0},
        {"1e-999999999999", 0},
        {"2147483647", 2147483647},
        {"2147483647.4", 2147483647},
        {"2147483647.5", std::nullopt},
        {"-2147483648", INT32_MIN},
        {"-2147483648.5", INT32_MIN},
        {"-2147483649", std::nullopt},
        {"99999999999", std::nullopt},
        {"1e10", std::nullopt},
        {"1e999999999999", std::nullopt},
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"+", std::nullopt},
        {".", std::nullopt},
        {"a", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {"- 5", std::nullopt},
        {"1,000", std::nullopt},
        {"&H10", std::nullopt},
        {"1e", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"\xEF\xBC\x91\xEF\xBC\x92", std::nullopt}, // full-width "１２"
    };
    for (const Case& c : cases)
        EXPECT_EQ(basicIntegerValue(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
} // namespace pav::settings
