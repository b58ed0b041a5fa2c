// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A long random use of the real main window on the fake desktop. After every
// event the displays a person relies on must agree with the colour state; a
// failure names the seed and the event, so that the run can be replayed with
// TINCTORA_SOAK_SEED and TINCTORA_SOAK_EVENTS.
#include "app_style.h"
#include "channel_text.h"
#include "fake_desktop.h"
#include "frm_main.h"
#include "packed_qcolor.h"
#include "scheme_roles.h"
#include "soak_driver.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QSet>
#include <QTest>

#include <memory>

using namespace tinctora;

namespace {

constexpr uint64_t kDefaultSeed = 20261207;
constexpr int kDefaultEvents = 200000;

uint64_t EnvironmentNumber(const char* name, uint64_t fallback) {
    bool ok = false;
    const uint64_t value = qEnvironmentVariable(name).toULongLong(&ok);
    return ok ? value : fallback;
}

// Tiles of one colour each, none of them web-safe, so that a drag meets the
// same colour twice; below row 600 nothing can be read.
QImage ScriptedScreen() {
    QImage screen(1024, 600, QImage::Format_RGB32);
    for (int y = 0; y < screen.height(); ++y) {
        for (int x = 0; x < screen.width(); ++x) {
            const int tile = (x / 128) + 8 * (y / 100);
            screen.setPixel(x, y, qRgb(10 + 7 * tile, 250 - 3 * tile, (40 * tile + 1) % 256));
        }
    }
    // A fine pattern in one corner, so that the "5x5" mean mixes colours.
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 128; ++x) {
            screen.setPixel(x, y, qRgb(x * 2, y * 2, (x * y) % 256));
        }
    }
    return screen;
}

bool WebSafeChannels(const RGBColor& c) {
    return c.red % 51 == 0 && c.green % 51 == 0 && c.blue % 51 == 0;
}

QString RgbText(const RGBColor& c) {
    return QStringLiteral("%1/%2/%3").arg(c.red).arg(c.green).arg(c.blue);
}

// The first broken invariant, or an empty text.
QString BrokenInvariant(const frmMain& form, bool refreshedEverything) {
    const RGBColor rgb = form.CurRGB;
    const HSLColor hsl = form.CurHSL;
    for (const int16_t v : {rgb.red, rgb.green, rgb.blue}) {
        if (v < 0 || v > 255) {
            return QStringLiteral("CurRGB %1 out of range").arg(RgbText(rgb));
        }
    }
    for (const int16_t v : {hsl.hue, hsl.saturation, hsl.luminance}) {
        if (v < 0 || v > 240) {
            return QStringLiteral("CurHSL %1/%2/%3 out of range")
                .arg(hsl.hue)
                .arg(hsl.saturation)
                .arg(hsl.luminance);
        }
    }
    const PackedColor current = PackColor(rgb);
    if (form.picColor->backColor() != current) {
        return QStringLiteral("picColor shows %1, CurRGB is %2")
            .arg(form.picColor->backColor(), 6, 16, QLatin1Char('0'))
            .arg(RgbText(rgb));
    }
    if (form.picWSColor->backColor() != PackColor(SnapWebSafe(rgb))) {
        return QStringLiteral("picWSColor is not the snap of %1").arg(RgbText(rgb));
    }
    if (form.picInvert->backColor() != 0xFFFFFF - current) {
        return QStringLiteral("picInvert is not the inverse of %1").arg(RgbText(rgb));
    }
    const bool differs = form.picColor->backColor() != form.picWSColor->backColor();
    if (form.lblCaution->isHidden() == differs) {
        return QStringLiteral("\"!\" %1 for %2")
            .arg(differs ? QStringLiteral("hidden") : QStringLiteral("shown"))
            .arg(RgbText(rgb));
    }
    if (form.chkWebSafe->isChecked()) {
        if (!WebSafeChannels(rgb)) {
            return QStringLiteral("web-safe mode keeps %1").arg(RgbText(rgb));
        }
        for (std::size_t s = 0; s < form.picMiniScroll.size(); ++s) {
            const QImage& image = form.picMiniScroll[s]->image();
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    if (!IsWebSafe(ToPacked(QColor(image.pixel(x, y))))) {
                        return QStringLiteral("strip %1 pixel (%2,%3) is not web-safe")
                            .arg(s)
                            .arg(x)
                            .arg(y);
                    }
                }
            }
        }
    }
    const int role = SelectedRole(form);
    if (role < 0 || RoleColor(form, role) != current) {
        return QStringLiteral("selected role %1 does not hold %2").arg(role).arg(RgbText(rgb));
    }
    if (refreshedEverything) {
        const bool hex = form.chkShowHexvalues->isChecked();
        const std::array<std::string, 7> shown = {
            RgbChannelText(rgb.red, hex),  RgbChannelText(rgb.green, hex),
            RgbChannelText(rgb.blue, hex), DecimalText(hsl.hue),
            DecimalText(hsl.saturation),   DecimalText(hsl.luminance),
            HexColorText(PackColor(rgb))};
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (form.txtValue[i]->text() != QString::fromStdString(shown[i])) {
                return QStringLiteral("box %1 shows \"%2\" instead of \"%3\"")
                    .arg(i)
                    .arg(form.txtValue[i]->text())
                    .arg(QString::fromStdString(shown[i]));
            }
        }
    }
    if (QApplication::overrideCursor() != nullptr) {
        return QStringLiteral("a pointer was left behind after the event");
    }
    return {};
}

} // namespace

