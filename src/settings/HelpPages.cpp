// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/HelpPages.h"

#include <QHash>

namespace vsm {

QString helpPageFor(const QString& languageName) {
    static const QHash<QString, QString> pages = {
        {QStringLiteral("français.lng"), QStringLiteral("fr")},
        {QStringLiteral("francais.lng"), QStringLiteral("fr")},
        {QStringLiteral("french.lng"), QStringLiteral("fr")},
        {QStringLiteral("italiano.lng"), QStringLiteral("it")},
        {QStringLiteral("english.lng"), QStringLiteral("en")},
        {QStringLiteral("portuguese.lng"), QStringLiteral("pt")},
        {QStringLiteral("brazilian.lng"), QStringLiteral("pt")},
        {QStringLiteral("spanish.lng"), QStringLiteral("es")},
        {QStringLiteral("hungarian.lng"), QStringLiteral("hu")},
        {QStringLiteral("russian.lng"), QStringLiteral("ru")},
    };
    const QString code = pages.value(languageName.toLower(), QStringLiteral("en"));
    return QStringLiteral("/Files/Help-%1.html").arg(code);
}

QString languageNameFromPath(const QString& chosenPath, const QString& currentName) {
    const QString marker = QStringLiteral("/Lang/");
    const int at = chosenPath.lastIndexOf(marker);
    return at < 0 ? currentName : chosenPath.mid(at + marker.size());
}

}  // namespace vsm
