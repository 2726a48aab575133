// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/RealPlatform.h"
#include "support/AsOtherUser.h"
#include "support/Pictures.h"
#include "support/TempAppFolder.h"

#include <gtest/gtest.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSysInfo>
#include <QThread>
#include <csignal>

using namespace vsm;

TEST(InstanceGuard, OneCopyAtATimeAndAStaleLockDoesNotBlock) {
    test::TempAppFolder dir(false);
    const QString lockPath = dir.path("/run/vessomar.lock");
    {
        LockFileInstanceGuard first(lockPath);
        ASSERT_EQ(first.acquire(), InstanceGuard::Result::Owner);
        // A second guard in the same process stands for a second copy: QLockFile
        // refuses it because the holder's process is alive.
        LockFileInstanceGuard second(lockPath);
        EXPECT_EQ(second.acquire(), InstanceGuard::Result::OtherCopyRunning);
    }
    // A lock left by a crashed copy names a process that no longer exists.
    dir.write("/run/vessomar.lock",
              "999999\nVessomar\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    LockFileInstanceGuard afterCrash(lockPath);
    EXPECT_EQ(afterCrash.acquire(), InstanceGuard::Result::Owner);
}

// Failures that are not another copy's lock are told apart, with the lock file
// and the reason named.
TEST(InstanceGuard, ALockThatCannotBeWrittenIsUnavailableNotAnotherCopy) {
    test::TempAppFolder dir(false);
    dir.write("/run", "a file where the runtime folder should be");
    LockFileInstanceGuard inFile(dir.path("/run/vessomar.lock"));
    EXPECT_EQ(inFile.acquire(), InstanceGuard::Result::Unavailable);
    EXPECT_TRUE(inFile.problem().contains(dir.path("/run/vessomar.lock")));
    EXPECT_TRUE(inFile.problem().contains("is not a folder")) << inFile.problem().toStdString();

    // A runtime folder the user may not write in, as an ordinary user sees it.
    QDir().mkpath(dir.path("/locked"));
    QFile::setPermissions(dir.path(""), QFile::permissions(dir.path("")) | QFile::ExeOther);
    QFile::setPermissions(dir.path("/locked"), QFile::ReadOwner | QFile::WriteOwner |
                                                   QFile::ExeOwner | QFile::ReadOther |
                                                   QFile::ExeOther);
    const QString lockPath = dir.path("/locked/vessomar.lock");
    EXPECT_EQ(test::runUnprivileged([&] {
                  LockFileInstanceGuard guard(lockPath);
                  if (guard.acquire() != InstanceGuard::Result::Unavailable) return 1;
                  if (!guard.problem().contains(lockPath)) return 2;
                  return guard.problem().contains("no permission") ? 0 : 3;
              }),
              0);
}

TEST(RealLauncher, StartsOnlyProgramsThatExist) {
    RealProcessLauncher launcher;
    EXPECT_FALSE(launcher.startDetached("regsvr32-not-here", {"/u"}, QDir::tempPath()));
    EXPECT_FALSE(launcher.startDetached("/nonexistent/sh", {}, QDir::tempPath()));
    EXPECT_TRUE(launcher.startDetached("/bin/sh", {"-c", "exit 0"}, QDir::tempPath()));
}

namespace {

// A copy of the built program in the test's folder, so that it runs on the
// folder's own settings and catalogue.
void copyProgramInto(const test::TempAppFolder& dir) {
    ASSERT_TRUE(QFile::copy(test::buildFolder() + "/Vessomar", dir.path("/Vessomar")));
    QFile::setPermissions(dir.path("/Vessomar"),
                          QFile::permissions(dir.path("/Vessomar")) | QFile::ExeOwner);
}

// No display, the lock in the test's runtime folder, and the file-type
// registration of the start kept in the test's folder.
QProcessEnvironment programEnvironment(const test::TempAppFolder& dir, const QString& lang) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_RUNTIME_DIR", dir.path("/run"));
    env.insert("XDG_DATA_HOME", dir.path("/data-home"));
    env.insert("XDG_CONFIG_HOME", dir.path("/config-home"));
    env.insert("LANG", lang);
    return env;
}

}  // namespace

