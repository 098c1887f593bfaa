#include "programs/pgm61024/pgm61024.h"

#include "app/shell.h"
#include "forms/alternatefields.h"
#include "forms/captions.h"
#include "forms/fieldstate.h"
#include "forms/pgm71024.h"
#include "forms/resultformat.h"
#include "programs/pgm61024/pgm6calc.h"
#include "reports/druck6.h"
#include "ui_pgm61024.h"

#include <QtGui/QFontMetrics>

#include <cmath>

namespace vb
{

namespace
{

constexpr Caption kCaptions[] = {
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

// Information page on the deflection of transoms under infill weight.
constexpr int kDeflectionPageGerman = 2;
constexpr int kDeflectionPageEnglish = 12;

} // namespace

TForm28::TForm28(QWidget *parent)
    : ProgramForm(QStringLiteral("TForm28"), parent), m_ui(std::make_unique<Ui::TForm28>())
{
    move(0, 6);
}

void TForm28::build()
{
    m_ui->setupUi(this);
    setupProgramForm(m_ui->Edit11,
                     {m_ui->Edit1, m_ui->Edit13, m_ui->Edit14, m_ui->Edit2, m_ui->Edit3, m_ui->Edit7});
    bindAlternatives({{m_ui->RadioButton1, m_ui->Edit14}, {m_ui->RadioButton2, m_ui->Edit2}});
    connect(m_ui->SpeedButton1, &QToolButton::clicked, this, &TForm28::SpeedButton1Click);
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
    const bool english = shell::english();
    applyCaptions(this, kCaptions, english);
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

void TForm28::Button3Click()
{
    for (QLineEdit *field : {m_ui->Edit1, m_ui->Edit13, m_ui->Edit14, m_ui->Edit2})
        field->setText(QStringLiteral("0"));
    m_ui->Edit3->setText(QStringLiteral("0.15"));
    m_ui->Edit7->setText(QStringLiteral("3"));
    for (QLineEdit *field : {m_ui->Edit5, m_ui->Edit6, m_ui->Edit8, m_ui->Edit9, m_ui->Edit10})
        field->setText(QStringLiteral("0"));
    // Every field, the switched-off alternative too, gets the window background colour;
    // which alternative is enabled stays as chosen.
    for (QLineEdit *field : {m_ui->Edit1, m_ui->Edit13, m_ui->Edit14, m_ui->Edit2, m_ui->Edit3, m_ui->Edit7,
                             m_ui->Edit5, m_ui->Edit6, m_ui->Edit8, m_ui->Edit9, m_ui->Edit10})
        setFieldState(field, FieldState::Normal);
}

void TForm28::Button1Click()
{
    shell::refreshDateTime();
    for (QLineEdit *field : {m_ui->Edit5, m_ui->Edit6, m_ui->Edit8, m_ui->Edit9, m_ui->Edit10})
        field->setText(QStringLiteral("0"));
    // This program has no cross-field message: the error window stays as it is.

    FieldChecker check;
    pgm6::Input in;
    in.glass = glassOption();
    in.span = check.positive(m_ui->Edit1);
    const bool spanRead = check.lastPassed();
    in.height = check.positive(m_ui->Edit13);
    // Only the alternative that is switched on is looked at.
    if (in.glass)
        in.thicknessMm = check.positive(m_ui->Edit14);
    else
        in.infill = check.positive(m_ui->Edit2);
    in.blocks = check.positive(m_ui->Edit3);
    const bool blocksRead = check.lastPassed();
    in.deflectionMm = check.positive(m_ui->Edit7);

    // Two setting blocks beyond mid-span would cross; the deflection of the block loads
    // then comes out too small. Such a distance is refused like a bad input.
    if (spanRead && blocksRead && !pgm6::blocksWithinSpan(in.span, in.blocks)) {
        setFieldState(m_ui->Edit3, FieldState::Failed);
        m_ui->Edit3->setText(QStringLiteral("0"));
        check.addFailure();
    }
    if (check.failures() != 0)
        return;

    const pgm6::Result r = pgm6::calculate(in);
    if (r.failure != FpFailure::None) {
        shell::errorReport(fpFailureMessage(r.failure));
        return;
    }
    const double shown[] = {r.inertia, r.reaction, r.sectionModulus, r.weight, r.moment};
    for (const double value : shown) {
        if (!std::isfinite(value)) {
            shell::errorReport(fpFailureMessage(FpFailure::Overflow));
            return;
        }
    }
    m_ui->Edit5->setText(formatFixed(shown[0], 1));
    m_ui->Edit6->setText(formatFixed(shown[1], 1));
    m_ui->Edit8->setText(formatFixed(shown[2], 1));
    m_ui->Edit9->setText(formatFixed(shown[3], 1));
    m_ui->Edit10->setText(formatFixed(shown[4], 1));
}

std::optional<report::Sheet> TForm28::makeSheet() const
{
    // "Drucken" and "Als PDF…" both take this sheet: every field copied exactly as it stands,
    // with no new calculation.
    return report::makeDruck6(sheetTexts());
}

void TForm28::SpeedButton1Click()
{
    shell::forms().info->showPage(this, shell::english() ? kDeflectionPageEnglish : kDeflectionPageGerman);
}

} // namespace vb
