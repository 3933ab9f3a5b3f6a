// Rows of the unit conversions.
FAMILY(Unit, "Unit conversions",
       "Lengths between metric and imperial units: the value times a fixed factor, with 8 "
       "decimals. The metric factors are single-precision numbers (2.54 is "
       "2.5399999618530273), so a conversion and its inverse do not give the value back exactly.")
// One row per conversion, from a shared documentation: name, the units,
// the factor as the reference states it, what the name prints for 2.5, and
// the factor's constant.
#define UNIT_ROW(name, from, to, factor, printed, constant)                      \
    ROW(name, "N",                                                               \
        DOC(.summary = "Converts a length from " from " to " to ".",             \
            .params = "nLength: the length",                                     \
            .returns = "N",                                                      \
            .result = "The length times " factor ", with 8 decimals.",           \
            .example = "? " name "(2.5)", .output = printed),                    \
        Fn<MetConvert<constant>, 8>)
UNIT_ROW("MET_CMTOINCH", "centimetres", "inches",
         "0.3937 as a single-precision float (0.3937000036239624)", "         0.98425001", kCmToInch)
UNIT_ROW("MET_INCHTOCM", "inches", "centimetres",
         "2.54 as a single-precision float (2.5399999618530273)", "         6.34999990", kInchToCm)
UNIT_ROW("MET_KMTOMILE", "kilometres", "miles",
         "0.6214 as a single-precision float (0.621399998664856)", "         1.55350000", kKmToMile)
UNIT_ROW("MET_MILETOKM", "miles", "kilometres",
         "1.609 as a single-precision float (1.6089999675750732)", "         4.02249992", kMileToKm)
UNIT_ROW("MET_MTOYARD", "metres", "yards",
         "1.093611 as a single-precision float (1.0936110019683838)", "         2.73402750", kMToYard)
UNIT_ROW("MET_YARDTOM", "yards", "metres",
         "0.9144 as a single-precision float (0.9143999814987183)", "         2.28599995", kYardToM)
UNIT_ROW("MET_INCHTOFEET", "inches", "feet",
         "1/12", "         0.20833333", kInchToFeet)
UNIT_ROW("MET_FEETTOINCH", "feet", "inches",
         "12", "        30.00000000", kFeetToInch)
UNIT_ROW("MET_INCHTOYARD", "inches", "yards",
         "1/36", "         0.06944444", kInchToYard)
UNIT_ROW("MET_YARDTOINCH", "yards", "inches",
         "36", "        90.00000000", kYardToInch)
UNIT_ROW("MET_INCHTOMILE", "inches", "miles",
         "1/63360", "         0.00003946", kInchToMile)
UNIT_ROW("MET_MILETOINCH", "miles", "inches",
         "63360", "    158400.00000000", kMileToInch)
UNIT_ROW("MET_FEETTOYARD", "feet", "yards",
         "1/3", "         0.83333333", kFeetToYard)
UNIT_ROW("MET_YARDTOFEET", "yards", "feet",
         "3", "         7.50000000", kYardToFeet)
UNIT_ROW("MET_FEETTOMILE", "feet", "miles",
         "1/5280", "         0.00047348", kFeetToMile)
UNIT_ROW("MET_MILETOFEET", "miles", "feet",
         "5280", "     13200.00000000", kMileToFeet)
UNIT_ROW("MET_MILETOYARD", "miles", "yards",
         "1760", "      4400.00000000", kMileToYard)
UNIT_ROW("MET_YARDTOMILE", "yards", "miles",
         "1/1760", "         0.00142045", kYardToMile)
#undef UNIT_ROW
