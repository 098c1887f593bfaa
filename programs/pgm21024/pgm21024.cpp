#include "programs/pgm21024/pgm21024.h"

#include "app/shell.h"
#include "forms/captions.h"
#include "forms/erro1024.h"
#include "forms/fieldstate.h"
#include "forms/pgm71024.h"
#include "forms/resultformat.h"
#include "programs/pgm21024/pgm2calc.h"
#include "reports/druck2.h"
#include "ui_pgm21024.h"

#include <cmath>

namespace vb
{

namespace
{

constexpr Caption kCaptions[] = {
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

// Information pages on the horizontal imposed load on barriers.
constexpr int kBarrierPageGerman = 11;
constexpr int kBarrierPageEnglish = 10;

} // namespace

TForm24::TForm24(QWidget *parent)
    : ProgramForm(QStringLiteral("TForm24"), parent), m_ui(std::make_unique<Ui::TForm24>())
{
}

void TForm24::build()
{
    m_ui->setupUi(this);
    // The ratio field l/ has no comma handler: a comma typed there stays and does not read.
    setupProgramForm(m_ui->Edit13,
                     {m_ui->Edit1, m_ui->Edit2, m_ui->Edit3, m_ui->Edit6, m_ui->Edit7, m_ui->Edit14});
    connect(m_ui->SpeedButton1, &QToolButton::clicked, this, &TForm24::SpeedButton1Click);
}

TForm24::~TForm24() = default;

void TForm24::aufnr()
{
    ProgramForm::aufnr();
    applyCaptions(this, kCaptions, shell::english());
}

void TForm24::Button3Click()
{
    for (QLineEdit *field : {m_ui->Edit1, m_ui->Edit2, m_ui->Edit3, m_ui->Edit7, m_ui->Edit8, m_ui->Edit10,
                             m_ui->Edit11, m_ui->Edit12})
        field->setText(QStringLiteral("0"));
    for (QLineEdit *field : {m_ui->Edit5, m_ui->Edit6, m_ui->Edit14})
        field->clear();
    for (QLineEdit *field : {m_ui->Edit1, m_ui->Edit2, m_ui->Edit3, m_ui->Edit5, m_ui->Edit6, m_ui->Edit7,
                             m_ui->Edit8, m_ui->Edit10, m_ui->Edit11, m_ui->Edit12, m_ui->Edit14})
        setFieldState(field, FieldState::Normal);
}

void TForm24::Button1Click()
{
    shell::refreshDateTime();
    for (QLineEdit *field : {m_ui->Edit8, m_ui->Edit10, m_ui->Edit11, m_ui->Edit12})
        field->setText(QStringLiteral("0"));
    TForm31 *error = shell::forms().error;
    for (int line = 1; line <= 4; ++line)
        error->hideLine(line);

    FieldChecker check;
    pgm2::Input in;
    in.lp = check.positive(m_ui->Edit1);
    const bool lengthRead = check.lastPassed();
    const QList<double> widths = check.pair({m_ui->Edit2, m_ui->Edit3}, {m_ui->Edit2, m_ui->Edit3});
    in.a = widths.at(0);
    in.b = widths.at(1);
    const QList<QLineEdit *> limits = {m_ui->Edit5, m_ui->Edit6};
    const auto usable = check.group(limits, limits);
    in.ratio = usable.at(0);
    in.capMm = usable.at(1);
    in.c = check.positive(m_ui->Edit7);
    const bool heightRead = check.lastPassed();
    in.qk = check.positive(m_ui->Edit14);

    // A handrail at or above the top support loads no part of this mullion: at c = LP the
    // distance to the upper support vanishes, above it the moment turns against the load.
    // The load height is then reset as a failed field, like any other bad input.
    if (lengthRead && heightRead && in.c >= in.lp) {
        setFieldState(m_ui->Edit7, FieldState::Failed);
        m_ui->Edit7->setText(QStringLiteral("0"));
        check.addFailure();
    }

    if (check.failures() != 0)
        return;
    const pgm2::Result r = pgm2::calculate(in);
    if (r.failure != FpFailure::None) {
        shell::errorReport(fpFailureMessage(r.failure));
        return;
    }
    // Allowable deflection cm → mm; section modulus and second moment of area as magnitudes.
    const double shown[] = {r.allowedDeflection * 10.0, std::abs(r.inertia), r.moment,
                            std::abs(r.sectionModulus)};
    for (const double value : shown) {
        if (!std::isfinite(value)) {
            shell::errorReport(fpFailureMessage(FpFailure::Overflow));
            return;
        }
    }
    m_ui->Edit10->setText(formatFixed(shown[0], 2));
    m_ui->Edit8->setText(formatFixed(shown[1], 1));
    m_ui->Edit11->setText(formatFixed(shown[2], 1));
    m_ui->Edit12->setText(formatFixed(shown[3], 1));
}

std::optional<report::Sheet> TForm24::makeSheet() const
{
    // "Drucken" and "Als PDF…" both take this sheet: every field copied exactly as it stands,
    // with no new calculation.
    return report::makeDruck2(sheetTexts());
}

void TForm24::SpeedButton1Click()
{
    shell::forms().info->showPage(this, shell::english() ? kBarrierPageEnglish : kBarrierPageGerman);
}

} // namespace vb
