// The desktop's message boxes: which buttons each kind offers, in German, and
// what Return and Escape answer.
#include "qt_message_boxes.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using namespace tinctora;

Q_DECLARE_METATYPE(MessageKind)
Q_DECLARE_METATYPE(MessageAnswer)

class TestMessageBox : public QObject {
    Q_OBJECT

private slots:
    void buttonsAndKeys_data() {
        QTest::addColumn<MessageKind>("kind");
        QTest::addColumn<QStringList>("buttons");
        QTest::addColumn<int>("key");
        QTest::addColumn<MessageAnswer>("answer");
        const QStringList okCancel{"OK", "Abbrechen"};
        const QStringList yesNoCancel{"&Ja", "&Nein", "Abbrechen"};
        QTest::newRow("warning, Return")
            << MessageKind::OkCancelWarning << okCancel << int(Qt::Key_Return) << MessageAnswer::Ok;
        QTest::newRow("warning, Escape") << MessageKind::OkCancelWarning << okCancel
                                         << int(Qt::Key_Escape) << MessageAnswer::Cancel;
        QTest::newRow("question, Return") << MessageKind::YesNoCancelQuestion << yesNoCancel
                                          << int(Qt::Key_Return) << MessageAnswer::Yes;
        QTest::newRow("question, Escape") << MessageKind::YesNoCancelQuestion << yesNoCancel
                                          << int(Qt::Key_Escape) << MessageAnswer::Cancel;
        QTest::newRow("notice, Return") << MessageKind::OkWarning << QStringList{"OK"}
                                        << int(Qt::Key_Return) << MessageAnswer::Ok;
        QTest::newRow("notice, Escape") << MessageKind::OkWarning << QStringList{"OK"}
                                        << int(Qt::Key_Escape) << MessageAnswer::Ok;
    }
    void buttonsAndKeys() {
        QFETCH(MessageKind, kind);
        QFETCH(QStringList, buttons);
        QFETCH(int, key);
        QFETCH(MessageAnswer, answer);
        QStringList shown;
        QTimer::singleShot(0, this, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (box == nullptr) {
                return;
            }
            for (const QAbstractButton* button : box->buttons()) {
                shown << button->text();
            }
            QTest::keyClick(box, static_cast<Qt::Key>(key));
        });
        QtMessageBoxes boxes;
        QCOMPARE(boxes.showMessage(nullptr, kind, "Text"), answer);
        shown.sort();
        buttons.sort();
        QCOMPARE(shown, buttons);
    }
};

QTEST_MAIN(TestMessageBox)
#include "test_message_box.moc"
