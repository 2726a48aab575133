// SPDX-License-Identifier: GPL-3.0-or-later
#include "model/CaseKinds.h"
#include "model/Templates.h"
#include "support/SessionFixture.h"
#include "support/Pictures.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace vsm;

namespace {

QImage colouredPicture(QColor c) {
    return test::solidPicture(64, 48, c);
}

}  // namespace

TEST(Templates, ShippedFilesExistForEveryModel) {
    test::SessionFixture f;
    for (int model = 0; model <= 21; ++model)
        for (const QString& relative : caseKind(model).templates)
            if (!relative.isEmpty())
                EXPECT_TRUE(QFile::exists(f.dir.path(relative))) << relative.toStdString();
    EXPECT_TRUE(caseKind(20).templates[0].endsWith("01 Empty Smile 7 mm.jpg"));
    EXPECT_TRUE(caseKind(21).templates[0].endsWith("02 Empty Smile 9 mm.jpg"));
}

TEST(Templates, FreeSlotsTakeTheModelsTemplatesAndUserPicturesStay) {
    test::SessionFixture f;
    Session& s = f.refresh(3);
    EXPECT_EQ(s.pictureSlots[1].path, f.dir.path("/Modelli/CD-DVD Front/01 Empty Smile.jpg"));
    EXPECT_EQ(s.pictureSlots[2].path, f.dir.path("/Modelli/CD-DVD Back/01 Empty Smile.jpg"));
    EXPECT_TRUE(s.pictureSlots[3].path.isEmpty());
    EXPECT_EQ(s.pictureSlots.master.source().cacheKey(), s.pictureSlots[1].picture.source().cacheKey());
    EXPECT_NE(s.pictureSlots[1].picture.source().size(), blankPicture().size());

    // A picture of the user's own in slot 1 survives every model change; slot 2's
    // back card has no template in model 0 and goes back to blank.
    const QImage mine = colouredPicture(Qt::green);
    s.pictureSlots.put(1, mine, "/home/u/holiday.jpg");
    f.refresh(0);
    EXPECT_EQ(s.pictureSlots[1].path, "/home/u/holiday.jpg");
    EXPECT_EQ(s.pictureSlots.master.source().cacheKey(), mine.cacheKey());
    EXPECT_TRUE(s.pictureSlots[2].path.isEmpty());
    EXPECT_EQ(s.pictureSlots[2].picture.source().size(), blankPicture().size());
    f.refresh(12);
    EXPECT_EQ(s.pictureSlots[1].path, "/home/u/holiday.jpg");
    EXPECT_TRUE(s.pictureSlots[2].path.endsWith("CD-DVD/01 Empty Smile.jpg"));
}

TEST(Templates, TemplateMarksAreExactAndPerSlot) {
    const struct {
        int slot;
        const char* path;
        bool isTemplate;
    } cases[] = {
        {1, "/home/u/My 01 Empty Smile.jpg", true},
        {2, "/x/01 Empty Smile.jpg", true},
        {1, "/x/01 empty smile.jpg", false},
        {1, "/x/01 Empty Smile.JPG", false},
        {1, "/x/Empty Smile 7 mm.jpg", true},
        {1, "/x/02 Empty Smile 9 mm.jpg", true},
        {2, "/x/Empty Smile 7 mm.jpg", false},
        {3, "/x/Empty Smile 9 mm.jpg", false},
        {1, "", false},
    };
    for (const auto& c : cases) EXPECT_EQ(isTemplatePath(c.slot, c.path), c.isTemplate) << c.path;

    // A user's own file named like a template is replaced at the next refresh.
    test::SessionFixture f;
    f.session.pictureSlots.put(1, colouredPicture(Qt::blue), "/home/u/Cover 01 Empty Smile.jpg");
    f.refresh(9);
    EXPECT_EQ(f.session.pictureSlots[1].path, f.dir.path("/Modelli/VHS/01 Empty Smile.jpg"));
    // In slot 2 a 7 mm name is the user's.
    f.session.pictureSlots.put(2, colouredPicture(Qt::blue), "/home/u/Empty Smile 7 mm.jpg");
    f.refresh(3);
    EXPECT_EQ(f.session.pictureSlots[2].path, "/home/u/Empty Smile 7 mm.jpg");
}

TEST(Templates, AreDecodedOnceAndServedFromTheCache) {
    test::SessionFixture f;
    f.refresh(0);
    const qint64 first = f.session.pictureSlots[1].picture.source().cacheKey();
    f.refresh(0);
    f.refresh(16);
    EXPECT_EQ(f.session.pictureSlots[1].picture.source().cacheKey(), first);
}
