#pragma once

#include <QtCore/QFileDevice>
#include <QtCore/QIODevice>
#include <QtCore/QString>

namespace report
{

// Passes the PDF writer's output on to the file and remembers a write that did not go through.
// QPdfWriter writes through a QDataStream that stops writing after a short write (a full disk)
// while the file reports no error, so the cut-off file would be committed as complete. A short
// write is taken up again here, as write(2) wants it; the second write then fails with the reason.
class CheckedOutput final : public QIODevice
{
public:
    explicit CheckedOutput(QFileDevice &file) : m_file(file)
    {
        open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    }

    // Why the output failed, or nothing.
    QString failure() const
    {
        if (!m_failed && m_file.error() == QFileDevice::NoError)
            return {};
        return m_file.errorString();
    }

    // The writer never moves back in its file.
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char *, qint64) override { return -1; }
    qint64 writeData(const char *data, qint64 length) override
    {
        for (qint64 done = 0; done < length;) {
            const qint64 written = m_file.write(data + done, length - done);
            if (written <= 0) {
                m_failed = true;
                return -1;
            }
            done += written;
        }
        return length;
    }

private:
    QFileDevice &m_file;
    bool m_failed = false;
};

} // namespace report
