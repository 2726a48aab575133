// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FileTypeRegistration.h"
#include "app/RegOCX.h"
#include "app/RegistroSistema.h"
#include "platform/RealPlatform.h"
#include "settings/UiText.h"
#include "support/FakePlatform.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>
#include <QXmlStreamReader>
#include <vector>

using namespace vsm;
using namespace vsm::RegistroSistema;

namespace {

const QString kClasses = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\");

QByteArray readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

ino_t inodeOf(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 ? st.st_ino : 0;
}

// A program folder with spaces in its path, a temporary key store and data home,
// and a helper runner that records instead of running. Like the real helpers, it
// leaves the databases' outputs behind.
struct Registration {
    QTemporaryDir dir;
    AppFolder folder{dir.path() + "/My Apps/Vessomar 2"};
    QString dataHome = dir.path() + "/share";
    std::vector<QStringList> helpers;
    RegistrationTargets targets{dir.path() + "/config/vessomar/registry.ini", dataHome,
                                [this](const QString& program, const QStringList& args) {
                                    helpers.push_back(QStringList{program} + args);
                                    leaveOutputOf(program);
                                }};

    Registration() {
        QDir().mkpath(folder.root);
        QFile::copy(VESSOMAR_SOURCE_DIR "/data/vessomar.svg", folder.path("/vessomar.svg"));
    }
    void run(const UiText* ui = nullptr) { RegisterFileType(folder, ui, targets); }
    RegistryStore store() const { return RegistryStore(targets.registryFile); }
    std::optional<QByteArray> value(const QString& key) const {
        QByteArray data;
        if (!QueryRegistryValue(kClasses + key, "", data, store())) return std::nullopt;
        return data;
    }
    QString entryPath() const { return dataHome + "/applications/vessomar.desktop"; }
    QString mimePath() const { return dataHome + "/mime/packages/vessomar.xml"; }
    QString iconPath() const { return dataHome + "/icons/hicolor/scalable/apps/vessomar.svg"; }
    QStringList helperNames() const {
        QStringList names;
        for (const QStringList& h : helpers) names << h.first();
        return names;
    }

private:
    void leaveOutputOf(const QString& program) {
        if (!QFileInfo(dataHome).isDir()) return;  // a test broke the data folder on purpose
        if (program == "update-mime-database")
            writeAll(dataHome + "/mime/application/x-vessomar-project.xml", "<compiled/>");
        if (program == "update-desktop-database")
            writeAll(dataHome + "/applications/mimeinfo.cache",
                     "[MIME Cache]\napplication/x-vessomar-project=vessomar.desktop;\n");
    }
};

QStringList classKeys() {
    QStringList keys;
    for (const char* k : {"", "\\.vsm", "\\vsm.FILES", "\\vsm.FILES\\DefaultIcon",
                          "\\vsm.FILES\\shell", "\\vsm.FILES\\shell\\Open",
                          "\\vsm.FILES\\shell\\Open\\command"})
        keys << "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes" + QString::fromLatin1(k);
    return keys << "HKEY_LOCAL_MACHINE\\SOFTWARE";
}

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

QStringList desktopLines(const QString& path) {
    return QString::fromUtf8(readAll(path)).split('\n', Qt::SkipEmptyParts);
}

}  // namespace

TEST(FileTypeRegistry, WritesTheClassKeysWithTheQuotedProgramCommand) {
    Registration r;
    r.run();
    EXPECT_EQ(sorted(r.store().keyPaths()), sorted(classKeys()));
    EXPECT_EQ(r.value(".vsm"), QByteArray("vsm.FILES\0", 10));
    const QByteArray command = "\"" + r.folder.root.toUtf8() + "/Vessomar\" %1";
    EXPECT_EQ(r.value("vsm.FILES\\shell\\Open\\command"), command + '\0');
    EXPECT_EQ(registrationCommand(r.folder), QString::fromUtf8(command));
    for (const char* bare : {"vsm.FILES", "vsm.FILES\\DefaultIcon", "vsm.FILES\\shell",
                             "vsm.FILES\\shell\\Open"})
        EXPECT_FALSE(r.value(bare)) << bare;
}

TEST(FileTypeRegistry, TheLanguageVerbIsWrittenOnlyWithANameFromTheTexts) {
    struct Case {
        const char* text101;  // nullptr: no texts given
        const char* verb;     // nullptr: no verb key
    };
    const Case cases[] = {
        {"&Apri progetto", "Apri progetto"},
        {"&Open &project", "Open project"},
        {nullptr, nullptr},
        {"", nullptr},
        {"&&", nullptr},
        {"Open\\Evil", nullptr},
    };
    for (const Case& c : cases) {
        Registration r;
        UiText ui;
        if (c.text101) ui.set(101, QString::fromUtf8(c.text101));
        r.run(c.text101 ? &ui : nullptr);
        QStringList expected = classKeys();
        if (c.verb) {
            const QString verbKey = kClasses + "vsm.FILES\\shell\\" + c.verb;
            expected << verbKey << verbKey + "\\command";
            EXPECT_EQ(r.value(QString("vsm.FILES\\shell\\") + c.verb + "\\command"),
                      r.value("vsm.FILES\\shell\\Open\\command"));
        }
        EXPECT_EQ(sorted(r.store().keyPaths()), sorted(expected)) << (c.text101 ? c.text101 : "");
    }
}

