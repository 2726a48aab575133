// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

namespace vsm {

struct Session;

// A project file keeps one composition in 15 lines: the three picture paths, the
// outline switch, the two titles with their font, size, styles and colour, the two
// title switches and the model. Pictures are stored by path only. Optional lines
// 16 to 18 hold the slots' fit modes, written only when one of them is not
// Stretch, so a composition that never uses them keeps its 15 lines.
namespace ProjectFile {

constexpr int kLines = 15;
constexpr int kLinesWithModes = 18;

// The lines for the session's composition with the given model selection.
QStringList lines(const Session& session, int currentModel);

// Writes the file atomically; on failure error says why.
bool WriteProject(const Session& session, int currentModel, const QString& path,
                  QString* error);

struct ReadOutcome {
    bool ok = false;
    QString error;                     // why reading stopped
    std::optional<int> currentModel;  // line 15, when everything was read; -1: no model
    QStringList damagedPictures;       // pictures that loaded only partly
};

// Restores the composition line by line. Each line is applied as it is read, so
// a failure keeps what came before it; a slot whose picture loaded keeps that
// picture with its path. The model is handed back for the caller to select.
// picturesAtLeast: pictures need no more pixels than this (empty: as many as
// printing can use).
ReadOutcome readInto(Session& session, const QString& path, const QSize& picturesAtLeast = {});
ReadOutcome readLinesInto(Session& session, const QStringList& lines,
                          const QSize& picturesAtLeast = {});

// A number as the file stores it: " 1 ", "-1 ".
QString numberItem(qint64 value);

}  // namespace ProjectFile

}  // namespace vsm