class TestSoak : public QObject {
    Q_OBJECT
    FakeDesktop desktop;
    static inline QtMessageHandler previousHandler = nullptr;

private slots:
    void initTestCase() {
        ApplyApplicationStyle(*qApp, desktop);
        // The offscreen platform warns on every raise and resize of the
        // picker; the flood would hide the run's own messages.
        previousHandler = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& message) {
                if (!message.startsWith(QStringLiteral("This plugin does not support"))) {
                    previousHandler(type, context, message);
                }
            });
    }

    void randomUseKeepsEveryDisplayInStep() {
        const uint64_t seed = EnvironmentNumber("TINCTORA_SOAK_SEED", kDefaultSeed);
        const auto events =
            static_cast<int>(EnvironmentNumber("TINCTORA_SOAK_EVENTS", kDefaultEvents));
        desktop.screenPixels = ScriptedScreen();
        frmMain form(desktop);
        QVERIFY(form.Form_Load());
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(BrokenInvariant(form, true), QString());

        soak::SoakDriver driver(form, desktop, seed);
        QElapsedTimer clock;
        clock.start();
        // What the run went through, so that a driver gone quiet shows.
        QSet<PackedColor> colours;
        int webSafeEvents = 0;
        int hexEvents = 0;
        int fullRefreshes = 0;
        for (int index = 0; index < events; ++index) {
            const QString event = driver.step();
            colours.insert(PackColor(form.CurRGB));
            webSafeEvents += form.chkWebSafe->isChecked() ? 1 : 0;
            hexEvents += form.chkShowHexvalues->isChecked() ? 1 : 0;
            fullRefreshes += driver.refreshedEverything() ? 1 : 0;
            const QString broken = BrokenInvariant(form, driver.refreshedEverything());
            if (!broken.isEmpty()) {
                QFAIL(qPrintable(QStringLiteral("seed %1, event %2 (%3): %4")
                                     .arg(seed)
                                     .arg(index)
                                     .arg(event, broken)));
            }
            // The program must still be running: no event may end it.
            QVERIFY2(form.isVisible(),
                     qPrintable(QStringLiteral("seed %1, event %2 (%3) closed the window")
                                    .arg(seed)
                                    .arg(index)
                                    .arg(event)));
        }
        qInfo("%d events from seed %llu in %lld ms: %lld colours, %d events in web-safe mode, "
              "%d in hexadecimal mode, %d full refreshes",
              events, static_cast<unsigned long long>(seed),
              static_cast<long long>(clock.elapsed()), static_cast<long long>(colours.size()),
              webSafeEvents, hexEvents, fullRefreshes);
        if (events >= 10000) {
            QCOMPARE(driver.kindsSent(), soak::SoakDriver::kKinds);
            QVERIFY(colours.size() > 1000);
            QVERIFY(webSafeEvents > events / 10 && webSafeEvents < events - events / 10);
            QVERIFY(hexEvents > events / 10 && hexEvents < events - events / 10);
            QVERIFY(fullRefreshes > events / 20);
        }
    }
};

QTEST_MAIN(TestSoak)
#include "test_soak.moc"
