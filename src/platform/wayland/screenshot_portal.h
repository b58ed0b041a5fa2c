// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop portal's Screenshot interface over D-Bus: one frame of the whole
// desktop without asking, or one pixel through the desktop's own picker.
#pragma once

#include "colour.h"

#include <QImage>
#include <QObject>
#include <QString>
#include <QVariantMap>

#include <functional>
#include <optional>

class QDBusPendingCallWatcher;

namespace tinctora {

// The object on which the portal answers a request: the caller's unique bus
// name without its ':' and with '.' as '_', then the request's token.
QString PortalRequestPath(const QString& uniqueName, const QString& token);
// A colour the portal gives as three channels from 0 to 1.
PackedColor PortalColor(double red, double green, double blue);
// Reads the picture file a portal wrote and deletes it straight away:
// screenshots of the user's desktop must not pile up in their home. Empty
// for anything but a local file, or a file that is no picture, which stays.
QImage TakeFrameFile(const QString& uri);

enum class PortalAnswer {
    Given,   // the portal answered with what was asked for
    Refused, // the user or the desktop said no, or the picker was cancelled
    Missing, // there is no Screenshot portal on this session
};

// One call to the portal and its answer, which arrives as a Response signal
// on a request object of its own, sent to the caller only.
class PortalRequest : public QObject {
    Q_OBJECT
public:
    using Answered = std::function<void(PortalAnswer, const QVariantMap&)>;
    PortalRequest(const QString& method, const QString& parentWindow, bool interactiveOption,
                  Answered answered, QObject* parent);

private slots:
    // QtDBus delivers bus signals to named slots only.
    void response(uint code, const QVariantMap& results);

private:
    void called(QDBusPendingCallWatcher* call);
    void finish(PortalAnswer answer, const QVariantMap& results);
    bool listen(const QString& path);
    void stopListening();

    QString path_;
    Answered answered_;
    bool done_ = false;
};

class ScreenshotPortal : public QObject {
public:
    // Whether the session offers the portal; answered once, later.
    void probe(std::function<void(bool offered)> answered);
    // A frame of the whole desktop without the interactive dialog.
    void screenshot(const QString& parentWindow,
                    std::function<void(PortalAnswer, const QImage&)> answered);
    // One pixel, chosen by the user in the desktop's own picker.
    void pickColor(const QString& parentWindow,
                   std::function<void(PortalAnswer, std::optional<PackedColor>)> answered);
};

} // namespace tinctora
