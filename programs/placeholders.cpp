#include "programs/placeholders.h"

#include "app/shell.h"
#include "forms/erro1024.h"

#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

namespace vb {

PendingProgramForm::PendingProgramForm(const QString &formName, const QString &caption, QSize size,
                                       const QString &positionField, QWidget *parent)
    : ProgramForm(parent)
{
    setObjectName(formName);
    setWindowTitle(caption);
    resize(size);
    setProperty("vbFontFamily", QStringLiteral("MS Sans Serif"));
    setProperty("vbFontPx", 10);
    setProperty("vbTextFamily", QStringLiteral("Arial"));
    setProperty("vbTextPx", 13);

    auto *label = new QLabel(QStringLiteral("Pos.-/Auftragsnummer:"), this);
    label->setObjectName(QStringLiteral("LabelPosition"));
    label->setGeometry(430, 10, 150, 17);
    auto *position = new QLineEdit(QStringLiteral(" "), this);
    position->setObjectName(positionField);
    position->setGeometry(584, 6, 185, 21);

    const struct {
        const char *name;
        const char *text;
        int left;
    } buttons[] = {{"Button1", "Berechnung", 16}, {"Button4", "Drucken", 152}, {"Button3", "Neue Eingabe", 288},
                   {"Button2", "Zurück", 424}};
    for (const auto &b : buttons) {
        auto *button = new QPushButton(QString::fromUtf8(b.text), this);
        button->setObjectName(QString::fromLatin1(b.name));
        button->setGeometry(b.left, size.height() - 70, 121, 33);
    }
    setupProgramForm(position, {});
}

void PendingProgramForm::Button1Click()
{
    shell::refreshDateTime();
    for (int line = 1; line <= 4; ++line)
        shell::forms().error->hideLine(line);
}

void PendingProgramForm::Button3Click() {}

} // namespace vb
