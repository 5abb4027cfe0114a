// SPDX-License-Identifier: AGPL-3.0-or-later
// A module with the tests' entry point. With KELVRA_TEST_UNRESOLVED the entry
// calls a function nothing defines, so only a lazy load succeeds.
#ifdef KELVRA_TEST_UNRESOLVED
extern "C" int kelvra_test_nowhere();
extern "C" __attribute__((visibility("default"))) int kelvra_test_entry() { return kelvra_test_nowhere(); }
#else
extern "C" __attribute__((visibility("default"))) int kelvra_test_entry() { return 42; }
#endif
