#include "programs/pgm41024/pgm41024.h"

#include "forms/fieldstate.h"
#include "ui_pgm41024.h"

namespace vb
{

namespace
{

const Caption kCaptions[] = {
    {"Label17", "Fassadensystem: Pfosten als Zweifeldträger (LF Windruck/-sog)",
     "Facade section: mullion as two-span beam (wind pressure/-suction)"},
    {"Label18", "Lastfall: gleichmäßige Streckenlast", "Loading case: rectangular load"},
    {"Label19", "Bedingungen:", "Requirements:"},
    {"Label31", "Der Pfosten muß biegesteif über das mittlere Auflager geführt werden.",
     "the mullion has to be led bending resistant across the middle bearing."},
    {"Label1", "Konstruktion:", "Construction:"},
    {"Label2", "Pfostenlänge  L1 [m]", "length L1 [m]"},
    {"Label3", "Pfostenlänge  L2 [m]", "length L2 [m]"},
    {"Label4", "Länge größte Scheibe LS [m]", "longest glass edge LS [m]"},
    {"Label5", "Feldbreite A [m]", "span A [m]"},
    {"Label6", "Feldbreite B [m]", "span B [m]"},
    {"Label8", "Durchbiegungsbeschränkungen:", "Deflection limits:"},
    {"Label7", "Zulässige Durchbiegung des Pfostens", "allowed deflection of mullion"},
    {"Label10", "Zulässige Durchbiegung der Scheibenkante", "allowed deflection of glass edge"},
    {"Label23", "bzw. max.", "or max."},
    {"Label24", "bzw. max.", "or max."},
    {"Label30", "Belastung:", "Load:"},
    {"Label11", "Windlast w [kN/m²]", "wind load p [kN/m²]"},
    {"Label9", "Ausgabe:", "Output:"},
    {"Label12", "Max. Feldmoment", "max. bending moment"},
    {"Label13", "Stützmoment", "support moment"},
    {"Label14", "erf. Trägheitsmoment", "req. moment of inertia"},
    {"Label15", "erf. Widerstandsmoment", "req. section modulus"},
    {"Label16", "erf. Widerstandsmoment", "req. section modulus"},
    {"Label20", "Durchbiegung der Konstruktion [mm]", "deflection of construction [mm]"},
    {"Label21", "Durchbiegung der Scheibenkante [mm]", "deflection of glass edge [mm]"},
    {"LabelPosition", "Pos.-/Auftragsnummer:", "Pos-/Contract number :"},
};

constexpr ResetText kResetTexts[] = {
    {"Edit1", "0"}, {"Edit2", "0"}, {"Edit4", "0"}, {"Edit5", "0"}, {"Edit6", "0"},
    {"Edit16", ""}, {"Edit7", ""},  {"Edit15", ""}, {"Edit9", ""},  {"Edit10", ""},
};

// Deflections of mullion and pane edge [mm], second moment of area [cm⁴], span moment [kNcm]
// and its section modulus [cm³], support moment [kNcm] and its section modulus [cm³].
constexpr ResultField kResults[] = {{"Edit17", 2}, {"Edit18", 2}, {"Edit8", 1}, {"Edit11", 1},
                                    {"Edit12", 1}, {"Edit3", 1},  {"Edit14", 1}};

// The pane may be as long as the longer span, never longer.
const CrossCondition kConditions[] = {
    paneLongerThanMember("Edit2", {"Edit1", "Edit6"}, 2),
};

// Information pages on wind loads: German DIN first, English BS first.
constexpr InfoButton kInfoButtons[] = {{"SpeedButton2", {6, 3}}};

const auto kSectionRequirements = twoSpanSectionRequirements("Edit14");

constexpr SummaryValue kMullionSummary[] = {
    {"L1", "Edit1", "m"}, {"L2", "Edit6", "m"}, {"w", "Edit16", "kN/m²"}};
constexpr const char *kMomentFields[] = {"Edit11", "Edit3"};
const MemberSummary kSummaries[] = {{{"", "Zweifeldpfosten", "Two-span mullion"}, kMullionSummary}};

const ProgramTables kTables{.program = 4,
                            .captions = kCaptions,
                            .resetTexts = kResetTexts,
                            .resultFields = kResults,
                            .conditions = kConditions,
                            .infoButtons = kInfoButtons,
                            .sectionRequirements = kSectionRequirements,
                            .summaries = kSummaries,
                            .momentFields = kMomentFields};

} // namespace

const ProgramTables &TForm26::programTables()
{
    return kTables;
}

TForm26::TForm26(QWidget *parent)
    : ProgramForm(QStringLiteral("TForm26"), kTables, parent), m_ui(std::make_unique<Ui::TForm26>())
{
    move(0, 6);
}

void TForm26::build()
{
    m_ui->setupUi(this);
    setupProgramForm(m_ui->Edit13);
    m_ui->Image3->setVisible(false);
}

TForm26::~TForm26() = default;

void TForm26::aufnr()
{
    ProgramForm::aufnr();
    const bool english = inEnglish();
    m_ui->Image2->setVisible(!english);
    m_ui->Image3->setVisible(english);
}

void TForm26::checkInputs(FieldChecker &check)
{
    m_input = {};
    pgm4::Input &in = m_input;
    in.l1 = check.positive(m_ui->Edit1);
    in.l2 = check.positive(m_ui->Edit6);
    const QList<double> widths = check.pair({m_ui->Edit4, m_ui->Edit5}, {m_ui->Edit4, m_ui->Edit5});
    in.a = widths.at(0);
    in.b = widths.at(1);
    in.ls = check.positive(m_ui->Edit2);
    const QList<QLineEdit *> limits = {m_ui->Edit7, m_ui->Edit15, m_ui->Edit9, m_ui->Edit10};
    const auto usable = check.group(limits, limits);
    in.memberRatio = usable.at(0);
    in.memberCapMm = usable.at(1);
    in.edgeRatio = usable.at(2);
    in.edgeCapMm = usable.at(3);
    in.wind = check.number(m_ui->Edit16, QStringLiteral("0"));
}

Calculated TForm26::calculate() const
{
    const pgm4::Result r = pgm4::calculate(m_input);
    // Deflections cm → mm.
    return {r.failure,
            {r.memberDeflection * 10.0, r.edgeDeflection * 10.0, r.inertia, r.spanMoment, r.spanModulus,
             r.supportMoment, r.supportModulus},
            {{"Edit8", r.governingInertia}}};
}

} // namespace vb
