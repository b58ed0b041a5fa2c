// Contrast by WCAG 2.2 with its own examples, the German wording, the colour
// vision simulation against the published matrices applied to the primaries,
// and the luminance search. Expected values were worked out by hand from the
// formulas and matrices, not by the code under test.
#include "colour_vision.h"
#include "contrast.h"
#include "contrast_search.h"
#include "test_colours.h"

#include <QTest>

using namespace tinctora;

Q_DECLARE_METATYPE(tinctora::ColourVision)

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The level is judged on the ratio itself, and the text is cut to fit it.
void AddRatioRows() {
    QTest::addColumn<int>("foreground");
    QTest::addColumn<int>("background");
    QTest::addColumn<QString>("sentence");
    QTest::addColumn<QString>("brief");
    QTest::newRow("#777777 on white fails AA at 4.48")
        << 0x777777 << 0xFFFFFF
        << "Kontrast zum Hintergrund 4,47:1 – erfüllt AA nur für große Schrift"
        << "4,4";
    QTest::newRow("#767676 on white passes AA at 4.54")
        << 0x767676 << 0xFFFFFF << "Kontrast zum Hintergrund 4,54:1 – erfüllt AA"
        << "4,5";
    QTest::newRow("black on white 21:1")
        << 0x000000 << 0xFFFFFF << "Kontrast zum Hintergrund 21,00:1 – erfüllt AAA"
        << "21,0";
    QTest::newRow("white on black, the order does not matter")
        << 0xFFFFFF << 0x000000 << "Kontrast zum Hintergrund 21,00:1 – erfüllt AAA"
        << "21,0";
    QTest::newRow("default text 12.63")
        << 0xFFFFFF << 0x333333 << "Kontrast zum Hintergrund 12,63:1 – erfüllt AAA"
        << "12,6";
    QTest::newRow("default visited link 4.27")
        << 0x669999 << 0x333333
        << "Kontrast zum Hintergrund 4,27:1 – erfüllt AA nur für große Schrift"
        << "4,2";
    QTest::newRow("same colour 1:1")
        << 0x00CCFF << 0x00CCFF << "Kontrast zum Hintergrund 1,00:1 – zu wenig Kontrast"
        << "1,0";
    QTest::newRow("#959595 on white 2.99 stays below large text")
        << 0x959595 << 0xFFFFFF << "Kontrast zum Hintergrund 2,99:1 – zu wenig Kontrast"
        << "2,9";
}

} // namespace

class TestContrast : public QObject {
    Q_OBJECT

private slots:
    void ratioSentenceAndShortFigure_data() { AddRatioRows(); }
    void ratioSentenceAndShortFigure() {
        QFETCH(int, foreground);
        QFETCH(int, background);
        QFETCH(QString, sentence);
        QFETCH(QString, brief);
        const double ratio = ContrastRatio(foreground, background);
        QCOMPARE(Q(ContrastSentence(ratio)), sentence);
        QCOMPARE(Q(RatioText(ratio, 1)), brief);
    }

    void levelsAreJudgedUnrounded_data() {
        QTest::addColumn<double>("ratio");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("mark");
        QTest::newRow("7 is AAA") << 7.0 << int(ContrastLevel::AAA) << "7,00"
                                  << "AAA";
        QTest::newRow("6.999 is AA") << 6.999 << int(ContrastLevel::AA) << "6,99"
                                     << "AA";
        QTest::newRow("4.5 is AA") << 4.5 << int(ContrastLevel::AA) << "4,50"
                                   << "AA";
        QTest::newRow("4.499 is large text only") << 4.499 << int(ContrastLevel::AALarge) << "4,49"
                                                  << "AA groß";
        QTest::newRow("3 is large text") << 3.0 << int(ContrastLevel::AALarge) << "3,00"
                                         << "AA groß";
        QTest::newRow("2.999 fails") << 2.999 << int(ContrastLevel::TooLow) << "2,99"
                                     << "✗";
    }
    void levelsAreJudgedUnrounded() {
        QFETCH(double, ratio);
        QFETCH(int, level);
        QFETCH(QString, text);
        QFETCH(QString, mark);
        QCOMPARE(int(LevelOf(ratio)), level);
        QCOMPARE(Q(RatioText(ratio, 2)), text);
        QCOMPARE(Q(LevelMark(LevelOf(ratio))), mark);
    }

    void simulationOfThePrimaries_data() {
        QTest::addColumn<ColourVision>("vision");
        QTest::addColumn<int>("red");
        QTest::addColumn<int>("green");
        QTest::addColumn<int>("blue");
        QTest::addColumn<int>("yellow");
        const auto row = [](const char* name, ColourVision v, int r, int g, int b, int y) {
            QTest::newRow(name) << v << r << g << b << y;
        };
        row("normal", ColourVision::Normal, 0x0000FF, 0x00FF00, 0xFF0000, 0x00CCFF);
        row("protanopia", ColourVision::Protanopia, 0x005F6D, 0x00E5FF, 0xFF5900, 0x00CAE6);
        row("deuteranopia", ColourVision::Deuteranopia, 0x0090A3, 0x3AD6EF, 0xFB3D00, 0x20D8F2);
        row("tritanopia", ColourVision::Tritanopia, 0x0F00FF, 0xD9F700, 0x966B00, 0xAEB9FF);
        row("achromatopsia", ColourVision::Achromatopsia, 0x7F7F7F, 0xDCDCDC, 0x4C4C4C, 0xD2D2D2);
    }
    void simulationOfThePrimaries() {
        QFETCH(ColourVision, vision);
        QFETCH(int, red);
        QFETCH(int, green);
        QFETCH(int, blue);
        QFETCH(int, yellow);
        QCOMPARE(SimulateVision(0x0000FF, vision), red);
        QCOMPARE(SimulateVision(0x00FF00, vision), green);
        QCOMPARE(SimulateVision(0xFF0000, vision), blue);
        QCOMPARE(SimulateVision(0x00CCFF, vision), yellow);
        // Greys, white and black look the same to everyone.
        for (const PackedColor grey : {0x000000, 0x333333, 0xFFFFFF}) {
            QCOMPARE(SimulateVision(grey, vision), grey);
        }
    }

