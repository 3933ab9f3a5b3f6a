// DEFINE CLASS name AS parent [OF library] ... ENDDEFINE: the block builder
// (blocks.cpp) takes the class apart into its properties' first values and
// its methods. PROTECTED and HIDDEN are read and not enforced: every
// property can be read and written from outside. ADD OBJECT is not served.
#include "runner/lang/interp.h"

namespace tarvo::run::lang {
namespace {

void ParseDefineClass(ExprParser& p, Stmt& s) {
    ClassHead h;
    p.Relex(true);
    if (p.cur().kind != Tok::Ident) p.Fail();
    h.written = p.cur().raw;
    h.name = p.Name();
    if (!p.Word("AS")) p.Fail();
    h.parent = p.Name();
    if (p.Word("OF")) p.NameArgument();  // the parent's library: classes are found by name
    p.Word("OLEPUBLIC");
    p.ExpectEnd();
    s.payload = h;
}

const Command kCommands[] = {
    {"DEFINE", "CLASS", ParseDefineClass, nullptr, "CLASS", kProcedure},
    {"ENDDEFINE", nullptr, nullptr, nullptr, "CLASS", kCloses},
    {"ENDD", nullptr, nullptr, nullptr, "DO CLASS", kCloses},  // ENDDO or ENDDEFINE, by context
    {"PROTECTED", nullptr, nullptr, nullptr, nullptr, 0},
    {"HIDDEN", nullptr, nullptr, nullptr, nullptr, 0},
    {"ADD", "OBJECT", ParseUnavailable, nullptr, nullptr, 0},
};

}  // namespace

std::span<const Command> ClassCommands() { return kCommands; }

}  // namespace tarvo::run::lang
