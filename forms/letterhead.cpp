#include "forms/letterhead.h"

#include "core/userfile.h"
#include "reports/logo.h"

#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QRegularExpression>
#include <QtCore/QSettings>
#include <QtCore/QVariant>

#include <optional>

namespace vb
{

namespace
{

const QString kLineKey = QStringLiteral("briefkopf/firmenzeile");
const QString kLogoKey = QStringLiteral("briefkopf/logo");
const QString kLogoNameKey = QStringLiteral("briefkopf/logoname"); // the planner's file, as named

// The logo is read by the same loader that prints it, which takes no larger file.
constexpr qsizetype kMaxLogoBytes = 8 * 1024 * 1024;

// The copies of the logo take turns between two names, so that a new logo is written beside the
// one in use and the settings name either the old copy or the new one, never a half-changed file.
const QString kCopyNames[] = {QStringLiteral("briefkopf-logo"), QStringLiteral("briefkopf-logo-2")};

const Text kSettingsNotWritten{QStringLiteral("Die Einstellungen können nicht geschrieben werden."),
                               QStringLiteral("The settings cannot be written.")};

QString settingsFolder()
{
    return QFileInfo(userSettingsPath()).absolutePath();
}

// Only a file name of the program's own copies is taken from the settings: a path elsewhere, a
// device or a folder named there by hand is not read as a logo.
bool isCopyName(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^briefkopf-logo(-2)?\\.(svg|png|jpg|jpeg)$"));
    return pattern.match(name).hasMatch();
}

// A text of the settings as the planner typed it; a line with commas that was written there by
// hand without quotes reads as a list, which is joined again.
QString settingText(const QVariant &value)
{
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QStringLiteral(", "));
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    return QString();
}

// One line of the page header: no line breaks or control characters, no blanks around it, at most
// kCompanyLineLength characters (not ending in half a surrogate pair).
QString cleanLine(QString line)
{
    for (QChar &c : line) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = QLatin1Char(' ');
    }
    line = line.trimmed();
    if (line.size() > kCompanyLineLength) {
        line.truncate(kCompanyLineLength);
        if (line.back().isHighSurrogate())
            line.chop(1);
        line = line.trimmed();
    }
    return line;
}

QString storedCopyName(const QSettings &settings)
{
    const QString name = settingText(settings.value(kLogoKey));
    return isCopyName(name) ? name : QString();
}

// The kind a copy keeps: an SVG drawing as .svg, an image by its own suffix where that is one the
// image reader knows by that name, else as .png (the loader knows an image by its content).
QString copySuffix(const report::Logo &logo, const QString &original)
{
    if (logo.svg)
        return QStringLiteral("svg");
    const QString suffix = QFileInfo(original).suffix().toLower();
    for (const char *known : {"png", "jpg", "jpeg"}) {
        if (suffix == QLatin1String(known))
            return suffix;
    }
    return QStringLiteral("png");
}

void putText(QSettings &settings, const QString &key, const QString &text)
{
    if (text.isEmpty())
        settings.remove(key);
    else
        settings.setValue(key, text);
}

void putValue(QSettings &settings, const QString &key, const QVariant &value)
{
    if (value.isValid())
        settings.setValue(key, value);
    else
        settings.remove(key);
}

} // namespace

report::Letterhead currentLetterhead()
{
    const QSettings settings(userSettingsPath(), QSettings::IniFormat);
    report::Letterhead letterhead;
    letterhead.companyLine = cleanLine(settingText(settings.value(kLineKey)));
    if (const QString name = storedCopyName(settings); !name.isEmpty())
        letterhead.logoFile = QDir(settingsFolder()).filePath(name);
    return letterhead;
}

QString storedLogoName()
{
    const QSettings settings(userSettingsPath(), QSettings::IniFormat);
    if (storedCopyName(settings).isEmpty())
        return QString();
    // Shown as a file's name: one line, no folder.
    return cleanLine(settingText(settings.value(kLogoNameKey))).section(QLatin1Char('/'), -1);
}

bool isStoredLogo(const QString &file)
{
    const QString stored = currentLetterhead().logoFile;
    if (stored.isEmpty() || file.isEmpty())
        return false;
    const QFileInfo a(file), b(stored);
    if (a.exists() && b.exists())
        return a.canonicalFilePath() == b.canonicalFilePath();
    return a.absoluteFilePath() == b.absoluteFilePath();
}

Result<> storeLetterhead(const report::Letterhead &letterhead)
{
    const QString folder = settingsFolder();
    QString oldCopy;
    {
        const QSettings settings(userSettingsPath(), QSettings::IniFormat);
        oldCopy = storedCopyName(settings);
    }

    // The logo: the program's own, the copy kept, or a new copy of the planner's file.
    QString newCopy = oldCopy;
    std::optional<QString> newName; // the planner's file's name; nothing where the stored one stays
    QString made;                   // the copy written now, removed again where the settings do not take it
    if (letterhead.logoFile.isEmpty()) {
        newCopy.clear();
        newName = QString();
    } else if (!isStoredLogo(letterhead.logoFile)) {
        const Result<report::Logo> logo = report::loadLogo(letterhead.logoFile);
        if (!logo)
            return logo.failure();
        const Result<QByteArray> bytes = readRegularFile(letterhead.logoFile, kMaxLogoBytes);
        if (!bytes)
            return failure(fileReason(letterhead.logoFile, bytes.reason()), bytes.kind());
        if (const Result<> folderMade = makeFolders(folder); !folderMade)
            return folderMade;
        const QString base =
            oldCopy.startsWith(kCopyNames[0] + QLatin1Char('.')) ? kCopyNames[1] : kCopyNames[0];
        newCopy = base + QLatin1Char('.') + copySuffix(*logo, letterhead.logoFile);
        newName = QFileInfo(letterhead.logoFile).fileName();
        made = QDir(folder).filePath(newCopy);
        if (const Result<> written = writeFileAtomically(made, *bytes); !written)
            return written;
        // What is printed is the copy: it must load as the file chosen did, also where that file
        // changed between the check and the reading.
        if (const Result<> copied = report::checkLogo(made); !copied) {
            QFile::remove(made);
            return copied;
        }
    }

    QSettings settings(userSettingsPath(), QSettings::IniFormat);
    const QVariant lineBefore = settings.value(kLineKey);
    const QVariant logoBefore = settings.value(kLogoKey);
    const QVariant nameBefore = settings.value(kLogoNameKey);
    putText(settings, kLineKey, cleanLine(letterhead.companyLine));
    putText(settings, kLogoKey, newCopy);
    if (newName)
        putText(settings, kLogoNameKey, *newName);
    settings.sync();
    if (settings.status() == QSettings::AccessError) {
        // The settings of this run hold what the file holds, so that a later write of other
        // settings does not store this letterhead after all.
        putValue(settings, kLineKey, lineBefore);
        putValue(settings, kLogoKey, logoBefore);
        putValue(settings, kLogoNameKey, nameBefore);
        if (!made.isEmpty())
            QFile::remove(made);
        return failure(fileReason(userSettingsPath(), kSettingsNotWritten));
    }
    if (!oldCopy.isEmpty() && oldCopy != newCopy)
        QFile::remove(QDir(folder).filePath(oldCopy));
    return {};
}

Result<> resetLetterhead()
{
    return storeLetterhead({});
}

} // namespace vb
