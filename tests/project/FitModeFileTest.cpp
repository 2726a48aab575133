// SPDX-License-Identifier: GPL-3.0-or-later
// The fit modes in the project file: optional lines 16 to 18 after the 15 lines
// that every reader of the file knows.
#include "common/TextFile.h"
#include "project/ProjectFile.h"
#include "support/Pictures.h"
#include "support/SessionFixture.h"

#include <gtest/gtest.h>

using namespace vsm;

namespace {

struct ProjectFixture : test::SessionFixture {
    QString picture;

    ProjectFixture() {
        session.modelCount = session.catalogue.modelCount;
        picture = dir.path("/photo.png");
        test::solidPicture(40, 30, Qt::red).save(picture);
        session.pictureSlots.put(1, test::solidPicture(40, 30, Qt::red), picture);
        session.titles.coverTitleText = QStringLiteral("Cover");
    }
    void setModes(FitMode a, FitMode b, FitMode c) {
        session.pictureSlots[1].mode = a;
        session.pictureSlots[2].mode = b;
        session.pictureSlots[3].mode = c;
    }
    std::array<FitMode, 3> modes() const {
        return {session.pictureSlots[1].mode, session.pictureSlots[2].mode,
                session.pictureSlots[3].mode};
    }
    QStringList saved(int model = 3) {
        QString error;
        EXPECT_TRUE(ProjectFile::WriteProject(session, model, dir.path("/p.vsm"), &error))
            << error.toStdString();
        return TextFile::readLines(dir.path("/p.vsm")).value_or(QStringList());
    }
    ProjectFile::ReadOutcome open(const QStringList& lines) {
        return ProjectFile::readLinesInto(session, lines);
    }
};

using Modes = std::array<FitMode, 3>;

}  // namespace

TEST(FitModeFile, ModesRoundTripInLinesSixteenToEighteen) {
    ProjectFixture f;
    const QStringList stretched = f.saved();
    f.setModes(FitMode::Fill, FitMode::Stretch, FitMode::Fit);
    const QStringList lines = f.saved();
    ASSERT_EQ(lines.size(), 18);
    EXPECT_EQ(lines.mid(15), (QStringList{" 1 ", " 0 ", " 2 "}));
    // Lines 1 to 15 are what a composition without modes writes.
    EXPECT_EQ(lines.mid(0, 15), stretched);

    f.setModes(FitMode::Stretch, FitMode::Stretch, FitMode::Stretch);
    const auto outcome = f.open(lines);
    ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
    EXPECT_EQ(f.modes(), (Modes{FitMode::Fill, FitMode::Stretch, FitMode::Fit}));
    EXPECT_EQ(f.session.pictureSlots[1].path, f.picture);
}

// A composition that never leaves Stretch keeps the 15 lines of every earlier file.
TEST(FitModeFile, AllStretchedWritesFifteenLines) {
    ProjectFixture f;
    EXPECT_EQ(f.saved().size(), ProjectFile::kLines);
}

// An older file, or a reader of the first 15 lines only, gets the same project; the
// modes the session had before are not kept.
TEST(FitModeFile, FifteenLinesOpenTheSameProjectStretched) {
    ProjectFixture f;
    f.setModes(FitMode::Fit, FitMode::Fill, FitMode::Fit);
    const QStringList lines = f.saved(5);
    const auto full = f.open(lines);
    ASSERT_TRUE(full.ok);
    const QString cover = f.session.titles.coverTitleText;
    f.session.titles.coverTitleText.clear();
    const auto first15 = f.open(lines.mid(0, ProjectFile::kLines));
    ASSERT_TRUE(first15.ok) << first15.error.toStdString();
    EXPECT_EQ(first15.currentModel, full.currentModel);
    EXPECT_EQ(f.session.titles.coverTitleText, cover);
    EXPECT_EQ(f.session.pictureSlots[1].path, f.picture);
    EXPECT_EQ(f.modes(), (Modes{FitMode::Stretch, FitMode::Stretch, FitMode::Stretch}));
}

// A damaged or hand-edited mode line opens as Stretch and the rest of the project
// opens as usual.
TEST(FitModeFile, UnreadableModesOpenAsStretch) {
    ProjectFixture f;
    f.setModes(FitMode::Fill, FitMode::Fill, FitMode::Fill);
    const QStringList lines = f.saved().mid(0, ProjectFile::kLines);
    const struct {
        QStringList extra;
        Modes modes;
    } cases[] = {
        {{" 3 ", "-1 ", " 2 "}, {FitMode::Stretch, FitMode::Stretch, FitMode::Fit}},
        {{"Fill", " 1.5 ", ""}, {FitMode::Stretch, FitMode::Stretch, FitMode::Stretch}},
        {{" 99999999999999999999 ", " 1"}, {FitMode::Stretch, FitMode::Fill, FitMode::Stretch}},
        {{" 2 ", " 2 ", " 2 ", "more"}, {FitMode::Fit, FitMode::Fit, FitMode::Fit}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.extra.join('|').toStdString());
        f.setModes(FitMode::Fill, FitMode::Fill, FitMode::Fill);
        const auto outcome = f.open(lines + c.extra);
        ASSERT_TRUE(outcome.ok) << outcome.error.toStdString();
        EXPECT_EQ(f.modes(), c.modes);
    }
}
