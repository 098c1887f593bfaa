#include "programs/pgm51024/pgm51024.h"

#include "forms/fieldstate.h"
#include "ui_pgm51024.h"

namespace vb
{

namespace
{

const Caption kCaptions[] = {
    {"Label17", "Schräge Konstruktion / Schrägdach, Zweifeldträger (LF Eigenlast, Wind, Schnee)",
     "Overhead construction / roof construction, mullion as two-span beam (permanent load, wind, snow)"},
    {"RadioButton4",
     "Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee (DIN 1055-4: 1975-06)",
     "Loading case: load resulting from permanent load, wind, snow (DIN 1055-4: 1975-06)"},
    {"RadioButton3", "Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee",
     "Loading case: load resulting from permanent load, wind, snow"},
    {"Label15", "Bedingungen:", "Requirements:"},
    {"Label16", "Der Sparren muß biegesteif über das mittlere Auflager geführt werden.",
     "the rafter has to be led bending resistant across the middle bearing."},
    {"Label28", "Dachneigung: 0 - 88°", "roof pitch 0 - 88°"},
    {"Label1", "Konstruktion:", "Construction:"},
    {"Label2", "Sparrenlänge der Dachfläche L1 [m]", "rafter length L1 [m]"},
    {"Label3", "Sparrenlänge der Dachfläche L2 [m]", "rafter length L2 [m]"},
    {"Label4", "Feldbreite A [m]", "span A [m]"},
    {"Label5", "Feldbreite B [m]", "span B [m]"},
    {"Label6", "Länge größte Scheibe LS [m]", "longest glass edge LS [m]"},
    {"Label7", "Dachneigung       [Grad °]", "roof pitch           °"},
    {"Label37", "Durchbiegungsbeschränkungen:", "Deflection limits:"},
    {"Label8", "Zulässige Durchbiegung des Pfostens", "allowed deflection of rafter"},
    {"Label10", "Zulässige Durchbiegung der Scheibenkante", "allowed deflection of glass edge"},
    {"Label24", "bzw. max.", "or max."},
    {"Label26", "bzw. max.", "or max."},
    {"Label11", "Belastung:", "Load:"},
    {"Label12", "Windlast w [kN/m²]", "wind load p [kN/m²]"},
    {"Label13", "Schneelast", "snow load"},
    {"Label14", "Eigenlast g [kN/m²]", "permanent load g [kN/m²]"},
    {"Label9", "Ausgabe:", "Output:"},
    {"Label18", "Max. Feldmoment", "max. bending moment"},
    {"Label19", "Stützmoment", "support moment"},
    {"Label20", "erf. Trägheitsmoment", "req. moment of inertia"},
    {"Label21", "erf. Widerstandsmoment", "req. section modulus"},
    {"Label22", "erf. Widerstandsmoment", "req. section modulus"},
    {"Label23", "Durchbiegung der Konstruktion [mm]", "deflection of construction [mm]"},
    {"Label25", "Durchbiegung der Scheibenkante [mm]", "deflection of glass edge [mm]"},
    {"Label27", "Pos.-/Auftragsnummer:", "Pos-/Contract number :"},
};

constexpr ResetText kResetTexts[] = {
    {"Edit1", "0"}, {"Edit2", "0"}, {"Edit3", "0"}, {"Edit4", "0"}, {"Edit5", "0"},
    {"Edit6", "0"}, {"Edit7", ""},  {"Edit13", ""}, {"Edit19", ""}, {"Edit9", ""},
    {"Edit10", ""}, {"Edit14", ""}, {"Edit16", ""},
};

// Deflections of rafter and pane edge [mm], second moment of area [cm⁴], support and span
// moment [kNcm], section moduli of span and support [cm³].
constexpr ResultField kResults[] = {{"Edit20", 2}, {"Edit21", 2}, {"Edit8", 1}, {"Edit17", 1},
                                    {"Edit11", 1}, {"Edit12", 1}, {"Edit18", 1}};

// The pane cannot be longer than the longer rafter, and from a pitch of 89° on the rafter is
// a wall.
const CrossCondition kConditions[] = {
    paneLongerThanMember("Edit2", {"Edit6", "Edit3"}, 3),
    pitchTooSteep("Edit1"),
};

const auto kSectionRequirements = twoSpanSectionRequirements("Edit18");

constexpr SummaryValue kRafterSummary[] = {{"L1", "Edit6", "m"}, {"L2", "Edit3", "m"}, {"α", "Edit1", "°"}};
constexpr const char *kMomentFields[] = {"Edit11", "Edit17"};
const MemberSummary kSummaries[] = {{{"", "Zweifeldsparren", "Two-span rafter"}, kRafterSummary}};

constexpr const char *kOptions[] = {"RadioButton4", "RadioButton3"};

const ProgramTables kTables{.program = 5,
                            .captions = kCaptions,
                            .resetTexts = kResetTexts,
                            .resultFields = kResults,
                            .options = kOptions,
                            .conditions = kConditions,
                            .infoButtons = kRafterInfoButtons,
                            .sectionRequirements = kSectionRequirements,
                            .summaries = kSummaries,
                            .momentFields = kMomentFields};

} // namespace

const ProgramTables &TForm27::programTables()
{
    return kTables;
}

TForm27::TForm27(QWidget *parent)
    : ProgramForm(QStringLiteral("TForm27"), kTables, parent), m_ui(std::make_unique<Ui::TForm27>())
{
}

void TForm27::build()
{
    m_ui->setupUi(this);
    setupProgramForm(m_ui->Edit15);
}

TForm27::~TForm27() = default;

bool TForm27::bsLoadCase() const
{
    return m_ui->RadioButton3->isChecked();
}

void TForm27::checkInputs(FieldChecker &check)
{
    m_input = {};
    pgm5::Input &in = m_input;
    in.snowRule = bsLoadCase() ? rafter::SnowRule::Bs : rafter::SnowRule::Din;
    in.l1 = check.positive(m_ui->Edit6);
    in.l2 = check.positive(m_ui->Edit3);
    const QList<double> widths = check.pair({m_ui->Edit4, m_ui->Edit5}, {m_ui->Edit4, m_ui->Edit5});
    in.a = widths.at(0);
    in.b = widths.at(1);
    in.ls = check.positive(m_ui->Edit2);
    in.pitch = check.nonNegative(m_ui->Edit1);
    const QList<QLineEdit *> limits = {m_ui->Edit9, m_ui->Edit10, m_ui->Edit14, m_ui->Edit16};
    const auto usable = check.group(limits, limits);
    in.rafterRatio = usable.at(0);
    in.rafterCapMm = usable.at(1);
    in.edgeRatio = usable.at(2);
    in.edgeCapMm = usable.at(3);
    in.dead = check.optional(m_ui->Edit7);
    in.snow = check.optional(m_ui->Edit13);
    in.wind = check.optional(m_ui->Edit19);
}

Calculated TForm27::calculate() const
{
    const pgm5::Result r = pgm5::calculate(m_input);
    // A rafter without any load gets no results and no message.
    if (r.failure != FpFailure::None || !r.loaded)
        return {r.failure, {}};
    // Deflections cm → mm.
    return {r.failure,
            {r.rafterDeflection * 10.0, r.edgeDeflection * 10.0, r.inertia, r.supportMoment, r.spanMoment,
             r.spanModulus, r.supportModulus},
            {{"Edit8", r.governingInertia}}};
}

} // namespace vb
