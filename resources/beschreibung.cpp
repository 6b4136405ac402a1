// Writes the program description, "LMTR Programmbeschreibung.pdf", from its
// Markdown text at build time (scripts/run copies it into the program
// folder):
//     lumetra_beschreibung <text.md> <file.pdf>
#include <cstdio>

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "Aufruf: lumetra_beschreibung <text.md> <datei.pdf>\n");
        return 2;
    }
    // Only fonts are needed, no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QFile quelle(QString::fromLocal8Bit(argv[1]));
    if (!quelle.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "lumetra_beschreibung: %s nicht lesbar\n", argv[1]);
        return 1;
    }
    QTextDocument text;
    text.setDefaultFont(QFont("Liberation Sans", 10));
    text.setDefaultStyleSheet("h1 { font-size: 20pt; } h2 { font-size: 13pt; } td, th { padding: 3px; }");
    text.setMarkdown(QString::fromUtf8(quelle.readAll()));

    QPdfWriter pdf(QString::fromLocal8Bit(argv[2]));
    pdf.setTitle("Lumetra – Programmbeschreibung");
    pdf.setCreator("Lumetra");
    pdf.setResolution(300);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(22, 20, 22, 20),
                                  QPageLayout::Millimeter));
    text.print(&pdf);
    return QFile::exists(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
}
