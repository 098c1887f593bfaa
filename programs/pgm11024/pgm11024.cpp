#include "programs/pgm11024/pgm11024.h"

#include "app/shell.h"
#include "app/stat1024.h"
#include "forms/captions.h"
#include "forms/erro1024.h"
#include "forms/fieldstate.h"
#include "forms/pgm71024.h"
#include "forms/resultformat.h"
#include "programs/pgm11024/pgm1calc.h"
#include "reports/druck1.h"
#include "ui_pgm11024.h"

#include <cmath>

namespace vb {

namespace {

constexpr Caption kCaptions[] = {
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

constexpr Caption kMullionCaptions[] = {
    {"Label2", "Länge Pfosten LP [m]", "length LP [m]"},
    {"Label7", "Länge größte Scheibe LS [m]", "longest glass edge LS [m]"},
    {"Label3", "Feldbreite A [m]", "span A [m]"},
    {"Label5", "Zulässige Durchbiegung des Pfostens", "allowed deflection of mullion"},
    {"Label6", "Zulässige Durchbiegung der Scheibenkante", "allowed deflection of glass edge"},
    {"Label23", "Durchbiegung der Konstruktion [mm]", "deflection of construction [mm]"},
    {"Label24", "Durchbiegung der Scheibenkante [mm]", "deflection of glass edge [mm]"},
};

constexpr Caption kTransomCaptions[] = {
    {"Label2", "Feldhöhe H1 [m]", "height H1 [m]"},
    {"Label7", "Feldhöhe H2 [m]", "height H2 [m]"},
    {"Label3", "Feldbreite L [m]", "span L [m]"},
    {"Label5", "Zulässige Durchbiegung der Konstruktion", "allowed deflection of construction"},
    {"Label6", "bzw. Scheibenkante", "and/or deflection of glass edge"},
    {"Label23", "Durchbiegung der Konstruktion", "deflection of construction"},
    {"Label24", "bzw. Scheibenkante [mm]", "and deflection of glass edge [mm]"},
};

// The option handler writes this English caption of the second pane height.
constexpr Caption kTransomOptionLabel7 = {"Label7", "Feldhöhe H2 [m]", "heigth H2 [m]"};

constexpr Caption kLsGreaterThanLp = {"Label3", "LS darf nicht größer sein als LP !", "LS has to be smaller than LP !"};

// Information pages on wind loads: German DIN first, English BS first.
constexpr int kWindPageGerman = 6;
constexpr int kWindPageEnglish = 3;

} // namespace

TForm23::TForm23(QWidget *parent)
    : ProgramForm(QStringLiteral("TForm23"), parent), m_ui(std::make_unique<Ui::TForm23>())
{
    move(0, 6);
}

void TForm23::build()
{
    m_ui->setupUi(this);
    setupProgramForm(m_ui->Edit13, {m_ui->Edit1, m_ui->Edit2, m_ui->Edit3, m_ui->Edit6, m_ui->Edit7,
                                    m_ui->Edit14, m_ui->Edit15});
    connect(m_ui->RadioButton1, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton1Click();
    });
    connect(m_ui->RadioButton2, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            RadioButton2Click();
    });
    connect(m_ui->SpeedButton1, &QToolButton::clicked, this, &TForm23::SpeedButton1Click);
    applyModePictures();
}

TForm23::~TForm23() = default;

bool TForm23::transomMode() const { return m_ui->RadioButton2->isChecked(); }

void TForm23::aufnr()
{
    ProgramForm::aufnr();
    const bool english = shell::english();
    applyCaptions(this, kCaptions, english);
    applyModeCaptions(false);
    applyModePictures();
}

