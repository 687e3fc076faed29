// The window's pages and controls, held as data: every control's name, kind,
// page, style, caption and place, and the look of each style. Places and
// sizes are in points; a control's place is relative to its page.
#pragma once

#include "catalogue/catalogue.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace msweight {

enum class Kind : std::uint8_t { Label, TextBox, OptionButton, CommandButton };

enum class Style : std::uint8_t {
    CaptionLabel,
    FieldLabel,
    HeadingLabel,
    PropertyLabel,
    RowLabel,
    NoteLabel,
    InputBox,
    QuantityBox,  // the plate quantity: an InputBox with window-frame text
    BoldInputBox, // the true-length height: an InputBox in bold
    ResultBox,
    TotalButton,
    AnswerButton,
    SizeOption,
};

// A colour given as RGB, or as an index of the classic system-colour table.
struct Colour
{
    int system = -1;
    std::uint8_t red = 0, green = 0, blue = 0;
};
constexpr Colour Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b)
{
    return {-1, r, g, b};
}
constexpr Colour SystemColour(int index)
{
    return {index};
}

// System colours used by the styles.
inline constexpr int MenuBackground = 4, WindowBackground = 5, WindowFrame = 6, WindowText = 8, HighlightText = 14,
                     ButtonFace = 15, ButtonText = 18, ButtonHighlight = 20;

enum class Edge : std::uint8_t { Standard, Flat, Etched, Raised, Sunken, Bump };

struct StyleSpec
{
    Style style;
    double pointSize;
    bool bold;
    bool underline;
    bool centred;
    Colour text;
    Colour background;
    Edge edge;
    // Percent of the face's own spacing: the note at the top of the "TP" page
    // is a hair wider than its label in Tahoma at 96 dpi.
    double letterSpacing = 100;
};

struct ControlSpec
{
    std::string_view name;
    Kind kind;
    Page page;
    Style style;
    std::string_view caption; // option buttons take theirs from the catalogue
    double left, top, width, height;
    std::string_view names = {}; // for a label: the box it names
};

struct PageSpec
{
    Page page;
    std::string_view caption; // '&' marks the access key, "&&" a shown ampersand
    std::span<const std::string_view> keyboardOrder;
    bool tabCycles; // Tab stays within the page
};

inline constexpr std::string_view WindowCaption = "M.S(weight)-TKW";
inline constexpr double ClientWidth = 243.75, ClientHeight = 258;
inline constexpr double FontSize = 8.25;

std::span<const StyleSpec> Styles();
const StyleSpec &StyleOf(Style style);
std::span<const ControlSpec> Controls();
std::span<const PageSpec> Pages(); // in the order of the tabs

const ControlSpec *FindControl(std::string_view name);
// The caption of the label that names `box`, or empty.
std::string_view NamingCaption(std::string_view box);

// What a screen reader calls the control: an input box by the label that
// names it, after the heading of its half of the page where there is one
// ("FLANGE: QTY."); a result box by what it holds; anything else by its
// caption.
std::string AccessibleName(const ControlSpec &control);

// Points to pixels at 96 logical dpi, to the nearest pixel.
constexpr int Pixels(double points)
{
    const double px = points * 4.0 / 3.0;
    return int(px + 0.5);
}

} // namespace msweight
