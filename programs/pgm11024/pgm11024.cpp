#include "programs/pgm11024/pgm11024.h"

#include "forms/captions.h"
#include "forms/fieldstate.h"
#include "ui_pgm11024.h"

#include <cmath>

namespace vb
{

namespace
{

const Caption kCaptions[] = {
    {"Label17", "Fassadensystem: Pfosten / Riegel (LF Winddruck /-sog)",
     "Facade section: mullion / transom (wind pressure /-suction)"},
    {"Label31", "Lastfall:", "Loading case:"},
    {"RadioButton1", "Pfosten: gleichmäßige Streckenlast", "mullion: rectangular load"},
    {"RadioButton2", "Riegel: Trapez- bzw. Dreieckslast", "transom: trapezoid and triangular load"},
    {"Label1", "Konstruktion:", "Construction:"},
    {"Label4", "Feldbreite B [m]", "span B [m]"},
    {"Label34", "Durchbiegungsbeschränkungen:", "Deflection limits:"},
    {"Label11", "bzw. max.", "or max."},
    {"Label12", "bzw. max.", "or max."},
    {"Label35", "Belastung:", "Load:"},
    {"Label8", "Windlast w [kN/m²]", "wind load p [kN/m²]"},
    {"Label9", "Ausgabe:", "Output:"},
    {"Label10", "erf. Trägheitsmoment", "req. moment of inertia"},
    {"Label13", "Max. Feldmoment", "max. bending moment"},
    {"Label14", "erf. Widerstandsmoment", "req. section modulus"},
    {"Label15", "Pos.-/Auftragsnummer:", "Pos-/Contract number :"},
};

const Caption kMullionCaptions[] = {
    {"Label2", "Länge Pfosten LP [m]", "length LP [m]"},
    {"Label7", "Länge größte Scheibe LS [m]", "longest glass edge LS [m]"},
    {"Label3", "Feldbreite A [m]", "span A [m]"},
    {"Label5", "Zulässige Durchbiegung des Pfostens", "allowed deflection of mullion"},
    {"Label6", "Zulässige Durchbiegung der Scheibenkante", "allowed deflection of glass edge"},
    {"Label23", "Durchbiegung der Konstruktion [mm]", "deflection of construction [mm]"},
    {"Label24", "Durchbiegung der Scheibenkante [mm]", "deflection of glass edge [mm]"},
};

const Caption kTransomCaptions[] = {
    {"Label2", "Feldhöhe H1 [m]", "height H1 [m]"},
    {"Label7", "Feldhöhe H2 [m]", "height H2 [m]"},
    {"Label3", "Feldbreite L [m]", "span L [m]"},
    {"Label5", "Zulässige Durchbiegung der Konstruktion", "allowed deflection of construction"},
    {"Label6", "bzw. Scheibenkante", "and/or deflection of glass edge"},
    {"Label23", "Durchbiegung der Konstruktion", "deflection of construction"},
    {"Label24", "bzw. Scheibenkante [mm]", "and deflection of glass edge [mm]"},
};

// The option handler writes this English caption of the second pane height.
const Caption kTransomOptionLabel7 = {"Label7", "Feldhöhe H2 [m]", "heigth H2 [m]"};

constexpr std::span<const Caption> kModeCaptions[] = {
    kMullionCaptions, kTransomCaptions, {&kTransomOptionLabel7, 1}};

constexpr ResetText kResetTexts[] = {
    {"Edit1", "0"}, {"Edit2", "0"}, {"Edit3", "0"}, {"Edit6", "0"}, {"Edit4", ""},
    {"Edit5", ""},  {"Edit14", ""}, {"Edit15", ""}, {"Edit7", ""},
};

// Deflections of member and pane edge [mm], second moment of area [cm⁴], moment [kNcm],
// section modulus [cm³].
constexpr ResultField kResults[] = {{"Edit9", 2}, {"Edit10", 2}, {"Edit8", 1}, {"Edit11", 1}, {"Edit12", 1}};

// LS longer than the mullion cannot be; for a transom H2 > H1 is a normal case.
const CrossCondition kConditions[] = {
    paneLongerThanMember("Edit6", {"Edit1"}, 3, "RadioButton1", {"Edit1", "Edit6"}),
};

// Information pages on wind loads: German DIN first, English BS first.
constexpr InfoButton kInfoButtons[] = {{"SpeedButton1", {6, 3}}};

// How the project's list names the member: a transom by its span, a mullion by its length.
constexpr SummaryValue kTransomSummary[] = {{"L", "Edit2", "m"}, {"w", "Edit14", "kN/m²"}};
constexpr SummaryValue kMullionSummary[] = {{"LP", "Edit1", "m"}, {"w", "Edit14", "kN/m²"}};
constexpr const char *kMomentFields[] = {"Edit11"};
const MemberSummary kSummaries[] = {
    {{"", "Riegel", "Transom"}, kTransomSummary, "RadioButton2"},
    {{"", "Pfosten", "Mullion"}, kMullionSummary},
};

constexpr const char *kOptions[] = {"RadioButton1", "RadioButton2"};

const ProgramTables kTables{.program = 1,
                            .captions = kCaptions,
                            .modeCaptions = kModeCaptions,
                            .resetTexts = kResetTexts,
                            .resultFields = kResults,
                            .options = kOptions,
                            .conditions = kConditions,
                            .infoButtons = kInfoButtons,
                            .sectionRequirements = kSectionIxWx,
                            .summaries = kSummaries,
                            .momentFields = kMomentFields};

} // namespace

const ProgramTables &TForm23::programTables()
{
    return kTables;
}

TForm23::TForm23(QWidget *parent)
    : ProgramForm(QStringLiteral("TForm23"), kTables, parent), m_ui(std::make_unique<Ui::TForm23>())
{
    move(0, 6);
}

void TForm23::build()
{
    m_ui->setupUi(this);
    setupProgramForm(m_ui->Edit13);
    connect(m_ui->RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton1Click();
    });
    connect(m_ui->RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton2Click();
    });
    applyModePictures();
}

