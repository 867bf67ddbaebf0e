#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A picture's description travels in a JPEG comment (COM) segment before the picture data, as Qt
// writes QImage::setText("Description", ...) and reads it back: "Description: text", or a comment
// with no "Key: " in front of it at all. The first such comment is the picture's description.
// A description never fails a picture: a comment that is not UTF-8, holds control characters or
// is cut off gives no description, and the picture is read as if it had none.

// The most bytes of UTF-8 a description keeps; a longer one is cut after the last whole letter.
inline constexpr std::size_t maxDescriptionBytes = 1000;

// The description one comment gives: nothing when the comment is another key's text, an empty
// string when it is a description that cannot be used, otherwise its text with every run of
// white space made one space and the ends trimmed, cut to maxDescriptionBytes.
std::optional<std::string> descriptionInComment(std::string_view comment);

// Keeps, of the comments that isCompleteJpegStream reports, the first one that is a description.
class DescriptionFinder {
public:
    void operator()(std::string_view comment) {
        if (!found_) found_ = descriptionInComment(comment);
    }
    std::string description() const { return found_.value_or(std::string()); }

private:
    std::optional<std::string> found_;
};

// One walk over a whole file in memory: whether it is a JPEG cut off before its end marker (a
// file that does not start as a JPEG is left to the decoder), and the description it carries
// (empty when it has none, or is no JPEG).
struct JpegCheck {
    bool cutOff;
    std::string description;
};
JpegCheck checkJpeg(const unsigned char* data, std::size_t size);
