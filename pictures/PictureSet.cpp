// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "PictureSet.h"

// The descriptions follow the drawing: the light and weather, the lynx's mood, the tick or cross
// and how full the standing bar is, told without the score itself.
std::vector<PictureEntry> pictureSet() {
    using Kind = PictureContent::Kind;
    const auto feedback = [](int standing, bool correct) {
        return PictureContent{Kind::Feedback, 0, standing, correct};
    };
    const auto round = [](int number) { return PictureContent{Kind::Round, number, 0, false}; };
    // The names use the precomposed U+00F5, as the quiz spells them.
    return {
        {QStringLiteral("0.jpg"),
         {Kind::Waiting, 0, 0, false},
         QStringLiteral("Kuuvalgel ööl magab ilves metsaserval kerra tõmbunult, taevas säravad "
                        "tähed ja rohus helendavad jaaniussid.")},
        {QStringLiteral("1.jpg"), round(1),
         QStringLiteral("Kevadisel aasal valgete lillede keskel istub rõõmus ilves, tõstab "
                        "tervituseks käpa ja tema kõrval seisab puust silt numbriga 1.")},
        {QStringLiteral("2.jpg"), round(2),
         QStringLiteral("Suvisel päikesepaistelisel aasal kollaste lillede keskel istub rõõmus "
                        "ilves, tõstab tervituseks käpa ja tema kõrval seisab puust silt "
                        "numbriga 2.")},
        {QStringLiteral("3.jpg"), round(3),
         QStringLiteral("Sügisesel pruunikal aasal langevate värviliste lehtede all istub rõõmus "
                        "ilves, tõstab tervituseks käpa ja tema kõrval seisab puust silt "
                        "numbriga 3.")},
        {QStringLiteral("4.jpg"), round(4),
         QStringLiteral("Talvisel lumisel väljal langevate lumehelveste all istub rõõmus ilves, "
                        "tõstab tervituseks käpa ja tema kõrval seisab puust silt numbriga 4.")},
        {QStringLiteral("1\u00F5v.jpg"), feedback(1, true),
         QStringLiteral("Päikesepaistel vikerkaare all naerab ilves rõõmsalt ja lehvitab käpaga, "
                        "ülanurgas on roheline linnuke ja allnurgas olev seisunäidik on täis.")},
        {QStringLiteral("2\u00F5v.jpg"), feedback(2, true),
         QStringLiteral("Päikesepaistel üksikute pilvede all naeratab ilves ja lehvitab käpaga, "
                        "ülanurgas on roheline linnuke ja allnurgas olev seisunäidik on peaaegu "
                        "täis.")},
        {QStringLiteral("3\u00F5v.jpg"), feedback(3, true),
         QStringLiteral("Pilvede vahelt paistva päikese all istub ilves rahulikult naeratades, "
                        "ülanurgas on roheline linnuke ja allnurgas olev seisunäidik on üle "
                        "poole täis.")},
        {QStringLiteral("4\u00F5v.jpg"), feedback(4, true),
         QStringLiteral("Pilvise taeva all istub ilves kõrvad veidi longus ja naeratab vaevu, "
                        "ülanurgas on roheline linnuke ja allnurgas olev seisunäidik on alla "
                        "poole täis.")},
        {QStringLiteral("5\u00F5v.jpg"), feedback(5, true),
         QStringLiteral("Halli pilves taeva all istub ilves kõrvad longus ja naeratab väsinult, "
                        "ülanurgas on roheline linnuke ja allnurgas olev seisunäidik on peaaegu "
                        "tühi.")},
        {QStringLiteral("3vv.jpg"), feedback(3, false),
         QStringLiteral("Pilvede vahelt paistva päikese all istub ilves pea viltu ja mureliku "
                        "näoga, ülanurgas on punane rist ja allnurgas olev seisunäidik on üle "
                        "poole täis.")},
        {QStringLiteral("4vv.jpg"), feedback(4, false),
         QStringLiteral("Pilvise taeva all istub ilves pea viltu ja kurva näoga, ülanurgas on "
                        "punane rist ja allnurgas olev seisunäidik on alla poole täis.")},
        {QStringLiteral("5vv.jpg"), feedback(5, false),
         QStringLiteral("Vihmasajus istub ilves kõrvad longus ja väga kurva näoga, ülanurgas on "
                        "punane rist ja allnurgas olev seisunäidik on peaaegu tühi.")},
        {QStringLiteral("6vv.jpg"), feedback(6, false),
         QStringLiteral("Paduvihmas istub ilves kõrvad longus ja pisar silmas, ülanurgas on "
                        "punane rist ja allnurgas olev seisunäidik on tühi.")},
    };
}