TForm23::~TForm23() = default;

bool TForm23::transomMode() const
{
    return m_ui->RadioButton2->isChecked();
}

void TForm23::aufnr()
{
    ProgramForm::aufnr();
    applyModeCaptions(false);
    applyModePictures();
}

void TForm23::applyModeCaptions(bool fromOption)
{
    const bool english = inEnglish();
    if (!transomMode()) {
        applyCaptions(this, kMullionCaptions, english);
        return;
    }
    applyCaptions(this, kTransomCaptions, english);
    if (fromOption)
        m_ui->Label7->setText(captionText(kTransomOptionLabel7, english));
}

void TForm23::applyModePictures()
{
    const bool english = inEnglish();
    const bool transom = transomMode();
    m_ui->Image1->setVisible(!transom);
    m_ui->Image2->setVisible(!transom && !english);
    m_ui->Image3->setVisible(!transom && english);
    m_ui->Image4->setVisible(transom && !english);
    m_ui->Image5->setVisible(transom && english);
}

void TForm23::RadioButton1Click()
{
    Button3Click();
    m_ui->Label4->setVisible(true);
    m_ui->Edit3->setVisible(true);
    m_ui->Panel4->setVisible(true);
    m_ui->Edit9->setVisible(true);
    applyModePictures();
    applyModeCaptions(true);
}

void TForm23::RadioButton2Click()
{
    Button3Click();
    m_ui->Label4->setVisible(false);
    m_ui->Edit3->setVisible(false);
    m_ui->Panel4->setVisible(false);
    m_ui->Edit9->setVisible(false);
    applyModePictures();
    applyModeCaptions(true);
}

void TForm23::checkInputs(FieldChecker &check)
{
    m_input = {};
    pgm1::Input &in = m_input;
    const bool transom = transomMode();
    in.transom = transom;
    in.lp = check.positive(m_ui->Edit1);
    if (transom) {
        in.a = check.pair({m_ui->Edit2}, {m_ui->Edit2, m_ui->Edit3}).at(0);
    } else {
        const QList<double> widths = check.pair({m_ui->Edit2, m_ui->Edit3}, {m_ui->Edit2, m_ui->Edit3});
        in.a = widths.at(0);
        in.b = widths.at(1);
    }
    const QList<QLineEdit *> limits = {m_ui->Edit4, m_ui->Edit15, m_ui->Edit5, m_ui->Edit7};
    if (transom) {
        // The mullion row does not exist for a transom: only the second row counts.
        const auto usable = check.group({m_ui->Edit5, m_ui->Edit7}, limits);
        in.edgeRatio = usable.at(0);
        in.edgeCapMm = usable.at(1);
    } else {
        const auto usable = check.group(limits, limits);
        in.memberRatio = usable.at(0);
        in.memberCapMm = usable.at(1);
        in.edgeRatio = usable.at(2);
        in.edgeCapMm = usable.at(3);
    }
    in.ls = check.positive(m_ui->Edit6);
    in.wind = check.number(m_ui->Edit14, QString());
}

Calculated TForm23::calculate() const
{
    const pgm1::Result r = pgm1::calculate(m_input);
    // Deflections cm → mm; second moment of area and section modulus as magnitudes.
    return {r.failure,
            {r.memberDeflection * 10.0, r.edgeDeflection * 10.0, std::abs(r.inertia), r.moment,
             std::abs(r.sectionModulus)}};
}

} // namespace vb
