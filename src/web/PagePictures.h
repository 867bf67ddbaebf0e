// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string_view>

// Pictures read from the page's own folder by name and decoded by the browser. Each name is
// fetched once per page load, within 20 s and the picture rule's file size.
namespace page {

// Starts fetching the picture in the background; failures wait for showPicture.
void preparePicture(std::string_view fileName);
// Shows the picture in the picture area. Throws RunTimeError 53 when it cannot be fetched in
// time, 481 when the shared decision (PictureCheck.h) refuses it or it does not decode.
void showPicture(std::string_view fileName);

}  // namespace page
