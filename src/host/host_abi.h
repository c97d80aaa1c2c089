// The calling boundary between the plug-in and the host executable.
//
// The host exports plain functions named FX_...; every argument travels as one
// machine word (a pointer-sized integer), except double arguments, and every
// answer comes back as one word. Sixteen- and eight-bit arguments are widened to
// a word before the call (signed ones sign-extended, the others zero-extended);
// narrowing the answer is the caller's business (see fx_entry_table.h).
//
// Both sides include this header: the plug-in to call through the addresses it
// binds, the simulated host to define functions of exactly that shape.
#ifndef KV_HOST_HOST_ABI_H
#define KV_HOST_HOST_ABI_H

#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define FXAPI __cdecl
#else
#define FXAPI
#endif

// One argument or answer word as it crosses the boundary.
typedef intptr_t FxWord;

// The interface version this plug-in was built for; the last argument of every
// host call except the staff-system record transfers.
constexpr uint32_t kFxInterfaceVersion = 0x0F000200u;

// Host-side parameter type of each argument kind of fx_entry_table.h.
#define FX_HOST_TYPE_W FxWord
#define FX_HOST_TYPE_S FxWord
#define FX_HOST_TYPE_U FxWord
#define FX_HOST_TYPE_B FxWord
#define FX_HOST_TYPE_D double

// FX_NAMED_PARAMS(PREFIX, kinds...) expands to "PREFIX##k1 a1, PREFIX##k2 a2, ..."
// and FX_PARAM_NAMES(kinds...) to "a1, a2, ...", for up to twenty arguments.
// They let one table line become a full function definition.
#define FX_PP_CAT(a, b) FX_PP_CAT_(a, b)
#define FX_PP_CAT_(a, b) a##b
#define FX_PP_COUNT(...) \
  FX_PP_COUNT_(__VA_ARGS__, 20, 19, 18, 17, 16, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0)
#define FX_PP_COUNT_(_1, _2, _3, _4, _5, _6, _7, _8, _9, _10, _11, _12, _13, _14, _15, _16, _17, \
                     _18, _19, _20, N, ...)                                                        \
  N

