// Objects through the interpreter: making, filling and releasing Empty
// objects with five properties, and a collection of keyed items looked up by
// key, at two sizes in one run. The per-item times at both sizes show that
// the cost grows with the count, not faster; "loop only" is the
// interpreter's own cost of a round, the baseline of the ratios.
//
//   objects_bench [large count, default 100000]
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/win/programs.h"
#include "runner/host.h"
#include "runner/lang/interp.h"

namespace {

using namespace tarvo::run;
using tarvo::bench::Case;
using tarvo::bench::RunProgram;

const Case kCases[] = {
    {"loop only", "n = 0\nFOR i = 1 TO %d\n  n = n + 1\nENDFOR\n"},
    {"Empty, 5 properties",
     "FOR i = 1 TO %d\n  o = CREATEOBJECT('Empty')\n  ADDPROPERTY(o, 'Id', i)\n"
     "  ADDPROPERTY(o, 'Name', 'n')\n  ADDPROPERTY(o, 'Size', 1.5)\n  ADDPROPERTY(o, 'Ok', .T.)\n"
     "  ADDPROPERTY(o, 'When', DATE())\nENDFOR\n"},
    {"keyed collection",
     "c = CREATEOBJECT('Collection')\nFOR i = 1 TO %d\n  c.Add(i, 'k' + TRANSFORM(i))\nENDFOR\n"
     "s = 0\nFOR i = 1 TO c.Count\n  s = s + c.Item('k' + TRANSFORM(i))\nENDFOR\n"},
    {"class with Init",
     "FOR i = 1 TO %d\n  o = CREATEOBJECT('Point', i, i)\nENDFOR\n"
     "DEFINE CLASS Point AS Custom\n  X = 0\n  Y = 0\n  PROCEDURE Init(a, b)\n"
     "    THIS.X = a\n    THIS.Y = b\n  ENDPROC\nENDDEFINE\n"},
};

}  // namespace

int main(int argc, char** argv) {
    const int large = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int small = large / 10;
    Host host;
    lang::Interpreter in(host);
    in.write = [](const std::string&) {};
    std::printf("%-22s %12s %12s %10s %10s\n", "case", "us/item 10%", "us/item 100%", "growth", "x loop");
    double loop = 0;
    for (const Case& c : kCases) {
        const double a = RunProgram(in, c, small), b = RunProgram(in, c, large);
        if (loop == 0) loop = b;
        std::printf("%-22s %12.2f %12.2f %10.2f %10.1f\n", c.name, a * 1e6 / small, b * 1e6 / large,
                    (b / large) / (a / small), b / loop);
    }
    return 0;
}
