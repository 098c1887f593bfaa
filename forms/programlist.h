#pragma once

// The one list of the programs: what each is (its tables), how its form and its sheet are made,
// and where the menu and the files find it. The menu, the registry, the sheets, the booklet, the
// project reader and the tests all go through it.

#include "core/projectfile.h"
#include "forms/programtables.h"
#include "reports/sheetitems.h"

#include <span>

class QWidget;

namespace vb
{

class ProgramForm;

struct Program {
    const ProgramTables *tables; // tables->program is its number
    const char *form;            // the form's class and objectName: "TForm23"
    const char *folder;          // its folder, with its form's design: "programs/pgm11024"
    const char *menuButton;      // the main menu's button that opens it: "Button1"
    ProgramForm *(*makeForm)(QWidget *parent);
    report::Sheet (*makeSheet)(const report::FormTexts &texts);
};

// Every program, in the order of its number.
std::span<const Program> programList();
// Program `number`; nullptr for a number there is not.
const Program *findProgram(int number);

// The fields and option buttons a record of the program holds, by objectName, as its tables
// name them: its inputs (the reset table), its results and its options.
project::ProgramFields programFields(const ProgramTables &tables);
// The project reader's view of every program, from the list.
project::KnownFields knownFields();

} // namespace vb