#define FX_NAMED_PARAMS(P, ...) FX_PP_CAT(FX_NP_, FX_PP_COUNT(__VA_ARGS__))(P, __VA_ARGS__)
#define FX_NP_1(P, k1) P##k1 a1
#define FX_NP_2(P, k1, k2) P##k1 a1, P##k2 a2
#define FX_NP_3(P, k1, k2, k3) P##k1 a1, P##k2 a2, P##k3 a3
#define FX_NP_4(P, k1, k2, k3, k4) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4
#define FX_NP_5(P, k1, k2, k3, k4, k5) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5
#define FX_NP_6(P, k1, k2, k3, k4, k5, k6) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6
#define FX_NP_7(P, k1, k2, k3, k4, k5, k6, k7) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7
#define FX_NP_8(P, k1, k2, k3, k4, k5, k6, k7, k8) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7, P##k8 a8
#define FX_NP_9(P, k1, k2, k3, k4, k5, k6, k7, k8, k9) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7, P##k8 a8, P##k9 a9
#define FX_NP_10(P, k1, k2, k3, k4, k5, k6, k7, k8, k9, k10) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7, P##k8 a8, P##k9 a9, P##k10 a10
#define FX_NP_11(P, k1, k2, k3, k4, k5, k6, k7, k8, k9, k10, k11) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7, P##k8 a8, P##k9 a9, P##k10 a10, P##k11 a11
#define FX_NP_12(P, k1, k2, k3, k4, k5, k6, k7, k8, k9, k10, k11, k12) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7, P##k8 a8, P##k9 a9, P##k10 a10, P##k11 a11, P##k12 a12
#define FX_NP_13(P, k1, k2, k3, k4, k5, k6, k7, k8, k9, k10, k11, k12, k13) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7, P##k8 a8, P##k9 a9, P##k10 a10, P##k11 a11, P##k12 a12, P##k13 a13
#define FX_NP_14(P, k1, k2, k3, k4, k5, k6, k7, k8, k9, k10, k11, k12, k13, k14) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7, P##k8 a8, P##k9 a9, P##k10 a10, P##k11 a11, P##k12 a12, P##k13 a13, P##k14 a14
#define FX_NP_15(P, k1, k2, k3, k4, k5, k6, k7, k8, k9, k10, k11, k12, k13, k14, k15) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7, P##k8 a8, P##k9 a9, P##k10 a10, P##k11 a11, P##k12 a12, P##k13 a13, P##k14 a14, P##k15 a15
#define FX_NP_16(P, k1, k2, k3, k4, k5, k6, k7, k8, k9, k10, k11, k12, k13, k14, k15, k16) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7, P##k8 a8, P##k9 a9, P##k10 a10, P##k11 a11, P##k12 a12, P##k13 a13, P##k14 a14, P##k15 a15, P##k16 a16
#define FX_NP_17(P, k1, k2, k3, k4, k5, k6, k7, k8, k9, k10, k11, k12, k13, k14, k15, k16, k17) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7, P##k8 a8, P##k9 a9, P##k10 a10, P##k11 a11, P##k12 a12, P##k13 a13, P##k14 a14, P##k15 a15, P##k16 a16, P##k17 a17
#define FX_NP_18(P, k1, k2, k3, k4, k5, k6, k7, k8, k9, k10, k11, k12, k13, k14, k15, k16, k17, k18) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7, P##k8 a8, P##k9 a9, P##k10 a10, P##k11 a11, P##k12 a12, P##k13 a13, P##k14 a14, P##k15 a15, P##k16 a16, P##k17 a17, P##k18 a18
#define FX_NP_19(P, k1, k2, k3, k4, k5, k6, k7, k8, k9, k10, k11, k12, k13, k14, k15, k16, k17, k18, k19) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7, P##k8 a8, P##k9 a9, P##k10 a10, P##k11 a11, P##k12 a12, P##k13 a13, P##k14 a14, P##k15 a15, P##k16 a16, P##k17 a17, P##k18 a18, P##k19 a19
#define FX_NP_20(P, k1, k2, k3, k4, k5, k6, k7, k8, k9, k10, k11, k12, k13, k14, k15, k16, k17, k18, k19, k20) P##k1 a1, P##k2 a2, P##k3 a3, P##k4 a4, P##k5 a5, P##k6 a6, P##k7 a7, P##k8 a8, P##k9 a9, P##k10 a10, P##k11 a11, P##k12 a12, P##k13 a13, P##k14 a14, P##k15 a15, P##k16 a16, P##k17 a17, P##k18 a18, P##k19 a19, P##k20 a20

#define FX_PARAM_NAMES(...) FX_PP_CAT(FX_PN_, FX_PP_COUNT(__VA_ARGS__))
#define FX_PN_1 a1
#define FX_PN_2 FX_PN_1, a2
#define FX_PN_3 FX_PN_2, a3
#define FX_PN_4 FX_PN_3, a4
#define FX_PN_5 FX_PN_4, a5
#define FX_PN_6 FX_PN_5, a6
#define FX_PN_7 FX_PN_6, a7
#define FX_PN_8 FX_PN_7, a8
#define FX_PN_9 FX_PN_8, a9
#define FX_PN_10 FX_PN_9, a10
#define FX_PN_11 FX_PN_10, a11
#define FX_PN_12 FX_PN_11, a12
#define FX_PN_13 FX_PN_12, a13
#define FX_PN_14 FX_PN_13, a14
#define FX_PN_15 FX_PN_14, a15
#define FX_PN_16 FX_PN_15, a16
#define FX_PN_17 FX_PN_16, a17
#define FX_PN_18 FX_PN_17, a18
#define FX_PN_19 FX_PN_18, a19
#define FX_PN_20 FX_PN_19, a20

#endif
