#include "forms/programlist.h"

#include "programs/pgm11024/druck1.h"
#include "programs/pgm11024/pgm11024.h"
#include "programs/pgm21024/druck2.h"
#include "programs/pgm21024/pgm21024.h"
#include "programs/pgm31024/druck3.h"
#include "programs/pgm31024/pgm31024.h"
#include "programs/pgm41024/druck4.h"
#include "programs/pgm41024/pgm41024.h"
#include "programs/pgm51024/druck5.h"
#include "programs/pgm51024/pgm51024.h"
#include "programs/pgm61024/druck6.h"
#include "programs/pgm61024/pgm61024.h"

#include <QtCore/QHash>

namespace vb
{

namespace
{
template <typename Form> ProgramForm *make(QWidget *parent)
{
    return new Form(parent);
}
} // namespace

std::span<const Program> programList()
{
    // Made on first use, so that no other file's static initialiser finds it empty.
    static const Program kPrograms[] = {
        {&TForm23::programTables(), "TForm23", "programs/pgm11024", "Button1", make<TForm23>,
         report::makeDruck1},
        {&TForm24::programTables(), "TForm24", "programs/pgm21024", "Button3", make<TForm24>,
         report::makeDruck2},
        {&TForm25::programTables(), "TForm25", "programs/pgm31024", "Button4", make<TForm25>,
         report::makeDruck3},
        {&TForm26::programTables(), "TForm26", "programs/pgm41024", "Button5", make<TForm26>,
         report::makeDruck4},
        {&TForm27::programTables(), "TForm27", "programs/pgm51024", "Button6", make<TForm27>,
         report::makeDruck5},
        {&TForm28::programTables(), "TForm28", "programs/pgm61024", "Button7", make<TForm28>,
         report::makeDruck6},
    };
    return kPrograms;
}

const Program *findProgram(int number)
{
    for (const Program &program : programList()) {
        if (program.tables->program == number)
            return &program;
    }
    return nullptr;
}

project::ProgramFields programFields(const ProgramTables &tables)
{
    project::ProgramFields fields;
    for (const ResetText &input : tables.resetTexts)
        fields.inputs.insert(QString::fromLatin1(input.field));
    for (const ResultField &result : tables.resultFields)
        fields.results.insert(QString::fromLatin1(result.field));
    for (const char *option : tables.options)
        fields.options.insert(QString::fromLatin1(option));
    return fields;
}

project::KnownFields knownFields()
{
    static const QHash<int, project::ProgramFields> fields = [] {
        QHash<int, project::ProgramFields> all;
        for (const Program &program : programList())
            all.insert(program.tables->program, programFields(*program.tables));
        return all;
    }();
    return [](int number) -> const project::ProgramFields * {
        const auto found = fields.constFind(number);
        return found == fields.cend() ? nullptr : &*found;
    };
}

} // namespace vb
