#include "../support/window_controls.h"
#include "base/errors.h"
#include "base/program_folder.h"
#include "settings/widgets/jpeg_image.h"
#include "settings/widgets/unt_f_about.h"

#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Time passes only when the test says so.
class FakeClock final : public PictureClock {
public:
    void start(int milliseconds) override {
        m_interval = milliseconds;
        m_sinceTick = 0;
    }
    int interval() const override { return m_interval; }
    void setInterval(int milliseconds) override { start(milliseconds); }

    void advance(int milliseconds) {
        while (milliseconds > 0) {
            const int step = std::min(milliseconds, m_interval - m_sinceTick);
            m_sinceTick += step;
            milliseconds -= step;
            if (m_sinceTick == m_interval) {
                m_sinceTick = 0;
                emit timeout();
            }
        }
    }

private:
    int m_interval = 0;
    int m_sinceTick = 0;
};

const QString kPicture = QStringLiteral(":/about/quillnest.jpg");

} // namespace

class TestAbout : public QObject {
    Q_OBJECT

    struct Box {
        std::unique_ptr<Tf_about> box;
        FakeClock* clock;
    };
    PictureTurns m_turns; // the run's, as the main window's boxes share it
    const ProgramFolder m_folder{QStringLiteral("/opt/quill nest/quillnest")};

    Box openBox() {
        auto clock = std::make_unique<FakeClock>();
        FakeClock* raw = clock.get();
        return {std::make_unique<Tf_about>(nullptr, m_folder, m_turns, std::move(clock)), raw};
    }
    // Which of the four pictures the box shows.
    static QString shown(const Tf_about& box) {
        const qint64 key = findControl<FittedPicture>(box, "im_icono")->picture().cacheKey();
        return key == box.turnedPicture(0).cacheKey()   ? QStringLiteral("0")
               : key == box.turnedPicture(1).cacheKey() ? QStringLiteral("90")
               : key == box.turnedPicture(2).cacheKey() ? QStringLiteral("180")
               : key == box.turnedPicture(3).cacheKey() ? QStringLiteral("270")
                                                        : QStringLiteral("other");
    }
    static QStringList shownEverySecond(Box& open, int seconds) {
        QStringList pictures;
        for (int i = 0; i < seconds; ++i) {
            open.clock->advance(1000);
            pictures << shown(*open.box);
        }
        return pictures;
    }

private slots:
    void init() { m_turns = {}; }

    void pictureTurnsAfterTwentySeconds() {
        Box open = openBox();
        QCOMPARE(shown(*open.box), QStringLiteral("0"));
        open.clock->advance(19999);
        QCOMPARE(shown(*open.box), QStringLiteral("0"));
        open.clock->advance(1);
        QCOMPARE(shown(*open.box), QStringLiteral("90"));
        QCOMPARE(open.clock->interval(), 1000);
        QCOMPARE(shownEverySecond(open, 5), QStringList({"180", "270", "0", "90", "180"}));
    }

    void nextBoxGoesOnFromWhereTheLastStopped() {
        Box first = openBox();
        first.clock->advance(20000);
        QCOMPARE(shownEverySecond(first, 2), QStringList({"180", "270"}));
        QTest::mouseClick(findControl<QPushButton>(*first.box, "OKButton"), Qt::LeftButton);
        first.box.reset();

        Box second = openBox();
        QCOMPARE(shown(*second.box), QStringLiteral("0"));
        second.clock->advance(19000);
        QCOMPARE(shownEverySecond(second, 2), QStringList({"0", "90"}));
    }

    void picturesAreTheUprightOneTurned() {
        Box open = openBox();
        const QImage upright = open.box->turnedPicture(0).toImage();
        QCOMPARE(upright.size(), QSize(234, 248));
        // Each a further quarter turn clockwise: the upright picture's top left
        // corner goes to the top right, bottom right, then bottom left.
        const QPoint corner(3, 3);
        const QRgb colour = upright.pixel(corner);
        const auto near = [colour](const QPixmap& turned, QPoint at) {
            const QRgb other = turned.toImage().pixel(at);
            return qAbs(qRed(other) - qRed(colour)) + qAbs(qGreen(other) - qGreen(colour)) +
                       qAbs(qBlue(other) - qBlue(colour)) <
                   12;
        };
        QCOMPARE(open.box->turnedPicture(1).size(), QSize(248, 234));
        QVERIFY(near(open.box->turnedPicture(1), {247 - 3, 3}));
        QCOMPARE(open.box->turnedPicture(2).size(), QSize(234, 248));
        QVERIFY(near(open.box->turnedPicture(2), {233 - 3, 247 - 3}));
        QCOMPARE(open.box->turnedPicture(3).size(), QSize(248, 234));
        QVERIFY(near(open.box->turnedPicture(3), {3, 233 - 3}));
    }

