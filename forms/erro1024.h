#pragma once

#include <QtWidgets/QDialog>

#include <memory>

namespace Ui
{
class TForm31;
}
class QLabel;

namespace vb
{

// The shared error window for conditions that span several fields. Four message lines;
// which message goes on which line is fixed per program. Caption "Fehler" in both
// languages.
class TForm31 : public QDialog
{
    Q_OBJECT

public:
    explicit TForm31(QWidget *parent = nullptr);
    ~TForm31() override;

    // Lines are numbered 1 to 4 (Label1 … Label4).
    void hideLine(int line);
    void showLine(int line, const QString &text);
    bool isLineVisible(int line) const;
    QString lineText(int line) const;
    bool anyLineVisible() const;

private:
    QLabel *line(int number) const;
    std::unique_ptr<Ui::TForm31> m_ui;
};

} // namespace vb
