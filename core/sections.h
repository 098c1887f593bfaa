#pragma once

// Catalogue sections and the choice of the lightest one that carries a member: the section values
// of a section, the generic series of hollow sections, the planner's own catalogues as CSV, and
// the filter that keeps the sections meeting every required value. No widgets.

#include "core/text.h"

#include <QtCore/QByteArray>
#include <QtCore/QList>
#include <QtCore/QString>

#include <optional>

namespace vb::sections
{

// The kind of a generic hollow section, which the window names in the planner's language.
enum class Tube { None, Rectangular, Square };

// One catalogue section. Second moments of area in cm⁴, section moduli in cm³, mass in kg/m.
struct Section {
    QString name;
    QString series; // empty where the catalogue names none
    double ix = 0.0;
    double wx = 0.0;
    double iy = 0.0;
    double wy = 0.0;
    std::optional<double> mass;
    Tube tube = Tube::None; // a generic tube: its kind names its series
};

struct Catalogue {
    QString name;
    QList<Section> sections;
};

// A rectangular or square aluminium hollow section with sharp corners, from its outer width B,
// depth H (along the bending axis x) and wall t in mm: A = B·H − (B−2t)(H−2t),
// Ix = (B·H³ − (B−2t)(H−2t)³)/12, Wx = 2·Ix/H, Iy and Wy with B and H exchanged, mass from A and
// 2.70 g/cm³. Named "B x H x t" (a plain letter x, the dimensions in mm without unit). A wall of half
// the smaller side or more gives the solid bar; a dimension that is not finite and above 0 gives
// every value 0 and no mass.
Section hollowSection(double widthMm, double depthMm, double wallMm);
// Its cross-sectional area [cm²].
double hollowArea(double widthMm, double depthMm, double wallMm);

// The built-in generic series: common sizes of aluminium tube stock, widths 40 to 80 mm, depths
// 40 to 200 mm, walls 2 to 5 mm. Its name is the caller's (it is a caption in two languages).
QList<Section> genericTubes();

// What a section must offer, one value each: which section value, and the value as calculated
// (a magnitude, not rounded for display).
enum class Quantity { Ix, Wx, Iy, Wy };
struct Requirement {
    Quantity quantity;
    double value;
};

double available(const Section &section, Quantity quantity);
// "cm⁴" for a second moment of area, "cm³" for a section modulus.
QString unitOf(Quantity quantity);
// "Ix", "Wx", "Iy", "Wy".
QString symbolOf(Quantity quantity);

// A section that meets every requirement, with its utilisation required/available per
// requirement in per cent (in the order of the requirements) and the index of the largest.
struct Candidate {
    const Section *section = nullptr;
    QList<double> utilisation;
    int governing = 0;
};

// Every section of `catalogue` whose every available value is at least the required value, the
// lightest first; sections without a mass after those with one, by their second moment of area
// about the axis of the first requirement; equal keys by name. A section passes at exactly 100 %.
// A requirement of 0 or below asks nothing (utilisation 0); one that is not finite comes from a
// failed calculation and no section carries it.
QList<Candidate> sufficientSections(const QList<const Catalogue *> &catalogues,
                                    const QList<Requirement> &requirements);

// Reading a catalogue from CSV as a spreadsheet writes it: semicolon-separated with decimal
// commas, or comma-separated with decimal points, fields optionally in double quotes; a header
// row names the columns in German or English (name, Ix, Wx, Iy, Wy, mass, series; units in
// brackets allowed; mass and series optional). UTF-8, with or without a byte-order mark, or
// Windows-1252 where the file holds no UTF-8 sequence of several bytes; a file that mixes UTF-8
// with other bytes is refused whole, at the line where the mix begins. A bracket that names a
// unit for Ix or Iy must be cm4, cm^4 or cm⁴, for Wx or Wy cm3, cm^3 or cm³, for the mass kg/m or
// kg/lfm (any case, blanks ignored): a file in mm⁴ is refused whole, naming the header, rather
// than read 10⁴ times too stiff. A header without a row below it is refused whole too.
struct CsvProblem {
    int line = 0; // 1-based line of the file; 0 for the file as a whole
    Text what;
};
struct CsvRead {
    QList<Section> sections;    // the rows that read
    QList<CsvProblem> problems; // each row that does not, and why; one for a file refused whole
    bool usable = false;        // a header with every required column and rows below it was found
};
// Files larger than this are refused whole.
inline constexpr qsizetype kMaxCsvBytes = 10 * 1024 * 1024;
CsvRead readCsv(const QByteArray &bytes);

// Writes sections as the program keeps an imported catalogue: UTF-8, semicolons, decimal points
// are not used (decimal commas, as a German spreadsheet writes), German header. readCsv reads it
// back to the same sections (a line break in a name or series is written as a blank).
QByteArray writeCsv(const QList<Section> &sections);

} // namespace vb::sections
