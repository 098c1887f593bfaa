#include "forms/tformbriefkopf.h"

#include "forms/captions.h"
#include "forms/letterhead.h"
#include "forms/programform.h"
#include "forms/shell.h"
#include "reports/frame.h"
#include "reports/logo.h"

#include "ui_tformbriefkopf.h"

#include <QtCore/QFileInfo>
#include <QtGui/QPainter>
#include <QtGui/QPixmap>
#include <QtSvg/QSvgRenderer>

namespace vb
{

namespace
{

const Caption kCaptions[] = {
    {"TFormBriefkopf", "Briefkopf", "Letterhead"},
    {"LabelFirmenzeile", "Firmenzeile:", "Company line:"},
    {"LabelLogo", "Logo:", "Logo:"},
    {"ButtonLogo", "Logo…", "Logo…"},
    {"ButtonStandard", "Standard", "Default"},
    {"ButtonOK", "OK", "OK"},
    {"ButtonAbbrechen", "Abbrechen", "Cancel"},
};

const Caption kOwnLogo = {"", "Logo des Programms", "The program's logo"};
const Caption kLogoMissing = {"", "%1 (fehlt)", "%1 (missing)"};
const Caption kChooseCaption = {"", "Logo wählen", "Choose logo"};
const Caption kFilter = {"", "Logos (*.svg *.png)", "Logos (*.svg *.png)"};
const Caption kNotStored = {"", "Der Briefkopf wurde nicht gespeichert.\n%1",
                            "The letterhead was not saved.\n%1"};

QString text(const Caption &caption)
{
    return captionText(caption, shell::english());
}

} // namespace

TFormBriefkopf::TFormBriefkopf(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::TFormBriefkopf>())
{
    m_ui->setupUi(this);
    // An empty line prints the program's own, which the field shows greyed.
    m_ui->EditFirmenzeile->setPlaceholderText(report::companyLine());
    connect(m_ui->ButtonLogo, &QPushButton::clicked, this, &TFormBriefkopf::ButtonLogoClick);
    connect(m_ui->ButtonStandard, &QPushButton::clicked, this, &TFormBriefkopf::ButtonStandardClick);
    connect(m_ui->ButtonOK, &QPushButton::clicked, this, &TFormBriefkopf::ButtonOKClick);
    connect(m_ui->ButtonAbbrechen, &QPushButton::clicked, this, &QDialog::reject);
}

TFormBriefkopf::~TFormBriefkopf() = default;

std::span<const Caption> TFormBriefkopf::captions()
{
    return kCaptions;
}

bool TFormBriefkopf::run()
{
    applyLanguage();
    const report::Letterhead stored = currentLetterhead();
    m_ui->EditFirmenzeile->setText(stored.companyLine);
    m_logo = stored.logoFile;
    m_logoName = storedLogoName();
    if (m_logoName.isEmpty())
        m_logoName = QFileInfo(m_logo).fileName();
    showLogo();
    m_ui->EditFirmenzeile->setFocus();
    return exec() == QDialog::Accepted;
}

void TFormBriefkopf::applyLanguage()
{
    applyCaptions(this, kCaptions, shell::english());
}

void TFormBriefkopf::ButtonLogoClick()
{
    // The file dialog starts where the logo shown was taken from, else where files are saved.
    const QString from =
        !m_logo.isEmpty() && !isStoredLogo(m_logo) ? QFileInfo(m_logo).absolutePath() : saveFolder();
    const QString file = shell::askOpenFileName(this, text(kChooseCaption), from, text(kFilter));
    if (file.isEmpty())
        return;
    if (const Result<> logo = report::checkLogo(file); !logo) {
        shell::message({QMessageBox::Warning, text(kCaptions[0]), logo.reason().in(shell::english())});
        return;
    }
    m_logo = file;
    m_logoName = QFileInfo(file).fileName();
    showLogo();
}

void TFormBriefkopf::ButtonStandardClick()
{
    m_ui->EditFirmenzeile->clear();
    m_logo.clear();
    m_logoName.clear();
    showLogo();
}

void TFormBriefkopf::ButtonOKClick()
{
    const Result<> stored = storeLetterhead({m_ui->EditFirmenzeile->text(), m_logo});
    if (!stored) {
        shell::message({QMessageBox::Critical, text(kCaptions[0]),
                        text(kNotStored).arg(stored.reason().in(shell::english()))});
        return;
    }
    accept();
}

void TFormBriefkopf::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    showLogo();
}

void TFormBriefkopf::showLogo()
{
    QLabel *name = m_ui->LabelLogoDatei;
    QString shown = text(kOwnLogo);
    if (!m_logo.isEmpty())
        shown = QFileInfo::exists(m_logo) ? m_logoName : text(kLogoMissing).arg(m_logoName);
    // A long file name is shortened to the room it has; the whole name is its tooltip.
    name->setText(name->fontMetrics().elidedText(shown, Qt::ElideMiddle, name->contentsRect().width()));
    name->setToolTip(m_logo.isEmpty() ? QString() : shown);

    // The logo's place on the sheet (130 × 20 page pixels) at twice its size, on white paper: the
    // program's own logo stretched into it, a planner's scaled to fit, flush right, as printed.
    QLabel *preview = m_ui->LabelLogoVorschau;
    const QSize size = preview->contentsRect().size();
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(size * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::white);
    {
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF place(QPointF(0, 0), QSizeF(size));
        if (m_logo.isEmpty()) {
            QSvgRenderer own(QStringLiteral(":/logo.svg"));
            own.render(&painter, place);
        } else if (const Result<report::Logo> logo = report::loadLogo(m_logo)) {
            report::paintLogo(painter, *logo, place);
        }
    }
    preview->setPixmap(pixmap);
}

} // namespace vb
