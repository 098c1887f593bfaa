#pragma once

#include <QtWidgets/QWidget>

namespace vb
{

// The host form: owns the run and is never seen. Once the message loop runs it shows the
// main menu; closing it ends the program.
class TForm1 : public QWidget
{
    Q_OBJECT

public:
    explicit TForm1(QWidget *parent = nullptr);

    // Shows the main menu once the message loop runs.
    void start();
    bool runEnded() const { return m_ended; }

signals:
    void ended();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void aufloesung();
    bool m_ended = false;
};

} // namespace vb