TEST(FileTypeDesktop, InstallsTheEntryTheMimePackageAndTheIcon) {
    Registration r;
    r.run();
    const QStringList entry = desktopLines(r.entryPath());
    ASSERT_FALSE(entry.isEmpty());
    EXPECT_EQ(entry.first(), "[Desktop Entry]");
    for (const QString& line :
         {"Type=Application", "Name=Vessomar", "Icon=vessomar", "Terminal=false",
          "Categories=Graphics;Publishing;Qt;", "MimeType=application/x-vessomar-project;"})
        EXPECT_TRUE(entry.contains(line)) << line.toStdString();
    EXPECT_TRUE(entry.contains("Exec=\"" + r.folder.root + "/Vessomar\" %f"));

    QXmlStreamReader xml(readAll(r.mimePath()));
    QStringList seen;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == QLatin1String("mime-type"))
            seen << "type:" + xml.attributes().value("type").toString();
        if (xml.name() == QLatin1String("glob"))
            seen << "glob:" + xml.attributes().value("pattern").toString();
        if (xml.name() == QLatin1String("comment")) seen << "comment";
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(seen, QStringList({"type:" + kProjectMimeType, "comment", "glob:*.vsm"}));

    EXPECT_EQ(readAll(r.iconPath()), readAll(VESSOMAR_SOURCE_DIR "/data/vessomar.svg"));
}

