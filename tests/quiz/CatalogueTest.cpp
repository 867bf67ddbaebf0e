#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <set>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "QuestionCatalogue.h"

namespace {

// Decodes UTF-8 into code points; a malformed sequence fails the test.
std::vector<char32_t> codePoints(std::string_view text) {
    std::vector<char32_t> result;
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<std::uint8_t>(text[i++]);
        const int extra = lead < 0x80 ? 0 : lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : 1;
        char32_t point = lead & (0x7F >> extra);
        for (int k = 0; k < extra; ++k, ++i) {
            const auto next = i < text.size() ? static_cast<std::uint8_t>(text[i]) : 0;
            if ((next & 0xC0) != 0x80) ADD_FAILURE() << "malformed UTF-8 in " << text;
            point = (point << 6) | (next & 0x3F);
        }
        result.push_back(point);
    }
    return result;
}

struct LengthRow {
    int round;
    int position;
    std::size_t length;
};

// The lengths in characters, including the closing question, as the quiz was written.
const LengthRow expectedLengths[] = {
    {1, 1, 119}, {1, 2, 57}, {1, 3, 66},  {1, 4, 120}, {1, 5, 101}, {2, 1, 130}, {2, 2, 90},
    {2, 3, 72},  {2, 4, 74}, {2, 5, 152}, {3, 1, 155}, {3, 2, 86},  {3, 3, 50},  {3, 4, 175},
    {3, 5, 89},  {4, 1, 93}, {4, 2, 139}, {4, 3, 180}, {4, 4, 114}, {4, 5, 119},
};

void PrintTo(const LengthRow& row, std::ostream* out) {
    *out << "round " << row.round << " position " << row.position;
}

class StatementLength : public ::testing::TestWithParam<LengthRow> {};

TEST_P(StatementLength, CountsCodePointsNotBytes) {
    const LengthRow row = GetParam();
    const CatalogueEntry& entry = QuestionCatalogue::entry(row.round, row.position);
    EXPECT_EQ(entry.round, row.round);
    EXPECT_EQ(entry.position, row.position);
    EXPECT_EQ(codePoints(entry.statement).size(), row.length) << entry.statement;
}

INSTANTIATE_TEST_SUITE_P(AllTwenty, StatementLength, ::testing::ValuesIn(expectedLengths),
                         [](const auto& info) {
                             return "round" + std::to_string(info.param.round) + "position" +
                                    std::to_string(info.param.position);
                         });

TEST(Catalogue, OnlyPrecomposedEstonianLettersBeyondAscii) {
    const std::set<char32_t> allowed{U'ä', U'õ', U'ö', U'ü', U'Õ'};
    std::vector<std::string_view> texts{
        QuestionCatalogue::title(), QuestionCatalogue::rightAnswerFeedback(),
        QuestionCatalogue::wrongAnswerFeedback(), QuestionCatalogue::askingCaption(),
        QuestionCatalogue::waitingCaption()};
    for (const CatalogueEntry& entry : QuestionCatalogue::entries())
        texts.push_back(entry.statement);
    for (const std::string_view text : texts) {
        for (const char32_t point : codePoints(text)) {
            if (point < 0x80) continue;
            EXPECT_TRUE(allowed.count(point))
                << "U+" << std::hex << static_cast<int>(point) << " in " << text;
        }
    }
}

TEST(Catalogue, EveryStatementEndsWithTheQuestion) {
    for (const CatalogueEntry& entry : QuestionCatalogue::entries()) {
        EXPECT_TRUE(entry.statement.ends_with(" Õige või vale?")) << entry.statement;
        EXPECT_FALSE(entry.statement.ends_with("  Õige või vale?")) << entry.statement;
    }
}

TEST(Catalogue, ExactlyThreeStatementsAreFalse) {
    std::vector<std::pair<int, int>> falseOnes;
    for (const CatalogueEntry& entry : QuestionCatalogue::entries()) {
        if (entry.correctAnswer == AnswerNo)
            falseOnes.emplace_back(entry.round, entry.position);
        else
            EXPECT_EQ(entry.correctAnswer, AnswerYes);
    }
    const std::vector<std::pair<int, int>> expected{{1, 3}, {1, 4}, {3, 3}};
    EXPECT_EQ(falseOnes, expected);
}

TEST(Catalogue, EntriesComeInRoundAndPositionOrder) {
    int index = 0;
    for (const CatalogueEntry& entry : QuestionCatalogue::entries()) {
        EXPECT_EQ(entry.round, index / 5 + 1);
        EXPECT_EQ(entry.position, index % 5 + 1);
        ++index;
    }
    EXPECT_EQ(index, 20);
}

TEST(Catalogue, LookupOutsideTheQuizIsAnError) {
    EXPECT_THROW(QuestionCatalogue::entry(0, 1), std::out_of_range);
    EXPECT_THROW(QuestionCatalogue::entry(5, 1), std::out_of_range);
    EXPECT_THROW(QuestionCatalogue::entry(1, 6), std::out_of_range);
    EXPECT_THROW(QuestionCatalogue::entry(1, 0), std::out_of_range);
}

TEST(Catalogue, FixedTextsCharacterForCharacter) {
    EXPECT_EQ(QuestionCatalogue::title(), "Torvamik!");
    EXPECT_EQ(codePoints(QuestionCatalogue::rightAnswerFeedback()).size(), 16u);
    EXPECT_EQ(QuestionCatalogue::rightAnswerFeedback(), "Vastus oli \u00f5ige!");
    EXPECT_EQ(QuestionCatalogue::wrongAnswerFeedback(), "Vastus oli vale!");
    EXPECT_EQ(QuestionCatalogue::askingCaption(), "J\u00e4lgige ka fotot dialoogikasti taga!");
    EXPECT_EQ(codePoints(QuestionCatalogue::askingCaption()).size(), 36u);
    // Three separate full stops, not an ellipsis character.
    EXPECT_EQ(QuestionCatalogue::waitingCaption(), "Oota pisut...");
    EXPECT_EQ(codePoints(QuestionCatalogue::waitingCaption()).size(), 13u);
}

TEST(Catalogue, PunctuationAndDigitsSurvive) {
    EXPECT_NE(QuestionCatalogue::entry(2, 3).statement.find("1-2."), std::string_view::npos);
    EXPECT_NE(QuestionCatalogue::entry(3, 5).statement.find("20-25 aastat"),
              std::string_view::npos);
    EXPECT_NE(QuestionCatalogue::entry(4, 2).statement.find("(koos vastsündinud poegadega)"),
              std::string_view::npos);
    EXPECT_NE(QuestionCatalogue::entry(4, 3).statement.find("(jäneseid, metskitsi, rebaseid jne)"),
              std::string_view::npos);
    EXPECT_NE(QuestionCatalogue::entry(4, 5).statement.find(
                  "kasvanuks: emased 22. elukuul ja isased 30."),
              std::string_view::npos);
}

}  // namespace
