// The tables of the program forms against the forms: every control a caption, reset, result,
// condition or information table names exists, and the German texts of the tables that set a
// form's design texts are the texts of its .ui file.
#include "guifixture.h"

#include "app/mainmenu.h"
#include "forms/programform.h"
#include "forms/programlist.h"
#include "forms/shell.h"
#include "forms/tformbriefkopf.h"
#include "forms/tformposition.h"
#include "forms/tformprofil.h"
#include "forms/tformprojekt.h"

#include <QtCore/QFile>
#include <QtCore/QHash>
#include <QtCore/QXmlStreamReader>
#include <QtTest/QtTest>

namespace
{

// The design texts of a .ui file by control name: "text" of labels, buttons and fields,
// "windowTitle" of the form itself.
QHash<QString, QString> designTexts(const QString &path)
{
    QHash<QString, QString> texts;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return texts;
    QXmlStreamReader xml(&file);
    QStringList widgets;
    QString property;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("widget")) {
            widgets << xml.attributes().value(QLatin1String("name")).toString();
        } else if (xml.isEndElement() && xml.name() == QLatin1String("widget")) {
            widgets.removeLast();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("property")) {
            property = xml.attributes().value(QLatin1String("name")).toString();
        } else if (xml.isStartElement() && xml.name() == QLatin1String("string") && !widgets.isEmpty() &&
                   (property == QLatin1String("text") || property == QLatin1String("windowTitle"))) {
            texts.insert(widgets.last(), xml.readElementText());
        }
    }
    return texts;
}

QString sourceFile(const char *path)
{
    return QStringLiteral(VB_SOURCE_DIR "/") + QLatin1String(path);
}

} // namespace

class TestCaptions : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_app = std::make_unique<GuiFixture>(); }
    void cleanup() { m_app.reset(); }
    void everyNamedControlExists_data();
    void everyNamedControlExists();
    void sectionWindowCaptionsNameItsControls(); // and the project window's
    void germanTextsAreTheDesignTexts_data();
    void germanTextsAreTheDesignTexts();

private:
    std::unique_ptr<GuiFixture> m_app;
};

void TestCaptions::everyNamedControlExists_data()
{
    QTest::addColumn<int>("program");
    for (const vb::Program &program : vb::programList())
        QTest::addRow("Programm %d", program.tables->program) << program.tables->program;
}

void TestCaptions::everyNamedControlExists()
{
    QFETCH(int, program);
    vb::ProgramForm *form = vb::shell::forms().program(program);
    QVERIFY(form);
    form->ensureBuilt();
    QCOMPARE(form->objectName(), QLatin1String(vb::findProgram(program)->form));
    // A project file may hold exactly what the tables name: every input, result and option of
    // the form, and nothing it does not have.
    const vb::project::ProgramFields named = vb::programFields(form->tables());
    const vb::project::ProgramFields built = form->projectFields();
    QCOMPARE(named.inputs, built.inputs);
    QCOMPARE(named.results, built.results);
    QCOMPARE(named.options, built.options);
    QList<std::span<const vb::Caption>> tables{form->tables().captions, vb::ProgramForm::commandCaptions()};
    for (const std::span<const vb::Caption> table : form->tables().modeCaptions)
        tables << table;
    QStringList names;
    for (const auto &table : tables) {
        for (const vb::Caption &row : table)
            names << QLatin1String(row.control);
    }
    const vb::ProgramTables &t = form->tables();
    for (const vb::ResetText &row : t.resetTexts)
        names << QLatin1String(row.field);
    for (const vb::ResultField &row : t.resultFields)
        names << QLatin1String(row.field);
    for (const vb::CrossCondition &row : t.conditions) {
        for (const char *name :
             {row.field, row.than[0], row.than[1], row.onlyWith, row.marks[0], row.marks[1]}) {
            if (name)
                names << QLatin1String(name);
        }
    }
    for (const vb::InfoButton &row : t.infoButtons) {
        names << QLatin1String(row.button);
        if (row.option)
            names << QLatin1String(row.option);
    }
    for (const QString &name : names) {
        QVERIFY2(name == form->objectName() || form->findChild<QWidget *>(name),
                 qPrintable(form->objectName() + QStringLiteral(" has no control ") + name));
    }
}

void TestCaptions::sectionWindowCaptionsNameItsControls()
{
    const vb::TFormProjekt project;
    const vb::project::Project none;
    const vb::TFormPosition position(vb::TFormPosition::Purpose::Save, none, {}, {});
    const vb::TFormBriefkopf letterhead;
    const std::pair<const QWidget *, std::span<const vb::Caption>> windows[] = {
        {vb::shell::sectionWindow(), vb::TFormProfil::captions()},
        {&project, vb::TFormProjekt::captions()},
        {&position, vb::TFormPosition::captions()},
        {&letterhead, vb::TFormBriefkopf::captions()},
    };
    for (const auto &[window, captions] : windows) {
        for (const vb::Caption &row : captions) {
            const QString name = QLatin1String(row.control);
            QVERIFY2(name == window->objectName() || window->findChild<QWidget *>(name), qPrintable(name));
        }
    }
}

void TestCaptions::germanTextsAreTheDesignTexts_data()
{
    QTest::addColumn<QString>("ui");
    QTest::addColumn<int>("program"); // 0: the main menu
    QTest::newRow("main menu") << sourceFile("app/stat1024.ui") << 0;
    for (const vb::Program &program : vb::programList()) {
        const int n = program.tables->program;
        const QString folder = QLatin1String(program.folder);
        QTest::addRow("Programm %d", n)
            << sourceFile(qPrintable(folder + QLatin1Char('/') + folder.section(QLatin1Char('/'), -1) +
                                     QStringLiteral(".ui")))
            << n;
    }
}

void TestCaptions::germanTextsAreTheDesignTexts()
{
    QFETCH(QString, ui);
    QFETCH(int, program);
    const QHash<QString, QString> design = designTexts(ui);
    QVERIFY2(!design.isEmpty(), qPrintable(ui));
    const std::span<const vb::Caption> table =
        program == 0 ? vb::menuCaptions() : vb::findProgram(program)->tables->captions;
    for (const vb::Caption &row : table) {
        const QString name = QLatin1String(row.control);
        QVERIFY2(design.contains(name), qPrintable(ui + QStringLiteral(" has no text for ") + name));
        QCOMPARE(design.value(name), row.text.german);
    }
}

QTEST_MAIN(TestCaptions)
#include "tst_captions.moc"
