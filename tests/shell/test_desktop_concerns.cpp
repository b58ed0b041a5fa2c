// The desktop one concern at a time: a caller that takes one concern runs on
// that concern's fake alone, and a fault put into one function of the whole
// fake desktop reaches the main window through the concern it belongs to.
#include "app_style.h"
#include "window_driver.h"

#include <QTest>

using namespace tinctora;
using namespace tinctora::testing;

Q_DECLARE_METATYPE(tinctora::MessageAnswer)

namespace {

// A palette that hands out its index in every channel.
class IndexPalette : public FakeDisplayInfo {
public:
    PackedColor systemColor(int32_t index) override { return index * 0x010101; }
};

// A clipboard that takes the text and yet says it does not.
class DoubtingClipboardDesktop : public FakeDesktop {
public:
    int tries = 0;
    bool setClipboardText(const QString& text) override {
        ++tries;
        FakeDesktop::setClipboardText(text);
        return false;
    }
};

} // namespace

class TestDesktopConcerns : public QObject {
    Q_OBJECT
    IndexPalette palette;
    DoubtingClipboardDesktop desktop;

private slots:
    void systemColoursComeFromTheDisplayAlone_data() {
        QTest::addColumn<int>("index");
        QTest::newRow("button face") << 15;
        QTest::newRow("window") << 5;
        QTest::newRow("window text") << 8;
    }
    void systemColoursComeFromTheDisplayAlone() {
        QFETCH(int, index);
        ApplyApplicationStyle(*qApp, palette);
        QCOMPARE(SystemColor(index), index * 0x010101);
    }

    void oneRefusingFunctionReachesTheWindow_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::newRow("Ja") << MessageAnswer::Yes;
        QTest::newRow("Nein") << MessageAnswer::No;
    }
    void oneRefusingFunctionReachesTheWindow() {
        QFETCH(MessageAnswer, answer);
        ApplyApplicationStyle(*qApp, desktop);
        desktop.tries = 0;
        desktop.messages.clear();
        desktop.answers = {answer};
        const std::unique_ptr<frmMain> form = OpenMainWindow(desktop, WebPanel::Open);
        QVERIFY(form);
        QTest::mouseClick(form->cmdCopyHPCode, Qt::LeftButton);
        QCOMPARE(desktop.tries, 1);
        QVERIFY(form->isVisible());
        QCOMPARE(desktop.messages.size(), std::size_t(2));
        QCOMPARE(desktop.messages[1].kind, MessageKind::OkWarning);
    }
};

QTEST_MAIN(TestDesktopConcerns)
#include "test_desktop_concerns.moc"
