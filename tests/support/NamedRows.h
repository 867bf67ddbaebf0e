// SPDX-FileCopyrightText: 2026 Torvamik! developers
// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <cctype>
#include <string>

// Names each row of a parameterised test after its `what`, so that a failing row is reported by
// what it stands for; characters a test name cannot hold become underscores.
struct NamedRows {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row>& row) const {
        std::string name = row.param.what;
        for (char& c : name) c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    }
};
