#include "dialog_umfeld.h"

#include <QPixmap>

void DialogTest::Bild(QWidget& w, const std::string& name)
{
    const std::string pfad = std::string(LUMETRA_ARTIFACTS) + "/" + name + ".png";
    EXPECT_TRUE(w.grab().save(QString::fromStdString(pfad)));
}
