// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

// The tests' own tables, kept apart from the program's, in the folder TORVAMIK_TEST_DATA names:
// statements.tsv (round, position, right answer, statement), pictures.tsv (each solid test
// picture's colour) and answer-plans.tsv (ways to answer a round, 'r' right and 'w' wrong, and the
// feedback picture after each).
namespace testdata {

using Row = std::vector<std::string>;  // UTF-8

// The lines of a table that are not comments, split at their tabs.
inline std::vector<Row> readTable(const std::string& fileName) {
    std::ifstream in(std::string(TORVAMIK_TEST_DATA) + "/" + fileName);
    if (!in) throw std::runtime_error("cannot read " + fileName);
    std::vector<Row> rows;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream fields(line);
        rows.emplace_back();
        for (std::string field; std::getline(fields, field, '\t');) rows.back().push_back(field);
    }
    return rows;
}

}  // namespace testdata
