#include "programs/pgm61024/pgm61024.h"

#include "forms/alternatefields.h"
#include "forms/fieldstate.h"
#include "ui_pgm61024.h"

#include <QtGui/QFontMetrics>

namespace vb
{

namespace
{

const Caption kCaptions[] = {
    {"Label17", "Riegel - Bemessung", "Dimensioning of transom"},
    {"Label18", "Lastfall: Riegeleigengewicht und Füllung", "Loading case: load of transom and filling"},
    {"Label1", "Bedingungen:", "Requirements:"},
    {"Label29", "- Riegeleigengewicht: 0,03 kN/m", "- load of transom: 0,03 kN/m"},
    {"Label2", "- Feldbreite = Scheibenbreite", "- span = width of glass / filling"},
    {"Label4", "Konstruktion", "Construction"},
    {"Label5", "Feldbreite  [m]", "span  [m]"},
    {"Label8", "Länge  [m]", "height  [m]"},
    {"RadioButton1", "Glasdicke (ohne LZR) [mm]", "thickness of glass (without air space) [mm]"},
    {"RadioButton2", "Füllgewicht  [kN/m²]", "weight of filling [kN/m²]"},
    {"Label7", "Klotzungsabstand c [m]  (i.d.R. 0,15 m)",
     "distance c from glass edge to center of support [m] (generally 0,15 m)"},
    {"Label12", "Durchbiegung des Riegels f         [mm]",
     "deflection of transom         f             [mm]"},
    {"Label24", "Riegel", "transom"},
    {"Label3", "Durchbiegungsbeschränkungen:", "Deflection limits:"},
    {"Label13", "Belastung:", "Load:"},
    {"Label9", "Ausgabe:", "Output:"},
    {"Label10", "Glas- oder Füllungsgewicht", "weight of glass / filling"},
    {"Label19", "Auflagerkraft", "reaction force"},
    {"Label14", "Max. Feldmoment", "max. bending moment"},
    {"Label11", "erf. Widerstandsmoment", "req. section modulus"},
    {"Label16", "erf. Trägheitsmoment", "req. moment of inertia"},
    {"Label26", "Pos.-/Auftragsnummer:", "Pos-/Contract number :"},
};

constexpr ResetText kResetTexts[] = {
    {"Edit1", "0"}, {"Edit13", "0"}, {"Edit14", "0"}, {"Edit2", "0"}, {"Edit3", "0.15"}, {"Edit7", "3"},
};

// Second moment of area [cm⁴], reaction [kN], section modulus [cm³], weight of the pane or
// infill [kN], moment [kNcm].
constexpr ResultField kResults[] = {{"Edit5", 1}, {"Edit6", 1}, {"Edit8", 1}, {"Edit9", 1}, {"Edit10", 1}};

// Two setting blocks beyond mid-span would cross; the deflection of the block loads then comes
// out too small. Such a distance c is refused like a bad input.
const CrossCondition kConditions[] = {
    {.field = "Edit3",
     .compare = CrossCondition::Compare::Greater,
     .than = {"Edit1"},
     .factor = 0.5,
     .marks = {"Edit3"}},
};

// Information page on the deflection of transoms under infill weight.
constexpr InfoButton kInfoButtons[] = {{"SpeedButton1", {2, 12}}};

// The transom carries the infill's weight about its weak axis: Iy and Wy.
const SectionRequirement kSectionRequirements[] = {
    {"Edit5", sections::Quantity::Iy, {"", "Iy", "Iy"}},
    {"Edit8", sections::Quantity::Wy, {"", "Wy", "Wy"}},
};

constexpr SummaryValue kTransomSummary[] = {{"B", "Edit1", "m"}, {"c", "Edit3", "m"}};
constexpr const char *kMomentFields[] = {"Edit10"};
const MemberSummary kSummaries[] = {{{"", "Riegel", "Transom"}, kTransomSummary}};

constexpr const char *kOptions[] = {"RadioButton1", "RadioButton2"};

const ProgramTables kTables{.program = 6,
                            .captions = kCaptions,
                            .resetTexts = kResetTexts,
                            .resultFields = kResults,
                            .options = kOptions,
                            .conditions = kConditions,
                            .infoButtons = kInfoButtons,
                            .sectionRequirements = kSectionRequirements,
                            .summaries = kSummaries,
                            .momentFields = kMomentFields,
                            .usesErrorWindow = false};

} // namespace

const ProgramTables &TForm28::programTables()
{
    return kTables;
}

TForm28::TForm28(QWidget *parent)
    : ProgramForm(QStringLiteral("TForm28"), kTables, parent), m_ui(std::make_unique<Ui::TForm28>())
{
    move(0, 6);
}

void TForm28::build()
{
    m_ui->setupUi(this);
    setupProgramForm(m_ui->Edit11);
    bindAlternatives({{m_ui->RadioButton1, m_ui->Edit14}, {m_ui->RadioButton2, m_ui->Edit2}});
    m_ui->StatusBar1->setSizeGripEnabled(false);
}

TForm28::~TForm28() = default;

bool TForm28::glassOption() const
{
    return m_ui->RadioButton1->isChecked();
}

void TForm28::aufnr()
{
    ProgramForm::aufnr();
    const bool english = inEnglish();
    m_ui->Image1->setVisible(!english);
    m_ui->Image2->setVisible(english);
    placeDeflectionSubscript();
}

void TForm28::placeDeflectionSubscript()
{
    const QString caption = m_ui->Label12->text();
    const qsizetype symbol = caption.lastIndexOf(QLatin1String(" f "));
    if (symbol < 0)
        return;
    const QFontMetrics metrics(m_ui->Label12->font());
    const int x = m_ui->Label12->x() + metrics.horizontalAdvance(caption.left(symbol + 2)) + 1;
    m_ui->Label24->move(x, m_ui->Label24->y());
    m_ui->Label24->adjustSize();
}

void TForm28::checkInputs(FieldChecker &check)
{
    m_input = {};
    pgm6::Input &in = m_input;
    in.glass = glassOption();
    in.span = check.positive(m_ui->Edit1);
    in.height = check.positive(m_ui->Edit13);
    // Only the alternative that is switched on is looked at.
    if (in.glass)
        in.thicknessMm = check.positive(m_ui->Edit14);
    else
        in.infill = check.positive(m_ui->Edit2);
    in.blocks = check.positive(m_ui->Edit3);
    in.deflectionMm = check.positive(m_ui->Edit7);
}

Calculated TForm28::calculate() const
{
    const pgm6::Result r = pgm6::calculate(m_input);
    return {r.failure, {r.inertia, r.reaction, r.sectionModulus, r.weight, r.moment}};
}

} // namespace vb
