#include "PictureSet.h"

std::vector<PictureEntry> pictureSet() {
    using Kind = PictureContent::Kind;
    std::vector<PictureEntry> set;
    set.push_back({QStringLiteral("0.jpg"), {Kind::Waiting, 0, 0, false}});
    for (int round = 1; round <= 4; ++round)
        set.push_back(
            {QString::number(round) + QStringLiteral(".jpg"), {Kind::Round, round, 0, false}});
    // The names use the precomposed U+00F5, as the quiz spells them.
    for (int standing = 1; standing <= 5; ++standing)
        set.push_back({QString::number(standing) + QStringLiteral("\u00F5v.jpg"),
                       {Kind::Feedback, 0, standing, true}});
    for (int standing = 3; standing <= 6; ++standing)
        set.push_back({QString::number(standing) + QStringLiteral("vv.jpg"),
                       {Kind::Feedback, 0, standing, false}});
    return set;
}
