#include "print/frmStampa.h"

#include "app/Session.h"

namespace vsm {

bool ImpostaStampante(PrinterSystem& printers, MessagePrompts&, QWidget*, const QString& name) {
    for (const QString& installed : printers.printerNames()) {
        if (installed.toUpper() != name.toUpper()) continue;
        printers.setCurrentPrinter(installed);
        printers.makeDefault(name);
        return true;
    }
    return false;
}

frmStampa::frmStampa(const Platform&, const Session&, PrintDialogState&,
                     std::function<void()>, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmStampa"));
}

}  // namespace vsm
