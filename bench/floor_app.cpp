// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit's floor: a minimal Qt Widgets window with a few line edits and
// buttons, started and measured the same way as tinctora.
#include <QApplication>
#include <QGridLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    auto* grid = new QGridLayout(&window);
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(new QLineEdit(QString::number(row * 51)), row, 0);
        grid->addWidget(new QPushButton(QStringLiteral("OK")), row, 1);
    }
    window.resize(244, 196);
    window.show();
    return app.exec();
}
