// SPDX-License-Identifier: GPL-3.0-or-later
// Sanitizer defaults every fuzz target is linked with; ASAN_OPTIONS still overrides them.
//
// Qt is built without frame pointers, so ASan's fast unwinder reads stack contents
// as return addresses once it walks into a Qt frame. Each input then yields
// allocation stacks never seen before, and ASan's stack depot, which keeps every
// distinct stack for the life of the process and never frees, grows by tens of
// kilobytes an input until the fuzzer's memory limit ends the run. Two frames keep
// the depot at a few hundred stacks, and a report still names the allocating call.
// Reproduce a report with full allocation stacks by running the saved input with
// ASAN_OPTIONS=malloc_context_size=30:fast_unwind_on_malloc=0.
extern "C" const char* __asan_default_options() { return "malloc_context_size=2"; }
