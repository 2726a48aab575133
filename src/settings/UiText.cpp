// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/UiText.h"

#include "common/TextFile.h"

#include <QDir>

namespace vsm {

QString UiText::operator[](int i) const {
    return i >= 0 && i < kSize ? texts_[static_cast<size_t>(i)] : QString();
}

void UiText::set(int i, const QString& text) {
    if (i >= 0 && i < kSize) texts_[static_cast<size_t>(i)] = text;
}

bool UiText::readLanguageFile(const QString& path) {
    const auto lines = TextFile::readLines(path);
    if (!lines) return false;
    readLines(*lines);
    return true;
}

void UiText::readLines(const QStringList& lines) {
    const int count = std::min<int>(lines.size(), kSize);
    for (int i = 0; i < count; ++i) {
        const QString& line = lines.at(i);
        if (line.size() >= kPrefixLength) set(i, line.mid(kPrefixLength));
    }
}

QString localeKey(const QLocale& locale) {
    if (locale.language() == QLocale::Portuguese && locale.territory() == QLocale::Brazil)
        return QStringLiteral("br");
    return QLocale::languageToCode(locale.language(), QLocale::ISO639Part1).toLower();
}

QString languageFromLocale(const QLocale& locale, const QString& langFolder) {
    const QString key = localeKey(locale);
    QString name = QStringLiteral("English");
    if (key == QLatin1String("br")) name = QStringLiteral("Brazilian");
    else if (key == QLatin1String("pt")) name = QStringLiteral("Portuguese");
    else if (key == QLatin1String("it")) name = QStringLiteral("Italiano");
    else if (key == QLatin1String("da")) name = QStringLiteral("Danish");
    else if (key == QLatin1String("es")) name = QStringLiteral("Spanish");
    else if (key == QLatin1String("de")) name = QStringLiteral("Deutsch");
    else if (key == QLatin1String("ru")) name = QStringLiteral("Russian");
    else if (key == QLatin1String("cs")) name = QStringLiteral("Czech");
    else if (key == QLatin1String("sv")) name = QStringLiteral("Swedish");
    else if (key == QLatin1String("fr")) {
        if (QFile::exists(langFolder + QStringLiteral("/Français.lng")))
            name = QStringLiteral("Français");
        else if (QFile::exists(langFolder + QStringLiteral("/French.lng")))
            name = QStringLiteral("French");
    }
    return name + QStringLiteral(".lng");
}

bool readLanguageWithFallback(UiText& text, const QString& langFolder,
                              const QString& languageName) {
    if (text.readLanguageFile(langFolder + QLatin1Char('/') + languageName)) return true;
    return text.readLanguageFile(langFolder + QStringLiteral("/English.lng"));
}

QString stripAmpersands(const QString& caption) {
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    return plain;
}

QString dialogTitle(const QString& caption) {
    QString title;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            title += caption[i];
        else if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&'))
            title += caption[++i];
    }
    return title;
}

}  // namespace vsm
