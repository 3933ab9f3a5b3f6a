* Error 11 of a library function says which argument did not fit and how
* the function is called; caught, it is the host's error as ever.
TRY
  ? STR_LEFT("abcdef")
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
x = STR_LEFT("abcdef", "2")