TEST(FileTypeDesktop, ExecQuotesTheProgramPathAsDesktopEntriesRequire) {
    struct Case {
        const char* root;
        const char* exec;
    };
    const Case cases[] = {
        {"/opt/My Apps", R"("/opt/My Apps/Vessomar" %f)"},
        {"/opt/100%", R"("/opt/100%%/Vessomar" %f)"},
        {"/opt/say \"hi\"", R"("/opt/say \\"hi\\"/Vessomar" %f)"},
        {"/opt/$HOME", R"("/opt/\\$HOME/Vessomar" %f)"},
        {"/opt/`id`", R"("/opt/\\`id\\`/Vessomar" %f)"},
        {"/opt/a\\b", R"("/opt/a\\\\b/Vessomar" %f)"},
        {"/opt/tab\there", R"("/opt/tab\there/Vessomar" %f)"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(desktopExecValue(AppFolder{QString::fromUtf8(c.root)}), QString::fromUtf8(c.exec))
            << c.root;
}

TEST(FileTypeDesktop, DesktopFileValidateAcceptsTheEntry) {
    const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
    if (validator.isEmpty()) GTEST_SKIP() << "desktop-file-validate is not installed";
    for (const char* folderName : {"/My Apps/Vessomar 2", "/odd $HOME `x` \"q\" 100% a\\b"}) {
        Registration r;
        r.folder.root = r.dir.path() + folderName;
        r.run();
        QProcess validate;
        validate.start(validator, {r.entryPath()});
        ASSERT_TRUE(validate.waitForFinished(30000));
        const QByteArray output = validate.readAllStandardOutput() + validate.readAllStandardError();
        EXPECT_EQ(validate.exitCode(), 0) << output.constData();
        EXPECT_FALSE(output.contains("error")) << output.constData();
    }
}

TEST(FileTypeDesktop, UpdateMimeDatabaseCompilesThePackage) {
    const QString updater = QStandardPaths::findExecutable("update-mime-database");
    if (updater.isEmpty()) GTEST_SKIP() << "update-mime-database is not installed";
    Registration r;
    r.targets.runHelper = nullptr;
    r.run();
    QProcess update;
    update.start(updater, {r.dataHome + "/mime"});
    ASSERT_TRUE(update.waitForFinished(30000));
    EXPECT_EQ(update.exitCode(), 0) << update.readAllStandardError().constData();
    const QByteArray globs = readAll(r.dataHome + "/mime/globs2");
    EXPECT_TRUE(globs.contains("application/x-vessomar-project:*.vsm")) << globs.constData();
}

TEST(FileTypeDesktop, HelpersRunOnlyWhenSomethingChangedOrIsMissing) {
    Registration r;
    r.run();
    EXPECT_EQ(r.helpers,
              (std::vector<QStringList>{
                  {"update-mime-database", r.dataHome + "/mime"},
                  {"update-desktop-database", r.dataHome + "/applications"},
                  {"xdg-mime", "default", "vessomar.desktop", "application/x-vessomar-project"}}));

    // An unchanged start rewrites nothing and runs nothing.
    const ino_t entryNode = inodeOf(r.entryPath());
    const ino_t mimeNode = inodeOf(r.mimePath());
    const ino_t iconNode = inodeOf(r.iconPath());
    r.helpers.clear();
    r.run();
    EXPECT_TRUE(r.helpers.empty());
    EXPECT_EQ(inodeOf(r.entryPath()), entryNode);
    EXPECT_EQ(inodeOf(r.mimePath()), mimeNode);
    EXPECT_EQ(inodeOf(r.iconPath()), iconNode);

    // Lost database output is rebuilt without touching the user's default handler.
    QFile::remove(r.dataHome + "/mime/application/x-vessomar-project.xml");
    QFile::remove(r.dataHome + "/applications/mimeinfo.cache");
    r.run();
    EXPECT_EQ(r.helperNames(), QStringList({"update-mime-database", "update-desktop-database"}));

    // A moved program folder rewrites the entry and claims the file type again.
    r.helpers.clear();
    r.folder.root += "-moved";
    r.run();
    EXPECT_EQ(r.helperNames(), QStringList({"update-desktop-database", "xdg-mime"}));
    EXPECT_TRUE(desktopLines(r.entryPath()).contains("Exec=\"" + r.folder.root + "/Vessomar\" %f"));
    EXPECT_NE(inodeOf(r.entryPath()), entryNode);
    EXPECT_EQ(inodeOf(r.mimePath()), mimeNode);
}

TEST(FileTypeFailures, AFailingPartLeavesTheOthersWorking) {
    {
        Registration r;
        writeAll(r.dataHome, "a file where the data folder should be");
        r.run();
        EXPECT_EQ(r.value(".vsm"), QByteArray("vsm.FILES\0", 10));
        EXPECT_TRUE(r.helperNames().filter("xdg-mime").isEmpty());
    }
    {
        Registration r;
        QDir().mkpath(r.targets.registryFile);  // a folder where the store should be
        QFile::remove(r.folder.path("/vessomar.svg"));
        r.run();
        EXPECT_TRUE(r.store().keyPaths().isEmpty());
        EXPECT_TRUE(QFile::exists(r.entryPath()));
        EXPECT_TRUE(QFile::exists(r.mimePath()));
        EXPECT_FALSE(QFile::exists(r.iconPath()));
    }
}

// The helpers can take seconds each: they start detached once the window is
// shown, and nothing waits for them.
TEST(FileTypeStartup, HelpersStartDetachedAfterTheWindowIsShown) {
    Registration r;
    test::FakePlatform fakes;
    size_t startedBeforeShown = 99;
    const bool shown = RegOCX::entryRoutine(
        fakes.services(), r.folder,
        [&](const HelperRunner& runHelper) {
            r.targets.runHelper = runHelper;
            RegisterFileType(r.folder, nullptr, r.targets);
        },
        [&] {
            startedBeforeShown = fakes.launcher.starts.size();
            return true;
        });
    EXPECT_TRUE(shown);
    EXPECT_EQ(startedBeforeShown, 0u);
    QStringList started;
    for (const auto& s : fakes.launcher.starts) started << s.commandText();
    EXPECT_EQ(started, QStringList({"update-mime-database " + r.dataHome + "/mime",
                                    "update-desktop-database " + r.dataHome + "/applications",
                                    "xdg-mime default vessomar.desktop " + kProjectMimeType}));

    // With the real launcher a slow helper does not hold up the start, and one
    // that is not installed is skipped.
    RealProcessLauncher launcher;
    Platform real = fakes.services();
    real.launcher = &launcher;
    QTemporaryDir dir;
    const QString marker = dir.path() + "/ran it";
    QElapsedTimer timer;
    timer.start();
    RegOCX::entryRoutine(
        real, r.folder,
        [&](const HelperRunner& runHelper) {
            runHelper("vessomar-no-such-helper", {marker});
            runHelper("sh", {"-c", "sleep 2; touch \"$0\"", marker});
        },
        [] { return true; });
    EXPECT_LT(timer.elapsed(), 1500);
    EXPECT_FALSE(QFile::exists(marker));
    QDeadlineTimer deadline(15000);
    while (!QFile::exists(marker) && !deadline.hasExpired()) QThread::msleep(50);
    EXPECT_TRUE(QFile::exists(marker));
}

TEST(FileTypeStartup, PortableModeRegistersNothing) {
    for (const bool portable : {true, false}) {
        Registration r;
        if (portable) writeAll(r.folder.portableMarker(), "");
        test::FakePlatform fakes;
        const bool shown = RegOCX::entryRoutine(
            fakes.services(), r.folder,
            [&](const HelperRunner&) { RegisterFileType(r.folder, nullptr, r.targets); },
            [] { return true; });
        EXPECT_TRUE(shown);
        EXPECT_EQ(QFile::exists(r.targets.registryFile), !portable) << portable;
        EXPECT_EQ(QFile::exists(r.dataHome), !portable) << portable;
        EXPECT_EQ(r.helpers.empty(), portable) << portable;
    }
}
