// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/MainCaptions.h"

namespace vsm {

QList<QPair<QString, QString>> mainWindowCaptions(const UiText& t) {
    return {
        {QStringLiteral("mnuFile"), t[40]},
        {QStringLiteral("mnuFileApri"), t[0] + QStringLiteral(" &1...")},
        {QStringLiteral("mnuImg2"), t[0] + QStringLiteral(" &2...")},
        {QStringLiteral("mnuImg3"), t[0] + QStringLiteral(" &3...")},
        {QStringLiteral("mnuApriDS"), t[101] + QStringLiteral("...")},
        {QStringLiteral("mnuSalva"), t[6]},
        {QStringLiteral("mnuSalvaConNome"), t[52]},
        {QStringLiteral("mnuFileStampa"), t[1]},
        {QStringLiteral("mnuFileAnteprima"), t[127]},
        {QStringLiteral("mnuFileEsportaPdf"), t[126]},
        {QStringLiteral("mnuFileEsci"), t[41]},
        {QStringLiteral("mnuFormato"), t[32]},
        {QStringLiteral("mnuStrumenti"), t[99]},
        {QStringLiteral("mnuOpzioni"), t[9]},
        {QStringLiteral("mnuCalibrazione"), t[114]},
        {QStringLiteral("mnuCercaCover"), t[8]},
        {QStringLiteral("mnuLingua"), t[44]},
        {QStringLiteral("mnuTitolo"), t[3]},
        {QStringLiteral("mnuDonazioni"), t[42]},
        {QStringLiteral("mnuDonazioniFaiunadonazione"), t[31]},
        {QStringLiteral("mnuGuida"), t[43]},
        {QStringLiteral("mnuMenu1Guida"), t[5]},
        {QStringLiteral("mnuAggiornamenti"), t[17]},
        {QStringLiteral("mnuMenu1Informazioni"), t[4]},
        {QStringLiteral("Label1"), t[14]},
        {QStringLiteral("Label5"), t[32]},
        {QStringLiteral("Label6"), t[16]},
        {QStringLiteral("mnuAggLingua"), t[94]},
        {QStringLiteral("mnuVersione"), t[100]},
    };
}

QString formatEntryCaption(const UiText& text, int k) { return text[53 + k]; }

QString modelName(const UiText& text, int k) { return text[53 + k]; }

}  // namespace vsm
