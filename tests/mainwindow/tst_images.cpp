// The main window's images: sharp at every pixel density and visible on a
// light palette and on a dark one.
#include "mainwindow/widgets/action_images.h"
#include "mainwindow/widgets/item_images.h"
#include "mainwindow/widgets/main_actions.h"

#include <QApplication>
#include <QImage>
#include <QPalette>
#include <QPixmap>
#include <QStyle>
#include <QTest>

namespace {

QPalette darkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
    dark.setColor(QPalette::WindowText, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
    dark.setColor(QPalette::Text, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, QColor(0xee, 0xee, 0xee));
    return dark;
}

struct Image {
    QIcon icon;
    QPalette::ColorRole background; // what it is shown on
};

// Every image the window shows, by a name for the test's rows.
QList<std::pair<QString, Image>> everyImage() {
    QList<std::pair<QString, Image>> images;
    for (const ActionSpec& action : mainActions())
        if (action.image >= 0)
            images.push_back({action.name, {actionImage(action.image), QPalette::Window}});
    for (const int progress : {0, 7, 14})
        images.push_back({QStringLiteral("progress %1").arg(progress),
                          {ItemImages::progressImage(progress), QPalette::Base}});
    for (const int mark : {2, 3})
        images.push_back({QStringLiteral("priority %1").arg(mark),
                          {ItemImages::priorityMark(mark), QPalette::Base}});
    return images;
}

// The largest difference of lightness between a visible pixel of the image
// and the background it is shown on.
int contrast(const QImage& image, const QColor& background) {
    int best = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.alpha() > 160)
                best = std::max(best, std::abs(pixel.lightness() - background.lightness()));
        }
    return best;
}

// Whether the image has detail finer than pixels of the given size: one of its
// blocks of size by size pixels is not all one colour.
bool hasDetailFinerThan(const QImage& image, int size) {
    for (int y = 0; y + size <= image.height(); y += size)
        for (int x = 0; x + size <= image.width(); x += size)
            for (int dy = 0; dy < size; ++dy)
                for (int dx = 0; dx < size; ++dx)
                    if (image.pixel(x + dx, y + dy) != image.pixel(x, y))
                        return true;
    return false;
}

} // namespace

class TestImages : public QObject {
    Q_OBJECT
    QPalette m_original;

private slots:
    void initTestCase() { m_original = QApplication::palette(); }
    void cleanup() { QApplication::setPalette(m_original); }

    void imagesAreDrawnAtThePixelDensity_data() {
        QTest::addColumn<QIcon>("icon");
        QTest::addColumn<qreal>("scale");
        for (const auto& [name, image] : everyImage())
            for (const qreal scale : {1.0, 1.5, 2.0})
                QTest::addRow("%s at %g", qPrintable(name), scale) << image.icon << scale;
    }

    // Drawn for the density asked for: the pixmap has that many pixels, not a
    // smaller one stretched, and detail finer than a pixel at 1x.
    void imagesAreDrawnAtThePixelDensity() {
        QFETCH(QIcon, icon);
        QFETCH(qreal, scale);
        const QPixmap pixmap = icon.pixmap(QSize(16, 16), scale);
        QCOMPARE(pixmap.devicePixelRatio(), scale);
        QCOMPARE(pixmap.size(), QSize(16, 16) * scale);
        if (scale == 2.0)
            QVERIFY(hasDetailFinerThan(pixmap.toImage(), 2));
    }

    void imagesShowOnEveryPalette_data() {
        QTest::addColumn<QIcon>("icon");
        QTest::addColumn<int>("background");
        QTest::addColumn<bool>("dark");
        for (const auto& [name, image] : everyImage())
            for (const bool dark : {false, true})
                QTest::addRow("%s, %s", qPrintable(name), dark ? "dark" : "light")
                    << image.icon << int(image.background) << dark;
    }

    // Each image stands out from the background it is shown on.
    void imagesShowOnEveryPalette() {
        QFETCH(QIcon, icon);
        QFETCH(int, background);
        QFETCH(bool, dark);
        const QPalette palette = dark ? darkPalette() : QApplication::style()->standardPalette();
        QApplication::setPalette(palette);
        const QImage image = icon.pixmap(QSize(16, 16), 2.0).toImage();
        QVERIFY2(contrast(image, palette.color(QPalette::ColorRole(background))) >= 100,
                 qPrintable(QString::number(
                     contrast(image, palette.color(QPalette::ColorRole(background))))));
    }

    // The glyphs take the palette's text colour: dark on a light palette, light
    // on a dark one, and they follow a palette changed while the program runs.
    void glyphsTakeThePaletteTextColour() {
        const QIcon cut = actionImage(13);
        const auto lightestInk = [&cut] {
            const QImage image = cut.pixmap(QSize(16, 16), 2.0).toImage();
            int lightest = -1;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixelColor(x, y).alpha() == 255)
                        lightest = std::max(lightest, image.pixelColor(x, y).lightness());
            return lightest;
        };
        QApplication::setPalette(QApplication::style()->standardPalette());
        const int onLight = lightestInk();
        QVERIFY(onLight >= 0 && onLight < 80);
        QApplication::setPalette(darkPalette());
        QVERIFY(lightestInk() > 200);
    }
};

QTEST_MAIN(TestImages)
#include "tst_images.moc"
