// The three editing modes and the quick actions "Invers" and "Zufall".
#include "frm_main.h"

#include <QCheckBox>

#include <chrono>
#include <random>

namespace tinctora {

void frmMain::chkWebSafe_Click() {
    RefreshChannels(kAllChannels);
}

void frmMain::chkShowHexvalues_Click() {
    const int limit = HexMode(*this) ? 2 : 3;
    for (int i = 0; i < kRgbChannels; ++i) {
        txtValue[i]->setTypingLimit(limit);
    }
    RefreshChannels(kAllChannels);
}

void frmMain::chkLinkChannels_Click() {
    RefreshChannels(kAllChannels);
}

void frmMain::cmdInvert_Click() {
    CurRGB.red = static_cast<int16_t>(255 - CurRGB.red);
    CurRGB.green = static_cast<int16_t>(255 - CurRGB.green);
    CurRGB.blue = static_cast<int16_t>(255 - CurRGB.blue);
    RefreshChannels(kAllChannels);
}

void frmMain::cmdRandom_Click() {
    // A fresh seed from the time of day on every click, fine enough that two
    // clicks in quick succession differ.
    using namespace std::chrono;
    const auto now = system_clock::now().time_since_epoch();
    const auto sinceMidnight = duration_cast<nanoseconds>(now % hours(24));
    std::mt19937_64 generator(static_cast<uint64_t>(sinceMidnight.count()));
    std::uniform_real_distribution<double> uniform(0.0, 1.0);
    const double x = uniform(generator);
    const auto c = static_cast<PackedColor>(RoundHalfEven(x * 16777215));
    CurRGB = UnpackColor(c);
    RefreshChannels(kAllChannels);
}

} // namespace tinctora
