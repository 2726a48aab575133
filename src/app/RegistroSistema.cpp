// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/RegistroSistema.h"

#include "common/TextFile.h"

#include <QDir>
#include <QFileInfo>
#include <QMap>
#include <QStandardPaths>
#include <QUrl>
#include <algorithm>
#include <array>
#include <map>
#include <optional>

namespace vsm {

using namespace RegistroSistema;

namespace {

struct RootName {
    const char* name;
    RootKey key;
};

constexpr std::array<RootName, 7> kRoots = {{
    {"HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
    {"HKEY_CURRENT_USER", HKEY_CURRENT_USER},
    {"HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE},
    {"HKEY_USERS", HKEY_USERS},
    {"HKEY_PERFORMANCE_DATA", HKEY_PERFORMANCE_DATA},
    {"HKEY_CURRENT_CONFIG", HKEY_CURRENT_CONFIG},
    {"HKEY_DYN_DATA", HKEY_DYN_DATA},
}};

RootKey rootFromName(const QString& name) {
    for (const RootName& root : kRoots)
        if (name == QLatin1String(root.name)) return root.key;
    return InvalidRootKey;
}

QString rootName(RootKey key) {
    for (const RootName& root : kRoots)
        if (root.key == key) return QLatin1String(root.name);
    return {};
}

const QChar kSeparator = QLatin1Char('\\');

// A key's place in the tree: its root and the names below it.
struct KeyPath {
    RootKey root = InvalidRootKey;
    QStringList names;

    bool isValid() const { return root != InvalidRootKey; }
    QString text() const { return (QStringList{rootName(root)} + names).join(kSeparator); }
    QString id() const { return text().toCaseFolded(); }
    KeyPath parent() const { return {root, names.mid(0, names.size() - 1)}; }
};

// Empty names (doubled or trailing separators) are skipped.
KeyPath splitKeyPath(const QString& path) {
    QString subKey = path;
    const RootKey root = RootKeyFromPath(subKey);
    return {root, subKey.split(kSeparator, Qt::SkipEmptyParts)};
}

struct StoredValue {
    QString name;
    QByteArray data;
};

struct StoredKey {
    QString path;
    QMap<QString, StoredValue> values;  // by case-folded name

    // False when the value already held these bytes.
    bool setValue(const QString& name, const QByteArray& data) {
        const QString id = name.toCaseFolded();
        const auto it = values.constFind(id);
        if (it == values.constEnd()) {
            values.insert(id, {name, data});
            return true;
        }
        if (it->data == data) return false;
        values[id].data = data;
        return true;
    }
    bool removeValue(const QString& name) { return values.remove(name.toCaseFolded()) > 0; }
    const StoredValue* value(const QString& name) const {
        const auto it = values.constFind(name.toCaseFolded());
        return it == values.constEnd() ? nullptr : &*it;
    }
};

// The file holds one "[root\name\name]" line per key, each followed by its values
// as "name=hex bytes" ("@" is the default value). Names are percent-encoded, so
// that any text survives and the file stays plain ASCII.
const QString kDefaultValueName = QStringLiteral("@");

QString encodeName(const QString& name) {
    return QString::fromLatin1(QUrl::toPercentEncoding(name));
}

QString decodeName(const QString& encoded) {
    return QUrl::fromPercentEncoding(encoded.toLatin1());
}

class KeyTree {
public:
    // A missing file is an empty store; one that cannot be read is a failure.
    static std::optional<KeyTree> load(const QString& file) {
        KeyTree tree;
        if (!QFileInfo::exists(file)) return tree;
        const auto lines = TextFile::readLines(file);
        if (!lines) return std::nullopt;
        tree.parse(*lines);
        return tree;
    }

    bool save(const QString& file) const {
        QDir().mkpath(QFileInfo(file).absolutePath());
        return TextFile::writeLines(file, lines());
    }

    // The root always exists; a key below it exists once created.
    bool contains(const KeyPath& key) const {
        return key.names.isEmpty() || keys_.contains(key.id());
    }

    // Adds the key and its missing parents; false when nothing was missing.
    bool add(const KeyPath& key) {
        if (contains(key)) return false;
        add(key.parent());
        keys_.insert(key.id(), StoredKey{key.text(), {}});
        return true;
    }

    StoredKey* find(const KeyPath& key) {
        if (key.names.isEmpty()) return &rootKey(key.root);
        const auto it = keys_.find(key.id());
        return it == keys_.end() ? nullptr : &*it;
    }

    QStringList paths() const {
        QStringList all;
        for (const StoredKey& key : keys_) all << key.path;
        return all;
    }

private:
    QMap<QString, StoredKey> keys_;  // by case-folded full path; roots included

    StoredKey& rootKey(RootKey root) {
        const KeyPath path{root, {}};
        auto it = keys_.find(path.id());
        if (it == keys_.end()) it = keys_.insert(path.id(), StoredKey{path.text(), {}});
        return *it;
    }

    QStringList lines() const {
        QStringList out{QStringLiteral("; Vessomar key store")};
        for (const StoredKey& key : keys_) {
            if (key.values.isEmpty() && !key.path.contains(kSeparator)) continue;
            out << keyLine(key.path);
            for (const StoredValue& value : key.values) out << valueLine(value);
        }
        return out;
    }

    static QString keyLine(const QString& path) {
        QStringList parts = path.split(kSeparator);
        for (int i = 1; i < parts.size(); ++i) parts[i] = encodeName(parts[i]);
        return QLatin1Char('[') + parts.join(kSeparator) + QLatin1Char(']');
    }

    static QString valueLine(const StoredValue& value) {
        const QString name = value.name.isEmpty() ? kDefaultValueName : encodeName(value.name);
        return name + QLatin1Char('=') + QString::fromLatin1(value.data.toHex(' '));
    }

    // Lines that fit neither form, and values under an unknown root, are skipped.
    void parse(const QStringList& lines) {
        StoredKey* current = nullptr;
        for (const QString& line : lines) {
            if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
                current = parseKey(line.mid(1, line.size() - 2));
            else if (current && line.contains(QLatin1Char('=')))
                parseValue(*current, line);
        }
    }

    StoredKey* parseKey(const QString& text) {
        QStringList parts = text.split(kSeparator);
        KeyPath key{rootFromName(parts.takeFirst()), {}};
        if (!key.isValid()) return nullptr;
        for (const QString& part : parts) key.names << decodeName(part);
        add(key);
        return find(key);
    }

    static void parseValue(StoredKey& key, const QString& line) {
        const int equals = line.indexOf(QLatin1Char('='));
        const QString name = line.left(equals);
        key.setValue(name == kDefaultValueName ? QString() : decodeName(name),
                           QByteArray::fromHex(line.mid(equals + 1).toLatin1()));
    }
};

struct OpenKey {
    QString storeFile;
    KeyPath key;
    quint32 access = 0;
};

std::map<KeyHandle, OpenKey>& openKeys() {
    static std::map<KeyHandle, OpenKey> keys;
    return keys;
}

KeyHandle newHandle() {
    static KeyHandle last = 0;
    return ++last;
}

const OpenKey* openKeyWithAccess(KeyHandle handle, quint32 access) {
    const auto it = openKeys().find(handle);
    if (it == openKeys().end() || (it->second.access & access) != access) return nullptr;
    return &it->second;
}

// Loads the store of an open key, changes the key through edit, and saves the
// store when edit reports a change. edit's false result for "nothing to do" is
// taken as success only when unchangedIsSuccess.
template <typename Edit>
bool editOpenKey(KeyHandle handle, bool unchangedIsSuccess, Edit edit) {
    const OpenKey* open = openKeyWithAccess(handle, KEY_SET_VALUE);
    if (!open) return false;
    auto tree = KeyTree::load(open->storeFile);
    StoredKey* key = tree ? tree->find(open->key) : nullptr;
    if (!key) return false;
    if (!edit(*key)) return unchangedIsSuccess;
    return tree->save(open->storeFile);
}

// The bytes of a string value: the text in Windows-1252 when it fits, otherwise
// UTF-8, and one terminating NUL.
QByteArray stringValueBytes(const QString& data) {
    QByteArray bytes = TextFile::encode(data);
    bytes.append('\0');
    return bytes;
}

}  // namespace

QString RegistryStore::userStorePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vessomar/registry.ini");
}

QStringList RegistryStore::keyPaths() const {
    const auto tree = KeyTree::load(filePath_);
    if (!tree) return {};
    QStringList paths = tree->paths();
    paths.erase(std::remove_if(paths.begin(), paths.end(),
                               [](const QString& p) { return !p.contains(kSeparator); }),
                paths.end());
    return paths;
}

namespace RegistroSistema {

RootKey RootKeyFromPath(QString& path) {
    const int separator = path.indexOf(kSeparator);
    QString name;
    if (separator >= 0) {
        name = path.left(separator).toUpper();
        path = path.mid(separator + 1);
    } else {
        name = path;
        path.clear();
    }
    return rootFromName(name);
}

bool CreateRegistryKey(const QString& path, const RegistryStore& store) {
    const KeyPath key = splitKeyPath(path);
    if (!key.isValid()) return false;
    auto tree = KeyTree::load(store.filePath());
    if (!tree) return false;
    return !tree->add(key) || tree->save(store.filePath());
}

bool OpenRegistryKey(const QString& path, KeyHandle& handle, quint32 access,
                     const RegistryStore& store) {
    const KeyPath key = splitKeyPath(path);
    if (!key.isValid()) return false;
    const auto tree = KeyTree::load(store.filePath());
    if (!tree || !tree->contains(key)) return false;
    handle = newHandle();
    openKeys()[handle] = {store.filePath(), key, access};
    return true;
}

bool CloseRegistryKey(KeyHandle handle) { return openKeys().erase(handle) == 1; }

bool SetRegistryString(const QString& path, const QString& valueName, const QString& data,
                       const QString& deleteMarker, const RegistryStore& store) {
    KeyHandle handle = 0;
    if (!OpenRegistryKey(path, handle, KEY_SET_VALUE, store)) return false;
    const bool done =
        data == deleteMarker
            ? DeleteRegistryValue(handle, valueName)
            : editOpenKey(handle, true, [&](StoredKey& key) {
                  return key.setValue(valueName, stringValueBytes(data));
              });
    CloseRegistryKey(handle);
    return done;
}

bool DeleteRegistryValue(KeyHandle handle, const QString& valueName) {
    return editOpenKey(handle, false,
                       [&](StoredKey& key) { return key.removeValue(valueName); });
}

bool QueryRegistryValue(const QString& path, const QString& valueName, QByteArray& data,
                        const RegistryStore& store) {
    const KeyPath key = splitKeyPath(path);
    auto tree = key.isValid() ? KeyTree::load(store.filePath()) : std::nullopt;
    const StoredKey* stored = tree ? tree->find(key) : nullptr;
    const StoredValue* value = stored ? stored->value(valueName) : nullptr;
    if (!value) return false;
    data = value->data;
    return true;
}

}  // namespace RegistroSistema

}  // namespace vsm
