#include "platform/qt/modal.h"

#include <QDialog>

namespace {

ModalLaeufer& Laeufer()
{
    static ModalLaeufer laeufer;
    return laeufer;
}

} // namespace

ModalLaeufer SetModalLaeufer(ModalLaeufer laeufer)
{
    ModalLaeufer vorher = std::move(Laeufer());
    Laeufer() = std::move(laeufer);
    return vorher;
}

int ModalAusfuehren(QDialog& dialog)
{
    if (Laeufer())
        return Laeufer()(dialog);
    return dialog.exec();
}
