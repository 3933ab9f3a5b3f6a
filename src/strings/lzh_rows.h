// Rows of LZH compression: one file into another and back. Neither returns
// a value; the progress and statistics lines go to standard output (tarvo-run
// shows them; a windowed host has no console). Both write files their
// parameters name. (Included by lzh_handlers.cpp and host/catalogue.cpp.)
ROW("LZH_ENCODE", "C,C", UNDOCUMENTED, Fn<LzhEncode>)
ROW("LZH_DECODE", "C,C", UNDOCUMENTED, Fn<LzhDecode>)
