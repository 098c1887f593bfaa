#include "programs/pgm31024/pgm31024.h"

#include "app/shell.h"
#include "forms/captions.h"
#include "forms/erro1024.h"
#include "forms/fieldstate.h"
#include "forms/numberreader.h"
#include "forms/pgm71024.h"
#include "forms/resultformat.h"
#include "programs/pgm31024/pgm3calc.h"
#include "reports/druck3.h"
#include "ui_pgm31024.h"

#include <cmath>

namespace vb
{

namespace
{

constexpr Caption kCaptions[] = {
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

constexpr Caption kLsGreaterThanLp = {"Label3", "LS darf nicht größer sein als LP !",
                                      "LS has to be smaller than LP !"};
constexpr Caption kPitchTooSteep = {"Label2", "Die Dachneigung muß kleiner sein als 89° !",
                                    "Roof pitch has to be smaller than 89° !"};

// From this pitch on the rafter is a wall, not a roof.
constexpr double kSteepestPitch = 89.0; // degree

} // namespace

TForm25::TForm25(QWidget *parent)
    : ProgramForm(QStringLiteral("TForm25"), parent), m_ui(std::make_unique<Ui::TForm25>())
{
    move(0, 6);
}

void TForm25::build()
{
    m_ui->setupUi(this);
    setupProgramForm(m_ui->Edit17, {m_ui->Edit6, m_ui->Edit4, m_ui->Edit5, m_ui->Edit2, m_ui->Edit1,
                                    m_ui->Edit7, m_ui->Edit13, m_ui->Edit15});
    connect(m_ui->SpeedButton1, &QToolButton::clicked, this, &TForm25::SpeedButton1Click);
    connect(m_ui->SpeedButton2, &QToolButton::clicked, this, &TForm25::SpeedButton2Click);
    connect(m_ui->SpeedButton3, &QToolButton::clicked, this, &TForm25::SpeedButton3Click);
    connect(m_ui->SpeedButton4, &QToolButton::clicked, this, &TForm25::SpeedButton4Click);
}

TForm25::~TForm25() = default;

bool TForm25::britishSnowRule() const
{
    return m_ui->RadioButton3->isChecked();
}

void TForm25::aufnr()
{
    ProgramForm::aufnr();
    applyCaptions(this, kCaptions, shell::english());
}

bool TForm25::eventFilter(QObject *watched, QEvent *event)
{
    return pumkt(watched, event);
}

bool TForm25::pumkt(QObject *watched, QEvent *event)
{
    return ProgramForm::eventFilter(watched, event);
}

void TForm25::Button3Click()
{
    for (QLineEdit *field : {m_ui->Edit1, m_ui->Edit2, m_ui->Edit4, m_ui->Edit5, m_ui->Edit6, m_ui->Edit8,
                             m_ui->Edit11, m_ui->Edit12, m_ui->Edit16, m_ui->Edit18})
        field->setText(QStringLiteral("0"));
    for (QLineEdit *field :
         {m_ui->Edit3, m_ui->Edit7, m_ui->Edit9, m_ui->Edit10, m_ui->Edit13, m_ui->Edit14, m_ui->Edit15})
        field->clear();
    for (QLineEdit *field : {m_ui->Edit1, m_ui->Edit2, m_ui->Edit3, m_ui->Edit4, m_ui->Edit5, m_ui->Edit6,
                             m_ui->Edit7, m_ui->Edit8, m_ui->Edit9, m_ui->Edit10, m_ui->Edit11, m_ui->Edit12,
                             m_ui->Edit13, m_ui->Edit14, m_ui->Edit15, m_ui->Edit16, m_ui->Edit18})
        setFieldState(field, FieldState::Normal);
}

void TForm25::Button1Click()
{
    shell::refreshDateTime();
    for (QLineEdit *field : {m_ui->Edit11, m_ui->Edit12, m_ui->Edit8, m_ui->Edit16, m_ui->Edit18})
        field->setText(QStringLiteral("0"));
    TForm31 *error = shell::forms().error;
    for (int line = 1; line <= 4; ++line)
        error->hideLine(line);

    // The cross-field conditions judge LP and LS as typed, also when they fail their own
    // check: a length that does not read counts as 0, a negative one as its value.
    const double lpTyped = readNumber(m_ui->Edit6->text()).value_or(0.0);
    const double lsTyped = readNumber(m_ui->Edit2->text()).value_or(0.0);

    FieldChecker check;
    pgm3::Input in;
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

    // The pane cannot be longer than the rafter, and a pitch of 89° or more is a wall. A pitch
    // that failed its own check is below 0 or did not read, so it never counts as too steep.
    const bool english = shell::english();
    if (lsTyped > lpTyped) {
        error->showLine(3, captionText(kLsGreaterThanLp, english));
        check.addFailure();
    }
    if (in.pitch >= kSteepestPitch) {
        error->showLine(2, captionText(kPitchTooSteep, english));
        check.addFailure();
    }

    if (check.failures() == 0) {
        const pgm3::Result r = pgm3::calculate(in);
        if (r.failure != FpFailure::None) {
            shell::errorReport(fpFailureMessage(r.failure));
            return;
        }
        // Deflections cm → mm.
        const double shown[] = {r.rafterDeflection * 10.0, r.edgeDeflection * 10.0, std::abs(r.inertia),
                                r.moment, std::abs(r.sectionModulus)};
        for (const double value : shown) {
            if (!std::isfinite(value)) {
                shell::errorReport(fpFailureMessage(FpFailure::Overflow));
                return;
            }
        }
        m_ui->Edit16->setText(formatFixed(shown[0], 2));
        m_ui->Edit18->setText(formatFixed(shown[1], 2));
        m_ui->Edit8->setText(formatFixed(shown[2], 1));
        m_ui->Edit11->setText(formatFixed(shown[3], 1));
        m_ui->Edit12->setText(formatFixed(shown[4], 1));
    }
    if (error->anyLineVisible())
        error->exec();
}

std::optional<report::Sheet> TForm25::makeSheet() const
{
    // "Drucken" and "Als PDF…" copy every field exactly as it stands, with no new calculation.
    return report::makeDruck3(sheetTexts());
}

void TForm25::showInfo(int dinGerman, int dinEnglish, int bsGerman, int bsEnglish)
{
    const bool english = shell::english();
    const int page =
        britishSnowRule() ? (english ? bsEnglish : bsGerman) : (english ? dinEnglish : dinGerman);
    shell::forms().info->showPage(this, page);
}

// Wind loads after DIN 1055-4 and BS 6399-2.
void TForm25::SpeedButton1Click()
{
    showInfo(6, 4, 8, 3);
}
// Snow loads after DIN 1055-5 (ks) and BS 6399-3 (μ1).
void TForm25::SpeedButton2Click()
{
    showInfo(7, 5, 9, 1);
}
// Superposition of wind and snow with the German snow reduction.
void TForm25::SpeedButton3Click()
{
    showInfo(13, 14, 13, 14);
}
// Superposition of wind and snow with the British snow reduction.
void TForm25::SpeedButton4Click()
{
    showInfo(15, 16, 15, 16);
}

} // namespace vb
