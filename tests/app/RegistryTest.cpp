// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RegistroSistema.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vsm;
using namespace vsm::RegistroSistema;

namespace {

const QString kKey = QStringLiteral("HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.vsm");

struct TempStore {
    QTemporaryDir dir;
    RegistryStore store{dir.path() + "/config/vessomar/registry.ini"};

    std::optional<QByteArray> value(const QString& key, const QString& name) const {
        QByteArray data;
        if (!QueryRegistryValue(key, name, data, store)) return std::nullopt;
        return data;
    }
    bool set(const QString& key, const QString& name, const QString& data,
             const QString& marker = QString()) const {
        return SetRegistryString(key, name, data, marker, store);
    }
};

}  // namespace

TEST(RegistryRootKey, TakesTheRootNameOffThePath) {
    struct Case {
        const char* path;
        quint32 root;
        const char* rest;
    };
    const Case cases[] = {
        {"HKEY_CLASSES_ROOT\\.vsm", 0x80000000, ".vsm"},
        {"HKEY_CURRENT_USER\\Software\\A", 0x80000001, "Software\\A"},
        {"HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.vsm", 0x80000002, "SOFTWARE\\Classes\\.vsm"},
        {"HKEY_USERS\\x", 0x80000003, "x"},
        {"HKEY_PERFORMANCE_DATA\\x", 0x80000004, "x"},
        {"HKEY_CURRENT_CONFIG\\x", 0x80000005, "x"},
        {"HKEY_DYN_DATA\\x", 0x80000006, "x"},
        // The root part is put in upper case only when a backslash follows it.
        {"hkey_local_machine\\Software\\Mixed", 0x80000002, "Software\\Mixed"},
        {"Hkey_Users\\", 0x80000003, ""},
        {"HKEY_LOCAL_MACHINE", 0x80000002, ""},
        {"hkey_local_machine", 0x88888888, ""},
        {"HKLM\\Software", 0x88888888, "Software"},
        {"\\Software", 0x88888888, "Software"},
        {"", 0x88888888, ""},
    };
    for (const Case& c : cases) {
        QString path = QString::fromLatin1(c.path);
        EXPECT_EQ(RootKeyFromPath(path), c.root) << c.path;
        EXPECT_EQ(path, QString::fromLatin1(c.rest)) << c.path;
    }
}

TEST(RegistryValues, StringIsStoredInItsCodePageWithOneNul) {
    struct Case {
        QString data;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"vsm.FILES", QByteArray("vsm.FILES\0", 10)},
        {"\"/opt/My Apps/Vessomar\" %1", QByteArray("\"/opt/My Apps/Vessomar\" %1\0", 27)},
        {QString::fromUtf8("Caf\u00e9 \u20ac"), QByteArray("Caf\xe9 \x80\0", 7)},
        {QString::fromUtf8("\u041e\u0442\u043a\u0440\u044b\u0442\u044c"),
         QByteArray("\xd0\x9e\xd1\x82\xd0\xba\xd1\x80\xd1\x8b\xd1\x82\xd1\x8c\0", 15)},
        {"", QByteArray("\0", 1)},
    };
    TempStore t;
    ASSERT_TRUE(CreateRegistryKey(kKey, t.store));
    for (const Case& c : cases) {
        ASSERT_TRUE(t.set(kKey, "Value", c.data, "<delete>")) << c.data.toStdString();
        EXPECT_EQ(t.value(kKey, "Value"), c.bytes) << c.data.toStdString();
    }
}

TEST(RegistryValues, DataEqualToTheDeleteMarkerRemovesTheValue) {
    TempStore t;
    ASSERT_TRUE(CreateRegistryKey(kKey, t.store));
    ASSERT_TRUE(t.set(kKey, "", "vsm.FILES"));
    ASSERT_TRUE(t.set(kKey, "Other", "kept"));

    EXPECT_TRUE(t.set(kKey, "", "", ""));
    EXPECT_FALSE(t.value(kKey, ""));
    EXPECT_EQ(t.value(kKey, "Other"), QByteArray("kept\0", 5));
    // Nothing left to remove: the deletion, and so the call, fails.
    EXPECT_FALSE(t.set(kKey, "", "", ""));
    EXPECT_TRUE(t.set(kKey, "Other", "-", "-"));
    EXPECT_FALSE(t.value(kKey, "Other"));
}

TEST(RegistryKeys, CreatingAKeyCreatesItsParentsAndKeepsExistingValues) {
    TempStore t;
    ASSERT_TRUE(CreateRegistryKey(kKey + "\\shell\\Open", t.store));
    ASSERT_TRUE(t.set(kKey, "", "vsm.FILES"));
    ASSERT_TRUE(CreateRegistryKey(kKey, t.store));
    EXPECT_EQ(t.value(kKey, ""), QByteArray("vsm.FILES\0", 10));
    QStringList keys = t.store.keyPaths();
    keys.sort();
    EXPECT_EQ(keys, QStringList({"HKEY_LOCAL_MACHINE\\SOFTWARE",
                                 "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes",
                                 "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.vsm",
                                 "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.vsm\\shell",
                                 "HKEY_LOCAL_MACHINE\\SOFTWARE\\Classes\\.vsm\\shell\\Open"}));
    // A bare root always exists.
    EXPECT_TRUE(CreateRegistryKey("HKEY_CURRENT_USER", t.store));
}