    // The box says where the settings, language files and pages are: beside a
    // portable copy, in the user's config and cache folders for an installed one.
    void boxNamesTheFoldersOfTheFiles() {
        QStandardPaths::setTestModeEnabled(true);
        QTemporaryDir dir;
        for (const char* name :
             {"usr/bin/quillnest", "usr/lib/quillnest/libquillnest_browser.so"}) {
            QDir().mkpath(QFileInfo(dir.filePath(name)).absolutePath());
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const ProgramFolder installed =
            ProgramFolder::locate(dir.filePath(QStringLiteral("usr/bin/quillnest")));
        const QString config =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        const QString cache =
            QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation);
        const std::pair<const ProgramFolder*, QString> cases[] = {
            {&m_folder,
             "Settings and language files: /opt/quill nest\nReport pages: /opt/quill nest/web"},
            {&installed, "Settings and language files: " + config +
                             "/quillnest\nReport pages: " + cache + "/quillnest/web"},
        };
        for (const auto& [folder, note] : cases) {
            PictureTurns turns;
            const Tf_about box(nullptr, *folder, turns);
            QCOMPARE(findControl<QLabel>(box, "lb_archivos")->text(), note);
        }
    }

    void aboutBoxIsHiddenByItsCloseBoxAndEndedByOk() {
        AboutBoxes boxes;
        boxes.show(nullptr, m_folder);
        QPointer<Tf_about> box = boxes.box();
        QVERIFY(box && box->isVisible());
        QVERIFY(!box->isModal());
        box->close();
        QVERIFY(!box->isVisible());
        boxes.show(nullptr, m_folder);
        QCOMPARE(boxes.box(), box.data());
        QVERIFY(box->isVisible());

        QTest::mouseClick(findControl<QPushButton>(*box, "OKButton"), Qt::LeftButton);
        QVERIFY(!boxes.box());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!box);
        boxes.show(nullptr, m_folder);
        QVERIFY(boxes.box());
        delete boxes.box();
    }

    void decodesLikeQtsOwnReader() {
        const QImage ours = readJpeg(kPicture);
        QImage reference(kPicture, "JPEG");
        if (reference.isNull())
            QSKIP("Qt's JPEG reader is not installed");
        reference = reference.convertToFormat(ours.format());
        QCOMPARE(ours.size(), reference.size());
        int worst = 0;
        for (int y = 0; y < ours.height(); ++y)
            for (int x = 0; x < ours.width(); ++x) {
                const QRgb a = ours.pixel(x, y);
                const QRgb b = reference.pixel(x, y);
                worst = std::max({worst, qAbs(qRed(a) - qRed(b)), qAbs(qGreen(a) - qGreen(b)),
                                  qAbs(qBlue(a) - qBlue(b))});
            }
        QVERIFY2(worst <= 4, qPrintable(QString::number(worst)));
    }

    void damagedPictureIsAnError_data() {
        QFile file(kPicture);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray whole = file.readAll();
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("truncated") << whole.first(whole.size() * 2 / 3);
        QTest::newRow("header only") << whole.first(600);
        QTest::newRow("not a JPEG") << QByteArray("GIF89a and so on");
        QTest::newRow("empty") << QByteArray();
    }
    void damagedPictureIsAnError() {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("damaged.jpg"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        try {
            readJpeg(path);
            QFAIL("a damaged picture was decoded");
        } catch (const EInOutError& error) {
            QVERIFY2(error.message().contains(path), qPrintable(error.message()));
        }
    }
};

QTEST_MAIN(TestAbout)
#include "tst_f_about.moc"
