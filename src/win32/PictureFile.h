// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <vector>

// The whole picture file of this bare name from the current directory, read from a regular file
// only and refused before reading when it is larger than maxPictureFileBytes.
// Throws RunTimeError 53 for a missing file and 481 for anything else that cannot be read.
std::vector<unsigned char> readPictureFile(const std::string& name);
