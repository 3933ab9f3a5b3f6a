* Letters and case follow the ANSI code page (this file is in code page 1252).
? UPPER("café à la crème, naïve ÿ š")
? LOWER("ÉTÉ À ÑOÑO Š")
? PROPER("émile zölA ßa")
? ISALPHA("é"), ISUPPER("É"), ISLOWER("é"), ISUPPER("é"), ISALPHA("×"), ISLOWER("ß")
? ATC("ÉTÉ", "un été"), TRANSFORM("été", "@!")
