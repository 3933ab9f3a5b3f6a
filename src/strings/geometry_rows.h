// Rows of the plane geometry and the factorial.
FAMILY(Geometry, "Geometry",
       "Plane geometry on integer coordinates, computed by KERNEL.DLL, and the factorial. "
       "Results are numbers with 4 decimals; vertical or parallel lines give infinite or "
       "not-a-number results.")
ROW("MTH_DISTANCE", "I,I,I,I", DOC(
    .summary = "The distance between two points.",
    .params = "nX1: x of the first point\n"
              "nY1: y of the first point\n"
              "nX2: x of the second point\n"
              "nY2: y of the second point",
    .returns = "N",
    .result = "The distance, with 4 decimals.",
    .notes = "Computed by KERNEL.DLL from the coordinates as single-precision numbers; "
             "not-a-number when it is missing.",
    .example = "? MTH_DISTANCE(0, 0, 3, 4)",
    .output = "         5.0000"), Fn<MthDistance, 4>)
ROW("MTH_FACTORIELLE", "N", DOC(
    .summary = "The factorial of a whole number.",
    .params = "nValue: its whole part counts, without its sign (-5 gives 120)",
    .returns = "N",
    .result = "The factorial in double precision, with 4 decimals: 1 for 0 and 1, exact up to "
              "20, infinite from 171 on.",
    .example = "? MTH_FACTORIELLE(5), MTH_FACTORIELLE(-5)",
    .output = "       120.0000        120.0000"), Fn<MthFactorielle, 4>)
ROW("MTH_PENTE", "I,I,I,I", DOC(
    .summary = "The slope of the line through two points.",
    .params = "nX1: x of the first point\n"
              "nY1: y of the first point\n"
              "nX2: x of the second point\n"
              "nY2: y of the second point",
    .returns = "N",
    .result = "The slope, with 4 decimals; infinite or not-a-number for a vertical line.",
    .notes = "Computed by KERNEL.DLL from the coordinates as single-precision numbers; "
             "not-a-number when it is missing.",
    .example = "? MTH_PENTE(0, 1, 2, 5)",
    .output = "         2.0000"), Fn<MthPente, 4>)
ROW("MTH_ORIGIN", "I,I,I,I", DOC(
    .summary = "Where the line through two points crosses the y axis.",
    .params = "nX1: x of the first point\n"
              "nY1: y of the first point\n"
              "nX2: x of the second point\n"
              "nY2: y of the second point",
    .returns = "N",
    .result = "The line's y at x = 0, with 4 decimals; infinite or not-a-number for a vertical "
              "line.",
    .notes = "Computed by KERNEL.DLL from the coordinates as single-precision numbers; "
             "not-a-number when it is missing.",
    .example = "? MTH_ORIGIN(1, 3, 2, 5)",
    .output = "         1.0000"), Fn<MthOrigin, 4>)
ROW("MTH_TRIANGLESURFACE", "I,I,I,I,I,I", DOC(
    .summary = "The area of a triangle.",
    .params = "nX1: x of the first corner\n"
              "nY1: y of the first corner\n"
              "nX2: x of the second corner\n"
              "nY2: y of the second corner\n"
              "nX3: x of the third corner\n"
              "nY3: y of the third corner",
    .returns = "N",
    .result = "The area, with 4 decimals.",
    .notes = "Computed by KERNEL.DLL from the coordinates as single-precision numbers; "
             "not-a-number when it is missing.",
    .example = "? MTH_TRIANGLESURFACE(0, 0, 4, 0, 0, 3)",
    .output = "         6.0000"), Fn<MthTriangleSurface, 4>)
ROW("MTH_X_INTERSECTION", "I,I,I,I,I,I,I,I", DOC(
    .summary = "The x coordinate where two lines meet.",
    .params = "nX1: x of the first line's first point\n"
              "nY1: y of the first line's first point\n"
              "nX2: x of the first line's second point\n"
              "nY2: y of the first line's second point\n"
              "nX3: x of the second line's first point\n"
              "nY3: y of the second line's first point\n"
              "nX4: x of the second line's second point\n"
              "nY4: y of the second line's second point",
    .returns = "N",
    .result = "The x coordinate, with 4 decimals; infinite or not-a-number for parallel lines.",
    .notes = "Computed by KERNEL.DLL from the coordinates as single-precision numbers; "
             "not-a-number when it is missing.",
    .example = "? MTH_X_INTERSECTION(0, 0, 2, 2, 0, 2, 2, 0)",
    .output = "         1.0000"), Fn<MthXIntersection, 4>)
ROW("MTH_Y_INTERSECTION", "I,I,I,I,I,I,I,I", DOC(
    .summary = "The y coordinate where two lines meet.",
    .params = "nX1: x of the first line's first point\n"
              "nY1: y of the first line's first point\n"
              "nX2: x of the first line's second point\n"
              "nY2: y of the first line's second point\n"
              "nX3: x of the second line's first point\n"
              "nY3: y of the second line's first point\n"
              "nX4: x of the second line's second point\n"
              "nY4: y of the second line's second point",
    .returns = "N",
    .result = "The y coordinate, with 4 decimals; infinite or not-a-number for parallel lines.",
    .notes = "Computed by KERNEL.DLL from the coordinates as single-precision numbers; "
             "not-a-number when it is missing.",
    .example = "? MTH_Y_INTERSECTION(0, 0, 2, 2, 0, 4, 4, 0)",
    .output = "         2.0000"), Fn<MthYIntersection, 4>)
