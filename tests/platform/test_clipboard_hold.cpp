// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// When the clipboard keeper takes a change of a clipboard's owner for the end
// of its text there, and when for its own text carried across.
#include "clipboard_hold.h"

#include <QTest>

#include <string>
#include <vector>

using namespace tinctora;

Q_DECLARE_METATYPE(tinctora::Holder)

namespace {

using Formats = std::vector<std::string>;

const std::string kMark = KeeperMark(4711, 123456789);

// A row's changes as letters: K the keeper, O another program, N nobody.
std::vector<Holder> Changes(const char* letters) {
    std::vector<Holder> changes;
    for (const char* letter = letters; *letter != '\0'; ++letter) {
        changes.push_back(*letter == 'K' ? Holder::Keeper
                                         : (*letter == 'O' ? Holder::Other : Holder::Nobody));
    }
    return changes;
}

} // namespace

Q_DECLARE_METATYPE(Formats)

class ClipboardHoldTest : public QObject {
    Q_OBJECT

private slots:
    void holderOfAnOffer_data() {
        QTest::addColumn<Formats>("formats");
        QTest::addColumn<Holder>("holder");
        QTest::newRow("the keeper's own offer")
            << Formats{"UTF8_STRING", "text/plain", kMark} << Holder::Keeper;
        QTest::newRow("the bridge's copy keeps the mark among other names")
            << Formats{"text/plain;charset=utf-8", kMark, "TIMESTAMP"} << Holder::Keeper;
        QTest::newRow("a plain text copy") << Formats{"UTF8_STRING", "text/plain"} << Holder::Other;
        QTest::newRow("a newer keeper of another process")
            << Formats{"text/plain", KeeperMark(4712, 123456789)} << Holder::Other;
        QTest::newRow("a keeper of an earlier run with the same process id")
            << Formats{"text/plain", KeeperMark(4711, 12345678)} << Holder::Other;
        QTest::newRow("a mark that only starts like the keeper's")
            << Formats{kMark + "0"} << Holder::Other;
        QTest::newRow("an owner offering nothing") << Formats{} << Holder::Other;
    }
    void holderOfAnOffer() {
        QFETCH(Formats, formats);
        QFETCH(Holder, holder);
        QCOMPARE(HolderOffering(formats, kMark), holder);
    }

    void lostOnlyToAnotherProgramAfterTheKeeper_data() {
        QTest::addColumn<QByteArray>("changes");
        QTest::addColumn<bool>("lost");
        QTest::newRow("held") << QByteArray("K") << false;
        QTest::newRow("the text from before the keeper's set") << QByteArray("OK") << false;
        QTest::newRow("another program copies") << QByteArray("OKO") << true;
        QTest::newRow("the bridge carries the keeper's text across") << QByteArray("KKK") << false;
        QTest::newRow("the owner goes away") << QByteArray("KN") << false;
        QTest::newRow("emptied, then another program copies") << QByteArray("KNO") << true;
        QTest::newRow("nothing of the keeper's seen yet") << QByteArray("NOO") << false;
        QTest::newRow("a loss stays a loss") << QByteArray("KOK") << true;
    }
    void lostOnlyToAnotherProgramAfterTheKeeper() {
        QFETCH(QByteArray, changes);
        QFETCH(bool, lost);
        ClipboardHold hold;
        for (const Holder holder : Changes(changes.constData())) {
            hold.ownerChanged(holder);
        }
        QCOMPARE(hold.lost(), lost);
    }
};

QTEST_APPLESS_MAIN(ClipboardHoldTest)
#include "test_clipboard_hold.moc"
