#include "platform/RealPlatform.h"
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
        ASSERT_TRUE(first.acquire());
        // A second guard in the same process stands for a second copy: QLockFile
        // refuses it because the holder's process is alive.
        LockFileInstanceGuard second(lockPath);
        EXPECT_FALSE(second.acquire());
    }
    // A lock left by a crashed copy names a process that no longer exists.
    dir.write("/run/vessomar.lock",
              "999999\nVessomar\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    LockFileInstanceGuard afterCrash(lockPath);
    EXPECT_TRUE(afterCrash.acquire());
}

TEST(RealLauncher, StartsOnlyProgramsThatExist) {
    RealProcessLauncher launcher;
    EXPECT_FALSE(launcher.startDetached("regsvr32-not-here", {"/u"}, QDir::tempPath()));
    EXPECT_FALSE(launcher.startDetached("/nonexistent/sh", {}, QDir::tempPath()));
    EXPECT_TRUE(launcher.startDetached("/bin/sh", {"-c", "exit 0"}, QDir::tempPath()));
}

// The built program, started for real in a copy of its folder, writes settings and
// catalogue when the desktop asks it to quit with SIGTERM: while it waits for the
// user, and while it shows a message at the start (a project naming a picture
// whose header claims 65500 x 65500 pixels).
TEST(RealProgram, SigtermClosesThroughTheUnloadSteps) {
    for (const bool withHugePicture : {false, true}) {
        SCOPED_TRACE(withHugePicture ? "message at the start" : "waiting");
        test::TempAppFolder dir;
        ASSERT_TRUE(QFile::copy(test::buildFolder() + "/Vessomar", dir.path("/Vessomar")));
        QFile::setPermissions(dir.path("/Vessomar"),
                              QFile::permissions(dir.path("/Vessomar")) | QFile::ExeOwner);
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
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        env.insert("XDG_RUNTIME_DIR", dir.path("/run"));
        // The start registers the file type for the user: keep it in the test's folder.
        env.insert("XDG_DATA_HOME", dir.path("/data-home"));
        env.insert("XDG_CONFIG_HOME", dir.path("/config-home"));
        env.insert("LANG", "it_IT.UTF-8");
        program.setProcessEnvironment(env);
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
