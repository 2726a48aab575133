#pragma once

#include "platform/Platform.h"

#include <QDialog>
#include <cstdint>
#include <functional>

namespace vsm {

struct Session;

// What the print dialog keeps for the life of the program.
struct PrintDialogState {
    std::int16_t printQualityIndex = 0;  // list position selected when the list is filled
    bool firstNotificationSeen = false;  // the printer box ignores its very first notification
};

// Makes the installed printer of that name (any letter case) current and the
// user's default. False when no installed printer has that name.
bool ImpostaStampante(PrinterSystem& printers, MessagePrompts& prompts, QWidget* owner,
                      const QString& name);

// The modal print dialog: printer, quality, orientation and copies, then print.
class frmStampa : public QDialog {
    Q_OBJECT
public:
    frmStampa(const Platform& platform, const Session& session, PrintDialogState& state,
              std::function<void()> stampaCopertina, QWidget* parent = nullptr);
};

}  // namespace vsm
