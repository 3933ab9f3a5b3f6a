// The load hook and the unload hook, which close the table.
// (Included by hooks_handlers.cpp and host/catalogue.cpp.)
HOOK("TARVOIN", -2, UNDOCUMENTED, Raw(TarvoIn))
HOOK("TARVOOUT", -3, UNDOCUMENTED, Raw(TarvoOut))
