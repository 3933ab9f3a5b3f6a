* A name of the complete library that this build does not have yet fails
* as the host's call of an unknown name does, and the report says so.
TRY
  =NOSUCHPROC()
CATCH TO e
  ? e.ErrorNo, e.Message
ENDTRY
=DBF_RECCOUNT(1)
