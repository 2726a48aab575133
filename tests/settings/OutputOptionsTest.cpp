// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/OutputOptions.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>

using namespace vsm;

TEST(OutputOptionsFile, MissingReadsAsDefaultsAndWhatIsWrittenReadsBack) {
    test::TempAppFolder dir;
    const QString file = OutputOptions::fileIn(dir.folder().dataFilesFolder());
    EXPECT_TRUE(file.endsWith("/Files/Output.ini"));
    QStringList warnings;
    EXPECT_EQ(OutputOptions::read(file, &warnings), OutputOptions{});
    EXPECT_TRUE(warnings.isEmpty());

    const OutputOptions chosen{2.5, true, true, 38.5};
    ASSERT_TRUE(chosen.write(file));
    EXPECT_EQ(OutputOptions::read(file, &warnings), chosen);
    EXPECT_TRUE(warnings.isEmpty()) << warnings.join('\n').toStdString();
    EXPECT_TRUE(dir.read("/Files/Output.ini").contains("Bleed=2.5\r\n"));
}

// A hand-edited value that cannot be used is named with its line and its
// default kept; the good lines still count.
TEST(OutputOptionsFile, BadValuesAreSkippedWithTheirLine) {
    test::TempAppFolder dir;
    dir.write("/Files/Output.ini",
              "[Output]\r\nBleed=7\r\nCropMarks=yes\r\nClipDiscs=1\r\n"
              "Hole=4,1\r\nColour=red\r\nnonsense\r\nHole=12\r\n");
    QStringList warnings;
    const OutputOptions read = OutputOptions::read(dir.path("/Files/Output.ini"), &warnings);
    EXPECT_EQ(read.bleedMm, 0);
    EXPECT_FALSE(read.cropMarks);
    EXPECT_TRUE(read.clipDiscs);
    EXPECT_EQ(read.holeMm, 41);
    const char* expected[][2] = {{":2: ", "bleed 7 mm is outside 0–5 mm"},
                                 {":3: ", "CropMarks \"yes\""},
                                 {":5: ", "\"4,1\" is not a number"},
                                 {":6: ", "unknown key \"Colour\""},
                                 {":7: ", "\"nonsense\""},
                                 {":8: ", "hole diameter 12 mm is outside 15–46 mm"}};
    ASSERT_EQ(warnings.size(), int(std::size(expected))) << warnings.join('\n').toStdString();
    for (int i = 0; i < warnings.size(); ++i) {
        EXPECT_TRUE(warnings[i].contains(expected[i][0])) << warnings[i].toStdString();
        EXPECT_TRUE(warnings[i].contains(QString::fromUtf8(expected[i][1])))
            << warnings[i].toStdString();
    }
}
