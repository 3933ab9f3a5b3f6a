* A name of the complete library that this build does not have yet fails
* as the host's call of an unknown name does, and the report says so.
TRY
  =NOSUCHPROC()
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
=REG_CREATEKEY("HKEY_CURRENT_USER", "Software\Tarvo")
