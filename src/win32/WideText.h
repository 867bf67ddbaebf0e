#pragma once

#include <string>
#include <string_view>

// The quiz speaks UTF-8; the Windows API speaks UTF-16.
std::wstring toWide(std::string_view utf8);
