// Document windows cascade inside the MDI area, cut to it where it is smaller.
#include "app_umgebung.h"

#include <QCoreApplication>
#include <QDir>
#include <QMdiArea>

#include "app/dokument.h"

TEST(Fenster, NeuerPlatzKaskadiertUndPasstHinein)
{
    const QSize bereich(800, 660), groesse(626, 486);
    EXPECT_EQ(CDokumentFenster::NeuerPlatz(bereich, groesse, {}, 25), QRect(0, 0, 626, 486));
    // A place freed by a closed window is taken again first.
    EXPECT_EQ(CDokumentFenster::NeuerPlatz(bereich, groesse, {{0, 0}, {50, 50}}, 25), QRect(25, 25, 626, 486));
    // Places 0 to 6 taken: the seventh would reach 661 > 660, so back to the top left.
    std::vector<QPoint> belegt;
    for (int k = 0; k <= 6; ++k)
        belegt.emplace_back(25 * k, 25 * k);
    EXPECT_EQ(CDokumentFenster::NeuerPlatz(bereich, groesse, belegt, 25), QRect(0, 0, 626, 486));
    belegt.pop_back();
    EXPECT_EQ(CDokumentFenster::NeuerPlatz(bereich, groesse, belegt, 25), QRect(150, 150, 626, 486));
    // Too large for the area: cut to it.
    EXPECT_EQ(CDokumentFenster::NeuerPlatz(QSize(500, 400), groesse, {}, 25), QRect(0, 0, 500, 400));
}

// Under X, with real frame sizes: each new window inside the visible area at
// its first size, below and right of the one before.
class XvfbFenster : public AppTest {};

TEST_F(XvfbFenster, KaskadeImArbeitsbereich)
{
    if (!std::getenv("LUMETRA_TEST_REAL_DISPLAY") || !std::getenv("DISPLAY"))
        GTEST_SKIP() << "braucht einen X-Server (scripts/test startet Xvfb)";
    SchreibeVorlagen();
    CLumetraApp& app = Starte();
    QMdiArea* mdi = app.GetMainWnd()->GetMdiArea();
    const QRect sichtbar(QPoint(0, 0), mdi->viewport()->size());
    QPoint vorher(-1, -1);
    for (int i = 0; i < 5; ++i) {
        CLMDokument* d = app.GetVorlagen()[static_cast<size_t>(i % 2)]->OpenDocumentFile("");
        ASSERT_NE(d, nullptr);
        const QRect r = d->GetFenster()->geometry();
        EXPECT_TRUE(sichtbar.contains(r)) << i << ": " << r.x() << "," << r.y() << " " << r.width() << "x" << r.height()
                                          << " in " << sichtbar.width() << "x" << sichtbar.height();
        EXPECT_EQ(r.size(), QSize(626, 486).boundedTo(sichtbar.size())) << i;
        EXPECT_GT(r.x(), vorher.x()) << i;
        EXPECT_EQ(r.x(), r.y()) << i;
        vorher = r.topLeft();
    }
    QCoreApplication::processEvents();
    QDir().mkpath(LUMETRA_ARTIFACTS);
    app.GetMainWnd()->grab().save(QString(LUMETRA_ARTIFACTS) + "/fenster_kaskade.png");
}
