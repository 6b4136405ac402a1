#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "platform/draw/qpainter/painter_dc.h"
#include "support/qt_app.h"
#include "workplace/textdatei.h"

namespace {

using Zeilen = std::vector<std::string>;

const std::string kSatz = "Die Übung beginnt, sobald die Taste gedrückt wird; Reaktions-Zeiten werden gemessen.";

// Draws with the real font and keeps where each piece of text went.
struct CMerkenderDC : CPainterDC {
    using CPainterDC::CPainterDC;
    struct Stueck {
        int x;
        std::string text;
        RECT clip;
    };
    bool ExtTextOut(int x, int y, unsigned optionen, const RECT* r, const std::string& text) override
    {
        m_stuecke.push_back({x, text, *r});
        return CPainterDC::ExtTextOut(x, y, optionen, r, text);
    }
    std::vector<Stueck> m_stuecke;
};

// Real font metrics, drawn as printed (0.1 mm, y upwards), saved for a look.
TEST(TextMitSchrift, ZerlegenUndUmbrechenMitEchterSchrift)
{
    SichereQtAnwendung();
    QImage bild(600, 220, QImage::Format_RGB32);
    bild.fill(Qt::white);
    QPainter painter(&bild);
    CMerkenderDC dc(&painter, false);
    dc.SetMapMode(MM_LOMETRIC);
    LOGFONT lf;
    lf.lfHeight = 40; // 4 mm
    lf.lfFaceName = "Arial";
    CFont schrift;
    schrift.CreateFontIndirect(&lf);
    dc.SelectObject(&schrift);

    // Broken lines fit, never end in the blank they were broken at, and
    // put together give the sentence again.
    Zeilen aus;
    const int breite = 400;
    ASSERT_EQ(ZerlegeText({kSatz}, &aus, &dc, breite), 0);
    ASSERT_GT(aus.size(), 2u);
    std::string zusammen;
    for (const std::string& z : aus) {
        EXPECT_LE(dc.GetTextExtent(z).cx, breite) << z;
        EXPECT_NE(z.back(), ' ');
        zusammen += z.back() == '-' ? z : z + " ";
    }
    zusammen.pop_back();
    EXPECT_EQ(zusammen, kSatz);

    // Abbreviated at the start, in the middle and at the end: every piece
    // lies inside the rectangle and does not overlap the marker.
    const double positionen[] = {0.0, 0.4, 1.0};
    for (int i = 0; i < 3; ++i) {
        const RECT r{100, -100 - 120 * i, 1300, -160 - 120 * i};
        dc.m_stuecke.clear();
        EXPECT_EQ(UmbrecheText(kSatz, &dc, r, positionen[i]), 0);
        ASSERT_EQ(dc.m_stuecke.size(), i == 1 ? 3u : 2u);
        int bisher = r.left;
        for (const auto& s : dc.m_stuecke) {
            const int ende = s.x + dc.GetTextExtent(s.text).cx;
            EXPECT_GE(s.x, bisher) << s.text;
            EXPECT_LE(ende, r.right) << s.text;
            bisher = ende;
        }
        const std::string marke = i == 0 ? "...]" : i == 1 ? "[...]" : "[...";
        EXPECT_EQ(dc.m_stuecke[i == 0 ? 0 : 1].text, marke);
    }
    painter.end();
    ASSERT_TRUE(bild.save(QString::fromUtf8(LUMETRA_ARTIFACTS "/umbrechen.png")));
}

} // namespace
