// The product DLL is linked from the plug-in library as a whole; a shared
// library target needs one source of its own to exist.
