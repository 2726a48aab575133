// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/BatchRender.h"

#include "model/Session.h"

#include "common/Rounding.h"
#include "common/Units.h"
#include "model/ModelScale.h"
#include "model/PictureFit.h"
#include "model/Refresh.h"
#include "print/CorrectedJob.h"
#include "print/CoverPage.h"
#include "print/PrinterCalibration.h"
#include "print/SessionPrintValue.h"
#include "common/TextFile.h"
#include "project/ProjectFile.h"

#include <QCommandLineParser>
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

// Output.ini as the window reads it, with the command line's choices over it.
void readOutputOptions(Session& s, const RenderRequest& r, QStringList* notes) {
    s.readOutputOptions(notes);
    OutputOptions& o = s.output;
    if (r.bleedMm) o.bleedMm = *r.bleedMm;
    if (r.cropMarks) o.cropMarks = *r.cropMarks;
    if (r.clipDiscs) o.clipDiscs = *r.clipDiscs;
    if (r.holeMm) o.holeMm = *r.holeMm;
}

PaperArea paperOf(const Session& s, const RenderRequest& r) {
    return a4Paper(printsPortrait(s, s.model.currentModel), r.marginsMm);
}

int failuresToExit(int failures, QString* error) {
    if (failures == 0) return 0;
    *error = QStringLiteral("%1 print steps failed").arg(failures);
    return 3;
}

int renderPdf(const RenderRequest& r, const PaperArea& paper, const PageDrawing& draw,
              QString* error) {
    const PageWrite outcome = writePdf(paper, pictureDpi(r), r.output, draw);
    if (!outcome.written) {
        *error = QStringLiteral("cannot write %1: %2").arg(r.output, outcome.fileError);
        return 3;
    }
    return failuresToExit(outcome.failedSteps, error);
}

int renderPng(const RenderRequest& r, const PaperArea& paper, const PageDrawing& draw,
              QString* error) {
    QImage page = blankPage(paper, r.dpi);
    if (page.isNull()) {
        *error = QStringLiteral("a page at %1 dpi is too large").arg(r.dpi);
        return 2;
    }
    bool saved = false;
    const int failures = drawPage(paper, &page, pictureDpi(r), draw, [&] {
        QSaveFile file(r.output);
        saved = file.open(QIODevice::WriteOnly) && page.save(&file, "PNG") && file.commit();
        return saved;
    });
    if (!saved) {
        *error = QStringLiteral("cannot write %1").arg(r.output);
        return 3;
    }
    return failuresToExit(failures, error);
}

int renderFile(const RenderRequest& r, const PaperArea& paper, const PageDrawing& draw,
               QString* error) {
    return isPng(r.output) ? renderPng(r, paper, draw, error) : renderPdf(r, paper, draw, error);
}

// Chooses the queue and hands it the job's settings; 0 when it took them all.
int preparePrinter(PrinterSystem* printers, const RenderRequest& r,
                   PrinterSystem::Orientation orientation, QString* error) {
    if (!printers || !printers->printerNames().contains(r.printer)) {
        const QStringList installed = printers ? printers->printerNames() : QStringList();
        *error = QStringLiteral("no printer queue %1; installed: %2")
                     .arg(r.printer, installed.isEmpty() ? QStringLiteral("none")
                                                         : installed.join(QStringLiteral(", ")));
        return 2;
    }
    if (!printers->setCurrentPrinter(r.printer)) {
        *error = QStringLiteral("the printer queue %1 cannot be chosen").arg(r.printer);
        return 2;
    }
    if (r.quality && !printers->setPrintQuality(*r.quality)) {
        *error = QStringLiteral("the printer %1 does not accept --quality %2")
                     .arg(r.printer).arg(*r.quality);
        return 2;
    }
    printers->setOrientation(r.orientation.value_or(orientation));
    printers->setCopies(r.copies);
    return 0;
}

UiText interfaceTexts(const QString& appFolder) {
    Session s;
    s.folder = withWritableFiles(AppFolder{appFolder, {}});
    s.readSettings();
    s.chooseLanguageIfBlank(QLocale::system());
    s.readLanguageFile();
    return s.uiText;
}

