#include "programs/pgm21024/pgm21024.h"

#include "forms/fieldstate.h"
#include "ui_pgm21024.h"

#include <cmath>

namespace vb
{

namespace
{

const Caption kCaptions[] = {
    {"Label17", "Fassadensystem: Pfosten mit horizontaler Verkehrslast",
     "Facade section: mullion with horizontal imposed load"},
    {"Label18", "Lastfall: Linienlast", "Loading case: linear load"},
    {"Label1", "Konstruktion:", "Construction:"},
    {"Label2", "Länge Pfosten LP [m]", "length LP [m]"},
    {"Label3", "Feldbreite A [m]", "span A [m]"},
    {"Label4", "Feldbreite B [m]", "span B [m]"},
    {"Label10", "Höhe c Lastangriff vom Auflager [m]", "loads application height c related to bearing [m]"},
    {"Label28", "Durchbiegungsbeschränkungen:", "Deflection limits:"},
    {"Label5", "Zulässige Durchbiegung des Pfostens", "allowed deflection of mullion"},
    {"Label6", "bzw. der Scheibenkante", "and/or deflection of glass edge"},
    {"Label11", "l/", "l/"},
    {"Label12", "bzw. max.", "or max."},
    {"Label26", "Belastung:", "Load:"},
    {"Label8", "Horizontale Verkehrslast qk [kN/m]", "horizontal imposed load qk [kN/m]"},
    {"Label9", "Ausgabe:", "Output:"},
    {"Label13", "Max. Feldmoment", "max. bending moment"},
    {"Label14", "erf. Widerstandsmoment", "req. section modulus"},
    {"Label15", "erf. Trägheitsmoment", "req. moment of inertia"},
    {"Label23", "Durchbiegung der Konstruktion", "deflection of construction"},
    {"Label24", "bzw. der Scheibenkante [mm]", "or deflection of glass edge [mm]"},
    {"Label29", "Pos.-/Auftragsnummer:", "Pos-/Contract number :"},
};

constexpr ResetText kResetTexts[] = {
    {"Edit1", "0"}, {"Edit2", "0"}, {"Edit3", "0"}, {"Edit7", "0"},
    {"Edit5", ""},  {"Edit6", ""},  {"Edit14", ""},
};

// Allowable deflection [mm], second moment of area [cm⁴], moment [kNcm], section modulus [cm³].
constexpr ResultField kResults[] = {{"Edit10", 2}, {"Edit8", 1}, {"Edit11", 1}, {"Edit12", 1}};

// A handrail at or above the top support loads no part of this mullion: at c = LP the distance
// to the upper support vanishes, above it the moment turns against the load. The load height
// is then reset as a failed field, like any other bad input.
const CrossCondition kConditions[] = {
    {.field = "Edit7", .compare = CrossCondition::Compare::AtLeast, .than = {"Edit1"}, .marks = {"Edit7"}},
};

// Information pages on the horizontal imposed load on barriers.
constexpr InfoButton kInfoButtons[] = {{"SpeedButton1", {11, 10}}};

constexpr SummaryValue kMullionSummary[] = {{"LP", "Edit1", "m"}, {"qk", "Edit14", "kN/m"}};
constexpr const char *kMomentFields[] = {"Edit11"};
const MemberSummary kSummaries[] = {{{"", "Pfosten", "Mullion"}, kMullionSummary}};

const ProgramTables kTables{.program = 2,
                            .captions = kCaptions,
                            .resetTexts = kResetTexts,
                            .resultFields = kResults,
                            .conditions = kConditions,
                            .infoButtons = kInfoButtons,
                            .sectionRequirements = kSectionIxWx,
                            .summaries = kSummaries,
                            .momentFields = kMomentFields};

} // namespace

const ProgramTables &TForm24::programTables()
{
    return kTables;
}

TForm24::TForm24(QWidget *parent)
    : ProgramForm(QStringLiteral("TForm24"), kTables, parent), m_ui(std::make_unique<Ui::TForm24>())
{
}

void TForm24::build()
{
    m_ui->setupUi(this);
    setupProgramForm(m_ui->Edit13);
}

TForm24::~TForm24() = default;

void TForm24::checkInputs(FieldChecker &check)
{
    m_input = {};
    pgm2::Input &in = m_input;
    in.lp = check.positive(m_ui->Edit1);
    const QList<double> widths = check.pair({m_ui->Edit2, m_ui->Edit3}, {m_ui->Edit2, m_ui->Edit3});
    in.a = widths.at(0);
    in.b = widths.at(1);
    const QList<QLineEdit *> limits = {m_ui->Edit5, m_ui->Edit6};
    const auto usable = check.group(limits, limits);
    in.ratio = usable.at(0);
    in.capMm = usable.at(1);
    in.c = check.positive(m_ui->Edit7);
    in.qk = check.positive(m_ui->Edit14);
}

Calculated TForm24::calculate() const
{
    const pgm2::Result r = pgm2::calculate(m_input);
    // Allowable deflection cm → mm; section modulus and second moment of area as magnitudes.
    return {r.failure,
            {r.allowedDeflection * 10.0, std::abs(r.inertia), r.moment, std::abs(r.sectionModulus)}};
}

} // namespace vb
