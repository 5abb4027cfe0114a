// SPDX-License-Identifier: AGPL-3.0-or-later
// A loadable module without the lookup browser's entry point.
extern "C" __attribute__((visibility("default"))) int kelvra_something_else() { return 0; }
