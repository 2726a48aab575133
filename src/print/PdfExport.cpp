// SPDX-License-Identifier: GPL-3.0-or-later
#include "print/PdfExport.h"

#include "model/Session.h"
#include "print/CoverPage.h"
#include "print/SessionPrintValue.h"
#include "print/StampaCopertina.h"
#include "project/CommDlgs.h"

#include <QDir>
#include <QFileInfo>

namespace vsm {

namespace {

constexpr int kMenuText = 126;
constexpr int kFilterText = 129;
constexpr int kNotWrittenText = 130;

}  // namespace

QString PdfExport::proposedName(const Session& session, const QString& projectPath) const {
    const QString base = projectPath.isEmpty() ? stripAmpersands(session.uiText[102])
                                               : QFileInfo(projectPath).completeBaseName();
    return base + QStringLiteral(".pdf");
}

bool PdfExport::run(QWidget* owner, const Session& session, int model, const QString& projectPath) {
    CommDlgs::FileDialogArguments dialog;
    const QString projectFolder = projectPath.isEmpty() ? QString() : CommDlgs::TrovaPath(projectPath);
    dialog.initialFolder =
        CommDlgs::existingFolderOr(folder_, CommDlgs::existingFolderOr(projectFolder, QDir::currentPath()));
    dialog.fileName = proposedName(session, projectPath);
    dialog.title = dialogTitle(session.uiText[kMenuText]);
    dialog.filter = CommDlgs::joinFilter(
        {session.uiText[kFilterText], QStringLiteral("*.pdf"), session.uiText[21], QStringLiteral("*")});
    dialog.defaultExtension = QStringLiteral("pdf");
    dialog.owner = owner;
    const QString path = CommDlgs::ShowFileDialog(*platform_.fileDialogs, dialog).text;
    if (path.isEmpty()) return false;
    if (QFileInfo::exists(path) &&
        !platform_.questions->askYesNo(
            owner, dialogTitle(session.uiText[18]),
            session.uiText[103] + QStringLiteral("\n\n") + session.uiText[104]))
        return false;
    folder_ = CommDlgs::TrovaPath(path);

    const PrintValue pageValue = printValue(session, model);
    const PageWrite outcome =
        writeCoverPdf(pageValue, a4Paper(printsPortrait(session, model)), kPdfPictureDpi, path);
    if (!outcome.written) {
        platform_.prompts->message(owner, dialogTitle(session.uiText[kMenuText]),
                                   session.uiText[kNotWrittenText] + QStringLiteral("\n\n") +
                                       QDir::toNativeSeparators(path) + QStringLiteral("\n") +
                                       outcome.fileError,
                                   MessagePrompts::Icon::Exclamation);
        return false;
    }
    if (outcome.failedSteps > 0)
        platform_.prompts->message(owner, printFailureTitle(), printFailureText(),
                                   MessagePrompts::Icon::Exclamation);
    return true;
}

}  // namespace vsm
