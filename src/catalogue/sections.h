// The catalogue's figures. Unit weights are in kg per metre and plate
// thicknesses in mm, held as the nearest double to the decimal literal; the
// property texts of the ISMC channels and ISMB beams are shown exactly as
// printed in the section tables (Ixx, Iyy in cm4; rxx, ryy, Cyy in cm; Zxx,
// Zyy in cm3; A in cm2; r1, r2, b, tf, tw in mm). Channels, beams and angles
// are the 1964 Indian standard tables' rows, not the later revisions'.
#pragma once

#include "catalogue/catalogue.h"

namespace msweight {

// clang-format off
inline constexpr CatalogueRow ChannelSections[] = {
    {"OptionButton1", "MC - 75 x 40", 6.8, {
        "Ixx=76.0cm4", "Iyy=12.6cm4", "rxx=2.96cm", "ryy=1.21cm",
        "Zxx=20.3cm3", "Zyy=4.7cm3", "r1=8.5mm", "r2=4.5mm",
        "A=8.67cm2", "Cyy=1.31cm", "tf=7.3mm", "tw=4.4mm"}},
    {"OptionButton2", "MC - 100 x 50", 9.2, {
        "Ixx=186.7cm4", "Iyy=25.9cm4", "rxx=4.00cm", "ryy=1.49cm",
        "Zxx=37.3cm3", "Zyy=7.5cm3", "r1=9.0mm", "r2=4.5mm",
        "A=11.70cm2", "Cyy=1.53cm", "tf=7.5mm", "tw=4.7mm"}},
    {"OptionButton3", "MC - 125 x 65", 12.7, {
        "Ixx=416.4cm4", "Iyy=59.9cm4", "rxx=5.07cm", "ryy=1.92cm",
        "Zxx=66.6cm3", "Zyy=13.1cm3", "r1=9.5mm", "r2=5.0mm",
        "A=16.19cm2", "Cyy=1.94cm", "tf=8.1mm", "tw=5.0mm"}},
    {"OptionButton4", "MC - 150 x 75", 16.4, {
        "Ixx=779.4cm4", "Iyy=102.3cm4", "rxx=6.11cm", "ryy=2.21cm",
        "Zxx=103.9cm3", "Zyy=19.4cm3", "r1=10.0mm", "r2=5.0mm",
        "A=20.88cm2", "Cyy=2.22cm", "tf=9.0mm", "tw=5.4mm"}},
    {"OptionButton5", "MC - 175 x 75", 19.1, {
        "Ixx=1223.3cm4", "Iyy=121.0cm4", "rxx=7.08cm", "ryy=2.23cm",
        "Zxx=139.8cm3", "Zyy=22.8cm3", "r1=10.5mm", "r2=5.5mm",
        "A=24.38cm2", "Cyy=2.20cm", "tf=10.2mm", "tw=5.7mm"}},
    {"OptionButton6", "MC - 200 x 75", 22.1, {
        "Ixx=1819.3cm4", "Iyy=140.4cm4", "rxx=8.03cm", "ryy=2.23cm",
        "Zxx=181.9cm3", "Zyy=26.3cm3", "r1=11.0mm", "r2=5.5mm",
        "A=28.21cm2", "Cyy=2.17cm", "tf=11.4mm", "tw=6.1mm"}},
    {"OptionButton7", "MC - 225 x 80", 25.9, {
        "Ixx=2694.6cm4", "Iyy=187.2cm4", "rxx=9.03cm", "ryy=2.38cm",
        "Zxx=239.5cm3", "Zyy=32.8cm3", "r1=12.0mm", "r2=6.0mm",
        "A=33.01cm2", "Cyy=2.30cm", "tf=12.4mm", "tw=6.4mm"}},
    {"OptionButton8", "MC - 250 x 80", 30.4, {
        "Ixx=3816.8cm4", "Iyy=219.1cm4", "rxx=9.94cm", "ryy=2.38cm",
        "Zxx=305.3cm3", "Zyy=38.4cm3", "r1=12.0mm", "r2=6.0mm",
        "A=38.67cm2", "Cyy=2.30cm", "tf=14.1mm", "tw=7.1mm"}},
    {"OptionButton9", "MC - 300 x 90", 35.8, {
        "Ixx=6362.6cm4", "Iyy=310.8cm4", "rxx=11.81cm", "ryy=2.61cm",
        "Zxx=424.2cm3", "Zyy=46.8cm3", "r1=13.0mm", "r2=6.5mm",
        "A=45.64cm2", "Cyy=2.36cm", "tf=13.6mm", "tw=7.6mm"}},
    {"OptionButton10", "MC - 350 x 100", 42.1, {
        "Ixx=10008.0cm4", "Iyy=430.6cm4", "rxx=13.66cm", "ryy=2.83cm",
        "Zxx=571.9cm3", "Zyy=57.0cm3", "r1=14.0mm", "r2=7.0mm",
        "A=53.66cm2", "Cyy=2.44cm", "tf=13.5mm", "tw=8.1mm"}},
    {"OptionButton11", "MC - 400 x 100", 49.4, {
        "Ixx=15082.8cm4", "Iyy=504.8cm4", "rxx=15.48cm", "ryy=2.83cm",
        "Zxx=754.1cm3", "Zyy=66.6cm3", "r1=15.0mm", "r2=7.5mm",
        "A=62.93cm2", "Cyy=2.42cm", "tf=15.3mm", "tw=8.6mm"}},
};

inline constexpr CatalogueRow BeamSections[] = {
    {"OptionButton12", "MB - 100", 11.5, {
        "Ixx=257.5cm4", "Iyy=40.8cm4", "rxx=4.20cm", "ryy=1.67cm",
        "Zxx=51.5cm3", "Zyy=10.9cm3", "r1=9.0mm", "r2=4.5mm",
        "A=14.60cm2", "b=75mm", "tf=7.2mm", "tw=4.0mm"}},
    {"OptionButton13", "MB - 125", 13.0, {
        "Ixx=449.0cm4", "Iyy=43.7cm4", "rxx=5.20cm", "ryy=1.62cm",
        "Zxx=71.8cm3", "Zyy=11.7cm3", "r1=9.0mm", "r2=4.5mm",
        "A=16.60cm2", "b=75mm", "tf=7.6mm", "tw=4.4mm"}},
    {"OptionButton14", "MB - 150", 14.9, {
        "Ixx=726.4cm4", "Iyy=52.6cm4", "rxx=6.18cm", "ryy=1.66cm",
        "Zxx=96.9cm3", "Zyy=13.1cm3", "r1=9.0mm", "r2=4.5mm",
        "A=19.00cm2", "b=80mm", "tf=7.6mm", "tw=4.8mm"}},
    {"OptionButton15", "MB - 175", 19.3, {
        "Ixx=1272.0cm4", "Iyy=85.0cm4", "rxx=7.19cm", "ryy=1.86cm",
        "Zxx=145.4cm3", "Zyy=18.9cm3", "r1=10.0mm", "r2=5.0mm",
        "A=24.62cm2", "b=90mm", "tf=8.6mm", "tw=5.5mm"}},
    {"OptionButton16", "MB - 200", 25.4, {
        "Ixx=2235.4cm4", "Iyy=150.0cm4", "rxx=8.32cm", "ryy=2.15cm",
        "Zxx=223.5cm3", "Zyy=30.0cm3", "r1=11.0mm", "r2=5.5mm",
        "A=32.33cm2", "b=100mm", "tf=10.8mm", "tw=5.7mm"}},
    {"OptionButton17", "MB - 225", 31.2, {
        "Ixx=3441.8cm4", "Iyy=218.3cm4", "rxx=9.31cm", "ryy=2.34cm",
        "Zxx=305.9cm3", "Zyy=39.7cm3", "r1=12.0mm", "r2=6.0mm",
        "A=39.72cm2", "b=110mm", "tf=11.8mm", "tw=6.5mm"}},
    {"OptionButton18", "MB - 250", 37.3, {
        "Ixx=5131.6cm4", "Iyy=334.5cm4", "rxx=10.39cm", "ryy=2.65cm",
        "Zxx=410.5cm3", "Zyy=53.5cm3", "r1=13.0mm", "r2=6.5mm",
        "A=47.55cm2", "b=125mm", "tf=12.5mm", "tw=6.9mm"}},
    {"OptionButton19", "MB - 300", 44.2, {
        "Ixx=8603.6cm4", "Iyy=453.9cm4", "rxx=12.37cm", "ryy=2.84cm",
        "Zxx=573.6cm3", "Zyy=64.8cm3", "r1=14.0mm", "r2=7.0mm",
        "A=56.26cm2", "b=140mm", "tf=12.4mm", "tw=7.5mm"}},
    {"OptionButton20", "MB - 350", 52.4, {
        "Ixx=13630.3cm4", "Iyy=537.7cm4", "rxx=14.29cm", "ryy=2.84cm",
        "Zxx=778.9cm3", "Zyy=76.8cm3", "r1=14.0mm", "r2=7.0mm",
        "A=66.71cm2", "b=140mm", "tf=14.2mm", "tw=8.1mm"}},
    {"OptionButton21", "MB - 400", 61.6, {
        "Ixx=20458.4cm4", "Iyy=622.1cm4", "rxx=16.15cm", "ryy=2.82cm",
        "Zxx=1022.9cm3", "Zyy=88.9cm3", "r1=14.0mm", "r2=7.0mm",
        "A=78.46cm2", "b=140mm", "tf=16.0mm", "tw=8.9mm"}},
    {"OptionButton22", "MB - 450", 72.4, {
        "Ixx=30390.8cm4", "Iyy=834.0cm4", "rxx=18.15cm", "ryy=3.01cm",
        "Zxx=1350.7cm3", "Zyy=111.2cm3", "r1=15.0mm", "r2=7.5mm",
        "A=92.27cm2", "b=150mm", "tf=17.4mm", "tw=9.4mm"}},
    {"OptionButton23", "MB - 500", 86.9, {
        "Ixx=45218.3cm4", "Iyy=1369.8cm4", "rxx=20.21cm", "ryy=3.52cm",
        "Zxx=1808.7cm3", "Zyy=152.2cm3", "r1=17.0mm", "r2=8.5mm",
        "A=110.74cm2", "b=180mm", "tf=17.2mm", "tw=10.2mm"}},
    {"OptionButton24", "MB - 550", 103.7, {
        "Ixx=64893.6cm4", "Iyy=1833.8cm4", "rxx=22.16cm", "ryy=3.73cm",
        "Zxx=2359.8cm3", "Zyy=193.0cm3", "r1=18.0mm", "r2=9.0mm",
        "A=132.11cm2", "b=190mm", "tf=19.3mm", "tw=11.2mm"}},
    {"OptionButton25", "MB - 600", 122.6, {
        "Ixx=91813.0cm4", "Iyy=2651.0cm4", "rxx=24.24cm", "ryy=4.12cm",
        "Zxx=3060.4cm3", "Zyy=252.5cm3", "r1=20.0mm", "r2=10.0mm",
        "A=156.21cm2", "b=210mm", "tf=20.8mm", "tw=12.0mm"}},
};

inline constexpr CatalogueRow AngleSections[] = {
    {"OptionButton102", "35x6", 3.0},
    {"OptionButton103", "40x6", 3.5},
    {"OptionButton104", "45x6", 4.0},
    {"OptionButton105", "50x6", 4.5},
    {"OptionButton106", "55x6", 4.9},
    {"OptionButton107", "55x8", 6.4},
    {"OptionButton108", "55X10", 7.9},
    {"OptionButton109", "60x6", 5.4},
    {"OptionButton110", "60x8", 7.0},
    {"OptionButton111", "60x10", 8.6},
    {"OptionButton112", "65x6", 5.8},
    {"OptionButton113", "65x8", 7.7},
    {"OptionButton114", "65x10", 9.4},
    {"OptionButton115", "70x6", 6.3},
    {"OptionButton116", "70x8", 8.3},
    {"OptionButton117", "70x10", 10.2},
    {"OptionButton118", "75x6", 6.8},
    {"OptionButton119", "75x8", 8.9},
    {"OptionButton120", "75x10", 11.0},
    {"OptionButton121", "80x6", 7.3},
    {"OptionButton122", "80x8", 9.6},
    {"OptionButton123", "80x10", 11.8},
    {"OptionButton124", "80x12", 14.0},
    {"OptionButton125", "90x6", 8.2},
    {"OptionButton126", "90x8", 10.8},
    {"OptionButton127", "90x10", 13.4},
    {"OptionButton128", "90x12", 15.8},
    {"OptionButton129", "100x6", 9.2},
    {"OptionButton130", "100x8", 12.1},
    {"OptionButton131", "100x10", 14.9},
    {"OptionButton132", "100x12", 17.7},
    {"OptionButton133", "110x8", 13.4},
    {"OptionButton134", "110x10", 16.5},
    {"OptionButton135", "110x12", 19.6},
    {"OptionButton136", "130x8", 15.9},
    {"OptionButton137", "130x10", 19.7},
    {"OptionButton138", "130x12", 23.4},
    {"OptionButton139", "150x10", 22.8},
    {"OptionButton140", "150x12", 27.2},
    {"OptionButton141", "200x12", 36.6},
};

inline constexpr CatalogueRow SquareBars[] = {
    {"OptionButton71", "6 mm", 0.28},
    {"OptionButton72", "8 mm", 0.5},
    {"OptionButton73", "10 mm", 0.78},
    {"OptionButton74", "12 mm", 1.13},
    {"OptionButton75", "14 mm", 1.54},
    {"OptionButton76", "16 mm", 2.01},
    {"OptionButton77", "18 mm", 2.54},
    {"OptionButton78", "20 mm", 3.14},
    {"OptionButton79", "22 mm", 3.8},
    {"OptionButton80", "25 mm", 4.91},
    {"OptionButton81", "28 mm", 6.15},
    {"OptionButton82", "30 mm", 7.06},
    {"OptionButton83", "32 mm", 8.04},
    {"OptionButton84", "36 mm", 10.17},
    {"OptionButton85", "38 mm", 11.34},
    {"OptionButton86", "40 mm", 12.56},
    {"OptionButton87", "42 mm", 13.88},
    {"OptionButton88", "45 mm", 15.9},
    {"OptionButton89", "47 mm", 17.34},
    {"OptionButton90", "50 mm", 19.62},
    {"OptionButton91", "53 mm", 22.05},
    {"OptionButton92", "56 mm", 24.62},
    {"OptionButton93", "60 mm", 28.26},
    {"OptionButton94", "63 mm", 31.16},
    {"OptionButton95", "65 mm", 33.17},
    {"OptionButton96", "75 mm", 44.15},
    {"OptionButton97", "80 mm", 50.24},
    {"OptionButton98", "90 mm", 63.58},
    {"OptionButton99", "100 mm", 78.5},
    {"OptionButton100", "110 mm", 94.98},
    {"OptionButton101", "125 mm", 122.66},
    {"OptionButton143", "140 mm", 153.86},
};

inline constexpr CatalogueRow RoundBars[] = {
    {"OptionButton40", "6 mm", 0.22},
    {"OptionButton41", "8 mm", 0.39},
    {"OptionButton42", "10 mm", 0.62},
    {"OptionButton43", "12 mm", 0.89},
    {"OptionButton44", "14 mm", 1.21},
    {"OptionButton45", "16 mm", 1.58},
    {"OptionButton46", "18 mm", 2.0},
    {"OptionButton47", "20 mm", 2.47},
    {"OptionButton48", "22 mm", 2.98},
    {"OptionButton49", "25 mm", 3.85},
    {"OptionButton50", "28 mm", 4.83},
    {"OptionButton51", "30 mm", 5.55},
    {"OptionButton52", "32 mm", 6.31},
    {"OptionButton53", "36 mm", 7.99},
    {"OptionButton54", "38 mm", 8.9},
    {"OptionButton55", "40 mm", 9.86},
    {"OptionButton56", "42 mm", 10.87},
    {"OptionButton57", "45 mm", 12.48},
    {"OptionButton58", "47 mm", 13.61},
    {"OptionButton59", "50 mm", 15.41},
    {"OptionButton60", "53 mm", 17.31},
    {"OptionButton61", "56 mm", 19.34},
    {"OptionButton62", "60 mm", 22.18},
    {"OptionButton63", "63 mm", 24.47},
    {"OptionButton64", "65 mm", 26.05},
    {"OptionButton65", "75 mm", 34.66},
    {"OptionButton66", "80 mm", 39.46},
    {"OptionButton67", "90 mm", 49.94},
    {"OptionButton68", "100 mm", 61.66},
    {"OptionButton69", "110 mm", 74.6},
    {"OptionButton70", "125 mm", 96.34},
    {"OptionButton142", "140 mm", 120.84},
};

inline constexpr CatalogueRow PlateThicknesses[] = {
    {"OptionButton26", "5 mm", 5.0},
    {"OptionButton27", "6 mm", 6.0},
    {"OptionButton28", "8 mm", 8.0},
    {"OptionButton29", "10 mm", 10.0},
    {"OptionButton30", "12 mm", 12.0},
    {"OptionButton31", "14 mm", 14.0},
    {"OptionButton32", "16 mm", 16.0},
    {"OptionButton33", "18 mm", 18.0},
    {"OptionButton34", "20 mm", 20.0},
    {"OptionButton35", "22 mm", 22.0},
    {"OptionButton36", "25 mm", 25.0},
    {"OptionButton37", "28 mm", 28.0},
    {"OptionButton38", "30 mm", 30.0},
    {"OptionButton39", "32 mm", 32.0},
    {"OptionButton144", "36 mm", 36.0},
    {"OptionButton145", "40 mm", 40.0},
    {"OptionButton146", "45 mm", 45.0},
    {"OptionButton147", "50 mm", 50.0},
    {"OptionButton148", "56 mm", 56.0},
    {"OptionButton149", "63 mm", 63.0},
    {"OptionButton150", "71 mm", 71.0},
    {"OptionButton151", "80 mm", 80.0},
    {"OptionButton152", "90 mm", 90.0},
    {"OptionButton153", "100 mm", 100.0},
};

// clang-format on

} // namespace msweight