int renderCalibrationPage(const RenderRequest& r, const QString& appFolder, QString* error,
                          PrinterSystem* printers) {
    const UiText texts = interfaceTexts(appFolder);
    const auto draw = [&](PrintSurface& surface, QPointF origin) {
        return drawCalibrationPage(surface, origin, texts) ? 0 : 1;
    };
    if (r.printer.isEmpty()) return renderFile(r, a4Paper(true, r.marginsMm), draw, error);
    if (const int bad = preparePrinter(printers, r, PrinterSystem::Orientation::Portrait, error))
        return bad;
    const CalibrationPageResult printed = printCalibrationPage(*printers, texts);
    if (printed == CalibrationPageResult::NoPage) {
        *error = QStringLiteral("the printer %1 gives no page to print on").arg(r.printer);
        return 3;
    }
    return failuresToExit(printed == CalibrationPageResult::StepFailed ? 1 : 0, error);
}

int printOnPrinter(const Session& s, const RenderRequest& r, PrinterSystem* printers,
                   QString* error, QStringList* notes) {
    const auto modelOrientation = printsPortrait(s, s.model.currentModel)
                                      ? PrinterSystem::Orientation::Portrait
                                      : PrinterSystem::Orientation::Landscape;
    if (const int bad = preparePrinter(printers, r, modelOrientation, error)) return bad;
    int failures = 0;
    CorrectedJobCalls calls;
    const auto note = [notes](const QString& text) {
        if (notes) *notes << text;
    };
    calls.printAnyway = [&](const QString& warning) {
        note(warning.section(QLatin1Char('\n'), 0, -3));  // without the question
        return true;
    };
    calls.notify = note;
    calls.fileWarning = note;
    calls.stepFailed = [&] { ++failures; };
    printCorrectedCover(printers, s.folder.dataFilesFolder(), s.uiText,
                        printValue(s, s.model.currentModel), calls);
    return failuresToExit(failures, error);
}

}  // namespace

namespace {

struct Options {
    QCommandLineOption model{QStringLiteral("model"), QStringLiteral("Print as case model N instead of the project's."), QStringLiteral("N")};
    QCommandLineOption outline{QStringLiteral("outline"), QStringLiteral("Draw the cut outlines.")};
    QCommandLineOption dpi{QStringLiteral("dpi"), QStringLiteral("Resolution of a PNG page and of the pictures in a PDF (10-2400, default 300)."), QStringLiteral("N")};
    QCommandLineOption margins{QStringLiteral("margins"), QStringLiteral("In a file, start the printable area MM from the paper's edges, as a printer does."), QStringLiteral("MM")};
    QCommandLineOption printer{QStringLiteral("printer"), QStringLiteral("Print on the CUPS queue QUEUE, with its stored calibration, instead of writing a file."), QStringLiteral("QUEUE")};
    QCommandLineOption copies{QStringLiteral("copies"), QStringLiteral("With --printer: number of copies (default 1)."), QStringLiteral("N")};
    QCommandLineOption quality{QStringLiteral("quality"), QStringLiteral("With --printer: -4 high, -3 medium, -2 low, -1 draft."), QStringLiteral("CODE")};
    QCommandLineOption orientation{QStringLiteral("orientation"), QStringLiteral("With --printer: portrait or landscape (default: the case model's)."), QStringLiteral("portrait|landscape")};
    QCommandLineOption bleed{QStringLiteral("bleed"), QStringLiteral("Print each picture MM (0-5) past its trim line, for cutting; default: Output.ini's."), QStringLiteral("MM")};
    QCommandLineOption cropMarks{QStringLiteral("crop-marks"), QStringLiteral("Draw crop marks at every zone's trim corners.")};
    QCommandLineOption noCropMarks{QStringLiteral("no-crop-marks"), QStringLiteral("Draw no crop marks, whatever Output.ini says.")};
    QCommandLineOption clipDiscs{QStringLiteral("clip-discs"), QStringLiteral("Print disc faces only on the disc, the centre hole left white.")};
    QCommandLineOption noClipDiscs{QStringLiteral("no-clip-discs"), QStringLiteral("Print disc faces whole, whatever Output.ini says.")};
    QCommandLineOption hole{QStringLiteral("hole"), QStringLiteral("With disc clipping: the centre hole's diameter, MM (15-46, default: Output.ini's, else 41)."), QStringLiteral("MM")};
    QCommandLineOption calibration{QStringLiteral("calibration-page"), QStringLiteral("Write or print the printer calibration page instead of a cover; takes no project.")};
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, QStringLiteral("Show this help and exit.")};
    QCommandLineOption version{{QStringLiteral("v"), QStringLiteral("version")}, QStringLiteral("Show the version and exit.")};

