* The bundled timer program (examples/timers.prg) prints what its expected output says.
DO ..\..\examples\timers.prg
