// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CoverCatalogue.h"
#include "common/TextFile.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>

using namespace vsm;

namespace {

CoverCatalogue loadBytes(const QByteArray& bytes, CoverCatalogue start = {}) {
    test::TempAppFolder dir(false);
    dir.write("/Covers.ini", bytes);
    start.load(dir.path("/Covers.ini"));
    return start;
}

QByteArray shippedBytes() {
    test::TempAppFolder dir;
    return dir.read("/Files/Covers.ini");
}

}  // namespace

TEST(Catalogue, ShippedFileHoldsTheTwentyTwoModels) {
    const QByteArray bytes = shippedBytes();
    EXPECT_EQ(bytes.count("\r\n"), CoverCatalogue::kFileLines);
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n"));
    const CoverCatalogue c = loadBytes(bytes);
    EXPECT_EQ(c.modelCount, 22);
    const struct {
        int index, w1, h1;
        const char* orientation;
        int w2, h2;
        const char* shape;
        const char *left1, *top1, *left2, *top2;
    } rows[] = {
        {0, 274, 183, "Orizzontale", 0, 0, "Rettangolo", "8", "10", "0", "0"},
        {1, 267, 183, "Orizzontale", 0, 0, "Rettangolo", "11", "10", "0", "0"},
        {3, 121, 120, "Verticale", 151, 118, "Rettangolo", "40", "10", "26", "145"},
        {11, 117, 117, "Verticale", 117, 117, "Cerchio", "42", "10", "42", "147"},
        {14, 80, 80, "Verticale", 80, 80, "Cerchio", "61", "10", "61", "100"},
        {20, 258, 148, "Orizzontale", 0, 0, "Rettangolo", "16", "27", "0", "0"},
        {21, 260, 148, "Orizzontale", 0, 0, "Rettangolo", "14", "27", "0", "0"},
    };
    for (const auto& r : rows) {
        SCOPED_TRACE(r.index);
        const CoverModel& m = *c.model(r.index);
        EXPECT_EQ(m.zone1Width, r.w1);
        EXPECT_EQ(m.zone1Height, r.h1);
        EXPECT_EQ(m.orientation, r.orientation);
        EXPECT_EQ(m.zone2Width, r.w2);
        EXPECT_EQ(m.zone2Height, r.h2);
        EXPECT_EQ(m.shape, r.shape);
        EXPECT_EQ(m.spareText, "0");
        EXPECT_EQ(m.zone1Left, r.left1);
        EXPECT_EQ(m.zone1Top, r.top1);
        EXPECT_EQ(m.zone2Left, r.left2);
        EXPECT_EQ(m.zone2Top, r.top2);
    }
    EXPECT_EQ(c.zone3Left, "61");
    EXPECT_EQ(c.zone3Top, "190");
}

TEST(Catalogue, ItemsMayShareLinesAndBeQuoted) {
    const QByteArray oneAPerLine = shippedBytes();
    const CoverCatalogue expected = loadBytes(oneAPerLine);
    // Twelve items a line, separated by commas, with a quoted tag holding commas.
    QStringList items = TextFile::splitLines(QString::fromLatin1(oneAPerLine));
    QByteArray packed;
    for (int i = 0; i < items.size(); ++i)
        packed += items[i].toLatin1() + ((i % 12 == 11) ? "\r\n" : ", ");
    EXPECT_EQ(loadBytes(packed), expected);
    items[0] = "\"DVD, 14 mm\"";
    const CoverCatalogue quoted = loadBytes(items.join("\r\n").toLatin1());
    EXPECT_EQ(quoted.model(0)->modelTag, "DVD, 14 mm");
    EXPECT_EQ(quoted.model(0)->zone1Width, 274);
    EXPECT_EQ(quoted.model(21)->zone1Width, 260);
}

TEST(Catalogue, WriterRoundTripsAndQuotesTextsThatNeedIt) {
    CoverCatalogue c = loadBytes(shippedBytes());
    c.model(0)->modelTag = "Box, \"deluxe\"";
    c.model(5)->spareText = " padded ";
    c.model(2)->zone1Width = -7;
    c.model(3)->zone1Left = "  40.5 ";
    c.zone3Left = " 61 ";
    test::TempAppFolder dir(false);
    ASSERT_TRUE(c.save(dir.path("/Covers.ini")));
    const QByteArray bytes = dir.read("/Covers.ini");
    EXPECT_EQ(bytes.count("\r\n"), CoverCatalogue::kFileLines);
    CoverCatalogue back;
    back.load(dir.path("/Covers.ini"));
    c.model(3)->zone1Left = "40.5";  // positions lose their outer spaces
    c.zone3Left = "61";
    EXPECT_EQ(back, c);
    EXPECT_TRUE(bytes.contains("\r\n-7\r\n"));
    // Zone 3 is written once, right after record 14.
    const QStringList lines = TextFile::splitLines(QString::fromLatin1(bytes));
    EXPECT_EQ(lines[15 * 12], "61");
    EXPECT_EQ(lines[15 * 12 + 1], "190");
}

TEST(Catalogue, ShortMissingOrOddFilesKeepWhatTheyDoNotReach) {
    CoverCatalogue start;
    start.model(1)->zone1Width = 999;
    start.model(0)->zone2Width = 5;
    const CoverCatalogue shortFile = loadBytes("TAG\r\n274\r\n183\r\nOrizzontale\r\n", start);
    EXPECT_EQ(shortFile.model(0)->zone1Width, 274);
    EXPECT_EQ(shortFile.model(0)->orientation, "Orizzontale");
    EXPECT_EQ(shortFile.model(0)->zone2Width, 5);
    EXPECT_EQ(shortFile.model(1)->zone1Width, 999);
    EXPECT_EQ(shortFile.modelCount, 22);

    CoverCatalogue missing = start;
    EXPECT_FALSE(missing.load("/nonexistent/Covers.ini"));
    EXPECT_EQ(missing.model(1)->zone1Width, 999);
    EXPECT_EQ(missing.modelCount, 22);

    // A number beyond 32 bits is consumed and keeps the old value; the rest follows.
    const CoverCatalogue huge = loadBytes("T,99999999999,12.5,P,-3,x\r\n", start);
    EXPECT_EQ(huge.model(0)->zone1Width, 0);
    EXPECT_EQ(huge.model(0)->zone1Height, 12);
    EXPECT_EQ(huge.model(0)->zone2Width, -3);
    EXPECT_EQ(huge.model(0)->zone2Height, 0);

    const CoverCatalogue binary = loadBytes(QByteArray("\x00\xFF\x01,\"\x80", 6));
    EXPECT_EQ(binary.modelCount, 22);
    EXPECT_EQ(binary.model(22), &binary.models[22]);
    EXPECT_EQ(binary.model(31), nullptr);
    EXPECT_EQ(binary.model(-1), nullptr);
}

TEST(Catalogue, AMegabyteLineFillsOneItem) {
    const QByteArray big(1024 * 1024, 'z');
    const CoverCatalogue c = loadBytes(big + "\r\n274\r\n");
    EXPECT_EQ(c.model(0)->modelTag.size(), big.size());
    EXPECT_EQ(c.model(0)->zone1Width, 274);
}
