// The "noRefresh" mark of the channel boxes.
#include "no_refresh_mark.h"

namespace tinctora {

namespace {

QString NoRefreshTag() {
    return QStringLiteral("noRefresh");
}

} // namespace

bool MarkedNoRefresh(const TextBox& box) {
    return box.Tag == NoRefreshTag();
}

NoRefreshMark::NoRefreshMark(std::span<TextBox* const> boxes) : boxes_(boxes) {
    for (TextBox* box : boxes_) {
        box->Tag = NoRefreshTag();
    }
}

NoRefreshMark::~NoRefreshMark() {
    for (TextBox* box : boxes_) {
        box->Tag.clear();
    }
}

} // namespace tinctora
