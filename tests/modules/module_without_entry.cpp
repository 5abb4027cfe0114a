// SPDX-License-Identifier: AGPL-3.0-or-later
// A loadable library without the tests' entry point.
extern "C" __attribute__((visibility("default"))) int kelvra_test_something_else() { return 0; }
