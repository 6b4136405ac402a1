#pragma once

// The dialog tests' profile in centimetres, its environment, a training and
// a test on it, and scripted answers for the modal runner.
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>

#include "dialogs/steuerflaeche.h"
#include "model/test.h"
#include "model/training.h"
#include "platform/meldung.h"
#include "platform/qt/modal.h"
#include "support/qt_app.h"
#include "workplace/benutzerprofil.h"
#include "support/systemvorgaben.h"
#include "workplace/umgebung.h"

class DialogTest : public ::testing::Test {
protected:
    DialogTest() : umgebung(&profil)
    {
        SichereQtAnwendung();
        SetEinheit(EINHEIT_LAENGE | EINHEIT_CM, 1);
        training.SetUmgebung(&umgebung);
        test.SetUmgebung(&umgebung);
        m_vorher = SetModalLaeufer([this](QDialog& d) {
            if (antworten.empty()) {
                ADD_FAILURE() << "unerwarteter Dialog " << d.objectName().toStdString();
                return 0;
            }
            auto antwort = std::move(antworten.front());
            antworten.pop_front();
            return antwort(d);
        });
    }
    ~DialogTest() override { SetModalLaeufer(std::move(m_vorher)); }

    void Antwort(std::function<int(QDialog&)> a) { antworten.push_back(std::move(a)); }
    // Runs a sheet or dialog; `schritte` acts on it while it is shown.
    template <class Dialog>
    int Ausfuehren(Dialog& dlg, const std::function<void()>& schritte)
    {
        Antwort([&](QDialog& d) {
            d.show();
            schritte();
            return d.result();
        });
        return dlg.DoModal();
    }
    // Answers the next file dialog with a path (empty: cancels); `ordner`
    // receives the folder it opened in.
    void WaehleDatei(const std::string& pfad, std::string* ordner = nullptr)
    {
        Antwort([=](QDialog& d) {
            auto& datei = dynamic_cast<QFileDialog&>(d);
            if (ordner)
                *ordner = datei.directory().absolutePath().toStdString();
            datei.selectFile(QString::fromStdString(pfad));
            return int(pfad.empty() ? QDialog::Rejected : QDialog::Accepted);
        });
    }
    std::string Pfad(const std::string& relativ) const { return ordner.path().toStdString() + "/" + relativ; }
    void SetEinheit(uint32_t einheit, int stellen)
    {
        CAnzeigeOptionen o = profil.GetAnzeigeOptionen();
        o.SetEinheit(einheit);
        o.SetDezimalstellen(stellen);
        profil.SetAnzeigeoptionen(o);
        umgebung.SetProfil(&profil);
    }

    template <class T>
    static T* Teil(QWidget& w, const char* name)
    {
        T* t = w.findChild<T*>(name);
        EXPECT_NE(t, nullptr) << name;
        return t;
    }
    static std::string Text(QWidget& w, const char* name)
    {
        if (auto* l = w.findChild<QLabel*>(name))
            return l->text().toStdString();
        return Teil<QLineEdit>(w, name)->text().toStdString();
    }
    static bool Frei(QWidget& w, const char* name) { return Teil<QWidget>(w, name)->isEnabled(); }
    static bool An(QWidget& w, const char* name) { return Teil<QAbstractButton>(w, name)->isChecked(); }
    static void Klicke(QWidget& w, const char* name)
    {
        if (auto* b = Teil<QAbstractButton>(w, name))
            QTest::mouseClick(b, Qt::LeftButton);
    }
    // Enters the field, types the text unless it is null, and leaves the
    // field as the user does, or presses Enter.
    static void Tippe(QWidget& w, const char* name, const std::optional<QString>& text, bool enter = false)
    {
        auto* f = Teil<QLineEdit>(w, name);
        // Focus moves only inside the active window.
        f->window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(f->window()));
        f->setFocus();
        if (text) {
            f->selectAll();
            QTest::keyClick(f, Qt::Key_Delete);
            QTest::keyClicks(f, *text);
        }
        if (enter)
            QTest::keyClick(f, Qt::Key_Return);
        else
            f->clearFocus();
    }
    static void Tippe(QWidget& w, const char* name, const char* text) { Tippe(w, name, QString::fromUtf8(text)); }
    // Enters and leaves every number field that takes the focus, typing
    // nothing: each leaving reads the whole page.
    static void Durchlaufen(QWidget& w)
    {
        for (CFeld* f : w.findChildren<CFeld*>())
            if (f->isEnabled() && (f->alignment() & Qt::AlignRight))
                Tippe(w, f->objectName().toUtf8().constData(), std::nullopt);
    }
    static void Waehle(QWidget& w, const char* name, int index)
    {
        if (auto* l = Teil<QComboBox>(w, name)) {
            l->setCurrentIndex(index);
            emit l->activated(index);
        }
    }
    // Binds the page to the training (of that task unless 0) and shows it.
    template <class Seite>
    void Zeige(Seite& seite, int aufgabe = 0)
    {
        if (aufgabe)
            training.SetAufgabenart(aufgabe);
        seite.SetTraining(&profil, &umgebung, &training);
        seite.show();
    }

    CSystemvorgaben vorgaben; // before the profile, which reads them
    CBenutzerprofil profil;
    CUmgebung umgebung;
    CTraining training;
    CTest test;
    std::deque<std::function<int(QDialog&)>> antworten;
    QTemporaryDir ordner;

private:
    ModalLaeufer m_vorher;
};