    void addTo(QCommandLineParser& p) const {
        p.setApplicationDescription(QStringLiteral(
            "Prints a Vessomar project's cover at true size into a PDF or PNG file, or onto a "
            "printer.\n\n"
            "  vessomar-render PROJECT.vsm OUT.pdf|OUT.png [options]\n"
            "  vessomar-render PROJECT.vsm --printer QUEUE [options]\n"
            "  vessomar-render --calibration-page OUT.pdf|OUT.png | --printer QUEUE\n\n"
            "Exit codes: 0 done, 1 the project or a picture cannot be read, 2 wrong usage, "
            "unknown model or printer, or an option the printer refuses, 3 the output cannot "
            "be written, a print step failed or the printer refused the job."));
        p.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
        for (const QCommandLineOption* o :
             {&model, &outline, &bleed, &cropMarks, &noCropMarks, &clipDiscs, &noClipDiscs, &hole,
              &dpi, &margins, &printer,
              &copies, &quality, &orientation, &calibration, &help, &version})
            p.addOption(*o);
        p.addPositionalArgument(QStringLiteral("PROJECT.vsm"), QStringLiteral("The project to print."));
        p.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("The PDF or PNG file to write."));
    }
};

bool numberOption(const QCommandLineParser& p, const QCommandLineOption& o, double& out,
                  QString* error) {
    if (!p.isSet(o)) return true;
    bool ok = false;
    out = p.value(o).toDouble(&ok);
    if (!ok || !std::isfinite(out))
        *error = QStringLiteral("--%1 needs a number, not \"%2\"").arg(o.names().constLast(), p.value(o));
    return ok && std::isfinite(out);
}

// A millimetre option within the output options' range; error says why not.
bool outputMm(const QCommandLineParser& p, const QCommandLineOption& o,
              QString (*problem)(double), std::optional<double>& out, QString* error) {
    if (!p.isSet(o)) return true;
    double mm = 0;
    if (!numberOption(p, o, mm, error)) return false;
    if (const QString why = problem(mm); !why.isEmpty()) {
        *error = QStringLiteral("--%1: %2").arg(o.names().constLast(), why);
        return false;
    }
    out = mm;
    return true;
}

// A switch and its "no-" twin: on, off or Output.ini's; error when both are given.
bool switchOption(const QCommandLineParser& p, const QCommandLineOption& on,
                  const QCommandLineOption& off, std::optional<bool>& out, QString* error) {
    if (p.isSet(on) && p.isSet(off)) {
        *error = QStringLiteral("--%1 and --%2 cannot both be given")
                     .arg(on.names().constLast(), off.names().constLast());
        return false;
    }
    if (p.isSet(on) || p.isSet(off)) out = p.isSet(on);
    return true;
}

bool parseOutputOptions(const QCommandLineParser& p, const Options& o, RenderRequest& r,
                        QString* error) {
    return switchOption(p, o.cropMarks, o.noCropMarks, r.cropMarks, error) &&
           switchOption(p, o.clipDiscs, o.noClipDiscs, r.clipDiscs, error) &&
           outputMm(p, o.bleed, &OutputOptions::bleedProblem, r.bleedMm, error) &&
           outputMm(p, o.hole, &OutputOptions::holeProblem, r.holeMm, error);
}

}  // namespace

QString renderUsage() {
    QCommandLineParser parser;
    Options().addTo(parser);
    QString text = parser.helpText();
    // Qt names the program as it was started; the usage names it as installed.
    const int options = text.indexOf(QLatin1String(" [options]"));
    if (text.startsWith(QLatin1String("Usage: ")) && options > 0)
        text.replace(7, options - 7, QStringLiteral("vessomar-render"));
    return text;
}

