// Finding the host executable and its exported functions.
//
// The host is the executable that loaded the plug-in; it exports its plug-in
// interface as plain functions named FX_.... Each of our FX_ entries keeps the
// address of its host function in a function-local static (FX_BIND_HOST below),
// looked up on the entry's first call and never again: a missing export stays
// null for the life of the library, and the entry then answers without calling.
//
// Everything here runs on the host's user-interface thread.
#ifndef KV_HOST_FX_BINDING_H
#define KV_HOST_FX_BINDING_H

#include "host/host_abi.h"
#include "platform/win32.h"

// The module of "FINALE.EXE", else of "FINDEMO.EXE", else null. Asked of the
// system on the first call only; the answer, null included, is kept.
HMODULE GetFinaleHandle();

// A host function address of no particular type: cast it to the function's own
// type (FX_HOST_FUNCTION_TYPE) before calling.
typedef void (*FxHostProc)();

// The host's export `name`, or null when there is no host module or the module
// does not export it. Looks it up every time: callers cache (FX_BIND_HOST).
FxHostProc FX_FindHostFunction(const char* name);

// The host's type of a function taking arguments of the given kinds
// (W, S, U, B: one word each; D: a double), as fx_entry_table.h lists them.
#define FX_HOST_FUNCTION_TYPE(...) FxWord(FXAPI*)(FX_NAMED_PARAMS(FX_HOST_TYPE_, __VA_ARGS__))

template <typename HostFunction>
HostFunction fx_host_cast(FxHostProc proc) {
  return reinterpret_cast<HostFunction>(proc);
}

// Inside an entry: `fpProc`, the host's `name` of type `Type`, bound on the
// entry's first call (one-time initialisation of a local static) and kept.
#define FX_BIND_HOST(name, Type) \
  static const Type fpProc = fx_host_cast<Type>(FX_FindHostFunction(#name))

#endif
