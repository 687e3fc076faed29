// The steel catalogue: every rolled section, hollow section, pipe and flat of
// the Indian standards the program holds, and the densities of the materials
// it weighs, read from the CSV files under data/steel (built into the core
// library as resources) the first time they are asked for.
#pragma once

#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace msweight {

enum class SectionKind : std::uint8_t { Beam, Column, Channel, EqualAngle, UnequalAngle, ParallelFlangeBeam };

// A rolled section of IS 808 or IS 12778. Angles: depth is the longer leg,
// width the other, web the leg thickness, and flange is empty. Properties are
// there where the table gives them (the 1989 rows).
struct RolledSection
{
    QString standard;    // the edition: "IS 808:1989", "IS 808:1964", "IS 12778:2004", ...
    QString series;      // "ISMB", "ISA", "NPB", ...
    QString designation; // "ISMB 200", "ISHB 150 (27.1 kg/m)", "ISA 75x50x8", "NPB 200x100x22.36"
    SectionKind kind = SectionKind::Beam;
    double massKgM = 0;
    double areaCm2 = 0;
    double depthMm = 0;
    double widthMm = 0;
    double webMm = 0;
    std::optional<double> flangeMm;
    double r1Mm = 0;
    std::optional<double> r2Mm;
    std::optional<double> ixxCm4, iyyCm4, rxxCm, ryyCm, zxxCm3, zyyCm3, cyyCm, cxxCm;
    QString editionNote;
};

enum class HollowShape : std::uint8_t { Square, Rectangular, Circular };

// SHS and RHS of IS 4923, CHS of IS 1161. A CHS's depth is its outside
// diameter and its width equals it.
struct HollowSection
{
    QString standard;
    HollowShape shape = HollowShape::Square;
    QString designation; // "SHS 40x40x3.2", "RHS 96x48x4.8", "CHS 48.3x4.0"
    double depthMm = 0;
    double widthMm = 0;
    double thicknessMm = 0;
    double massKgM = 0;
    double areaCm2 = 0;
    double ixxCm4 = 0, iyyCm4 = 0, zxxCm3 = 0, zyyCm3 = 0;
};

enum class PipeClass : std::uint8_t { Light, Medium, Heavy };

// A steel tube of IS 1239 (Part 1). The outside diameter is the mean of its
// limits, the mass that of a plain-end tube.
struct Pipe
{
    QString standard;
    int nominalBoreMm = 0;
    QString nominalBoreInch; // "1/2", "1 1/2", "6"
    PipeClass pipeClass = PipeClass::Medium;
    double odMm = 0;
    double thicknessMm = 0;
    double massKgM = 0;
    double massScrewedSocketedKgM = 0;
    QString note;
};

// A flat of IS 1731; its mass is 0.00785 x width x thickness (the table gives
// sizes only).
struct Flat
{
    QString standard;
    QString designation; // "ISF 50x6"
    double widthMm = 0;
    double thicknessMm = 0;
    double massKgM = 0;
};

struct Material
{
    QString name; // as the densities file names it: "stainless steel 304/304L"
    double densityKgM3 = 0;
};

struct SteelCatalogue
{
    std::vector<RolledSection> rolled;
    std::vector<HollowSection> hollow;
    std::vector<Pipe> pipes;
    std::vector<Flat> flats;
    std::vector<Material> materials;
};

// The whole catalogue, read on the first call (from any thread) and kept for
// the life of the program; pointers into it stay valid. A malformed file ends
// the program with its name, line and column.
const SteelCatalogue &SteelTables();

// Reads the files anew each time; SteelTables() keeps the first result.
SteelCatalogue LoadSteelTables();

// "light", "medium", "heavy".
QString PipeClassName(PipeClass pipeClass);

} // namespace msweight
