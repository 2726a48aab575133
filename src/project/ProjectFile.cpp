// SPDX-License-Identifier: GPL-3.0-or-later
#include "project/ProjectFile.h"

#include "model/Session.h"
#include "common/Rounding.h"
#include "common/TextFile.h"
#include "project/PictureLoader.h"

#include <QCoreApplication>

namespace vsm::ProjectFile {

namespace {

constexpr int kNoModel = -1;

QString tr(const char* text) { return QCoreApplication::translate("ProjectFile", text); }

QString fontSizeText(float size) {
    // Shortest form of up to seven significant digits, always with a point.
    return QString::number(double(size), 'g', 7).replace(QLatin1Char(','), QLatin1Char('.'));
}

// Reads the file's lines one at a time and says what went wrong where.
class LineReader {
public:
    explicit LineReader(QStringList lines) : lines_(std::move(lines)) {}

    std::optional<QString> whole(QString* error) {
        if (next_ >= lines_.size()) {
            *error = tr("The project file ends after line %1; it needs %2 lines.")
                         .arg(next_).arg(kLines);
            return std::nullopt;
        }
        return lines_[next_++];
    }

    template <typename T>
    std::optional<T> number(QString* error) {
        const auto line = whole(error);
        if (!line) return std::nullopt;
        bool ok = false;
        const double value = line->trimmed().toDouble(&ok);
        const auto n = ok ? toIntegerHalfEven<T>(value) : std::nullopt;
        if (!n)
            *error = tr("Line %1 of the project file is not a valid number: \"%2\".")
                         .arg(next_).arg(line->left(80));
        return n;
    }

private:
    QStringList lines_;
    int next_ = 0;
};

bool restorePictures(Session& s, LineReader& in, const QSize& atLeast, QString* error,
                     QStringList* damaged) {
    PictureLimits limits;
    limits.atLeast = atLeast;
    for (int number = 1; number <= 3; ++number) {
        const auto path = in.whole(error);
        if (!path) return false;
        if (path->trimmed().isEmpty()) {
            s.pictureSlots.put(number, blankPicture(), *path);
            continue;
        }
        const auto picture = loadPicture(*path, limits);
        if (!picture) {
            *error = tr("The picture \"%1\" is missing or is not a picture Vessomar can read.")
                         .arg(*path);
            return false;
        }
        if (picture->damaged) damaged->append(*path);
        s.pictureSlots.put(number, picture->composed(), *path);
    }
    return true;
}

bool restoreTitles(Session& s, LineReader& in, QString* error) {
    const auto outline = in.number<std::int16_t>(error);
    if (!outline) return false;
    s.outlineOn = *outline == 1;
    const auto cover = in.whole(error);
    if (!cover) return false;
    s.titles.coverTitleText = *cover;
    const auto spine = in.whole(error);
    if (!spine) return false;
    s.titles.spineTitleText = *spine;
    const auto font = in.whole(error);
    if (!font) return false;
    s.titles.fontName = *font;
    const auto size = in.number<std::int16_t>(error);
    if (!size) return false;
    s.titles.fontSize = *size;
    for (bool* style : {&s.titles.bold, &s.titles.italic, &s.titles.underline}) {
        const auto flag = in.number<std::int32_t>(error);
        if (!flag) return false;
        *style = *flag == 1;
    }
    const auto colour = in.number<std::int32_t>(error);
    if (!colour) return false;
    s.titles.colour = static_cast<StoredColour>(*colour);
    return true;
}

bool restoreSwitches(Session& s, LineReader& in, QString* error) {
    const auto cover = in.number<std::int16_t>(error);
    if (!cover) return false;
    s.model.coverTitleOn = *cover;
    const auto spine = in.number<std::int16_t>(error);
    if (!spine) return false;
    s.model.spineTitleOn = *spine;
    return true;
}

bool anyFitted(const Session& s) {
    for (int slot = 1; slot <= 3; ++slot)
        if (s.pictureSlots[slot].mode != FitMode::Stretch) return true;
    return false;
}

// Lines 16 to 18; a missing or unreadable one leaves its slot stretched.
void restoreFitModes(Session& s, const QStringList& fileLines) {
    for (int slot = 1; slot <= 3; ++slot) {
        const int line = kLines + slot - 1;
        std::optional<FitMode> mode;
        if (line < fileLines.size()) {
            bool ok = false;
            const qint64 number = fileLines[line].trimmed().toLongLong(&ok);
            if (ok) mode = fitModeFromNumber(number);
        }
        s.pictureSlots[slot].mode = mode.value_or(FitMode::Stretch);
    }
}

}  // namespace

QString numberItem(qint64 value) {
    return (value < 0 ? QString() : QStringLiteral(" ")) + QString::number(value) +
           QStringLiteral(" ");
}

QStringList lines(const Session& s, int currentModel) {
    const TitleSettings& t = s.titles;
    QStringList result{s.pictureSlots[1].path,
            s.pictureSlots[2].path,
            s.pictureSlots[3].path,
            numberItem(s.outlineOn ? 1 : 0),
            t.coverTitleText,
            t.spineTitleText,
            t.fontName,
            fontSizeText(t.fontSize),
            numberItem(t.bold ? 1 : 0),
            numberItem(t.italic ? 1 : 0),
            numberItem(t.underline ? 1 : 0),
            numberItem(static_cast<std::int32_t>(t.colour)),
            numberItem(s.model.coverTitleOn),
            numberItem(s.model.spineTitleOn),
            numberItem(currentModel)};
    if (anyFitted(s))
        for (int slot = 1; slot <= 3; ++slot)
            result << numberItem(static_cast<int>(s.pictureSlots[slot].mode));
    return result;
}

bool WriteProject(const Session& s, int currentModel, const QString& path, QString* error) {
    const QStringList content = lines(s, currentModel);
    for (const QString& line : content) {
        if (line.contains(QLatin1Char('\n')) || line.contains(QLatin1Char('\r'))) {
            *error = tr("A title or path holds a line break, which a project cannot store.");
            return false;
        }
    }
    if (TextFile::writeLines(path, content)) return true;
    *error = tr("Cannot write the project file \"%1\".").arg(path);
    return false;
}

ReadOutcome readInto(Session& s, const QString& path, const QSize& picturesAtLeast) {
    ReadOutcome outcome;
    const auto fileLines = TextFile::readLines(path);
    if (!fileLines) {
        outcome.error = tr("Cannot read the project file \"%1\".").arg(path);
        return outcome;
    }
    return readLinesInto(s, *fileLines, picturesAtLeast);
}

ReadOutcome readLinesInto(Session& s, const QStringList& fileLines, const QSize& picturesAtLeast) {
    ReadOutcome outcome;
    LineReader in(fileLines);
    if (!restorePictures(s, in, picturesAtLeast, &outcome.error, &outcome.damagedPictures) ||
        !restoreTitles(s, in, &outcome.error) ||
        !restoreSwitches(s, in, &outcome.error))
        return outcome;
    const auto model = in.whole(&outcome.error);
    if (!model) return outcome;
    bool ok = false;
    const double value = model->trimmed().toDouble(&ok);
    const auto index = ok ? toIntegerHalfEven<std::int16_t>(value) : std::nullopt;
    // A composition saved with no model chosen stores -1, and opens with none.
    if (!index || *index < kNoModel || *index >= s.modelCount) {
        outcome.error = tr("The project names model \"%1\", which is not in the list of models.")
                            .arg(model->trimmed().left(40));
        return outcome;
    }
    restoreFitModes(s, fileLines);
    outcome.ok = true;
    outcome.currentModel = *index;
    return outcome;
}

}  // namespace vsm::ProjectFile
