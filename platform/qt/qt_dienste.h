#pragma once

// Before the QApplication exists: Qt's own dialogs show sizes, dates and
// times in the system locale, which Qt reads from the environment, so the
// environment is made German for Qt. The C library takes the user's locale
// first, so that it keeps it where no German one is installed.
void DeutscheSystemspracheVorbereiten();

// Installs the Qt services of the platform layer for the running
// QApplication: numbers in the C library read and written in "C" whatever
// the locale, German as Qt's default locale, the documents folder from
// QStandardPaths and the German texts of Qt's own dialogs (qtbase_de).
// Answers false when the German translation could not be loaded; the
// program runs on regardless.
bool QtDiensteEinrichten();
