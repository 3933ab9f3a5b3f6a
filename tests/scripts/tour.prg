* The bundled tour (examples/tour.prg) prints what its expected output says.
DO ..\..\examples\tour.prg
