// Rows of the unit conversions.
FAMILY(Unit, "Unit conversions",
       "Lengths between metric and imperial units: the value times a fixed factor, with 8 "
       "decimals. The metric factors are single-precision numbers (2.54 is "
       "2.5399999618530273), so a conversion and its inverse do not give the value back exactly.")
ROW("MET_CMTOINCH", "N", DOC(
    .summary = "Converts a length from centimetres to inches.",
    .params = "nLength: the length",
    .result = "The length times 0.3937 as a single-precision float (0.3937000036239624), with "
              "8 decimals.",
    .example = "? MET_CMTOINCH(2.5)",
    .output = "         0.98425001"), Fn<MetConvert<kCmToInch>, 8>)
ROW("MET_INCHTOCM", "N", DOC(
    .summary = "Converts a length from inches to centimetres.",
    .params = "nLength: the length",
    .result = "The length times 2.54 as a single-precision float (2.5399999618530273), with 8 "
              "decimals.",
    .example = "? MET_INCHTOCM(2.5)",
    .output = "         6.34999990"), Fn<MetConvert<kInchToCm>, 8>)
ROW("MET_KMTOMILE", "N", DOC(
    .summary = "Converts a length from kilometres to miles.",
    .params = "nLength: the length",
    .result = "The length times 0.6214 as a single-precision float (0.621399998664856), with 8 "
              "decimals.",
    .example = "? MET_KMTOMILE(2.5)",
    .output = "         1.55350000"), Fn<MetConvert<kKmToMile>, 8>)
ROW("MET_MILETOKM", "N", DOC(
    .summary = "Converts a length from miles to kilometres.",
    .params = "nLength: the length",
    .result = "The length times 1.609 as a single-precision float (1.6089999675750732), with 8 "
              "decimals.",
    .example = "? MET_MILETOKM(2.5)",
    .output = "         4.02249992"), Fn<MetConvert<kMileToKm>, 8>)
ROW("MET_MTOYARD", "N", DOC(
    .summary = "Converts a length from metres to yards.",
    .params = "nLength: the length",
    .result = "The length times 1.093611 as a single-precision float (1.0936110019683838), "
              "with 8 decimals.",
    .example = "? MET_MTOYARD(2.5)",
    .output = "         2.73402750"), Fn<MetConvert<kMToYard>, 8>)
ROW("MET_YARDTOM", "N", DOC(
    .summary = "Converts a length from yards to metres.",
    .params = "nLength: the length",
    .result = "The length times 0.9144 as a single-precision float (0.9143999814987183), with "
              "8 decimals.",
    .example = "? MET_YARDTOM(2.5)",
    .output = "         2.28599995"), Fn<MetConvert<kYardToM>, 8>)
ROW("MET_INCHTOFEET", "N", DOC(
    .summary = "Converts a length from inches to feet.",
    .params = "nLength: the length",
    .result = "The length times 1/12, with 8 decimals.",
    .example = "? MET_INCHTOFEET(2.5)",
    .output = "         0.20833333"), Fn<MetConvert<kInchToFeet>, 8>)
ROW("MET_FEETTOINCH", "N", DOC(
    .summary = "Converts a length from feet to inches.",
    .params = "nLength: the length",
    .result = "The length times 12, with 8 decimals.",
    .example = "? MET_FEETTOINCH(2.5)",
    .output = "        30.00000000"), Fn<MetConvert<kFeetToInch>, 8>)
ROW("MET_INCHTOYARD", "N", DOC(
    .summary = "Converts a length from inches to yards.",
    .params = "nLength: the length",
    .result = "The length times 1/36, with 8 decimals.",
    .example = "? MET_INCHTOYARD(2.5)",
    .output = "         0.06944444"), Fn<MetConvert<kInchToYard>, 8>)
ROW("MET_YARDTOINCH", "N", DOC(
    .summary = "Converts a length from yards to inches.",
    .params = "nLength: the length",
    .result = "The length times 36, with 8 decimals.",
    .example = "? MET_YARDTOINCH(2.5)",
    .output = "        90.00000000"), Fn<MetConvert<kYardToInch>, 8>)
ROW("MET_INCHTOMILE", "N", DOC(
    .summary = "Converts a length from inches to miles.",
    .params = "nLength: the length",
    .result = "The length times 1/63360, with 8 decimals.",
    .example = "? MET_INCHTOMILE(2.5)",
    .output = "         0.00003946"), Fn<MetConvert<kInchToMile>, 8>)
ROW("MET_MILETOINCH", "N", DOC(
    .summary = "Converts a length from miles to inches.",
    .params = "nLength: the length",
    .result = "The length times 63360, with 8 decimals.",
    .example = "? MET_MILETOINCH(2.5)",
    .output = "    158400.00000000"), Fn<MetConvert<kMileToInch>, 8>)
ROW("MET_FEETTOYARD", "N", DOC(
    .summary = "Converts a length from feet to yards.",
    .params = "nLength: the length",
    .result = "The length times 1/3, with 8 decimals.",
    .example = "? MET_FEETTOYARD(2.5)",
    .output = "         0.83333333"), Fn<MetConvert<kFeetToYard>, 8>)
ROW("MET_YARDTOFEET", "N", DOC(
    .summary = "Converts a length from yards to feet.",
    .params = "nLength: the length",
    .result = "The length times 3, with 8 decimals.",
    .example = "? MET_YARDTOFEET(2.5)",
    .output = "         7.50000000"), Fn<MetConvert<kYardToFeet>, 8>)
ROW("MET_FEETTOMILE", "N", DOC(
    .summary = "Converts a length from feet to miles.",
    .params = "nLength: the length",
    .result = "The length times 1/5280, with 8 decimals.",
    .example = "? MET_FEETTOMILE(2.5)",
    .output = "         0.00047348"), Fn<MetConvert<kFeetToMile>, 8>)
ROW("MET_MILETOFEET", "N", DOC(
    .summary = "Converts a length from miles to feet.",
    .params = "nLength: the length",
    .result = "The length times 5280, with 8 decimals.",
    .example = "? MET_MILETOFEET(2.5)",
    .output = "     13200.00000000"), Fn<MetConvert<kMileToFeet>, 8>)
ROW("MET_MILETOYARD", "N", DOC(
    .summary = "Converts a length from miles to yards.",
    .params = "nLength: the length",
    .result = "The length times 1760, with 8 decimals.",
    .example = "? MET_MILETOYARD(2.5)",
    .output = "      4400.00000000"), Fn<MetConvert<kMileToYard>, 8>)
ROW("MET_YARDTOMILE", "N", DOC(
    .summary = "Converts a length from yards to miles.",
    .params = "nLength: the length",
    .result = "The length times 1/1760, with 8 decimals.",
    .example = "? MET_YARDTOMILE(2.5)",
    .output = "         0.00142045"), Fn<MetConvert<kYardToMile>, 8>)
