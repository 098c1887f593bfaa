#include "programs/pgm51024/pgm51024.h"

#include "app/shell.h"
#include "forms/captions.h"
#include "forms/erro1024.h"
#include "forms/fieldstate.h"
#include "forms/numberreader.h"
#include "forms/pgm71024.h"
#include "forms/resultformat.h"
#include "programs/pgm51024/pgm5calc.h"
#include "reports/druck5.h"
#include "ui_pgm51024.h"

#include <algorithm>
#include <cmath>

namespace vb
{

namespace
{

constexpr Caption kCaptions[] = {
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

constexpr Caption kLsGreaterThanLp = {"Label3", "LS darf nicht größer sein als LP !",
                                      "LS has to be smaller than LP !"};
constexpr Caption kPitchTooSteep = {"Label2", "Die Dachneigung muß kleiner sein als 89° !",
                                    "Roof pitch has to be smaller than 89° !"};

// Information pages by load case: the BS case puts BS 6399 first, the DIN case DIN 1055.
struct Pages {
    int german;
    int english;
};
constexpr Pages kWindPagesBs{8, 3};
constexpr Pages kWindPagesDin{6, 4};
constexpr Pages kSnowPagesBs{9, 1};
constexpr Pages kSnowPagesDin{7, 5};
constexpr Pages kSuperpositionDin{13, 14};
constexpr Pages kSuperpositionBs{15, 16};

} // namespace

TForm27::TForm27(QWidget *parent)
    : ProgramForm(QStringLiteral("TForm27"), parent), m_ui(std::make_unique<Ui::TForm27>())
{
}

void TForm27::build()
{
    m_ui->setupUi(this);
    // The ratio fields "l/" Edit9 and Edit14 take no comma conversion.
    setupProgramForm(m_ui->Edit15,
                     {m_ui->Edit6, m_ui->Edit3, m_ui->Edit4, m_ui->Edit5, m_ui->Edit2, m_ui->Edit1,
                      m_ui->Edit10, m_ui->Edit16, m_ui->Edit19, m_ui->Edit13, m_ui->Edit7});
    connect(m_ui->SpeedButton1, &QToolButton::clicked, this, &TForm27::SpeedButton1Click);
    connect(m_ui->SpeedButton2, &QToolButton::clicked, this, &TForm27::SpeedButton2Click);
    connect(m_ui->SpeedButton3, &QToolButton::clicked, this, &TForm27::SpeedButton3Click);
    connect(m_ui->SpeedButton4, &QToolButton::clicked, this, &TForm27::SpeedButton4Click);
}

TForm27::~TForm27() = default;

bool TForm27::bsLoadCase() const
{
    return m_ui->RadioButton3->isChecked();
}

void TForm27::aufnr()
{
    ProgramForm::aufnr();
    applyCaptions(this, kCaptions, shell::english());
}

void TForm27::Button3Click()
{
    for (QLineEdit *field :
         {m_ui->Edit1, m_ui->Edit2, m_ui->Edit3, m_ui->Edit4, m_ui->Edit5, m_ui->Edit6, m_ui->Edit8,
          m_ui->Edit11, m_ui->Edit12, m_ui->Edit17, m_ui->Edit18, m_ui->Edit20, m_ui->Edit21})
        field->setText(QStringLiteral("0"));
    for (QLineEdit *field :
         {m_ui->Edit7, m_ui->Edit13, m_ui->Edit19, m_ui->Edit9, m_ui->Edit10, m_ui->Edit14, m_ui->Edit16})
        field->clear();
    for (QLineEdit *field :
         {m_ui->Edit1,  m_ui->Edit2,  m_ui->Edit3,  m_ui->Edit4,  m_ui->Edit5,  m_ui->Edit6,  m_ui->Edit7,
          m_ui->Edit8,  m_ui->Edit9,  m_ui->Edit10, m_ui->Edit11, m_ui->Edit12, m_ui->Edit13, m_ui->Edit14,
          m_ui->Edit16, m_ui->Edit17, m_ui->Edit18, m_ui->Edit19, m_ui->Edit20, m_ui->Edit21})
        setFieldState(field, FieldState::Normal);
}

void TForm27::Button1Click()
{
    shell::refreshDateTime();
    QLineEdit *const results[] = {m_ui->Edit20, m_ui->Edit21, m_ui->Edit8, m_ui->Edit17,
                                  m_ui->Edit11, m_ui->Edit12, m_ui->Edit18};
    for (QLineEdit *field : results)
        field->setText(QStringLiteral("0"));
    TForm31 *error = shell::forms().error;
    for (int line = 1; line <= 4; ++line)
        error->hideLine(line);

    // The LS condition judges the lengths as typed, also when they fail their own check: a
    // length that does not read counts as 0, a negative one as its value.
    const double l1Typed = readNumber(m_ui->Edit6->text()).value_or(0.0);
    const double l2Typed = readNumber(m_ui->Edit3->text()).value_or(0.0);
    const double lsTyped = readNumber(m_ui->Edit2->text()).value_or(0.0);

    FieldChecker check;
    pgm5::Input in;
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

    // The pane cannot be longer than the longer rafter.
    const bool english = shell::english();
    if (lsTyped > std::max(l1Typed, l2Typed)) {
        error->showLine(3, captionText(kLsGreaterThanLp, english));
        check.addFailure();
    }
    if (in.pitch >= pgm5::kPitchLimit) {
        error->showLine(2, captionText(kPitchTooSteep, english));
        check.addFailure();
    }

    if (check.failures() == 0) {
        const pgm5::Result r = pgm5::calculate(in);
        if (r.failure != FpFailure::None) {
            shell::errorReport(fpFailureMessage(r.failure));
            return;
        }
        // A rafter without any load gets no results and no message.
        if (r.loaded) {
            // Deflections cm → mm.
            const double shown[] = {r.rafterDeflection * 10.0,
                                    r.edgeDeflection * 10.0,
                                    r.inertia,
                                    r.supportMoment,
                                    r.spanMoment,
                                    r.spanModulus,
                                    r.supportModulus};
            for (const double value : shown) {
                if (!std::isfinite(value)) {
                    shell::errorReport(fpFailureMessage(FpFailure::Overflow));
                    return;
                }
            }
            constexpr int decimals[] = {2, 2, 1, 1, 1, 1, 1};
            for (int k = 0; k < 7; ++k)
                results[k]->setText(formatFixed(shown[k], decimals[k]));
        }
    }
    if (error->anyLineVisible())
        error->exec();
}

std::optional<report::Sheet> TForm27::makeSheet() const
{
    // "Drucken" and "Als PDF…" copy every field exactly as it stands, with no new calculation.
    return report::makeDruck5(sheetTexts());
}

void TForm27::SpeedButton1Click()
{
    const Pages pages = bsLoadCase() ? kWindPagesBs : kWindPagesDin;
    shell::forms().info->showPage(this, shell::english() ? pages.english : pages.german);
}

void TForm27::SpeedButton2Click()
{
    const Pages pages = bsLoadCase() ? kSnowPagesBs : kSnowPagesDin;
    shell::forms().info->showPage(this, shell::english() ? pages.english : pages.german);
}

void TForm27::SpeedButton3Click()
{
    shell::forms().info->showPage(this,
                                  shell::english() ? kSuperpositionDin.english : kSuperpositionDin.german);
}

void TForm27::SpeedButton4Click()
{
    shell::forms().info->showPage(this,
                                  shell::english() ? kSuperpositionBs.english : kSuperpositionBs.german);
}

} // namespace vb
