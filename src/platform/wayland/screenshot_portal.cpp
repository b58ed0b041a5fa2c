// SPDX-FileCopyrightText: 2026 Tinctora developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The desktop portal's Screenshot interface over D-Bus.
#include "screenshot_portal.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QFile>
#include <QUrl>

#include <algorithm>
#include <cmath>
#include <utility>

namespace tinctora {

namespace {

const QString kService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kObject = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kInterface = QStringLiteral("org.freedesktop.portal.Screenshot");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");

int16_t PortalChannel(double value) {
    const double scaled = std::nearbyint(std::clamp(value, 0.0, 1.0) * 255.0);
    return static_cast<int16_t>(scaled);
}

// Errors that say the session has no such portal, as opposed to one that
// would not do what was asked.
bool MeansMissing(const QDBusError& error) {
    switch (error.type()) {
    case QDBusError::ServiceUnknown:
    case QDBusError::UnknownMethod:
    case QDBusError::UnknownInterface:
    case QDBusError::UnknownObject:
    case QDBusError::UnknownProperty:
    case QDBusError::InvalidArgs:
    case QDBusError::Disconnected:
        return true;
    default:
        return false;
    }
}

} // namespace

QString PortalRequestPath(const QString& uniqueName, const QString& token) {
    QString sender = uniqueName;
    if (sender.startsWith(QLatin1Char(':'))) {
        sender.remove(0, 1);
    }
    sender.replace(QLatin1Char('.'), QLatin1Char('_'));
    return kObject + QStringLiteral("/request/") + sender + QLatin1Char('/') + token;
}

PackedColor PortalColor(double red, double green, double blue) {
    return PackColor(PortalChannel(red), PortalChannel(green), PortalChannel(blue));
}

QImage TakeFrameFile(const QString& uri) {
    const QUrl url(uri);
    if (!url.isLocalFile()) {
        return QImage();
    }
    QFile file(url.toLocalFile());
    if (!file.open(QIODevice::ReadOnly)) {
        return QImage();
    }
    const QImage image = QImage::fromData(file.readAll());
    file.close();
    // Only the picture the portal was asked for is removed: any other file
    // is the user's and stays.
    if (image.isNull()) {
        return image;
    }
    file.remove();
    return image.convertToFormat(QImage::Format_RGB32);
}

PortalRequest::PortalRequest(const QString& method, const QString& parentWindow,
                             bool interactiveOption, Answered answered, QObject* parent)
    : QObject(parent), answered_(std::move(answered)) {
    static int requests = 0;
    const QString token = QStringLiteral("tinctora%1").arg(++requests);
    QDBusConnection bus = QDBusConnection::sessionBus();
    // The answer is sent once, to the caller only: listen before asking.
    if (!bus.isConnected() || !listen(PortalRequestPath(bus.baseService(), token))) {
        QMetaObject::invokeMethod(
            this, [this] { finish(PortalAnswer::Missing, {}); }, Qt::QueuedConnection);
        return;
    }
    QVariantMap options{{QStringLiteral("handle_token"), token}};
    if (interactiveOption) {
        options.insert(QStringLiteral("interactive"), false);
    }
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kObject, kInterface, method);
    call << parentWindow << options;
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &PortalRequest::called);
}

bool PortalRequest::listen(const QString& path) {
    path_ = path;
    // Any client of the bus may send a signal to our name on this path: only
    // the portal's own owner is heard.
    return QDBusConnection::sessionBus().connect(kService, path_, kRequestInterface,
                                                 QStringLiteral("Response"), this,
                                                 SLOT(response(uint, QVariantMap)));
}

void PortalRequest::stopListening() {
    QDBusConnection::sessionBus().disconnect(kService, path_, kRequestInterface,
                                             QStringLiteral("Response"), this,
                                             SLOT(response(uint, QVariantMap)));
}

void PortalRequest::called(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusPendingReply<QDBusObjectPath> reply = *call;
    if (reply.isError()) {
        finish(MeansMissing(reply.error()) ? PortalAnswer::Missing : PortalAnswer::Refused, {});
        return;
    }
    // Portals older than the handle token answer on a path of their choosing.
    if (reply.value().path() != path_ && !done_) {
        stopListening();
        listen(reply.value().path());
    }
}

void PortalRequest::response(uint code, const QVariantMap& results) {
    finish(code == 0 ? PortalAnswer::Given : PortalAnswer::Refused, results);
}

void PortalRequest::finish(PortalAnswer answer, const QVariantMap& results) {
    if (done_) {
        return;
    }
    done_ = true;
    stopListening();
    answered_(answer, results);
    deleteLater();
}

void ScreenshotPortal::probe(std::function<void(bool offered)> answered) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        const auto refuse = [answered] { answered(false); };
        QMetaObject::invokeMethod(this, refuse, Qt::QueuedConnection);
        return;
    }
    QDBusMessage get = QDBusMessage::createMethodCall(
        kService, kObject, QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("Get"));
    get << kInterface << QStringLiteral("version");
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(get), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [answered](QDBusPendingCallWatcher* call) {
                call->deleteLater();
                answered(!call->isError());
            });
}

void ScreenshotPortal::screenshot(const QString& parentWindow,
                                  std::function<void(PortalAnswer, const QImage&)> answered) {
    new PortalRequest(
        QStringLiteral("Screenshot"), parentWindow, true,
        [answered](PortalAnswer answer, const QVariantMap& results) {
            if (answer != PortalAnswer::Given) {
                answered(answer, QImage());
                return;
            }
            const QImage frame = TakeFrameFile(results.value(QStringLiteral("uri")).toString());
            answered(frame.isNull() ? PortalAnswer::Refused : PortalAnswer::Given, frame);
        },
        this);
}

void ScreenshotPortal::pickColor(
    const QString& parentWindow,
    std::function<void(PortalAnswer, std::optional<PackedColor>)> answered) {
    new PortalRequest(
        QStringLiteral("PickColor"), parentWindow, false,
        [answered](PortalAnswer answer, const QVariantMap& results) {
            const QVariant colour = results.value(QStringLiteral("color"));
            if (answer != PortalAnswer::Given || !colour.canConvert<QDBusArgument>()) {
                answered(answer == PortalAnswer::Given ? PortalAnswer::Refused : answer,
                         std::nullopt);
                return;
            }
            const QDBusArgument argument = colour.value<QDBusArgument>();
            double red = 0;
            double green = 0;
            double blue = 0;
            argument.beginStructure();
            argument >> red >> green >> blue;
            argument.endStructure();
            answered(PortalAnswer::Given, PortalColor(red, green, blue));
        },
        this);
}

} // namespace tinctora
