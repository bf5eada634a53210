#pragma once
// The rows of an edit box's text: a row ends at each CR LF, and, when the box wraps, where
// the next word no longer fits the width (spaces hang at the end of a row; a word wider
// than the box is split between characters). Pure: widths come from the caller.
//
// Row starts are kept in one sorted vector, so a row query is a binary search. An edit
// relays out from shortly before the edited row and stops as soon as a new row start
// meets an old one behind the edit, from where on the old rows only shift.

#include <array>
#include <cstdint>
#include <functional>
#include <type_traits>
#include <vector>

#include "platform/String.h"
#include "platform/editbox/EditText.h"

namespace quelta {

// The advance of one character (a code point) in twips, measured by the given function.
// A wrap asks for the width of nearly every character of the text, and nearly all of them
// are ASCII: their widths are kept in an array after the first measurement, so that the
// common case is an index rather than a call.
class CharacterWidth {
public:
    template <typename Measure>
    requires(!std::is_same_v<std::decay_t<Measure>, CharacterWidth> &&
             std::is_invocable_r_v<double, Measure, char32_t>) CharacterWidth(Measure measure)
        : measure_(std::move(measure)) {
        forget();
    }

    double operator()(char32_t character) const {
        if (character >= ascii_.size()) return measure_(character);
        double& width = ascii_[character];
        if (width < 0) width = measure_(character);
        return width;
    }

    // Widths measured before are stale (a new font or measurer).
    void forget() const { ascii_.fill(-1); }

private:
    std::function<double(char32_t)> measure_;
    mutable std::array<double, 128> ascii_;
};

struct WrapOptions {
    bool lineBreaks = true;  // false: a single-line box, one row whatever the text holds
    bool wrap = false;
    double width = 0;  // twips; only used when wrapping
    friend bool operator==(const WrapOptions&, const WrapOptions&) = default;
};

// Where the row that starts at `start` ends and the next begins; -1 when it is the last.
// A text that ends in CR LF has an empty last row behind it.
std::int32_t nextRowStart(StringView text, std::int32_t start, const WrapOptions& options,
                          const CharacterWidth& width);

class EditLayout {
public:
    void layout(StringView text, const WrapOptions& options, const CharacterWidth& width);
    // The text is the text after the change.
    void update(StringView text, const EditChange& change, const CharacterWidth& width);

    const WrapOptions& options() const { return options_; }
    std::int32_t rowCount() const { return static_cast<std::int32_t>(starts_.size()); }
    // Rows are numbered from 0; callers pass valid rows.
    std::int32_t rowStart(std::int32_t row) const { return starts_[row]; }
    // The end of the row's characters, before a CR LF that closes it.
    std::int32_t rowEnd(StringView text, std::int32_t row) const;
    // The row that holds the character at index (the last row for the end of the text);
    // indices outside the text are clamped.
    std::int32_t rowFromChar(std::int32_t index) const;

private:
    std::vector<std::int32_t> starts_{0};
    std::vector<std::int32_t> fresh_;  // scratch of update, kept to spare an allocation
    WrapOptions options_;
};

}  // namespace quelta
