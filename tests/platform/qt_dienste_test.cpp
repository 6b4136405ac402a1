// Qt's own dialogs in German whatever the system locale; the C library's
// numbers stay "C".
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>

#include <QDateTime>
#include <QFile>
#include <QFileSystemModel>
#include <QTemporaryDir>
#include <QTest>

#include "platform/qt/qt_dienste.h"
#include "support/qt_app.h"

TEST(QtDienste, DateiDialogDeutschUnterFremderSprache)
{
    // A fresh process: the system locale is read once, when the
    // QApplication is made.
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            setenv("LC_ALL", "C.UTF-8", 1);
            setenv("LANGUAGE", "en", 1);
            DeutscheSystemspracheVorbereiten();
            SichereQtAnwendung();
            QtDiensteEinrichten();
            // What the file dialog's detail view shows of an 82-byte file.
            QTemporaryDir ordner;
            QFile datei(ordner.filePath("a.lmt"));
            datei.open(QIODevice::WriteOnly);
            datei.write(QByteArray(82, 'x'));
            datei.flush();
            datei.setFileTime(QDateTime(QDate(2024, 12, 7), QTime(15, 4)), QFileDevice::FileModificationTime);
            datei.close();
            QFileSystemModel modell;
            const QModelIndex wurzel = modell.setRootPath(ordner.path());
            const bool gelesen = QTest::qWaitFor([&] { return modell.rowCount(wurzel) == 1; }, 5000);
            const QModelIndex a = modell.index(datei.fileName());
            const QString groesse = modell.data(a.siblingAtColumn(1)).toString();
            const QString datum = modell.data(a.siblingAtColumn(3)).toString();
            const std::string zahlen = std::setlocale(LC_NUMERIC, nullptr);
            std::fprintf(stderr, "%s | %s | %s\n", qPrintable(groesse), qPrintable(datum), zahlen.c_str());
            std::_Exit(gelesen && groesse == "82 Bytes" && datum == "07.12.24 15:04" && zahlen == "C" ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}
