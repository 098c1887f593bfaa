#include "programs/pgm31024/pgm31024.h"

#include "forms/fieldstate.h"
#include "ui_pgm31024.h"

#include <cmath>

namespace vb
{

namespace
{

const Caption kCaptions[] = {
    {"Label17", "Schräge Konstruktion / Schrägdach", "Overhead construction / roof construction"},
    {"RadioButton4",
     "Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee (DIN 1055-4:1975-06)",
     "Loading case: load resulting from permanent load, wind, snow (DIN 1055-4:1975-06)"},
    {"RadioButton3", "Lastfall: gleichmäßige Streckenlast aus Eigengewicht, Wind, Schnee",
     "Loading case: load resulting from permanent load, wind, snow"},
    {"Label28", "Bedingungen:", "Requirement"},
    {"Label16", "Dachneigung: 0 - 88°", "roof pitch: 0 - 88°"},
    {"Label1", "Konstruktion:", "Construction:"},
    {"Label2", "Sparrenlänge der Dachfläche LP [m]", "rafter length LP [m]"},
    {"Label3", "Feldbreite A [m]", "span A [m]"},
    {"Label5", "Feldbreite B [m]", "span B [m]"},
    {"Label6", "Länge größte Scheibe LS [m]", "longest glass edge LS [m]"},
    {"Label7", "Dachneigung      [Grad]", "roof pitch           [degree]"},
    {"Label4", "Durchbiegungsbeschränkungen:", "Deflection limits:"},
    {"Label12", "Zulässige Durchbiegung des Sparrens", "allowed deflection of rafter"},
    {"Label15", "Zulässige Durchbiegung der Scheibenkante", "allowed deflection of glass edge"},
    {"Label18", "bzw. max.", "or max."},
    {"Label24", "bzw. max.", "or max."},
    {"Label11", "Belastung:", "Load:"},
    {"Label8", "Windlast w [kN/m²]", "wind load p [kN/m²]"},
    {"Label10", "Schneelast", "snow load"},
    {"Label13", "Eigenlast g [kN/m²]", "permanent load g [kN/m²]"},
    {"Label9", "Ausgabe:", "Output:"},
    {"Label14", "Max. Feldmoment", "max. bending moment"},
    {"Label19", "erf. Widerstandsmoment", "req. section modulus"},
    {"Label20", "erf. Trägheitsmoment", "req. moment of inertia"},
    {"Label21", "Durchbiegung der Konstruktion [mm]", "deflection of construction [mm]"},
    {"Label22", "Durchbiegung der Scheibenkante [mm]", "deflection of glass edge [mm]"},
    {"Label29", "Pos.-/Auftragsnummer:", "Pos-/Contract number :"},
};

constexpr ResetText kResetTexts[] = {
    {"Edit1", "0"}, {"Edit2", "0"}, {"Edit4", "0"}, {"Edit5", "0"}, {"Edit6", "0"}, {"Edit3", ""},
    {"Edit7", ""},  {"Edit9", ""},  {"Edit10", ""}, {"Edit13", ""}, {"Edit14", ""}, {"Edit15", ""},
};

// Deflections of rafter and pane edge [mm], second moment of area [cm⁴], moment [kNcm],
// section modulus [cm³].
constexpr ResultField kResults[] = {{"Edit16", 2}, {"Edit18", 2}, {"Edit8", 1}, {"Edit11", 1}, {"Edit12", 1}};

// The pane cannot be longer than the rafter, and from a pitch of 89° on the rafter is a wall.
const CrossCondition kConditions[] = {
    paneLongerThanMember("Edit2", {"Edit6"}, 3),
    pitchTooSteep("Edit1"),
};

constexpr SummaryValue kRafterSummary[] = {{"LP", "Edit6", "m"}, {"α", "Edit1", "°"}};
constexpr const char *kMomentFields[] = {"Edit11"};
const MemberSummary kSummaries[] = {{{"", "Sparren", "Rafter"}, kRafterSummary}};

constexpr const char *kOptions[] = {"RadioButton4", "RadioButton3"};

const ProgramTables kTables{.program = 3,
                            .captions = kCaptions,
                            .resetTexts = kResetTexts,
                            .resultFields = kResults,
                            .options = kOptions,
                            .conditions = kConditions,
                            .infoButtons = kRafterInfoButtons,
                            .sectionRequirements = kSectionIxWx,
                            .summaries = kSummaries,
                            .momentFields = kMomentFields};

} // namespace

const ProgramTables &TForm25::programTables()
{
    return kTables;
}

TForm25::TForm25(QWidget *parent)
    : ProgramForm(QStringLiteral("TForm25"), kTables, parent), m_ui(std::make_unique<Ui::TForm25>())
{
    move(0, 6);
}

void TForm25::build()
{
    m_ui->setupUi(this);
    setupProgramForm(m_ui->Edit17);
}

TForm25::~TForm25() = default;

bool TForm25::britishSnowRule() const
{
    return m_ui->RadioButton3->isChecked();
}

bool TForm25::eventFilter(QObject *watched, QEvent *event)
{
    return pumkt(watched, event);
}

bool TForm25::pumkt(QObject *watched, QEvent *event)
{
    return ProgramForm::eventFilter(watched, event);
}

void TForm25::checkInputs(FieldChecker &check)
{
    m_input = {};
    pgm3::Input &in = m_input;
    in.snowRule = britishSnowRule() ? pgm3::SnowRule::Bs : pgm3::SnowRule::Din;
    in.lp = check.positive(m_ui->Edit6);
    const QList<double> widths = check.pair({m_ui->Edit4, m_ui->Edit5}, {m_ui->Edit4, m_ui->Edit5});
    in.a = widths.at(0);
    in.b = widths.at(1);
    in.ls = check.positive(m_ui->Edit2);
    in.pitch = check.nonNegative(m_ui->Edit1);
    // A limit counts only when it is > 0: a ratio of 0 or a maximum of 0 mm would leave the
    // rafter no deflection at all and the sizing undefined, so it counts as not given.
    const QList<QLineEdit *> limits = {m_ui->Edit3, m_ui->Edit9, m_ui->Edit10, m_ui->Edit14};
    const auto usable = check.group(limits, limits);
    in.rafterRatio = usable.at(0);
    in.rafterMaxMm = usable.at(1);
    in.edgeRatio = usable.at(2);
    in.edgeMaxMm = usable.at(3);
    in.deadLoad = check.optional(m_ui->Edit7);
    in.snow = check.optional(m_ui->Edit13);
    in.wind = check.optional(m_ui->Edit15);
}

Calculated TForm25::calculate() const
{
    const pgm3::Result r = pgm3::calculate(m_input);
    // Deflections cm → mm.
    return {r.failure,
            {r.rafterDeflection * 10.0, r.edgeDeflection * 10.0, std::abs(r.inertia), r.moment,
             std::abs(r.sectionModulus)}};
}

} // namespace vb
