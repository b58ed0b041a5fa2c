// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The images that ship inside the program: the window icon "1", the
// eyedropper icons 101 and 102 and the eyedropper cursors 101 and 102.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace tinctora {

QIcon WindowIconResource();
// An empty pixmap for a number that has no icon.
QPixmap IconResource(int number);
// The default arrow for a number that has no cursor.
QCursor CursorResource(int number);

} // namespace tinctora