    void visionCaptions() {
        QStringList captions;
        QStringList names;
        for (const ColourVision vision : kColourVisions) {
            captions << Q(VisionCaption(vision));
            names << Q(VisionName(vision));
        }
        QCOMPARE(captions,
                 QStringList({"Normales Farbsehen", "Protanopie (Rotblindheit)",
                              "Deuteranopie (Grünblindheit)", "Tritanopie (Blaublindheit)",
                              "Achromatopsie (keine Farben)"}));
        QCOMPARE(names.mid(1),
                 QStringList({"Protanopie", "Deuteranopie", "Tritanopie", "Achromatopsie"}));
    }

    // Colours as 0xRRGGBB text for readable rows; -1 where nothing reaches.
    void luminanceSearch_data() {
        QTest::addColumn<int>("colour");
        QTest::addColumn<int>("background");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<bool>("webSafe");
        QTest::addColumn<int>("expected");
        QTest::newRow("a role that reaches stays")
            << 0x00CCFF << 0x333333 << 4.5 << false << 0x00CCFF;
        QTest::newRow("#777777 on white lightens to #767676")
            << 0x777777 << 0xFFFFFF << 4.5 << false << 0x767676;
        QTest::newRow("visited link to AAA, up")
            << 0x669999 << 0x333333 << 7.0 << false << 0xA5C3C4;
        QTest::newRow("the same judged web-safe")
            << 0x669999 << 0x333333 << 7.0 << true << 0x99CCCC;
        QTest::newRow("blue link on the dark default, up")
            << 0xFF0000 << 0x333333 << 4.5 << false << 0xFF8F8F;
        QTest::newRow("yellow on white AA, down")
            << 0x00FFFF << 0xFFFFFF << 4.5 << false << 0x007A7A;
        QTest::newRow("yellow on white AAA, down")
            << 0x00FFFF << 0xFFFFFF << 7.0 << false << 0x005C5C;
        QTest::newRow("red on #777777 AA, down")
            << 0x0000FF << 0x777777 << 4.5 << false << 0x000018;
        QTest::newRow("tie, role lighter than background: up")
            << 0x0000D9 << 0x5E5E5E << 3.0 << false << 0x9393FF;
        QTest::newRow("tie, role darker than background: down")
            << 0x006D00 << 0x5E5E5E << 3.0 << false << 0x000F00;
        QTest::newRow("grey on the same grey, the darker end is farther")
            << 0x777777 << 0x777777 << 4.5 << false << 0x060606;
        // No luminance reaches AAA on a middle background, for any role.
        QTest::newRow("text on #777777 cannot reach AAA")
            << 0xFFFFFF << 0x777777 << 7.0 << false << -1;
        QTest::newRow("link on #808080 cannot reach AAA")
            << 0x00CCFF << 0x808080 << 7.0 << false << -1;
        QTest::newRow("active link on #406080 cannot reach AAA")
            << 0x00FFFF << 0x406080 << 7.0 << false << -1;
        QTest::newRow("visited link on #777777 cannot reach AAA, web-safe")
            << 0x669999 << 0x777777 << 7.0 << true << -1;
    }
    void luminanceSearch() {
        QFETCH(int, colour);
        QFETCH(int, background);
        QFETCH(double, ratio);
        QFETCH(bool, webSafe);
        QFETCH(int, expected);
        const std::optional<PackedColor> found = RaiseContrast(colour, background, ratio, webSafe);
        QCOMPARE(found.value_or(-1), expected);
        if (found) {
            QVERIFY(ContrastRatio(*found, background) >= ratio);
        }
    }

    // Black or white always reach AA, so the search never fails at AA: over
    // every grey and a grid of colours as the background, for a saturated
    // and a grey role.
    void everyBackgroundLetsARoleReachAA() {
        for (int v = 0; v < 256; v += 1) {
            const PackedColor grey = PackColor(v, v, v);
            QVERIFY(RaiseContrast(0x0000FF, grey, kRatioAA, false).has_value());
        }
        for (int r = 0; r < 256; r += 17) {
            for (int g = 0; g < 256; g += 17) {
                for (int b = 0; b < 256; b += 17) {
                    const PackedColor background = PackColor(r, g, b);
                    QVERIFY(RaiseContrast(0x808080, background, kRatioAA, true).has_value());
                }
            }
        }
    }
};

QTEST_APPLESS_MAIN(TestContrast)
#include "test_contrast.moc"
