// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the DVD box cover with one 100-megapixel photo through the print dialog
// onto the Vessomar-PDF cups-pdf queue, as File > Print does, and reports the job
// as CUPS received it, the time to hand it over and the peak memory.
//
//   bench_print_job --generate DIR    writes the photo
//   bench_print_job DIR               opens a project naming it and prints
#include "BenchSupport.h"
#include "platform/CupsPrinterSystem.h"
#include "print/PainterPrintSurface.h"
#include "print/frmStampa.h"
#include "support/FakePlatform.h"
#include "support/TempAppFolder.h"
#include "ui/Form1.h"

#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QTest>
#include <QThread>
#include <cstdio>
#include <cups/cups.h>
#include <optional>
#include <unistd.h>

using namespace vsm;

namespace {

const QString kQueue = QStringLiteral("Vessomar-PDF");
constexpr int kWidth = 12240, kHeight = 8160;  // 100 megapixels
constexpr int kRuns = 3;
constexpr int kBoxModel = 0;

QString photoPath(const QString& folder) { return folder + QStringLiteral("/photo-100mp.jpg"); }

// A project with the photo in the first slot, for the DVD box.
QString writeProject(const test::TempAppFolder& dir, const QString& photo) {
    const QStringList lines = {photo, "", "", " 0 ", "", "", "Liberation Sans", "12", " 0 ", " 0 ",
                               " 0 ", " 255 ", " 0 ", " 0 ", QStringLiteral(" %1 ").arg(kBoxModel)};
    dir.write("/photo.vsm", (lines.join("\r\n") + "\r\n").toUtf8());
    return dir.path("/photo.vsm");
}

QLabel* button(QWidget* dialog, const char* name, int index) {
    for (QLabel* label : dialog->findChildren<QLabel*>(QLatin1String(name)))
        if (label->property("Index").toInt() == index) return label;
    return nullptr;
}

struct Job {
    int id = 0;
    ipp_jstate_t state = IPP_JSTATE_PENDING;
    double kiloOctets = 0;
};

std::optional<Job> findJob(const QString& title) {
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, qPrintable(kQueue), 0,
                                   CUPS_WHICHJOBS_ALL);
    std::optional<Job> found;
    for (int i = 0; i < count; ++i)
        if (title == QString::fromUtf8(jobs[i].title))
            found = Job{jobs[i].id, jobs[i].state, double(jobs[i].size)};
    cupsFreeJobs(count, jobs);
    return found;
}

// Waits for cups-pdf to finish, so that one run's conversion does not slow the next.
std::optional<Job> waitForCompletedJob(const QString& title) {
    QDeadlineTimer deadline(180000);
    while (!deadline.hasExpired()) {
        const std::optional<Job> job = findJob(title);
        if (job && job->state >= IPP_JSTATE_CANCELED) return job;
        QThread::msleep(200);
    }
    return findJob(title);
}

// The job's size as CUPS received it: its spool file while the scheduler keeps
// it, else the job's k-octets.
double jobMegabytes(const Job& job) {
    const QFileInfo spool(QStringLiteral("/var/spool/cups/d%1-001").arg(job.id, 5, 10, QLatin1Char('0')));
    return spool.exists() ? double(spool.size()) / 1e6 : job.kiloOctets * 1024 / 1e6;
}

// One click on the dialog's print button; the time until the job is handed over.
double printOnce(Form1& form, Platform& platform, CupsPrinterSystem& printers,
                 PrintDialogState& state, const QString& title) {
    printers.printer().setDocName(title);
    frmStampa dialog(platform, form.session(), state, [&] { form.StampaCopertina(); }, &form);
    dialog.findChild<QComboBox*>(QStringLiteral("Combo1"))->setEditText(kQueue);
    QLabel* print = button(&dialog, "Label1", 0);
    if (!print) return -1;
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(print, Qt::LeftButton);
    return double(timer.nsecsElapsed()) / 1e6;
}

int generate(const QString& folder) {
    return bench::photoLikePicture(kWidth, kHeight, 7).save(photoPath(folder), "JPEG", 90) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[1] == QLatin1String("--generate")) return generate(args[2]);
    if (args.size() != 2 || !QFileInfo::exists(photoPath(args[1]))) {
        std::fprintf(stderr, "usage: bench_print_job [--generate] FOLDER\n");
        return 2;
    }
    CupsPrinterSystem printers(&PainterPrintSurface::on);
    if (!printers.printerNames().contains(kQueue)) {
        std::fprintf(stderr, "no %s queue (tools/start-cups.sh)\n", qPrintable(kQueue));
        return 2;
    }
    test::TempAppFolder dir;
    test::FakePlatform fakes;
    Platform platform = fakes.services();
    platform.printers = &printers;
    Form1 form(platform, dir.folder(), QString());
    form.load();
    form.projectCommands().OpenProject(writeProject(dir, photoPath(args[1])));
    if (!fakes.prompts.shown.empty() || form.currentModel() != kBoxModel) {
        std::fprintf(stderr, "the project did not open\n");
        return 1;
    }
    PrintDialogState state;
    std::vector<double> times;
    double jobMb = 0;
    for (int run = 0; run < kRuns; ++run) {
        const QString title = QStringLiteral("vessomar-bench-%1-%2").arg(getpid()).arg(run);
        times.push_back(printOnce(form, platform, printers, state, title));
        const std::optional<Job> job = waitForCompletedJob(title);
        if (times.back() < 0 || !job || !fakes.prompts.shown.empty()) {
            std::fprintf(stderr, "the job did not reach %s\n", qPrintable(kQueue));
            return 1;
        }
        jobMb = jobMegabytes(*job);
        std::printf("run %d: handed over in %.0f ms, job %d of %.2f MB\n", run, times.back(),
                    job->id, jobMb);
    }
    std::printf("bench print-job: job_mb=%.2f median_ms=%.0f peak_mb=%.0f\n", jobMb,
                bench::median(times), bench::peakMegabytes());
    return 0;
}
