// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's preview clips a disc face as the print does, titles too.
#include "support/MainWindow.h"
#include "support/Pictures.h"
#include "ui/PreviewWidgets.h"

#include <gtest/gtest.h>
#include <QLineEdit>
#include <QTest>
#include <cmath>

using namespace vsm;

namespace {

struct Window : test::MainWindow {
    explicit Window(bool clip)
        : MainWindow(Start{QString(), true, [clip](test::TempAppFolder& dir) {
                               if (clip)
                                   dir.write("/Files/Output.ini", "ClipDiscs=1\r\nHole=41\r\n");
                           }}) {}

    void show(QColor picture, int model) {
        for (int n = 1; n <= 3; ++n)
            form.session().pictureSlots.put(n, test::solidPicture(300, 300, picture), QString());
        form.selectModel(model);
    }
};

// What a zone's preview shows, by distance from its disc's centre in diameters.
struct Rings {
    int hole = 0, disc = 0, outside = 0;  // pixels that are not white
};

Rings coloured(const QImage& shown) {
    Rings r;
    const double d = shown.width(), cx = d / 2, cy = d / 2;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) {
            const double at = std::hypot(x + 0.5 - cx, y + 0.5 - cy) / d;
            const bool white = qGray(shown.pixel(x, y)) > 245;
            const double edge = 1.5 / d;  // the soft edges are neither
            if (at < 41.0 / 117 / 2 - edge)
                r.hole += !white;
            else if (at > 41.0 / 117 / 2 + edge && at < 0.5 - edge)
                r.disc += !white;
            else if (at > 0.5 + edge)
                r.outside += !white;
        }
    return r;
}

}  // namespace

// Output.ini read at start switches it on; the hole and the corners show the sheet.
TEST(DiscClipPreview, TheDiscFaceShowsOnlyOnTheDisc) {
    for (bool clip : {false, true}) {
        SCOPED_TRACE(clip);
        Window w(clip);
        w.show(Qt::gray, 11);
        for (const char* zone : {"Image1", "Image2"}) {
            auto* view = w.child<ZoneView>(zone);
            ASSERT_TRUE(view && view->isVisible()) << zone;
            const Rings r = coloured(view->grab().toImage());
            EXPECT_GT(r.disc, 0) << zone;
            EXPECT_EQ(r.hole == 0, clip) << zone;
            EXPECT_EQ(r.outside == 0, clip) << zone;
        }
    }
}

// Switching the clipping off changes only the mask: the zone's cached copy notices.
TEST(DiscClipPreview, SwitchingItOffRedrawsTheShownDisc) {
    Window w(true);
    w.show(Qt::gray, 10);
    auto* view = w.child<ZoneView>("Image1");
    EXPECT_EQ(coloured(view->grab().toImage()).hole, 0);
    w.form.session().output.clipDiscs = false;
    w.form.selectModel(10);
    const Rings r = coloured(view->grab().toImage());
    EXPECT_GT(r.hole, 0);
    EXPECT_GT(r.outside, 0);
}

// A title too long for its chord runs off the disc unless the face is clipped.
TEST(DiscClipPreview, TitlesAreClippedWithThePicture) {
    for (bool clip : {false, true}) {
        SCOPED_TRACE(clip);
        Window w(clip);
        w.show(Qt::white, 10);
        auto* view = w.child<ZoneView>("Image1");
        const QImage before = view->grab().toImage();  // fills the cache before the title
        QTest::keyClicks(w.child<QLineEdit>("Text1"), "WWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWWW");
        const Rings r = coloured(view->grab().toImage());
        EXPECT_GT(r.disc, 0) << "the title shows on the disc";
        EXPECT_EQ(r.outside == 0, clip);
    }
}
