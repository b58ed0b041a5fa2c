// The "noRefresh" mark of the channel boxes: while a box carries it, its change
// handler leaves the colour alone, so that the refresh can write its text.
#pragma once

#include "text_box.h"

#include <span>

namespace tinctora {

bool MarkedNoRefresh(const TextBox& box);

// Marks the boxes for as long as it lives.
class NoRefreshMark {
public:
    explicit NoRefreshMark(std::span<TextBox* const> boxes);
    ~NoRefreshMark();
    NoRefreshMark(const NoRefreshMark&) = delete;
    NoRefreshMark& operator=(const NoRefreshMark&) = delete;

private:
    std::span<TextBox* const> boxes_;
};

} // namespace tinctora
