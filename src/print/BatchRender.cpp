// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/BatchRender.h"

#include "model/Session.h"

#include "common/Rounding.h"
#include "common/Units.h"
#include "model/ModelScale.h"
#include "model/Refresh.h"
#include "print/CoverPage.h"
#include "print/SessionPrintValue.h"
#include "common/TextFile.h"
#include "project/ProjectFile.h"

#include <QFileInfo>
#include <QImage>
#include <QLocale>
#include <QSaveFile>
#include <cmath>

namespace vsm {

namespace {

bool isPng(const QString& path) { return path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive); }

// The model the cover is rendered for: the override, else the project's last line.
int modelOf(const RenderRequest& r) {
    if (r.model >= 0) return r.model;
    const auto lines = TextFile::readLines(r.project);
    return lines && lines->size() >= ProjectFile::kLines
               ? int(roundHalfEven(lines->at(ProjectFile::kLines - 1).trimmed().toDouble()))
               : -1;
}

// Pixels per inch the pictures are sent at: the page's, at most the print limit.
double pictureDpi(const RenderRequest& r) {
    return std::min<double>(r.dpi, kMaxPicturePixelsPerInch);
}

// Pixels the pictures need at most: the widest zone at the pictures' resolution,
// rounded up so that no zone gets fewer. Slim covers are cut from a picture made
// for the full box.
QSize picturePixelsNeeded(const Session& s, const RenderRequest& r) {
    const int model = modelOf(r);
    const CoverModel* m = s.catalogue.model(model);
    const CoverModel* box = s.catalogue.model(0);
    if (!m || !box) return {};
    const double w = std::max({m->zone1Width, m->zone2Width, box->zone1Width});
    const double h = std::max(m->zone1Height, m->zone2Height);
    const double pxPerMm = pictureDpi(r) / kMmPerInch;
    return QSize(int(std::ceil(w * pxPerMm)), int(std::ceil(h * pxPerMm)));
}

bool loadSession(Session& s, const RenderRequest& r, QString* error) {
    s.readSettings();
    s.loadCatalogue();
    s.modelCount = s.catalogue.modelCount;
    s.chooseLanguageIfBlank(QLocale::system());
    s.readLanguageFile();
    const ProjectFile::ReadOutcome outcome =
        ProjectFile::readInto(s, r.project, picturePixelsNeeded(s, r));
    // A cover is not printed from made-up pixels.
    if (!outcome.damagedPictures.isEmpty()) {
        *error = QStringLiteral("the picture %1 is damaged: only part of it could be read")
                     .arg(outcome.damagedPictures.first());
        return false;
    }
    if (!outcome.ok) {
        *error = outcome.error;
        return false;
    }
    s.model.currentModel = r.model >= 0 ? r.model : *outcome.currentModel;
    if (r.outline) s.outlineOn = true;
    return true;
}

PaperArea paperOf(const Session& s, const RenderRequest& r) {
    return a4Paper(printsPortrait(s, s.model.currentModel), r.marginsMm);
}

int failedSteps(int failures, QString* error) {
    if (failures == 0) return 0;
    *error = QStringLiteral("%1 print steps failed").arg(failures);
    return 3;
}

int renderPdf(const Session& s, const RenderRequest& r, QString* error) {
    const PrintValue cover = printValue(s, s.model.currentModel);
    const PageWrite outcome = writeCoverPdf(cover, paperOf(s, r), pictureDpi(r), r.output);
    if (!outcome.written) {
        *error = QStringLiteral("cannot write %1: %2").arg(r.output, outcome.fileError);
        return 3;
    }
    return failedSteps(outcome.failedSteps, error);
}

int renderPng(const Session& s, const RenderRequest& r, QString* error) {
    const PaperArea paper = paperOf(s, r);
    QImage page = blankPage(paper, r.dpi);
    if (page.isNull()) {
        *error = QStringLiteral("a page at %1 dpi is too large").arg(r.dpi);
        return 2;
    }
    bool saved = false;
    const int failures = drawCover(printValue(s, s.model.currentModel), paper, &page, pictureDpi(r), [&] {
        QSaveFile file(r.output);
        saved = file.open(QIODevice::WriteOnly) && page.save(&file, "PNG") && file.commit();
        return saved;
    });
    if (!saved) {
        *error = QStringLiteral("cannot write %1").arg(r.output);
        return 3;
    }
    return failedSteps(failures, error);
}

}  // namespace

QString renderUsage() {
    return QStringLiteral(
        "usage: vessomar-render PROJECT.vsm OUT.pdf|OUT.png [--model N] [--outline] [--dpi N] "
        "[--margins MM]");
}

bool parseRenderArguments(const QStringList& args, RenderRequest& r, QString* error) {
    QStringList files;
    for (int i = 0; i < args.size(); ++i) {
        const QString& a = args[i];
        const auto number = [&](double& out) {
            bool ok = false;
            out = args.value(++i).toDouble(&ok);
            if (!ok) *error = QStringLiteral("%1 needs a number").arg(a);
            return ok;
        };
        double value = 0;
        if (a == QLatin1String("--outline")) {
            r.outline = true;
        } else if (a == QLatin1String("--model")) {
            if (!number(value)) return false;
            r.model = int(value);
        } else if (a == QLatin1String("--dpi")) {
            if (!number(value)) return false;
            r.dpi = int(value);
        } else if (a == QLatin1String("--margins")) {
            if (!number(value)) return false;
            r.marginsMm = value;
        } else if (a.startsWith(QLatin1String("--"))) {
            *error = QStringLiteral("unknown option %1").arg(a);
            return false;
        } else {
            files << a;
        }
    }
    if (files.size() != 2) {
        *error = renderUsage();
        return false;
    }
    r.project = files[0];
    r.output = files[1];
    if (r.dpi < 10 || r.dpi > 2400) {
        *error = QStringLiteral("--dpi must lie between 10 and 2400");
        return false;
    }
    return true;
}

int renderCover(const RenderRequest& r, const QString& appFolder, QString* error) {
    if (!QFileInfo(r.project).isFile()) {
        *error = QStringLiteral("cannot read the project %1").arg(r.project);
        return 1;
    }
    Session s;
    s.folder = withWritableFiles(AppFolder{appFolder, {}});
    if (!loadSession(s, r, error)) return 1;
    if (!s.catalogue.model(s.model.currentModel) ||
        s.model.currentModel >= s.catalogue.modelCount) {
        *error = QStringLiteral("unknown model %1").arg(s.model.currentModel);
        return 2;
    }
    // The print needs the pictures and the scale, not their places in a window.
    applyModelScaleAtLoadHeight(s);
    refreshPictures(s);
    return isPng(r.output) ? renderPng(s, r, error) : renderPdf(s, r, error);
}

}  // namespace vsm
