// SPDX-License-Identifier: MIT
// The program icon as Qt reads it: its size, its opacity and its ten colours,
// and the rough places of its parts.

#include "ProgramIcon.h"

#include <QImage>
#include <QSet>
#include <QtTest>

namespace {

QImage Icon() { return QImage(karvelo::resources::ProgramIconXpm()); }

int CountIn(const QImage& image, QRgb colour, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == colour;
    return count;
}

} // namespace

class ProgramIconTest : public QObject {
    Q_OBJECT

private slots:
    void sizeAndOpacity()
    {
        const QImage icon = Icon();
        QVERIFY(!icon.isNull());
        QCOMPARE(icon.size(), QSize(32, 32));
        QSet<QRgb> colours;
        for (int y = 0; y < icon.height(); ++y)
            for (int x = 0; x < icon.width(); ++x) {
                const QRgb pixel = icon.pixel(x, y);
                QCOMPARE(qAlpha(pixel), 255);
                colours.insert(pixel);
            }
        QCOMPARE(colours.size(), 10);
    }

    void colourPresent_data()
    {
        QTest::addColumn<QColor>("colour");
        // Where the part stands: the icon quarter that holds most of it (none
        // for an outline, which runs round its part).
        QTest::addColumn<QRect>("quarter");
        const QRect upperLeft(0, 0, 16, 16), upperRight(16, 0, 16, 16);
        const QRect lowerLeft(0, 16, 16, 16);
        QTest::newRow("crimson ground") << QColor(255, 51, 102) << upperLeft;
        QTest::newRow("amber dome") << QColor(255, 204, 51) << upperRight;
        QTest::newRow("red dome outline") << QColor(255, 51, 51) << QRect();
        QTest::newRow("blue disc") << QColor(0, 102, 255) << upperRight;
        QTest::newRow("green band") << QColor(102, 255, 51) << lowerLeft;
        QTest::newRow("blue band outline") << QColor(51, 51, 255) << QRect();
        QTest::newRow("light-blue field") << QColor(102, 204, 255) << lowerLeft;
        QTest::newRow("olive field edge") << QColor(102, 153, 51) << lowerLeft;
        QTest::newRow("dark-brown disc") << QColor(102, 51, 51) << lowerLeft;
        QTest::newRow("pink disc") << QColor(255, 102, 255) << lowerLeft;
    }

    void colourPresent()
    {
        QFETCH(QColor, colour);
        QFETCH(QRect, quarter);
        const QImage icon = Icon();
        const int total = CountIn(icon, colour.rgb(), icon.rect());
        QVERIFY2(total > 0, qPrintable(colour.name()));
        if (quarter.isNull())
            return;
        const QRect quarters[] = {{0, 0, 16, 16}, {16, 0, 16, 16}, {0, 16, 16, 16},
                                  {16, 16, 16, 16}};
        for (const QRect& other : quarters)
            QVERIFY2(CountIn(icon, colour.rgb(), quarter) >= CountIn(icon, colour.rgb(), other),
                     qPrintable(colour.name()));
    }

    // An outlined part never touches the ground directly.
    void outlinesSeparate_data()
    {
        QTest::addColumn<QColor>("part");
        QTest::addColumn<QColor>("outline");
        QTest::newRow("amber dome, red outline") << QColor(255, 204, 51) << QColor(255, 51, 51);
        QTest::newRow("green band, blue outline") << QColor(102, 255, 51) << QColor(51, 51, 255);
    }

    void outlinesSeparate()
    {
        QFETCH(QColor, part);
        QFETCH(QColor, outline);
        const QImage icon = Icon();
        const QRgb ground = QColor(255, 51, 102).rgb();
        int outlineNeighbours = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                if (icon.pixel(x, y) != part.rgb())
                    continue;
                for (const QPoint step : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
                    const QPoint next = QPoint(x, y) + step;
                    if (!icon.rect().contains(next))
                        continue;
                    QVERIFY(icon.pixel(next) != ground);
                    outlineNeighbours += icon.pixel(next) == outline.rgb();
                }
            }
        QVERIFY(outlineNeighbours > 0);
    }

    void groundAtTheCorners()
    {
        const QImage icon = Icon();
        const QRgb crimson = QColor(255, 51, 102).rgb();
        QCOMPARE(icon.pixel(0, 0), crimson);
        QCOMPARE(icon.pixel(31, 31), crimson);
    }
};

QTEST_MAIN(ProgramIconTest)
#include "ProgramIconTest.moc"
