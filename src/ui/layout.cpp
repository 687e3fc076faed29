#include "ui/layout.h"

namespace msweight {

namespace {

// clang-format off
constexpr StyleSpec StyleTable[] = {
    // style                 size  bold   underl centred text                         background                         edge
    {Style::CaptionLabel,  8.25, true,  false, false, Rgb(0, 0, 255),                SystemColour(ButtonFace),          Edge::Etched},
    {Style::FieldLabel,    8.25, false, false, false, Rgb(0, 0, 255),                SystemColour(ButtonFace),          Edge::Etched},
    {Style::HeadingLabel,  9,    true,  true,  true,  Rgb(192, 0, 0),                SystemColour(MenuBackground),      Edge::Raised},
    {Style::PropertyLabel, 8.25, false, false, false, Rgb(128, 0, 0),                SystemColour(ButtonFace),          Edge::Etched},
    {Style::RowLabel,      8.25, true,  false, true,  Rgb(0, 0, 255),                SystemColour(ButtonFace),          Edge::Etched},
    {Style::NoteLabel,     8.25, false, false, false, Rgb(255, 0, 0),                SystemColour(ButtonFace),          Edge::Flat, 99},
    {Style::InputBox,      8.25, false, false, false, SystemColour(WindowText),      SystemColour(WindowBackground),    Edge::Sunken},
    {Style::QuantityBox,   8.25, false, false, false, SystemColour(WindowFrame),     SystemColour(WindowBackground),    Edge::Sunken},
    {Style::BoldInputBox,  8.25, true,  false, false, SystemColour(WindowText),      SystemColour(WindowBackground),    Edge::Sunken},
    {Style::ResultBox,     8.25, true,  false, false, Rgb(64, 0, 64),                Rgb(192, 255, 255),                Edge::Bump},
    {Style::TotalButton,   8.25, true,  false, true,  Rgb(255, 0, 255),              SystemColour(ButtonHighlight),     Edge::Standard},
    {Style::AnswerButton,  9,    true,  false, true,  Rgb(255, 0, 255),              SystemColour(HighlightText),       Edge::Standard},
    {Style::SizeOption,    8.25, false, false, false, SystemColour(ButtonText),      SystemColour(ButtonFace),          Edge::Standard},
};

constexpr ControlSpec ControlTable[] = {
    // name, kind, page, style, caption, left, top, width, height[, the box a label names]
    {"Label5", Kind::Label, Page::Plates, Style::CaptionLabel, "LENGTH (in Meter)", 6, 6, 110, 18, "TextBox7"},
    {"TextBox7", Kind::TextBox, Page::Plates, Style::InputBox, "", 125, 6, 110, 18},
    {"Label6", Kind::Label, Page::Plates, Style::CaptionLabel, "WIDTH (in Meter)", 6, 30, 110, 18, "TextBox8"},
    {"TextBox8", Kind::TextBox, Page::Plates, Style::InputBox, "", 125, 30, 110, 18},
    {"Label7", Kind::Label, Page::Plates, Style::CaptionLabel, "QTY.", 6, 54, 110, 18, "TextBox9"},
    {"TextBox9", Kind::TextBox, Page::Plates, Style::QuantityBox, "", 125, 54, 110, 18},
    {"TextBox10", Kind::TextBox, Page::Plates, Style::ResultBox, "", 6, 75, 110, 20},
    {"CommandButton3", Kind::CommandButton, Page::Plates, Style::TotalButton, "TOTAL WEIGHT (in kg.)", 125, 75, 110, 20},
    {"OptionButton26", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 6, 100, 50, 15},
    {"OptionButton32", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 65, 100, 50, 15},
    {"OptionButton38", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 125, 100, 50, 15},
    {"OptionButton148", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 185, 100, 50, 15},
    {"OptionButton27", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 6, 120.5, 50, 15},
    {"OptionButton33", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 65, 120.5, 50, 15},
    {"OptionButton39", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 125, 120.5, 50, 15},
    {"OptionButton149", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 185, 120.5, 50, 15},
    {"OptionButton28", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 6, 140, 50, 15},
    {"OptionButton34", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 65, 140, 50, 15},
    {"OptionButton144", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 125, 140, 50, 15},
    {"OptionButton150", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 185, 140, 50, 15},
    {"OptionButton29", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 6, 160, 50, 15},
    {"OptionButton35", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 65, 160, 50, 15},
    {"OptionButton145", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 125, 160, 50, 15},
    {"OptionButton151", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 185, 160, 50, 15},
    {"OptionButton30", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 6, 180.5, 50, 15},
    {"OptionButton36", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 65, 180.5, 50, 15},
    {"OptionButton146", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 125, 180.5, 50, 15},
    {"OptionButton152", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 185, 180.5, 50, 15},
    {"OptionButton31", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 6, 200, 50, 15},
    {"OptionButton37", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 65, 200, 50, 15},
    {"OptionButton147", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 125, 200, 50, 15},
    {"OptionButton153", Kind::OptionButton, Page::Plates, Style::SizeOption, "", 185, 200, 50, 15},
    {"Label1", Kind::Label, Page::Channels, Style::CaptionLabel, "LENGTH (in Meter)", 6, 6, 110, 18, "TextBox1"},
    {"TextBox1", Kind::TextBox, Page::Channels, Style::InputBox, "", 125, 6, 110, 18},
    {"Label2", Kind::Label, Page::Channels, Style::CaptionLabel, "QTY.", 6, 30, 110, 18, "TextBox2"},
    {"TextBox2", Kind::TextBox, Page::Channels, Style::InputBox, "", 125, 30, 110, 18},
    {"TextBox3", Kind::TextBox, Page::Channels, Style::ResultBox, "", 6, 55, 110, 20},
    {"CommandButton1", Kind::CommandButton, Page::Channels, Style::TotalButton, "TOTAL WEIGHT (in kg.)", 125, 55, 110, 20},
    {"OptionButton1", Kind::OptionButton, Page::Channels, Style::SizeOption, "", 6, 80, 70, 15},
    {"OptionButton5", Kind::OptionButton, Page::Channels, Style::SizeOption, "", 80, 80, 75, 15},
    {"OptionButton9", Kind::OptionButton, Page::Channels, Style::SizeOption, "", 160, 80, 75, 15},
    {"OptionButton2", Kind::OptionButton, Page::Channels, Style::SizeOption, "", 6, 100, 70, 15},
    {"OptionButton6", Kind::OptionButton, Page::Channels, Style::SizeOption, "", 80, 100, 75, 15},
    {"OptionButton10", Kind::OptionButton, Page::Channels, Style::SizeOption, "", 160, 100, 75, 15},
    {"OptionButton3", Kind::OptionButton, Page::Channels, Style::SizeOption, "", 6, 120.5, 70, 15},
    {"OptionButton7", Kind::OptionButton, Page::Channels, Style::SizeOption, "", 80, 120.5, 75, 15},
    {"OptionButton11", Kind::OptionButton, Page::Channels, Style::SizeOption, "", 160, 120.5, 75, 15},
    {"OptionButton4", Kind::OptionButton, Page::Channels, Style::SizeOption, "", 6, 140, 70, 15},
    {"OptionButton8", Kind::OptionButton, Page::Channels, Style::SizeOption, "", 80, 140, 75, 15},
    {"Label36", Kind::Label, Page::Channels, Style::PropertyLabel, "Ixx", 6, 160, 75, 15},
    {"Label37", Kind::Label, Page::Channels, Style::PropertyLabel, "Iyy", 90, 160, 75, 15},
    {"Label42", Kind::Label, Page::Channels, Style::PropertyLabel, "r1", 170, 160, 65, 15},
    {"Label38", Kind::Label, Page::Channels, Style::PropertyLabel, "rxx", 6, 181, 75, 15},
    {"Label39", Kind::Label, Page::Channels, Style::PropertyLabel, "ryy", 90, 181, 75, 15},
    {"Label43", Kind::Label, Page::Channels, Style::PropertyLabel, "r2", 170, 181, 65, 15},
    {"Label40", Kind::Label, Page::Channels, Style::PropertyLabel, "Zxx", 6, 200, 75, 15},
    {"Label41", Kind::Label, Page::Channels, Style::PropertyLabel, "Zyy", 90, 200, 75, 15},
    {"Label44", Kind::Label, Page::Channels, Style::PropertyLabel, "Sec. Area", 170, 200, 65, 15},
    {"Label45", Kind::Label, Page::Channels, Style::PropertyLabel, "Cen. of Gravity", 6, 220, 75, 15},
    {"Label46", Kind::Label, Page::Channels, Style::PropertyLabel, "Thk. of Flange", 90, 220, 75, 15},
    {"Label47", Kind::Label, Page::Channels, Style::PropertyLabel, "Thk. of Web", 170, 220, 65, 15},
    {"Label3", Kind::Label, Page::Beams, Style::CaptionLabel, "LENGTH (in Meter)", 6, 6, 110, 18, "TextBox4"},
    {"TextBox4", Kind::TextBox, Page::Beams, Style::InputBox, "", 125, 6, 110, 18},
    {"Label4", Kind::Label, Page::Beams, Style::CaptionLabel, "QTY.", 6, 30, 110, 18, "TextBox5"},
    {"TextBox5", Kind::TextBox, Page::Beams, Style::InputBox, "", 125, 30, 110, 18},
    {"TextBox6", Kind::TextBox, Page::Beams, Style::ResultBox, "", 6, 55, 110, 20},
    {"CommandButton2", Kind::CommandButton, Page::Beams, Style::TotalButton, "TOTAL WEIGHT (in kg.)", 125, 55, 110, 20},
    {"OptionButton12", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 6, 80, 50, 15},
    {"OptionButton16", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 65, 80, 50, 15},
    {"OptionButton20", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 125, 80, 50, 15},
    {"OptionButton24", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 185, 80, 50, 15},
    {"OptionButton13", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 6, 100, 50, 15},
    {"OptionButton17", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 65, 100, 50, 15},
    {"OptionButton21", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 125, 100, 50, 15},
    {"OptionButton25", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 185, 100, 50, 15},
    {"OptionButton14", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 6, 120.5, 50, 15},
    {"OptionButton18", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 65, 120.5, 50, 15},
    {"OptionButton22", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 125, 120.5, 50, 15},
    {"OptionButton15", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 6, 140, 50, 15},
    {"OptionButton19", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 65, 140, 50, 15},
    {"OptionButton23", Kind::OptionButton, Page::Beams, Style::SizeOption, "", 125, 140, 50, 15},
    {"Label48", Kind::Label, Page::Beams, Style::PropertyLabel, "Ixx", 6, 159, 75, 15},
    {"Label49", Kind::Label, Page::Beams, Style::PropertyLabel, "Iyy", 90, 159, 75, 15},
    {"Label56", Kind::Label, Page::Beams, Style::PropertyLabel, "Sec. Area", 170, 159, 65, 15},
    {"Label50", Kind::Label, Page::Beams, Style::PropertyLabel, "rxx", 6, 180, 75, 15},
    {"Label51", Kind::Label, Page::Beams, Style::PropertyLabel, "ryy", 90, 180, 75, 15},
    {"Label57", Kind::Label, Page::Beams, Style::PropertyLabel, "Width of Flg.", 170, 180, 65, 15},
    {"Label52", Kind::Label, Page::Beams, Style::PropertyLabel, "Zxx", 6, 200, 75, 15},
    {"Label53", Kind::Label, Page::Beams, Style::PropertyLabel, "Zyy", 90, 200, 75, 15},
    {"Label58", Kind::Label, Page::Beams, Style::PropertyLabel, "Thk. of Flg.", 170, 200, 65, 15},
    {"Label54", Kind::Label, Page::Beams, Style::PropertyLabel, "r1", 6, 220, 75, 15},
    {"Label55", Kind::Label, Page::Beams, Style::PropertyLabel, "r2", 90, 220, 75, 15},
    {"Label59", Kind::Label, Page::Beams, Style::PropertyLabel, "Thk. of Web", 170, 220, 65, 15},
    {"Label24", Kind::Label, Page::Angles, Style::CaptionLabel, "LENGTH (in Meter)", 6, 6, 110, 18, "TextBox29"},
    {"TextBox29", Kind::TextBox, Page::Angles, Style::InputBox, "", 125, 6, 110, 18},
    {"Label25", Kind::Label, Page::Angles, Style::CaptionLabel, "QTY.", 6, 30, 110, 18, "TextBox30"},
    {"TextBox30", Kind::TextBox, Page::Angles, Style::InputBox, "", 125, 30, 110, 18},
    {"TextBox31", Kind::TextBox, Page::Angles, Style::ResultBox, "", 6, 55, 110, 20},
    {"CommandButton8", Kind::CommandButton, Page::Angles, Style::TotalButton, "TOTAL WEIGHT (in kg.)", 125, 55, 110, 20},
    {"OptionButton102", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 6, 80, 39, 15},
    {"OptionButton110", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 50, 80, 39, 15},
    {"OptionButton118", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 95, 80, 39, 15},
    {"OptionButton126", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 140, 80, 45, 15},
    {"OptionButton134", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 190, 80, 45, 15},
    {"OptionButton103", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 6, 100, 39, 15},
    {"OptionButton111", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 50, 100, 39, 15},
    {"OptionButton119", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 95, 100, 39, 15},
    {"OptionButton127", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 140, 100, 45, 15},
    {"OptionButton135", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 190, 100, 45, 15},
    {"OptionButton104", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 6, 120.5, 39, 15},
    {"OptionButton112", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 50, 120.5, 39, 15},
    {"OptionButton120", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 95, 120.5, 39, 15},
    {"OptionButton128", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 140, 120.5, 45, 15},
    {"OptionButton136", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 190, 120.5, 45, 15},
    {"OptionButton105", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 6, 140, 39, 15},
    {"OptionButton113", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 50, 140, 39, 15},
    {"OptionButton121", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 95, 140, 39, 15},
    {"OptionButton129", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 140, 140, 45, 15},
    {"OptionButton137", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 190, 140, 45, 15},
    {"OptionButton106", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 6, 160, 39, 15},
    {"OptionButton114", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 50, 160, 39, 15},
    {"OptionButton122", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 95, 160, 39, 15},
    {"OptionButton130", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 140, 160, 39, 15},
    {"OptionButton138", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 190, 160, 45, 15},
    {"OptionButton107", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 6, 180.5, 39, 15},
    {"OptionButton115", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 50, 180.5, 39, 15},
    {"OptionButton123", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 95, 180.5, 39, 15},
    {"OptionButton131", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 140, 180.5, 45, 15},
    {"OptionButton139", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 190, 180.5, 45, 15},
    {"OptionButton108", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 6, 200, 39, 15},
    {"OptionButton116", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 50, 200, 39, 15},
    {"OptionButton124", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 95, 200, 39, 15},
    {"OptionButton132", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 140, 200, 50, 15},
    {"OptionButton140", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 190, 200, 45, 15},
    {"OptionButton109", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 6, 220, 39, 15},
    {"OptionButton117", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 50, 220, 39, 15},
    {"OptionButton125", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 95, 220, 39, 15},
    {"OptionButton133", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 140, 220, 45, 15},
    {"OptionButton141", Kind::OptionButton, Page::Angles, Style::SizeOption, "", 190, 220, 45, 15},
    {"Label10", Kind::Label, Page::SquareBars, Style::CaptionLabel, "LENGTH (in Meter)", 6, 6, 110, 18, "TextBox14"},
    {"TextBox14", Kind::TextBox, Page::SquareBars, Style::InputBox, "", 125, 6, 110, 18},
    {"Label11", Kind::Label, Page::SquareBars, Style::CaptionLabel, "QTY.", 6, 30, 110, 18, "TextBox15"},
    {"TextBox15", Kind::TextBox, Page::SquareBars, Style::InputBox, "", 125, 30, 110, 18},
    {"TextBox16", Kind::TextBox, Page::SquareBars, Style::ResultBox, "", 6, 55, 110, 20},
    {"CommandButton5", Kind::CommandButton, Page::SquareBars, Style::TotalButton, "TOTAL WEIGHT (in kg.)", 125, 55, 110, 20},
    {"OptionButton71", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 6, 80, 50, 15},
    {"OptionButton79", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 65, 80, 50, 15},
    {"OptionButton87", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 125, 80, 50, 15},
    {"OptionButton95", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 185, 80, 50, 15},
    {"OptionButton72", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 6, 100, 50, 15},
    {"OptionButton80", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 65, 100, 50, 15},
    {"OptionButton88", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 125, 100, 50, 15},
    {"OptionButton96", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 185, 100, 50, 15},
    {"OptionButton73", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 6, 120.5, 50, 15},
    {"OptionButton81", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 65, 120.5, 50, 15},
    {"OptionButton89", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 125, 120.5, 50, 15},
    {"OptionButton97", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 185, 120.5, 50, 15},
    {"OptionButton74", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 6, 140, 50, 15},
    {"OptionButton82", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 65, 140, 50, 15},
    {"OptionButton90", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 125, 140, 50, 15},
    {"OptionButton98", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 185, 140, 50, 15},
    {"OptionButton75", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 6, 160, 50, 15},
    {"OptionButton83", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 65, 160, 50, 15},
    {"OptionButton91", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 125, 160, 50, 15},
    {"OptionButton99", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 185, 160, 50, 15},
    {"OptionButton76", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 6, 180.5, 50, 15},
    {"OptionButton84", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 65, 180.5, 50, 15},
    {"OptionButton92", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 125, 180.5, 50, 15},
    {"OptionButton100", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 185, 180.5, 50, 15},
    {"OptionButton77", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 6, 200, 50, 15},
    {"OptionButton85", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 65, 200, 50, 15},
    {"OptionButton93", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 125, 200, 50, 15},
    {"OptionButton101", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 185, 200, 50, 15},
    {"OptionButton78", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 6, 220, 50, 15},
    {"OptionButton86", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 65, 220, 50, 15},
    {"OptionButton94", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 125, 220, 50, 15},
    {"OptionButton143", Kind::OptionButton, Page::SquareBars, Style::SizeOption, "", 185, 220, 50, 15},
    {"Label8", Kind::Label, Page::RoundBars, Style::CaptionLabel, "LENGTH (in Meter)", 6, 6, 110, 18, "TextBox11"},
    {"TextBox11", Kind::TextBox, Page::RoundBars, Style::InputBox, "", 125, 6, 110, 18},
    {"Label9", Kind::Label, Page::RoundBars, Style::CaptionLabel, "QTY.", 6, 30, 110, 18, "TextBox12"},
    {"TextBox12", Kind::TextBox, Page::RoundBars, Style::InputBox, "", 125, 30, 110, 18},
    {"TextBox13", Kind::TextBox, Page::RoundBars, Style::ResultBox, "", 6, 55, 110, 20},
    {"CommandButton4", Kind::CommandButton, Page::RoundBars, Style::TotalButton, "TOTAL WEIGHT (in kg.)", 125, 55, 110, 20},
    {"OptionButton40", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 6, 80, 50, 15},
    {"OptionButton48", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 65, 80, 50, 15},
    {"OptionButton56", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 125, 80, 50, 15},
    {"OptionButton64", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 185, 80, 50, 15},
    {"OptionButton41", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 6, 100, 50, 15},
    {"OptionButton49", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 65, 100, 50, 15},
    {"OptionButton57", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 125, 100, 50, 15},
    {"OptionButton65", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 185, 100, 50, 15},
    {"OptionButton42", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 6, 120.5, 50, 15},
    {"OptionButton50", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 65, 120.5, 50, 15},
    {"OptionButton58", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 125, 120.5, 50, 15},
    {"OptionButton66", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 185, 120.5, 50, 15},
    {"OptionButton43", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 6, 140, 50, 15},
    {"OptionButton51", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 65, 140, 50, 15},
    {"OptionButton59", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 125, 140, 50, 15},
    {"OptionButton67", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 185, 140, 50, 15},
    {"OptionButton44", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 6, 160, 50, 15},
    {"OptionButton52", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 65, 160, 50, 15},
    {"OptionButton60", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 125, 160, 50, 15},
    {"OptionButton68", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 185, 160, 50, 15},
    {"OptionButton45", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 6, 180, 50, 15},
    {"OptionButton53", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 65, 180, 50, 15},
    {"OptionButton61", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 125, 180, 50, 15},
    {"OptionButton69", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 185, 180, 50, 15},
    {"OptionButton46", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 6, 200, 50, 15},
    {"OptionButton54", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 65, 200, 50, 15},
    {"OptionButton62", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 125, 200, 50, 15},
    {"OptionButton70", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 185, 200, 50, 15},
    {"OptionButton47", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 6, 220, 50, 15},
    {"OptionButton55", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 65, 220, 50, 15},
    {"OptionButton63", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 125, 220, 50, 15},
    {"OptionButton142", Kind::OptionButton, Page::RoundBars, Style::SizeOption, "", 185, 220, 50, 15},
    {"Label22", Kind::Label, Page::FlangeAndPiece, Style::HeadingLabel, "FLANGE", 6, 4, 230, 20},
    {"Label12", Kind::Label, Page::FlangeAndPiece, Style::FieldLabel, "O / DIA. (in M)", 6, 30, 60, 15, "TextBox17"},
    {"TextBox17", Kind::TextBox, Page::FlangeAndPiece, Style::InputBox, "", 70, 30, 55, 20},
    {"Label14", Kind::Label, Page::FlangeAndPiece, Style::FieldLabel, "THK. (in MM)", 130, 30, 55, 15, "TextBox19"},
    {"TextBox19", Kind::TextBox, Page::FlangeAndPiece, Style::InputBox, "", 190, 30, 50, 20},
    {"Label13", Kind::Label, Page::FlangeAndPiece, Style::FieldLabel, "I / DIA. (in M)", 6, 55, 60, 15, "TextBox18"},
    {"TextBox18", Kind::TextBox, Page::FlangeAndPiece, Style::InputBox, "", 70, 55, 55, 20},
    {"Label23", Kind::Label, Page::FlangeAndPiece, Style::FieldLabel, "QTY.", 130, 55, 55, 15, "TextBox28"},
    {"TextBox28", Kind::TextBox, Page::FlangeAndPiece, Style::InputBox, "", 190, 55, 50, 20},
    {"TextBox20", Kind::TextBox, Page::FlangeAndPiece, Style::ResultBox, "", 6, 85, 110, 20},
    {"CommandButton6", Kind::CommandButton, Page::FlangeAndPiece, Style::TotalButton, "TOTAL WEIGHT (in kg.)", 125, 85, 110, 20},
    {"Label21", Kind::Label, Page::FlangeAndPiece, Style::HeadingLabel, "TRANSITION PIECE", 6, 110, 230, 20},
    {"Label15", Kind::Label, Page::FlangeAndPiece, Style::FieldLabel, "LENGTH (in M)", 6, 135, 60, 15, "TextBox21"},
    {"TextBox21", Kind::TextBox, Page::FlangeAndPiece, Style::InputBox, "", 70, 135, 55, 20},
    {"Label19", Kind::Label, Page::FlangeAndPiece, Style::FieldLabel, "HIGHT. (in M)", 130, 135, 55, 15, "TextBox24"},
    {"TextBox24", Kind::TextBox, Page::FlangeAndPiece, Style::InputBox, "", 190, 135, 50, 20},
    {"Label16", Kind::Label, Page::FlangeAndPiece, Style::FieldLabel, "WIDTH (in M)", 6, 160, 60, 15, "TextBox22"},
    {"TextBox22", Kind::TextBox, Page::FlangeAndPiece, Style::InputBox, "", 70, 160, 55, 20},
    {"Label18", Kind::Label, Page::FlangeAndPiece, Style::FieldLabel, "THK. (in MM)", 130, 160, 55, 15, "TextBox25"},
    {"TextBox25", Kind::TextBox, Page::FlangeAndPiece, Style::InputBox, "", 190, 160, 50, 20},
    {"Label17", Kind::Label, Page::FlangeAndPiece, Style::FieldLabel, "DIA. (in M)", 6, 185, 60, 15, "TextBox23"},
    {"TextBox23", Kind::TextBox, Page::FlangeAndPiece, Style::InputBox, "", 70, 185, 55, 20},
    {"Label20", Kind::Label, Page::FlangeAndPiece, Style::FieldLabel, "QTY.", 130, 185, 55, 15, "TextBox26"},
    {"TextBox26", Kind::TextBox, Page::FlangeAndPiece, Style::InputBox, "", 190, 185, 50, 20},
    {"TextBox27", Kind::TextBox, Page::FlangeAndPiece, Style::ResultBox, "", 6, 215, 110, 20},
    {"CommandButton7", Kind::CommandButton, Page::FlangeAndPiece, Style::TotalButton, "TOTAL WEIGHT (in kg.)", 125, 215, 110, 20},
    {"TextBox32", Kind::TextBox, Page::TrueLengths, Style::InputBox, "", 6, 25, 75, 16},
    {"Label26", Kind::Label, Page::TrueLengths, Style::RowLabel, "X-0", 85, 25, 30, 16, "TextBox32"},
    {"TextBox39", Kind::TextBox, Page::TrueLengths, Style::ResultBox, "", 120, 25, 115, 16},
    {"TextBox33", Kind::TextBox, Page::TrueLengths, Style::InputBox, "", 6, 50, 75, 16},
    {"Label27", Kind::Label, Page::TrueLengths, Style::RowLabel, "X-1", 85, 50, 30, 16, "TextBox33"},
    {"TextBox40", Kind::TextBox, Page::TrueLengths, Style::ResultBox, "", 120, 50, 115, 16},
    {"TextBox34", Kind::TextBox, Page::TrueLengths, Style::InputBox, "", 6, 75, 75, 16},
    {"Label28", Kind::Label, Page::TrueLengths, Style::RowLabel, "X-2", 85, 75, 30, 16, "TextBox34"},
    {"TextBox41", Kind::TextBox, Page::TrueLengths, Style::ResultBox, "", 120, 75, 115, 16},
    {"TextBox35", Kind::TextBox, Page::TrueLengths, Style::InputBox, "", 6, 100, 75, 16},
    {"Label29", Kind::Label, Page::TrueLengths, Style::RowLabel, "X-3", 85, 100, 30, 16, "TextBox35"},
    {"TextBox42", Kind::TextBox, Page::TrueLengths, Style::ResultBox, "", 120, 100, 115, 16},
    {"TextBox36", Kind::TextBox, Page::TrueLengths, Style::InputBox, "", 6, 125, 75, 16},
    {"Label30", Kind::Label, Page::TrueLengths, Style::RowLabel, "X-4", 85, 125, 30, 16, "TextBox36"},
    {"TextBox43", Kind::TextBox, Page::TrueLengths, Style::ResultBox, "", 120, 125, 115, 16},
    {"TextBox37", Kind::TextBox, Page::TrueLengths, Style::InputBox, "", 6, 150, 75, 16},
    {"Label31", Kind::Label, Page::TrueLengths, Style::RowLabel, "X-5", 85, 150, 30, 16, "TextBox37"},
    {"TextBox44", Kind::TextBox, Page::TrueLengths, Style::ResultBox, "", 120, 150, 115, 16},
    {"TextBox38", Kind::TextBox, Page::TrueLengths, Style::InputBox, "", 6, 175, 75, 16},
    {"Label32", Kind::Label, Page::TrueLengths, Style::RowLabel, "X-6", 85, 175, 30, 16, "TextBox38"},
    {"TextBox45", Kind::TextBox, Page::TrueLengths, Style::ResultBox, "", 120, 175, 115, 16},
    {"Label35", Kind::Label, Page::TrueLengths, Style::NoteLabel, "* GIVE INCLINED LENGTH AND TAKE TRUE LENGTH OF TP.", 6, 5, 216, 12},
    {"Label34", Kind::Label, Page::TrueLengths, Style::NoteLabel, "* GIVE AND TAKE ALL VALUE ARE IN Millimeter \\ Meter", 12, 195, 216, 12},
    {"TextBox46", Kind::TextBox, Page::TrueLengths, Style::BoldInputBox, "", 6, 215, 70, 20},
    {"Label33", Kind::Label, Page::TrueLengths, Style::RowLabel, "HEIGHT", 80, 215, 40, 15, "TextBox46"},
    {"CommandButton9", Kind::CommandButton, Page::TrueLengths, Style::AnswerButton, "ANS", 125, 215, 110, 20},
};

constexpr std::string_view Page3Order[] = {
    "TextBox7", "TextBox8", "OptionButton26", "OptionButton27", "OptionButton28", "OptionButton29",
    "OptionButton30", "OptionButton31", "OptionButton32", "OptionButton33", "OptionButton34", "OptionButton35",
    "OptionButton36", "OptionButton37", "OptionButton38", "OptionButton39", "TextBox9", "CommandButton3",
    "TextBox10", "OptionButton144", "OptionButton145", "OptionButton146", "OptionButton147", "OptionButton148",
    "OptionButton149", "OptionButton150", "OptionButton151", "OptionButton152", "OptionButton153",
};
constexpr std::string_view Page1Order[] = {
    "TextBox1", "TextBox2", "TextBox3", "CommandButton1", "OptionButton1", "OptionButton2",
    "OptionButton3", "OptionButton4", "OptionButton5", "OptionButton6", "OptionButton7", "OptionButton8",
    "OptionButton9", "OptionButton10", "OptionButton11",
};
constexpr std::string_view Page2Order[] = {
    "TextBox4", "TextBox5", "OptionButton12", "OptionButton13", "OptionButton14", "OptionButton15",
    "OptionButton16", "OptionButton17", "OptionButton18", "OptionButton19", "OptionButton20", "OptionButton21",
    "OptionButton22", "OptionButton23", "OptionButton24", "OptionButton25", "TextBox6", "CommandButton2",
};
constexpr std::string_view Page7Order[] = {
    "TextBox29", "TextBox30", "OptionButton102", "OptionButton103", "OptionButton104", "OptionButton105",
    "OptionButton106", "OptionButton107", "OptionButton108", "OptionButton109", "OptionButton110", "OptionButton111",
    "OptionButton112", "OptionButton113", "OptionButton114", "OptionButton115", "OptionButton116", "OptionButton117",
    "OptionButton118", "OptionButton119", "OptionButton120", "OptionButton121", "OptionButton122", "OptionButton123",
    "OptionButton124", "OptionButton125", "OptionButton126", "OptionButton127", "OptionButton128", "OptionButton129",
    "TextBox31", "CommandButton8", "OptionButton130", "OptionButton131", "OptionButton132", "OptionButton133",
    "OptionButton134", "OptionButton135", "OptionButton136", "OptionButton137", "OptionButton138", "OptionButton139",
    "OptionButton140", "OptionButton141",
};
constexpr std::string_view Page5Order[] = {
    "TextBox14", "TextBox15", "OptionButton71", "OptionButton72", "OptionButton73", "OptionButton74",
    "OptionButton75", "OptionButton76", "OptionButton77", "OptionButton78", "OptionButton79", "OptionButton80",
    "OptionButton81", "OptionButton82", "OptionButton83", "OptionButton84", "OptionButton85", "OptionButton86",
    "OptionButton87", "OptionButton88", "OptionButton89", "OptionButton90", "OptionButton91", "OptionButton92",
    "OptionButton93", "OptionButton94", "OptionButton95", "OptionButton96", "OptionButton97", "OptionButton98",
    "TextBox16", "CommandButton5", "OptionButton99", "OptionButton100", "OptionButton101", "OptionButton143",
};
constexpr std::string_view Page4Order[] = {
    "TextBox11", "TextBox12", "OptionButton40", "OptionButton41", "OptionButton42", "OptionButton43",
    "OptionButton44", "OptionButton45", "OptionButton46", "OptionButton47", "OptionButton49", "OptionButton48",
    "OptionButton50", "OptionButton52", "OptionButton53", "OptionButton54", "OptionButton55", "OptionButton56",
    "OptionButton57", "OptionButton58", "OptionButton59", "OptionButton60", "OptionButton61", "OptionButton62",
    "OptionButton63", "OptionButton64", "OptionButton65", "OptionButton66", "OptionButton67", "OptionButton68",
    "TextBox13", "CommandButton4", "OptionButton51", "OptionButton69", "OptionButton70", "OptionButton142",
};
constexpr std::string_view Page6Order[] = {
    "TextBox17", "TextBox18", "CommandButton6", "TextBox19", "TextBox20", "CommandButton7",
    "TextBox21", "TextBox22", "TextBox23", "TextBox24", "TextBox25", "TextBox26",
    "TextBox27", "TextBox28",
};
constexpr std::string_view Page8Order[] = {
    "TextBox32", "TextBox33", "TextBox34", "TextBox35", "TextBox36", "TextBox37",
    "TextBox38", "TextBox39", "TextBox40", "TextBox41", "TextBox42", "TextBox43",
    "TextBox44", "TextBox45", "TextBox46", "CommandButton9",
};

// Result boxes have no label; their buttons say what they hold.
constexpr std::pair<std::string_view, std::string_view> ResultNames[] = {
    {"TextBox10", "Plate total weight (kg)"},
    {"TextBox3", "ISMC total weight (kg)"},
    {"TextBox6", "ISMB total weight (kg)"},
    {"TextBox31", "ISA total weight (kg)"},
    {"TextBox16", "Square bar total weight (kg)"},
    {"TextBox13", "Round bar total weight (kg)"},
    {"TextBox20", "Flange total weight (kg)"},
    {"TextBox27", "Transition piece total weight (kg)"},
    {"TextBox39", "X-0 true length"},
    {"TextBox40", "X-1 true length"},
    {"TextBox41", "X-2 true length"},
    {"TextBox42", "X-3 true length"},
    {"TextBox43", "X-4 true length"},
    {"TextBox44", "X-5 true length"},
    {"TextBox45", "X-6 true length"},
};

constexpr PageSpec PageTable[] = {
    {Page::Plates, "&PL.", Page3Order, false},
    {Page::Channels, "ISM&C", Page1Order, true},
    {Page::Beams, "ISM&B", Page2Order, false},
    {Page::Angles, "IS&A", Page7Order, false},
    {Page::SquareBars, "&SQ.", Page5Order, false},
    {Page::RoundBars, "&RO.", Page4Order, false},
    {Page::FlangeAndPiece, "&FL.&&TP", Page6Order, false},
    {Page::TrueLengths, "&TP", Page8Order, false},
};
// clang-format on

constexpr bool StylesInEnumOrder()
{
    for (std::size_t i = 0; i < std::size(StyleTable); ++i) {
        if (std::size_t(StyleTable[i].style) != i)
            return false;
    }
    return true;
}
static_assert(StylesInEnumOrder(), "StyleOf indexes the style table by its enum");

} // namespace

std::span<const StyleSpec> Styles()
{
    return StyleTable;
}

const StyleSpec &StyleOf(Style style)
{
    return StyleTable[std::size_t(style)];
}

std::span<const ControlSpec> Controls()
{
    return ControlTable;
}

std::span<const PageSpec> Pages()
{
    return PageTable;
}

const ControlSpec *FindControl(std::string_view name)
{
    for (const ControlSpec &control : ControlTable) {
        if (control.name == name)
            return &control;
    }
    return nullptr;
}

std::string_view NamingCaption(std::string_view box)
{
    for (const ControlSpec &control : ControlTable) {
        if (control.kind == Kind::Label && control.names == box)
            return control.caption;
    }
    return {};
}

std::string AccessibleName(const ControlSpec &control)
{
    if (control.kind != Kind::TextBox)
        return std::string(control.caption);
    for (const auto &[box, name] : ResultNames) {
        if (box == control.name)
            return std::string(name);
    }
    const ControlSpec *heading = nullptr;
    for (const ControlSpec &other : ControlTable) {
        if (other.page == control.page && other.style == Style::HeadingLabel && other.top <= control.top
            && (!heading || other.top > heading->top))
            heading = &other;
    }
    std::string name = heading ? std::string(heading->caption) + ": " : std::string();
    return name.append(NamingCaption(control.name));
}

} // namespace msweight