// The built program, started for real in a copy of its folder, writes settings and
// catalogue when the desktop asks it to quit with SIGTERM: while it waits for the
// user, and while it shows a message at the start (a project naming a picture
// whose header claims 65500 x 65500 pixels).
TEST(RealProgram, SigtermClosesThroughTheUnloadSteps) {
    for (const bool withHugePicture : {false, true}) {
        SCOPED_TRACE(withHugePicture ? "message at the start" : "waiting");
        test::TempAppFolder dir;
        copyProgramInto(dir);
        dir.write("/Files/Covers.ini", "TAG,274,183,Orizzontale,0,0,Rettangolo,0,8,10,0,0\r\n");
        QDir().mkpath(dir.path("/run"));
        QFile::setPermissions(dir.path("/run"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QStringList arguments;
        if (withHugePicture) {
            const QByteArray jpeg =
                test::claimingSize(test::jpegBytes(test::noisyPicture(8, 8)), 65500, 65500);
            dir.write("/huge.jpg", jpeg);
            dir.write(
                "/huge.vsm",
                dir.path("/huge.jpg").toUtf8() +
                    "\r\n\r\n\r\n 1 \r\nC\r\nS\r\n"
                    "Liberation Sans\r\n12\r\n 0 \r\n 0 \r\n 0 \r\n 255 \r\n 1 \r\n 1 \r\n 0 \r\n");
            arguments << dir.path("/huge.vsm");
        }
        QProcess program;
        program.setProcessEnvironment(programEnvironment(dir, "it_IT.UTF-8"));
        program.start(dir.path("/Vessomar"), arguments);
        ASSERT_TRUE(program.waitForStarted(10000));
        // The lock appears at load step 13; give the event loop a moment to start.
        QDeadlineTimer deadline(20000);
        while (!QFile::exists(dir.path("/run/vessomar.lock")) && !deadline.hasExpired())
            QThread::msleep(20);
        ASSERT_TRUE(QFile::exists(dir.path("/run/vessomar.lock")));
        QThread::msleep(withHugePicture ? 1500 : 500);
        ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
        ASSERT_TRUE(program.waitForFinished(20000));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0);
        const QByteArray settings = dir.read("/Files/Vessomar.ini");
        EXPECT_EQ(settings.count("\r\n"), 6);
        EXPECT_TRUE(settings.startsWith("Italiano.lng\r\n0\r\n")) << settings.constData();
        EXPECT_EQ(dir.read("/Files/Covers.ini").count("\r\n"), 266);
    }
}

// The built program, started with a runtime folder where no lock can be made,
// still starts, says why on stderr, and closes normally.
TEST(RealProgram, StartsWhenTheLockCannotBeTaken) {
    test::TempAppFolder dir;
    copyProgramInto(dir);
    dir.write("/run", "a file where the runtime folder should be");
    QProcess program;
    QProcessEnvironment env = programEnvironment(dir, "en_GB.UTF-8");
    // Without a usable runtime folder the lock goes to the temporary folder.
    env.insert("TMPDIR", dir.path("/run"));
    program.setProcessEnvironment(env);
    program.start(dir.path("/Vessomar"), {});
    ASSERT_TRUE(program.waitForStarted(10000));
    QByteArray errors;
    QDeadlineTimer deadline(20000);
    while (!errors.contains("vessomar.lock") && !deadline.hasExpired()) {
        program.waitForReadyRead(100);
        errors += program.readAllStandardError();
    }
    EXPECT_TRUE(errors.contains(dir.path("/run/vessomar.lock").toUtf8())) << errors.constData();
    EXPECT_TRUE(errors.contains("is not a folder")) << errors.constData();
    QThread::msleep(500);
    ASSERT_EQ(program.state(), QProcess::Running);
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(20000));
    EXPECT_EQ(program.exitCode(), 0);
    EXPECT_EQ(dir.read("/Files/Vessomar.ini").count("\r\n"), 6);  // closed through its unload
}