bool parseRenderArguments(const QStringList& args, RenderRequest& r, QString* error) {
    QCommandLineParser p;
    const Options o;
    o.addTo(p);
    if (!p.parse(QStringList{QStringLiteral("vessomar-render")} + args)) {
        *error = p.errorText();
        return false;
    }
    r.help = p.isSet(o.help);
    r.version = p.isSet(o.version);
    if (r.help || r.version) return true;
    double model = r.model, dpi = r.dpi, copies = r.copies, quality = 0;
    if (!numberOption(p, o.model, model, error) || !numberOption(p, o.dpi, dpi, error) ||
        !numberOption(p, o.margins, r.marginsMm, error) ||
        !numberOption(p, o.copies, copies, error) || !numberOption(p, o.quality, quality, error))
        return false;
    if (!parseOutputOptions(p, o, r, error)) return false;
    r.model = int(model);
    r.dpi = int(dpi);
    r.outline = p.isSet(o.outline);
    r.printer = p.value(o.printer);
    r.calibrationPage = p.isSet(o.calibration);
    const QStringList files = p.positionalArguments();
    const int wanted = (r.calibrationPage ? 0 : 1) + (r.printer.isEmpty() ? 1 : 0);
    if (p.isSet(o.printer) && r.printer.isEmpty()) {
        *error = QStringLiteral("--printer needs a queue name");
        return false;
    }
    if (files.size() != wanted) {
        *error = QStringLiteral("expected %1 but got %2 file names; see --help")
                     .arg(r.calibrationPage ? (r.printer.isEmpty() ? "OUT" : "none")
                                            : (r.printer.isEmpty() ? "PROJECT.vsm and OUT" : "PROJECT.vsm"))
                     .arg(files.size());
        return false;
    }
    if (!r.calibrationPage) r.project = files.value(0);
    if (r.printer.isEmpty()) r.output = files.constLast();
    if (r.dpi < 10 || r.dpi > 2400) {
        *error = QStringLiteral("--dpi must lie between 10 and 2400");
        return false;
    }
    const bool printerOnly = p.isSet(o.copies) || p.isSet(o.quality) || p.isSet(o.orientation);
    if (printerOnly && r.printer.isEmpty()) {
        *error = QStringLiteral("--copies, --quality and --orientation go with --printer");
        return false;
    }
    if (copies < 1 || copies > 999 || copies != int(copies)) {
        *error = QStringLiteral("--copies must be a whole number from 1 to 999");
        return false;
    }
    r.copies = int(copies);
    if (p.isSet(o.quality)) {
        if (quality < -4 || quality > -1 || quality != int(quality)) {
            *error = QStringLiteral("--quality must be -4 (high), -3 (medium), -2 (low) or -1 (draft)");
            return false;
        }
        r.quality = int(quality);
    }
    if (p.isSet(o.orientation)) {
        const QString v = p.value(o.orientation).toLower();
        if (v == QLatin1String("portrait")) r.orientation = PrinterSystem::Orientation::Portrait;
        else if (v == QLatin1String("landscape")) r.orientation = PrinterSystem::Orientation::Landscape;
        else {
            *error = QStringLiteral("--orientation must be portrait or landscape, not \"%1\"")
                         .arg(p.value(o.orientation));
            return false;
        }
    }
    return true;
}

namespace {

// A picture that prints soft is worth a note; the cover is made all the same.
void noteSoftPictures(const Session& s, QStringList* notes) {
    if (notes) *notes << softPictureWarnings(s, s.model.currentModel);
}

}  // namespace

int renderCover(const RenderRequest& r, const QString& appFolder, QString* error,
                PrinterSystem* printers, QStringList* notes) {
    if (r.calibrationPage) return renderCalibrationPage(r, appFolder, error, printers);
    if (!QFileInfo(r.project).isFile()) {
        *error = QStringLiteral("cannot read the project %1").arg(r.project);
        return 1;
    }
    Session s;
    s.folder = withWritableFiles(AppFolder{appFolder, {}});
    if (!loadSession(s, r, error)) return 1;
    readOutputOptions(s, r, notes);
    if (!s.catalogue.model(s.model.currentModel) ||
        s.model.currentModel >= s.catalogue.modelCount) {
        *error = QStringLiteral("unknown model %1").arg(s.model.currentModel);
        return 2;
    }
    // The print needs the pictures and the scale, not their places in a window.
    applyModelScaleAtLoadHeight(s);
    refreshPictures(s);
    noteSoftPictures(s, notes);
    if (!r.printer.isEmpty()) return printOnPrinter(s, r, printers, error, notes);
    const PrintValue cover = printValue(s, s.model.currentModel);
    return renderFile(r, paperOf(s, r), coverDrawing(cover), error);
}

}  // namespace vsm
