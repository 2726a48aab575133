// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/FileTypeRegistration.h"

#include "app/DesktopData.h"
#include "app/RegistroSistema.h"
#include "common/TextFile.h"
#include "settings/UiText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vsm {

using namespace RegistroSistema;

namespace {

const QString kClassesKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\");
const QString kClassName = QStringLiteral("vsm.FILES");
const QString kExtensionKey = kClassesKey + QStringLiteral(".vsm");
const QString kClassKey = kClassesKey + kClassName;
const QString kShellKey = kClassKey + QStringLiteral("\\shell");
const QString kCommandSubKey = QStringLiteral("\\command");

constexpr int kOpenProjectText = 101;
constexpr qint64 kMaxIconBytes = 1024 * 1024;

// The first start after the language is known is the earliest moment the verb's
// name exists (the start-up registration runs before any language is read), so
// the verb is written only when a caller passes the loaded texts. An empty name
// would name no verb and a "\" would name nested keys; neither is written.
QString languageVerb(const UiText* ui) {
    if (!ui) return {};
    const QString verb = stripAmpersands((*ui)[kOpenProjectText]);
    if (verb.trimmed().isEmpty() || verb.contains(QLatin1Char('\\'))) return {};
    return verb;
}

// Each step's result is ignored: without rights to a key the others still run.
void writeClassKeys(const QString& command, const RegistryStore& store) {
    const QString openKey = kShellKey + QStringLiteral("\\Open");
    CreateRegistryKey(kExtensionKey, store);
    SetRegistryString(kExtensionKey, QString(), kClassName, QString(), store);
    CreateRegistryKey(kClassKey, store);
    CreateRegistryKey(kClassKey + QStringLiteral("\\DefaultIcon"), store);
    CreateRegistryKey(kShellKey, store);
    CreateRegistryKey(openKey, store);
    CreateRegistryKey(openKey + kCommandSubKey, store);
    SetRegistryString(openKey + kCommandSubKey, QString(), command, QString(), store);
}

void writeVerbKeys(const QString& verb, const QString& command, const RegistryStore& store) {
    const QString verbKey = kShellKey + QLatin1Char('\\') + verb;
    CreateRegistryKey(verbKey, store);
    CreateRegistryKey(verbKey + kCommandSubKey, store);
    SetRegistryString(verbKey + kCommandSubKey, QString(), command, QString(), store);
}

// Inside a quoted Exec argument these four characters take a backslash, and a
// literal "%" is doubled so that it is not read as a field code.
QString quoteExecArgument(const QString& argument) {
    QString quoted = QStringLiteral("\"");
    for (const QChar c : argument) {
        if (QStringLiteral("\"`$\\").contains(c)) quoted += QLatin1Char('\\');
        quoted += c == QLatin1Char('%') ? QStringLiteral("%%") : QString(c);
    }
    return quoted + QLatin1Char('"');
}

// The escapes of a desktop entry string value, applied after the Exec quoting.
QString escapeDesktopString(const QString& value) {
    QString escaped;
    for (const QChar c : value) {
        if (c == QLatin1Char('\\')) escaped += QStringLiteral("\\\\");
        else if (c == QLatin1Char('\n')) escaped += QStringLiteral("\\n");
        else if (c == QLatin1Char('\t')) escaped += QStringLiteral("\\t");
        else if (c == QLatin1Char('\r')) escaped += QStringLiteral("\\r");
        else escaped += c;
    }
    return escaped;
}

QString programPath(const AppFolder& folder) { return folder.path(QStringLiteral("/Vessomar")); }

// True when the file now holds new content. Equal content is left alone, since
// this runs on every start.
bool writeIfChanged(const QString& path, const QByteArray& content) {
    if (TextFile::isRegularFile(path) && QFileInfo(path).size() == content.size()) {
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly) && existing.readAll() == content) return false;
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    return TextFile::writeBytes(path, content);
}

void installIcon(const AppFolder& folder, const QString& dataHome) {
    QFile source(folder.path(QStringLiteral("/vessomar.svg")));
    if (!TextFile::isRegularFile(source.fileName()) || !source.open(QIODevice::ReadOnly)) return;
    writeIfChanged(dataHome + QStringLiteral("/icons/hicolor/scalable/apps/vessomar.svg"),
                   source.read(kMaxIconBytes));
}

bool desktopCacheNamesEntry(const QString& applicationsFolder) {
    const auto cache = TextFile::read(applicationsFolder + QStringLiteral("/mimeinfo.cache"));
    return cache && cache->contains(QStringLiteral("vessomar.desktop"));
}

// The helpers run when our files changed or their output is missing. The default
// handler is set only when our files changed, so that a handler the user chose
// later is not overridden on every start.
void refreshDesktopDatabases(const RegistrationTargets& targets, bool mimeChanged,
                             bool entryChanged) {
    if (!targets.runHelper) return;
    const QString mimeFolder = targets.dataHome + QStringLiteral("/mime");
    const QString applicationsFolder = targets.dataHome + QStringLiteral("/applications");
    const QString compiledType = mimeFolder + QLatin1Char('/') + kProjectMimeType + ".xml";
    if (mimeChanged || !QFile::exists(compiledType))
        targets.runHelper(QStringLiteral("update-mime-database"), {mimeFolder});
    if (entryChanged || !desktopCacheNamesEntry(applicationsFolder))
        targets.runHelper(QStringLiteral("update-desktop-database"), {applicationsFolder});
    if (mimeChanged || entryChanged)
        targets.runHelper(QStringLiteral("xdg-mime"),
                          {QStringLiteral("default"), QStringLiteral("vessomar.desktop"),
                           kProjectMimeType});
}

void installDesktopAssociation(const AppFolder& folder, const RegistrationTargets& targets) {
    if (targets.dataHome.isEmpty()) return;
    const bool mimeChanged =
        writeIfChanged(targets.dataHome + QStringLiteral("/mime/packages/vessomar.xml"),
                       mimePackage());
    const bool entryChanged =
        writeIfChanged(targets.dataHome + QStringLiteral("/applications/vessomar.desktop"),
                       desktopEntry(folder));
    installIcon(folder, targets.dataHome);
    refreshDesktopDatabases(targets, mimeChanged, entryChanged);
}

}  // namespace

RegistrationTargets RegistrationTargets::forCurrentUser(HelperRunner runHelper) {
    return {RegistryStore::userStorePath(),
            QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
            std::move(runHelper)};
}

QString registrationCommand(const AppFolder& folder) {
    return QLatin1Char('"') + programPath(folder) + QStringLiteral("\" %1");
}

QString desktopExecValue(const AppFolder& folder) {
    return escapeDesktopString(quoteExecArgument(programPath(folder)) + QStringLiteral(" %f"));
}

QByteArray desktopEntry(const AppFolder& folder) {
    QString entry = QString::fromUtf8(desktop_data::kEntryTemplate);
    entry.replace(QLatin1String(desktop_data::kExecPlaceholder), desktopExecValue(folder));
    return entry.toUtf8();
}

QByteArray mimePackage() { return QByteArray(desktop_data::kMimePackage); }

void RegisterFileType(const AppFolder& folder, const UiText* ui,
                      const RegistrationTargets& targets) {
    const RegistryStore store(targets.registryFile);
    const QString command = registrationCommand(folder);
    writeClassKeys(command, store);
    const QString verb = languageVerb(ui);
    if (!verb.isEmpty()) writeVerbKeys(verb, command, store);
    installDesktopAssociation(folder, targets);
}

}  // namespace vsm
