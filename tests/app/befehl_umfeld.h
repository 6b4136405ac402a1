#pragma once

// Helpers of the view and print tests: editors answered by scripted steps,
// the colour dialog choosing red, and the text of a printed PDF.
#include <QAbstractButton>
#include <QColorDialog>
#include <QProcess>

#include "app_umgebung.h"

inline void Klicke(QWidget& w, const char* name)
{
    auto* knopf = w.findChild<QAbstractButton*>(name);
    ASSERT_NE(knopf, nullptr) << name;
    knopf->click();
}

// The next editor is shown, `schritte` act on it, and it answers what it
// was closed with.
inline void Bearbeite(CSkriptLaeufer& laeufer, std::function<void(QDialog&)> schritte)
{
    laeufer.m_antworten.push_back([schritte](QDialog& d) {
        d.show();
        schritte(d);
        return d.result();
    });
}

// The colour dialog, whose chooser sets the foreground colour to red.
inline void FarbeRot(CSkriptLaeufer& laeufer)
{
    Bearbeite(laeufer, [](QDialog& d) {
        Klicke(d, "vordergrund");
        d.accept();
    });
    laeufer.m_antworten.push_back([](QDialog& d) {
        dynamic_cast<QColorDialog&>(d).setCurrentColor(QColor(255, 0, 0));
        return int(QDialog::Accepted);
    });
}

inline QString PdfText(const QString& pdf, const QStringList& optionen = {})
{
    QProcess text;
    text.start("pdftotext", optionen + QStringList{pdf, "-"});
    EXPECT_TRUE(text.waitForFinished(10000));
    return QString::fromUtf8(text.readAllStandardOutput());
}
