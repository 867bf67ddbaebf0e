// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <vector>

// What one picture of the set shows.
struct PictureContent {
    enum class Kind { Waiting, Round, Feedback };
    Kind kind = Kind::Waiting;
    int round = 0;         // 1 to 4, for a round picture
    int standing = 0;      // 1 (best of a round) to 6 (worst), for a feedback picture
    bool correct = false;  // whether the last answer was right, for a feedback picture
};

struct PictureEntry {
    QString fileName;  // UTF-8, NFC, exactly as the quiz reads it
    PictureContent content;
    // What the picture shows, in one Estonian sentence, for a player who cannot see it; written
    // into the JPEG as its comment.
    QString description;
};

// The fourteen pictures the quiz reads, in a fixed order.
std::vector<PictureEntry> pictureSet();
