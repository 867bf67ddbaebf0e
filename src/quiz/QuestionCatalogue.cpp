// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#include "QuestionCatalogue.h"

#include <array>
#include <stdexcept>
#include <string>

namespace {

// In the order asked: the five statements of round 1, then those of round 2, and so on.
constexpr std::array<CatalogueEntry,
                     QuestionCatalogue::rounds * QuestionCatalogue::questionsPerRound>
    catalogue{{
        {"Ilvesed saavad elada ilma söömata kaks päeva nädalas, sellest rezhiimist peetakse kinni "
         "ka loomaaedades. Õige või vale?",
         AnswerYes},
        {"Ilves kuuleb 6 korda paremini kui inimene. Õige või vale?", AnswerYes},
        {"Looduses murrab ilves loomi rohkem, kui süüa jõuab. Õige või vale?", AnswerNo},
        {"See on kindlasti liialdus, et iga ilvese kohta on Eestis sõltuvalt maakonnast olnud 8 "
         "kuni 160 jahimeest. Õige või vale?",
         AnswerNo},
        {"Ilveste murtud loomadest saavad sageli söönuks ka hundid, rebased, kährikud, karud jm. "
         "Õige või vale?",
         AnswerYes},
        {"Talve saabudes on ilvesepojad ainult veidi suuremad kui kodukassid ja nende ellujäämine "
         "sõltub täiesti nende emast. Õige või vale?",
         AnswerYes},
        {"Kevade saabudes on ilvesepoegadel veel piimahambad suus ning küüned nõrgad. Õige või "
         "vale?",
         AnswerYes},
        {"Igast kümnest ilvesepojast saab täiskasvanuks ainult 1-2. Õige või vale?", AnswerYes},
        {"Emaseid ilveseid sünnib ligi kaks korda rohkem kui isaseid. Õige või vale?", AnswerYes},
        {"Et kõigile jätkuks toitu, elavad metsailvesed erakuelu, loomaaedades aga, kus toitu "
         "jätkub, ollakse väga kiindunud oma puurikaaslastesse. Õige või vale?",
         AnswerYes},
        {"Varem arvati, et ilvesed hüppavad oma ohvrile selga puu otsast ja võivad rünnata ka "
         "inimest, kuid nüüdseks on tõestatud, et nad seda ei tee. Õige või vale?",
         AnswerYes},
        {"Ilves ei jälita kunagi oma saaki, kui seda pole õnnestunud kohe tabada. Õige või vale?",
         AnswerYes},
        {"Ilves võib süüa läbikülmunud toitu. Õige või vale?", AnswerNo},
        {"Ilves sööb oma saaklooma liha koos kontidega, kuid pea ja naha jätab söömata, mao ja "
         "soolikad aga lohistab söögikohast eemale, et nad ta söögiisu ära ei rikuks. Õige või "
         "vale?",
         AnswerYes},
        {"Ilvese eluiga loomaaias võib olla 20-25 aastat, looduses aga pool sellest. Õige või "
         "vale?",
         AnswerYes},
        {"Ilvesel on nii laiad käpad, et igale ruutsentimeetrile rõhub ainult 40 grammi. Õige või "
         "vale?",
         AnswerYes},
        {"Kui juunis võib olla Eestis (koos vastsündinud poegadega) ligi 900 ilvest, siis talve "
         "lõpuks on nendest elus vaid kolmandik. Õige või vale?",
         AnswerYes},
        {"Inimene hävitab ilveseid kolmel moel: raiudes metsa, küttides ilveste toitu (jäneseid, "
         "metskitsi, rebaseid jne) ning otseselt, ilusa kasuka ja sportliku huvi pärast. Õige või "
         "vale?",
         AnswerYes},
        {"Looduses eelistab ilves kindlaid kände, kivisid ja puid, ka puuris on igal ilvesel oma "
         "lemmikkohad. Õige või vale?",
         AnswerYes},
        {"Ilvesed saavad täiskasvanuks: emased 22. elukuul ja isased 30. elukuul ehk kahe ja poole "
         "aasta vanuselt. Õige või vale?",
         AnswerYes},
    }};

}  // namespace

const CatalogueEntry& QuestionCatalogue::entry(int round, int position) {
    if (round < 1 || round > rounds || position < 1 || position > questionsPerRound) {
        throw std::out_of_range("no question at round " + std::to_string(round) + ", position " +
                                std::to_string(position));
    }
    return catalogue[static_cast<std::size_t>((round - 1) * questionsPerRound + (position - 1))];
}
