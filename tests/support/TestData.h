// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// The tests' own tables, kept apart from the program's: the twenty statements with their right
// answers (statements.tsv), the colour of each picture in the solid test sets (pictures.tsv) and
// the feedback pictures of ways to answer a round (answer-plans.tsv).
// TORVAMIK_TEST_DATA names the folder that holds them.
namespace testdata {

struct Statement {
    bool yesIsRight;
    std::string text;  // UTF-8
};

struct SolidPicture {
    std::string name;  // UTF-8
    int red, green, blue;
};

// The lines of a table that are not comments, split at their tabs.
inline std::vector<std::vector<std::string>> readTable(const std::string& fileName) {
    std::ifstream in(std::string(TORVAMIK_TEST_DATA) + "/" + fileName);
    if (!in) throw std::runtime_error("cannot read " + fileName);
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        rows.emplace_back();
        for (std::string field; std::getline(fields, field, '\t');) rows.back().push_back(field);
    }
    return rows;
}

inline std::vector<Statement> statements() {
    std::vector<Statement> result;
    for (const auto& row : readTable("statements.tsv"))
        result.push_back({row.at(2) == "Jah", row.at(3)});
    return result;
}

inline std::vector<SolidPicture> solidPictures() {
    std::vector<SolidPicture> result;
    for (const auto& row : readTable("pictures.tsv")) {
        const int rgb = std::stoi(row.at(1).substr(1), nullptr, 16);  // "#rrggbb"
        result.push_back({row.at(0), rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF});
    }
    return result;
}

// A round's answers, 'r' right and 'w' wrong, and the feedback picture after each.
struct AnswerPlan {
    std::string answers;
    std::vector<std::string> pictures;  // UTF-8
};

inline std::vector<AnswerPlan> answerPlans() {
    std::vector<AnswerPlan> result;
    for (const auto& row : readTable("answer-plans.tsv")) {
        std::istringstream names(row.at(1));
        result.push_back({row.at(0), {}});
        for (std::string name; names >> name;) result.back().pictures.push_back(name);
    }
    return result;
}

}  // namespace testdata
