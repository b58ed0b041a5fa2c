// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Text for the clipboard that notices when another program has read it.
#pragma once

#include <QMimeData>

namespace tinctora {

// A compositor that keeps the clipboard after its owner ends (GNOME's does)
// reads the text at once when it is copied; ending before that read loses it.
class WatchedText : public QMimeData {
public:
    explicit WatchedText(const QString& text) { setText(text); }
    bool wasRead() const { return read_; }
    // Our own look at the text is not a reader's.
    void forgetReads() { read_ = false; }

protected:
    QVariant retrieveData(const QString& mimeType, QMetaType type) const override {
        read_ = true;
        return QMimeData::retrieveData(mimeType, type);
    }

private:
    mutable bool read_ = false;
};

} // namespace tinctora
