// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QtGlobal>
#include <utility>

namespace vsm {

// A small hierarchical key store of our own, kept in one text file that is read
// and written whole (atomically) by every operation. Keys and value names are
// compared without regard to case, as on the platform the key paths come from.
class RegistryStore {
public:
    explicit RegistryStore(QString filePath) : filePath_(std::move(filePath)) {}

    // Where the current user's store lives, in the configuration folder.
    static QString userStorePath();

    const QString& filePath() const { return filePath_; }

    // The full path of every key in the store, root name first; empty when the
    // store cannot be read.
    QStringList keyPaths() const;

private:
    QString filePath_;
};

// Keys addressed by a full textual path ("HKEY_LOCAL_MACHINE\SOFTWARE\Classes\.vsm").
// Every routine reports failure only through its result.
namespace RegistroSistema {

using RootKey = quint32;
using KeyHandle = quint32;

constexpr RootKey HKEY_CLASSES_ROOT = 0x80000000;
constexpr RootKey HKEY_CURRENT_USER = 0x80000001;
constexpr RootKey HKEY_LOCAL_MACHINE = 0x80000002;
constexpr RootKey HKEY_USERS = 0x80000003;
constexpr RootKey HKEY_PERFORMANCE_DATA = 0x80000004;
constexpr RootKey HKEY_CURRENT_CONFIG = 0x80000005;
constexpr RootKey HKEY_DYN_DATA = 0x80000006;
constexpr RootKey InvalidRootKey = 0x88888888;

constexpr quint32 KEY_QUERY_VALUE = 1;
constexpr quint32 KEY_SET_VALUE = 2;

// Takes the root name off the path, which keeps only the sub-key part. The root
// part is put in upper case only when a "\" follows it; a bare name must match
// exactly.
RootKey RootKeyFromPath(QString& path);

// Creates the key and any missing parent, or finds it when it exists.
bool CreateRegistryKey(const QString& path, const RegistryStore& store);

// Opens an existing key; the handle stays valid until CloseRegistryKey.
bool OpenRegistryKey(const QString& path, KeyHandle& handle, quint32 access,
                     const RegistryStore& store);

bool CloseRegistryKey(KeyHandle handle);

// Sets a string value (an empty name is the key's default value) to the text's
// bytes plus one NUL, or deletes the value when data equal deleteMarker. The key
// must exist.
bool SetRegistryString(const QString& path, const QString& valueName, const QString& data,
                       const QString& deleteMarker,
                       const RegistryStore& store);

// Deletes one value of a key opened with KEY_SET_VALUE; false when it is absent.
bool DeleteRegistryValue(KeyHandle handle, const QString& valueName);

// The stored bytes of a value; false when key or value is absent.
bool QueryRegistryValue(const QString& path, const QString& valueName, QByteArray& data,
                        const RegistryStore& store);

}  // namespace RegistroSistema

}  // namespace vsm
