// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// Hands the pointer it holds to Release when its owner goes.
template <auto Release>
struct ReleaseWith {
    template <typename Object>
    void operator()(Object* object) const {
        Release(object);
    }
};

// An owned handle or pointer of the Windows API or a library: Owned<HBITMAP, DeleteObject>.
template <typename Pointer, auto Release>
using Owned = std::unique_ptr<std::remove_pointer_t<Pointer>, ReleaseWith<Release>>;

using BitmapHandle = Owned<HBITMAP, DeleteObject>;
using FontHandle = Owned<HFONT, DeleteObject>;
