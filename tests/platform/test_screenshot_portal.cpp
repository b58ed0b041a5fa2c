// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The screenshot portal's answers taken apart: the request path it answers
// on, the colour its picker gives, and the file a frame comes in.
#include "screenshot_portal.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace tinctora;

class TestScreenshotPortal : public QObject {
    Q_OBJECT

private slots:
    void requestPathNamesTheCaller_data() {
        QTest::addColumn<QString>("unique");
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << ":1.42"
                               << "/org/freedesktop/portal/desktop/request/1_42/t7";
        QTest::newRow("several dots") << ":1.2.3"
                                      << "/org/freedesktop/portal/desktop/request/1_2_3/t7";
    }
    void requestPathNamesTheCaller() {
        QFETCH(QString, unique);
        QFETCH(QString, path);
        QCOMPARE(PortalRequestPath(unique, QStringLiteral("t7")), path);
    }

    void portalColourRoundsEachChannel_data() {
        QTest::addColumn<double>("red");
        QTest::addColumn<double>("green");
        QTest::addColumn<double>("blue");
        QTest::addColumn<PackedColor>("packed");
        QTest::newRow("extremes") << 1.0 << 0.0 << 1.0 << PackColor(255, 0, 255);
        QTest::newRow("exact 8-bit values")
            << 51 / 255.0 << 102 / 255.0 << 204 / 255.0 << PackColor(51, 102, 204);
        QTest::newRow("halves to the even neighbour")
            << 0.5 / 255.0 << 1.5 / 255.0 << 2.5 / 255.0 << PackColor(0, 2, 2);
        QTest::newRow("out of range is clamped") << -0.2 << 1.3 << 0.0 << PackColor(0, 255, 0);
    }
    void portalColourRoundsEachChannel() {
        QFETCH(double, red);
        QFETCH(double, green);
        QFETCH(double, blue);
        QFETCH(PackedColor, packed);
        QCOMPARE(PortalColor(red, green, blue), packed);
    }

    // The portal's picture is read once and gone afterwards; a file that is
    // no picture was not what the portal was asked for and stays.
    void frameFileIsRemovedOnlyWhenAPicture_data() {
        QTest::addColumn<QByteArray>("format");
        QTest::addColumn<bool>("picture");
        QTest::newRow("png") << QByteArray("PNG") << true;
        QTest::newRow("not a picture") << QByteArray() << false;
    }
    void frameFileIsRemovedOnlyWhenAPicture() {
        QFETCH(QByteArray, format);
        QFETCH(bool, picture);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("Screenshot.png"));
        QImage written(3, 2, QImage::Format_RGB32);
        written.fill(QColor(10, 20, 30));
        written.setPixelColor(2, 1, QColor(200, 100, 50));
        if (picture) {
            QVERIFY(written.save(path, format.constData()));
        } else {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("no picture here");
        }
        const QImage read = TakeFrameFile(QUrl::fromLocalFile(path).toString());
        QCOMPARE(QFile::exists(path), !picture);
        QCOMPARE(read.isNull(), !picture);
        if (picture) {
            QCOMPARE(read.size(), QSize(3, 2));
            QCOMPARE(read.pixelColor(2, 1), QColor(200, 100, 50));
            QCOMPARE(read.pixelColor(0, 0), QColor(10, 20, 30));
        }
    }

    void onlyLocalFilesAreTaken() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("kept.png"));
        QImage image(1, 1, QImage::Format_RGB32);
        image.fill(Qt::red);
        QVERIFY(image.save(path, "PNG"));
        QVERIFY(TakeFrameFile(QStringLiteral("http://localhost") + path).isNull());
        QVERIFY(TakeFrameFile(QString()).isNull());
        QVERIFY(QFile::exists(path));
    }
};

QTEST_GUILESS_MAIN(TestScreenshotPortal)
#include "test_screenshot_portal.moc"