void TForm23::applyModeCaptions(bool fromOption)
{
    const bool english = shell::english();
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
    const bool english = shell::english();
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

void TForm23::Button3Click()
{
    for (QLineEdit *field : {m_ui->Edit1, m_ui->Edit2, m_ui->Edit3, m_ui->Edit6})
        field->setText(QStringLiteral("0"));
    for (QLineEdit *field : {m_ui->Edit4, m_ui->Edit5, m_ui->Edit14, m_ui->Edit15, m_ui->Edit7})
        field->clear();
    for (QLineEdit *field : {m_ui->Edit8, m_ui->Edit9, m_ui->Edit10, m_ui->Edit11, m_ui->Edit12})
        field->setText(QStringLiteral("0"));
    for (QLineEdit *field : {m_ui->Edit1, m_ui->Edit2, m_ui->Edit3, m_ui->Edit4, m_ui->Edit5, m_ui->Edit6,
                             m_ui->Edit7, m_ui->Edit8, m_ui->Edit9, m_ui->Edit10, m_ui->Edit11, m_ui->Edit12,
                             m_ui->Edit14, m_ui->Edit15})
        setFieldState(field, FieldState::Normal);
}

void TForm23::Button1Click()
{
    shell::refreshDateTime();
    for (QLineEdit *field : {m_ui->Edit8, m_ui->Edit9, m_ui->Edit10, m_ui->Edit11, m_ui->Edit12})
        field->setText(QStringLiteral("0"));
    TForm31 *error = shell::forms().error;
    for (int line = 1; line <= 4; ++line)
        error->hideLine(line);

    const bool transom = transomMode();
    FieldChecker check;
    pgm1::Input in;
    in.transom = transom;
    in.edit1 = check.positive(m_ui->Edit1);
    const bool lengthRead = check.lastPassed();
    if (transom) {
        in.edit2 = check.pair({m_ui->Edit2}, {m_ui->Edit2, m_ui->Edit3}).at(0);
    } else {
        const QList<double> widths = check.pair({m_ui->Edit2, m_ui->Edit3}, {m_ui->Edit2, m_ui->Edit3});
        in.edit2 = widths.at(0);
        in.edit3 = widths.at(1);
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
    in.edit6 = check.positive(m_ui->Edit6);
    const bool paneRead = check.lastPassed();
    in.wind = check.number(m_ui->Edit14, QString());

    // LS longer than the mullion cannot be; for a transom H2 > H1 is a normal case. Only
    // lengths that passed their own check are compared: a length that was just reset to
    // 0 is already marked, and the error window would only repeat that.
    if (!transom && lengthRead && paneRead && in.edit6 > in.edit1) {
        setFieldState(m_ui->Edit1, FieldState::Failed);
        setFieldState(m_ui->Edit6, FieldState::Failed);
        error->showLine(3, captionText(kLsGreaterThanLp, shell::english()));
        check.addFailure();
    }

    if (check.failures() == 0) {
        const pgm1::Result r = pgm1::calculate(in);
        if (r.failure != FpFailure::None) {
            shell::errorReport(fpFailureMessage(r.failure));
            return;
        }
        // Deflections cm → mm.
        const double shown[] = {r.memberDeflection * 10.0, r.edgeDeflection * 10.0, std::abs(r.inertia), r.moment,
                                std::abs(r.sectionModulus)};
        for (const double value : shown) {
            if (!std::isfinite(value)) {
                shell::errorReport(fpFailureMessage(FpFailure::Overflow));
                return;
            }
        }
        m_ui->Edit9->setText(formatFixed(shown[0], 2));
        m_ui->Edit10->setText(formatFixed(shown[1], 2));
        m_ui->Edit8->setText(formatFixed(shown[2], 1));
        m_ui->Edit11->setText(formatFixed(shown[3], 1));
        m_ui->Edit12->setText(formatFixed(shown[4], 1));
    }
    if (error->anyLineVisible())
        error->exec();
}

std::optional<report::Sheet> TForm23::makeSheet() const
{
    const HeaderSnapshot &header = shell::header();
    TForm22 *menu = shell::forms().menu;
    report::Pgm1SheetInput in;
    in.english = shell::english();
    in.transom = transomMode();
    in.project = header.project;
    in.positionNumber = m_ui->Edit13->text();
    in.company = header.company;
    in.creator = menu->creator();
    in.date = menu->date();
    in.time = menu->time();
    in.edit1 = m_ui->Edit1->text();
    in.edit2 = m_ui->Edit2->text();
    in.edit3 = m_ui->Edit3->text();
    in.edit4 = m_ui->Edit4->text();
    in.edit5 = m_ui->Edit5->text();
    in.edit6 = m_ui->Edit6->text();
    in.edit7 = m_ui->Edit7->text();
    in.edit8 = m_ui->Edit8->text();
    in.edit9 = m_ui->Edit9->text();
    in.edit10 = m_ui->Edit10->text();
    in.edit11 = m_ui->Edit11->text();
    in.edit12 = m_ui->Edit12->text();
    in.edit14 = m_ui->Edit14->text();
    in.edit15 = m_ui->Edit15->text();
    return report::makeDruck1(in);
}

void TForm23::SpeedButton1Click()
{
    shell::forms().info->showPage(this, shell::english() ? kWindPageEnglish : kWindPageGerman);
}

} // namespace vb
