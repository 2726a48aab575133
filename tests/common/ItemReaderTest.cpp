// SPDX-License-Identifier: GPL-3.0-or-later
#include "common/ItemReader.h"
#include "common/LeadingNumber.h"
#include "common/Rounding.h"

#include <gtest/gtest.h>
#include <limits>

using namespace vsm;

static QStringList allItems(const QString& text) {
    ItemReader reader(text);
    QStringList items;
    while (auto item = reader.next()) items << *item;
    return items;
}

TEST(ItemReader, TakesItemsRegardlessOfLines) {
    struct Case {
        QString text;
        QStringList items;
    } cases[] = {
        {"a\r\nb\r\nc\r\n", {"a", "b", "c"}},
        {"a,b,c\r\n", {"a", "b", "c"}},
        {"a, b,\r\nc", {"a", "b", "c"}},
        {"  \"x, y\" ,z", {"x, y", "z"}},
        {"\"say \"\"hi\"\"\",next", {"say \"hi\"", "next"}},
        {"\"unterminated, rest", {"unterminated, rest"}},
        {"a\n\nb", {"a", "", "b"}},
        {"tail ", {"tail "}},
    };
    for (const auto& c : cases) EXPECT_EQ(allItems(c.text), c.items) << c.text.toStdString();
}

TEST(ItemReader, QuotesOnlyWhatWouldNotReadBack) {
    for (const QString& s : {QStringLiteral("plain"), QStringLiteral("a,b"), QStringLiteral("q\"q"),
                             QStringLiteral(" lead"), QStringLiteral("trail "), QString()}) {
        const QString written = ItemReader::quoteIfNeeded(s);
        EXPECT_EQ(allItems(written + "\r\nafter"), (QStringList{s, "after"})) << s.toStdString();
    }
    EXPECT_EQ(ItemReader::quoteIfNeeded("plain"), "plain");
}

TEST(LeadingNumber, ReadsTheLeadingDecimalNumberWithAPoint) {
    struct Case {
        QString text;
        double value;
    } cases[] = {{"12", 12},     {" 12.5mm", 12.5}, {"-3", -3},  {"12a", 12}, {"abc", 0},
                 {"", 0},        {".5", 0.5},       {"1,5", 1},  {"+7", 7},   {"1e3", 1000},
                 {"3.", 3},      {"-", 0},          {"\t42", 42}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.value) << c.text.toStdString();
    EXPECT_TRUE(std::isinf(leadingNumber("1e999")));
}

TEST(Rounding, HalvesGoToTheEvenNeighbour) {
    const std::pair<double, double> cases[] = {{12.5, 12}, {13.5, 14}, {-2.5, -2}, {2.49, 2},
                                               {18.5, 18}, {24.5, 24}, {20.35, 20}, {26.95, 27}};
    for (auto [in, out] : cases) EXPECT_EQ(roundHalfEven(in), out) << in;
    EXPECT_FALSE(toIntegerHalfEven<std::int16_t>(40000).has_value());
    EXPECT_FALSE(toIntegerHalfEven<std::int32_t>(1e12).has_value());
    EXPECT_EQ(toIntegerHalfEven<std::int16_t>(-1.4), -1);
    EXPECT_FALSE(checkedProduct<std::int32_t>(100000, 100000).has_value());
    EXPECT_EQ(checkedProduct<std::int16_t>(110, 297).value_or(0), 32670);
    EXPECT_FALSE(checkedProduct<std::int16_t>(111, 297).has_value());
}
