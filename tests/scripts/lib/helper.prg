* A program run by DO from another one (not a test of its own).
PARAMETERS greeting
? greeting + " from " + PROGRAM()
greeting = "changed by helper"
RETURN