TEST(RegistryKeys, NamesAreFoundWithoutRegardToCaseAndSurviveAnyText) {
    TempStore t;
    const QString odd = kKey + QString::fromUtf8("\\[a]=b @x %41 \u00e9\u20ac\u041e");
    ASSERT_TRUE(CreateRegistryKey(odd, t.store));
    for (const QString name : {"", "@", "a=b", "[x]", "with space", "%41", "\u00e9\u041e"})
        ASSERT_TRUE(t.set(odd, name, "v:" + name)) << name.toStdString();

    // A fresh store object reads everything back from the file.
    const RegistryStore reread(t.store.filePath());
    for (const QString name : {"", "@", "a=b", "[x]", "with space", "%41", "\u00e9\u041e"}) {
        QByteArray data;
        ASSERT_TRUE(QueryRegistryValue(odd, name, data, reread)) << name.toStdString();
        EXPECT_EQ(data, ("v:" + name).toUtf8().append('\0')) << name.toStdString();
    }
    KeyHandle handle = 0;
    EXPECT_TRUE(OpenRegistryKey(odd.toLower(), handle, KEY_QUERY_VALUE, reread));
    EXPECT_TRUE(CloseRegistryKey(handle));
    ASSERT_TRUE(t.set(kKey.toUpper(), "NAME", "one"));
    ASSERT_TRUE(t.set(kKey, "name", "two"));
    EXPECT_EQ(t.value(kKey, "Name"), QByteArray("two\0", 4));
}

TEST(RegistryKeys, HandlesDeleteValuesOnlyWithSetAccessAndCloseOnce) {
    TempStore t;
    ASSERT_TRUE(CreateRegistryKey(kKey, t.store));
    ASSERT_TRUE(t.set(kKey, "Value", "x"));

    KeyHandle reader = 0;
    ASSERT_TRUE(OpenRegistryKey(kKey, reader, KEY_QUERY_VALUE, t.store));
    EXPECT_FALSE(DeleteRegistryValue(reader, "Value"));
    EXPECT_TRUE(CloseRegistryKey(reader));

    KeyHandle writer = 0;
    ASSERT_TRUE(OpenRegistryKey(kKey, writer, KEY_SET_VALUE, t.store));
    EXPECT_NE(writer, reader);
    EXPECT_TRUE(DeleteRegistryValue(writer, "Value"));
    EXPECT_FALSE(DeleteRegistryValue(writer, "Value"));
    EXPECT_TRUE(CloseRegistryKey(writer));

    EXPECT_FALSE(CloseRegistryKey(writer));
    EXPECT_FALSE(DeleteRegistryValue(writer, "Value"));
    EXPECT_FALSE(CloseRegistryKey(0));
}

TEST(RegistryFailures, InvalidRootsAndMissingKeysFailWithoutWriting) {
    TempStore t;
    KeyHandle handle = 0;
    EXPECT_FALSE(CreateRegistryKey("HKLM\\SOFTWARE\\Classes\\.vsm", t.store));
    EXPECT_FALSE(CreateRegistryKey("hkey_local_machine", t.store));
    EXPECT_FALSE(OpenRegistryKey("HKEY_BOGUS\\x", handle, KEY_SET_VALUE, t.store));
    EXPECT_FALSE(t.set("HKEY_BOGUS\\x", "", "data"));
    EXPECT_FALSE(QFile::exists(t.store.filePath()));

    // A value needs its key created first.
    EXPECT_FALSE(OpenRegistryKey(kKey, handle, KEY_QUERY_VALUE, t.store));
    EXPECT_FALSE(t.set(kKey, "", "vsm.FILES"));
    EXPECT_FALSE(QFile::exists(t.store.filePath()));
    EXPECT_FALSE(t.value(kKey, ""));
}

TEST(RegistryFailures, AStoreThatCannotBeReadOrWrittenFails) {
    QTemporaryDir dir;
    QFile blocker(dir.path() + "/file");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const RegistryStore isFolder(dir.path());
    const RegistryStore underFile(dir.path() + "/file/registry.ini");
    for (const RegistryStore& store : {isFolder, underFile}) {
        KeyHandle handle = 0;
        EXPECT_FALSE(CreateRegistryKey(kKey, store)) << store.filePath().toStdString();
        EXPECT_FALSE(OpenRegistryKey(kKey, handle, KEY_SET_VALUE, store));
        EXPECT_FALSE(SetRegistryString(kKey, "", "vsm.FILES", "", store));
        EXPECT_TRUE(store.keyPaths().isEmpty());
    }
}
